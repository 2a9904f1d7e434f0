#include "platform/gdi/font.h"

#include <gtest/gtest.h>
#include <vector>

#include "platform/gdi/objects.h"
#include "tests/platform/gdi/canvas.h"

namespace {

using namespace platform::gdi;
using gdi_test::Canvas;

// Every string measures `width` wide with ascent 8 and descent 3; the calls are kept so a test
// can see which font and text reached the measure.
class FixedMeasure : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetTextMeasure([this](const LogFont& font, std::string_view text) {
            fonts.push_back(font);
            texts.emplace_back(text);
            return TextExtent{width, 8, 3};
        });
    }
    void TearDown() override { SetTextMeasure({}); }

    int width = 20;
    std::vector<LogFont> fonts;
    std::vector<std::string> texts;
};

TEST_F(FixedMeasure, AlignmentPlacesTheStringBox)
{
    struct Case {
        const char* name;
        int escapement;
        unsigned align;
        int width;
        Rect box;
    };
    // Reference point (30, 20) on a 60 x 40 image.
    const Case cases[] = {
        {"left baseline", 0, TA_LEFT | TA_BASELINE, 20, {30, 12, 50, 23}},
        {"right baseline", 0, TA_RIGHT | TA_BASELINE, 20, {10, 12, 30, 23}},
        {"centre baseline", 0, TA_CENTER | TA_BASELINE, 20, {20, 12, 40, 23}},
        {"centre halves an odd width down", 0, TA_CENTER | TA_BASELINE, 21, {20, 12, 41, 23}},
        {"left top", 0, TA_LEFT | TA_TOP, 20, {30, 20, 50, 31}},
        {"left bottom", 0, TA_LEFT | TA_BOTTOM, 20, {30, 9, 50, 20}},
        {"upwards, left baseline", 900, TA_LEFT | TA_BASELINE, 20, {22, 0, 33, 20}},
        {"upwards, right baseline", 900, TA_RIGHT | TA_BASELINE, 20, {22, 20, 33, 40}},
        {"upwards, centre baseline", 900, TA_CENTER | TA_BASELINE, 20, {22, 10, 33, 30}},
        {"upside down, left baseline", 1800, TA_LEFT | TA_BASELINE, 20, {10, 17, 30, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        width = c.width;
        Canvas canvas(60, 40);
        HFONT font = CreateFontA(-11, 0, c.escapement, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        HGDIOBJ previous = SelectObject(canvas.hdc(), font);
        SetTextAlign(canvas.hdc(), c.align);
        SetTextColor(canvas.hdc(), Rgb(0, 0, 0));
        EXPECT_TRUE(TextOutA(canvas.hdc(), 30, 20, "37 %", 4));
        const Rect box = canvas.PaintedBox();
        EXPECT_EQ(box.left, c.box.left);
        EXPECT_EQ(box.top, c.box.top);
        EXPECT_EQ(box.right, c.box.right);
        EXPECT_EQ(box.bottom, c.box.bottom);
        SelectObject(canvas.hdc(), previous);
        DeleteObject(font);
    }
}

TEST_F(FixedMeasure, WritesTheSelectedFontAndTheGivenLength)
{
    Canvas canvas(60, 40);
    HFONT font = CreateFontA(-11, 0, 900, 0, 700, 0xFFFFFFFF, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    HGDIOBJ previous = SelectObject(canvas.hdc(), font);
    EXPECT_EQ(previous, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(TextOutA(canvas.hdc(), 5, 5, "Hallo Welt", 5));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Hallo");
    EXPECT_EQ(fonts[0].height, -11);
    EXPECT_EQ(fonts[0].escapement, 900);
    EXPECT_EQ(fonts[0].weight, 700);
    EXPECT_TRUE(fonts[0].italic);
    EXPECT_FALSE(fonts[0].underline);
    EXPECT_EQ(fonts[0].faceName, "Tahoma");

    texts.clear();
    EXPECT_TRUE(TextOutA(canvas.hdc(), 5, 5, "", 0)); // nothing to write
    EXPECT_TRUE(texts.empty());
    EXPECT_FALSE(TextOutA(canvas.hdc(), 5, 5, "abc", -1));
    EXPECT_FALSE(TextOutA(HDC{}, 5, 5, "abc", 3));
    SelectObject(canvas.hdc(), previous);
    DeleteObject(font);
}

TEST_F(FixedMeasure, AlignmentStaysOnTheDc)
{
    Canvas canvas(10, 10);
    EXPECT_EQ(SetTextAlign(canvas.hdc(), TA_CENTER | TA_BASELINE), 0u);
    EXPECT_EQ(GetTextAlign(canvas.hdc()), 30u);
    EXPECT_EQ(SetTextAlign(canvas.hdc(), TA_RIGHT | TA_BASELINE), 30u);
    EXPECT_EQ(SetTextAlign(HDC{}, 0), GDI_ERROR);
}

TEST(CreateFont, KeepsItsFields)
{
    HFONT font = CreateFontA(-12, 0, 900, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, "Arial");
    LogFont info;
    ASSERT_TRUE(GetFontInfo(font, info));
    EXPECT_EQ(info.height, -12);
    EXPECT_EQ(info.escapement, 900);
    EXPECT_EQ(info.weight, 0);
    EXPECT_FALSE(info.italic);
    EXPECT_TRUE(info.underline);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(GetFontInfo(font, info));
}

} // namespace
