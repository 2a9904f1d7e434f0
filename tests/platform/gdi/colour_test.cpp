#include "platform/gdi/colour.h"

#include <gtest/gtest.h>

#include "platform/gdi/dc.h"
#include "platform/gdi/mul_div.h"
#include "tests/platform/gdi/canvas.h"

namespace {

using namespace platform::gdi;

TEST(SystemColours, ClassicSchemeAndOutOfRange)
{
    struct Case {
        const char* name;
        int index;
        COLORREF rgb;
    };
    const Case cases[] = {
        {"scroll bar", 0, Rgb(212, 208, 200)},
        {"desktop", 1, Rgb(58, 110, 165)},
        {"window", 5, Rgb(255, 255, 255)},
        {"window text", 8, Rgb(0, 0, 0)},
        {"active border", 10, Rgb(212, 208, 200)},
        {"highlight", 13, Rgb(10, 36, 106)},
        {"button face", 15, Rgb(212, 208, 200)},
        {"shadow", 16, Rgb(128, 128, 128)},
        {"3-D highlight", 20, Rgb(255, 255, 255)},
        {"dark shadow", 21, Rgb(64, 64, 64)},
        {"info background", 24, Rgb(255, 255, 225)},
        {"past the end", 25, 0},
        {"negative", -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetSysColor(c.index), c.rgb);
    }
}

TEST(OleTranslateColor, SystemColoursAndPlainRgb)
{
    constexpr COLORREF kUntouched = 0xDEADBEEF;
    struct Case {
        const char* name;
        OLE_COLOR in;
        HRESULT result;
        COLORREF out;
    };
    const Case cases[] = {
        {"system colour 10", 0x8000000A, S_OK, Rgb(212, 208, 200)},
        {"system colour 8", 0x80000008, S_OK, Rgb(0, 0, 0)},
        {"last system colour", 0x80000018, S_OK, Rgb(255, 255, 225)},
        {"index past the end", 0x80000019, E_INVALIDARG, kUntouched},
        {"index in a higher byte", 0x80000100, E_INVALIDARG, kUntouched},
        {"plain RGB", 0x00123456, S_OK, 0x123456},
        {"palette-relative RGB", 0x02123456, S_OK, 0x123456},
        {"palette index", 0x01000005, E_INVALIDARG, kUntouched},
        {"unknown top byte", 0xFF000000, E_INVALIDARG, kUntouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COLORREF out = kUntouched;
        EXPECT_EQ(OleTranslateColor(c.in, nullptr, &out), c.result);
        EXPECT_EQ(out, c.out);
    }
}

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct Case {
        const char* name;
        std::int32_t a, b, c, result;
    };
    const Case cases[] = {
        {"half up", 3, 5, 2, 8},
        {"half down when negative", -3, 5, 2, -8},
        {"negative divisor", 5, 1, -2, -3},
        {"both negative", -5, 1, -2, 3},
        {"below half", 1, 1, 3, 0},
        {"font of 8 points", 8, 96, 72, 11},
        {"font of 9 points", 9, 96, 72, 12},
        {"font of 12 points", 12, 96, 72, 16},
        {"64-bit intermediate", 2000000000, 2000000000, 2000000000, 2000000000},
        {"division by zero", 5, 5, 0, -1},
        {"result too large", 2000000000, 4, 1, -1},
        {"smallest fits", -2147483647 - 1, 1, 1, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result);
    }
}

TEST(DeviceCaps, NinetySixDotsPerInch)
{
    gdi_test::Canvas canvas(30, 20);
    EXPECT_EQ(GetDeviceCaps(canvas.hdc(), LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(canvas.hdc(), LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(canvas.hdc(), HORZRES), 30);
    EXPECT_EQ(GetDeviceCaps(canvas.hdc(), VERTRES), 20);
    EXPECT_EQ(GetDeviceCaps(canvas.hdc(), 1234), 0);
    EXPECT_EQ(GetDeviceCaps(HDC{}, LOGPIXELSY), 0);
}

} // namespace
