#include <gtest/gtest.h>

#include "tests/controls/progress_bar/bar_fixture.h"

namespace {

using namespace kolvetra;
using bar_test::kText;

// The value text through the fixed measure: "37 %" is 24 pixels wide with ascent 8 and
// descent 3, so the painted box shows the reference point, the alignment and the direction.
class ValueText : public bar_test::Bar {
protected:
    void SetUp() override
    {
        Bar::SetUp();
        props.ValueType = zemValueType::zemCustom;
        props.Caption = "37";
        props.TextAfterValue = " %";
    }
};

TEST_F(ValueText, PlacementTable)
{
    struct Case {
        const char* name;
        zemAlignment alignment;
        zemTextAlignment textAlignment;
        int width, height;
        double value, min, max;
        QRect box;
    };
    using A = zemAlignment;
    using TA = zemTextAlignment;
    const Case cases[] = {
        // (100, 13): 8.5 + 4.125 = 12.625 rounds to 13; centred on the baseline.
        {"centre", A::zemHorizontal, TA::zemCenter, 200, 17, 0, 0, 100, {88, 5, 24, 11}},
        {"left", A::zemHorizontal, TA::zemLeftBottom, 200, 17, 0, 0, 100, {0, 5, 24, 11}},
        {"right", A::zemHorizontal, TA::zemRightTop, 200, 17, 0, 0, 100, {176, 5, 24, 11}},
        // (14, 150): 10 + 4.125 rounds to 14; reading upwards from the bottom edge.
        {"vertical bottom",
         A::zemVertical,
         TA::zemLeftBottom,
         20,
         150,
         0,
         0,
         100,
         {6, 126, 11, 24}},
        {"vertical centre", A::zemVertical, TA::zemCenter, 20, 150, 0, 0, 100, {6, 63, 11, 24}},
        {"vertical top", A::zemVertical, TA::zemRightTop, 20, 150, 0, 0, 100, {6, 0, 11, 24}},
        // By value the text is centred at a + 0.55 M(full), a running from 0 to E - M("100%").
        {"by value at 0 %", A::zemHorizontal, TA::zemByValue, 200, 17, 0, 0, 100, {1, 5, 24, 11}},
        {"by value at 100 % overhangs the end",
         A::zemHorizontal,
         TA::zemByValue,
         200,
         17,
         100,
         0,
         100,
         {177, 5, 23, 11}},
        {"by value from Min",
         A::zemHorizontal,
         TA::zemByValue,
         200,
         17,
         150,
         100,
         200,
         {89, 5, 24, 11}},
        {"by value with Max = Min counts as 0 %",
         A::zemHorizontal,
         TA::zemByValue,
         200,
         17,
         5,
         5,
         5,
         {1, 5, 24, 11}},
        {"vertical by value at 0 %",
         A::zemVertical,
         TA::zemByValue,
         20,
         150,
         0,
         0,
         100,
         {6, 125, 11, 24}},
        // Out of range: no font is made and the text goes to (0, 0) with the DC's flags, here
        // still left and top.
        {"unknown alignment", A::zemHorizontal, TA(7), 200, 17, 0, 0, 100, {0, 0, 24, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.Alignment = c.alignment;
        props.TextAlignment = c.textAlignment;
        props.Value = c.value;
        props.Min = c.min;
        props.Max = c.max;
        Paint(c.width, c.height);
        EXPECT_EQ(BoxOf(kText), c.box);
        EXPECT_EQ(CountOf(kText), c.box.width() * c.box.height());
    }
}

TEST_F(ValueText, FontFromTheControlsFont)
{
    struct Case {
        const char* name;
        double size;
        bool bold, italic;
        zemAlignment alignment;
        int height, weight, escapement;
    };
    const Case cases[] = {
        {"8.25 points", 8.25, false, false, zemAlignment::zemHorizontal, -11, 0, 0},
        {"bold", 8.25, true, false, zemAlignment::zemHorizontal, -11, 700, 0},
        {"8.5 rounds to the even 8", 8.5, false, false, zemAlignment::zemHorizontal, -11, 0, 0},
        {"9.75 rounds to 10", 9.75, false, true, zemAlignment::zemHorizontal, -13, 0, 0},
        {"12 points upright", 12, false, false, zemAlignment::zemVertical, -16, 0, 900},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.Font.size = c.size;
        props.Font.bold = c.bold;
        props.Font.italic = c.italic;
        props.Font.name = "Verdana";
        props.Alignment = c.alignment;
        Paint(60, 60);
        ASSERT_EQ(measured.size(), 1u);
        EXPECT_EQ(measured[0].text, "37 %");
        EXPECT_EQ(measured[0].font.height, c.height);
        EXPECT_EQ(measured[0].font.weight, c.weight);
        EXPECT_EQ(measured[0].font.escapement, c.escapement);
        EXPECT_EQ(measured[0].font.italic, c.italic);
        EXPECT_EQ(measured[0].font.faceName, "Verdana");
    }
}

TEST_F(ValueText, TextChosenByValueType)
{
    struct Case {
        const char* name;
        zemValueType type;
        double value, min, max;
        char separator;
        std::vector<std::string> written;
    };
    const Case cases[] = {
        {"percentage 12.5 rounds to even",
         zemValueType::zemPrecentage,
         12.5,
         0,
         100,
         '.',
         {"12 %"}},
        {"percentage 13.5", zemValueType::zemPrecentage, 13.5, 0, 100, '.', {"14 %"}},
        {"percentage counts from Min", zemValueType::zemPrecentage, 75, 50, 150, '.', {"25 %"}},
        {"no percentage when Max = Min", zemValueType::zemPrecentage, 5, 5, 5, '.', {}},
        {"no percentage past 16 bits", zemValueType::zemPrecentage, 40000, 0, 100, '.', {}},
        {"value in the locale's number text",
         zemValueType::zemValue,
         12.5,
         0,
         100,
         ',',
         {"12,5 %"}},
        {"value even when Max = Min", zemValueType::zemValue, 5, 5, 5, '.', {"5 %"}},
        {"custom caption", zemValueType::zemCustom, 0, 0, 100, '.', {"37 %"}},
        {"no text", zemValueType::zemNone, 50, 0, 100, '.', {}},
        {"unknown type", zemValueType(8), 50, 0, 100, '.', {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.ValueType = c.type;
        props.Value = c.value;
        props.Min = c.min;
        props.Max = c.max;
        image = QImage(200, 17, QImage::Format_RGB32);
        surface = std::make_unique<PaintSurface>(image);
        surface->SetDecimalSeparator(c.separator);
        measured.clear();
        DrawProgress(props, animation, *surface);
        EXPECT_EQ(WrittenTexts(), c.written);
    }
}

TEST_F(ValueText, CallerGetsTheFullTextBack)
{
    props.TextBeforeValue = "Stand: ";
    image = QImage(200, 17, QImage::Format_RGB32);
    surface = std::make_unique<PaintSurface>(image);
    std::string text = "37";
    DrawValueText(props, *surface, text);
    EXPECT_EQ(text, "Stand: 37 %");
    EXPECT_EQ(platform::gdi::GetTextAlign(surface->hDC()), 30u); // the flags stay on the DC
}

TEST_F(ValueText, EmptyTextWritesNothing)
{
    props.Caption = "";
    props.TextAfterValue = "";
    Paint(200, 17);
    EXPECT_EQ(CountOf(kText), 0);
}

} // namespace
