#include "controls/progress_bar/colour_helpers.h"

#include <gtest/gtest.h>

#include "platform/errors/run_time_error.h"
#include "platform/gdi/colour.h"

namespace {

using namespace kolvetra;

TEST(TranslateColor, ResolvesOnlyTheSystemColourRange)
{
    struct Case {
        const char* name;
        OLE_COLOR in, out;
    };
    const Case cases[] = {
        {"first system colour", 0x80000000, platform::gdi::GetSysColor(0)},
        {"button face", 0x8000000F, platform::gdi::GetSysColor(15)},
        {"last system colour", 0x80000018, platform::gdi::GetSysColor(24)},
        {"one past the range", 0x80000019, 0x80000019},
        {"top bit with a high index", 0x800000FF, 0x800000FF},
        {"plain RGB", 0xFF, 0xFF},
        {"white", 0xFFFFFF, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TranslateColor(c.in), c.out);
    }
}

TEST(SplitColor, GivesTheThreeLowBytes)
{
    struct Case {
        const char* name;
        OLE_COLOR colour;
        std::int32_t red, green, blue;
    };
    const Case cases[] = {
        {"mixed", 0x123456, 0x56, 0x34, 0x12},
        {"zero", 0, 0, 0, 0},
        {"system colour is not resolved", 0x8000000F, 15, 0, 0},
        {"system window text", 0x80000008, 8, 0, 0},
        {"white", 0xFFFFFF, 255, 255, 255},
        {"single digit", 0x8, 8, 0, 0},
        {"top byte dropped", 0x7F0000FF, 255, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::int32_t red = -1, green = -1, blue = -1;
        SplitColor(c.colour, red, green, blue);
        EXPECT_EQ(red, c.red);
        EXPECT_EQ(green, c.green);
        EXPECT_EQ(blue, c.blue);
    }
}

TEST(HexToLong, TwoUpperCaseDigits)
{
    EXPECT_EQ(HexToLong("AB"), 171);
    EXPECT_EQ(HexToLong("08"), 8);
    EXPECT_EQ(HexToLong("FF"), 255);
    EXPECT_EQ(HexToLong("00"), 0);
    EXPECT_EQ(HexToLong("A0"), 160);
}

TEST(RGB, ClampsHighChannelsAndRejectsNegativeOnes)
{
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(RGB(300, 0, 256), 0xFF00FFu);
    try {
        RGB(0, -1, 0);
        FAIL() << "no error";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

} // namespace
