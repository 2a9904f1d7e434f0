#include <gtest/gtest.h>

#include "platform/gdi/picture.h"
#include "tests/controls/progress_bar/bar_fixture.h"

namespace {

using namespace kolvetra;
using bar_test::COLORREF;
using bar_test::kBack;
using platform::gdi::Rgb;

class SmoothBar : public bar_test::Bar {
protected:
    void SetUp() override
    {
        Bar::SetUp();
        props.Scrolling = zemScrolling::zemScrollingSmooth;
        props.StartFillColor = Rgb(0, 0, 0);
        props.EndFillColor = Rgb(200, 0, 0); // one step of red per pixel on a 200-pixel bar
    }
    COLORREF Red(int r) const { return Rgb(r, 0, 0); }
};

TEST_F(SmoothBar, GeometryOfEachFill)
{
    struct Case {
        const char* name;
        zemAlignment alignment;
        zemBarColorType type;
        int width, height;
        double value;
        QRect painted;
    };
    using A = zemAlignment;
    using T = zemBarColorType;
    const Case cases[] = {
        {"colorize at 50 %", A::zemHorizontal, T::zemColorize, 200, 17, 50, {2, 2, 98, 13}},
        // The gradient loop ends at W - 6: columns 2 to 196, three past the colorized bar.
        {"gradient at 100 %", A::zemHorizontal, T::zemGradient, 200, 17, 100, {2, 2, 195, 13}},
        {"gradient at 30 % stops after L",
         A::zemHorizontal,
         T::zemGradient,
         200,
         17,
         30,
         {2, 2, 61, 13}},
        {"vertical gradient at 30 %", A::zemVertical, T::zemGradient, 20, 100, 30, {2, 67, 16, 31}},
        {"vertical colorize at 30 %", A::zemVertical, T::zemColorize, 20, 100, 30, {2, 70, 16, 28}},
        {"buttonize reaches the edges",
         A::zemHorizontal,
         T::zemButtonize,
         200,
         20,
         50,
         {0, 0, 100, 20}},
        {"vertical buttonize", A::zemVertical, T::zemButtonize, 20, 100, 50, {0, 50, 18, 50}},
        {"animated", A::zemHorizontal, T::zemAnimated, 200, 17, 50, {2, 2, 98, 13}},
        {"unknown colour type paints nothing", A::zemHorizontal, T(9), 200, 17, 50, {}},
        {"nothing at 0 %", A::zemHorizontal, T::zemColorize, 200, 17, 0, {}},
        {"nothing below 0 %", A::zemHorizontal, T::zemGradient, 200, 17, -5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.Alignment = c.alignment;
        props.BarColorType = c.type;
        props.Value = c.value;
        animation.m_AnimOffset = 40;
        Paint(c.width, c.height);
        EXPECT_EQ(PaintedBox(), c.painted);
        if (!c.painted.isEmpty()) {
            EXPECT_EQ(CountOf(kBack), c.width * c.height - c.painted.width() * c.painted.height())
                << "the painted area has holes";
        }
    }
}

TEST_F(SmoothBar, RampColoursFollowThePosition)
{
    props.BarColorType = zemBarColorType::zemGradient;
    props.Value = 100;
    Paint(200, 17);
    EXPECT_EQ(At(2, 8), Red(0));     // the start colour at the bar's origin
    EXPECT_EQ(At(100, 8), Red(98));  // column i + 2 has the colour at position i
    EXPECT_EQ(At(196, 8), Red(194)); // the last column the loop reaches
    EXPECT_EQ(At(197, 8), kBack);

    props.BarColorType = zemBarColorType::zemColorize;
    props.Value = 50;
    Paint(200, 17);
    EXPECT_EQ(At(50, 8), Red(100)); // the one colour at position L

    props.BarColorType = zemBarColorType::zemAnimated;
    animation.m_AnimOffset = 37;
    Paint(200, 17);
    EXPECT_EQ(At(50, 8), Red(37)); // the colour at the animation's position

    props.Alignment = zemAlignment::zemVertical;
    props.BarColorType = zemBarColorType::zemGradient;
    props.Value = 30;
    props.EndFillColor = Rgb(100, 0, 0); // one step per row on a 100-pixel bar
    Paint(20, 100);
    EXPECT_EQ(At(8, 97), Red(0)); // the lowest row has the start colour
    EXPECT_EQ(At(8, 67), Red(30));
}

TEST_F(SmoothBar, ButtonizeShadesFromRimToMiddle)
{
    props.BarColorType = zemBarColorType::zemButtonize;
    props.Value = 50;
    props.EndFillColor = Rgb(100, 0, 0); // rectangle i has red 10 x (10 - i) on H = 20
    Paint(200, 20);
    // Down the middle column every row shows the innermost rectangle covering it.
    for (int y = 0; y < 20; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(At(50, y), Red(10 * (10 - std::min(y, 19 - y))));
    }
    // Eleven rectangles; the last, empty on an even height, leaves the start colour behind.
    EXPECT_EQ(surface->FillColor(), Rgb(0, 0, 0));

    // An odd height: i runs to 8 only and the middle stays half a step from the start colour.
    Paint(200, 17);
    EXPECT_EQ(At(50, 8), Red(int(std::nearbyint(100 / 8.5 * 0.5))));
}

TEST_F(SmoothBar, PercentageCountsFromMin)
{
    props.BarColorType = zemBarColorType::zemColorize;
    props.Min = 50;
    props.Max = 150;
    props.Value = 100;
    Paint(200, 17);
    EXPECT_EQ(PaintedBox(), QRect(2, 2, 98, 13)); // half of the range, as from 0 to 100

    props.Value = 50; // Value at Min: an empty bar
    Paint(200, 17);
    EXPECT_TRUE(PaintedBox().isEmpty());
}

TEST_F(SmoothBar, PictureIsTiledFromTheOriginAndReplacesTheColours)
{
    QImage tile(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            tile.setPixel(x, y, qRgb(10 * x, 10 * y, 99));
    }
    props.Picture = platform::gdi::Picture::FromImage(tile);
    props.BarColorType = zemBarColorType::zemButtonize;
    props.Value = 50;
    Paint(200, 17);
    EXPECT_EQ(PaintedBox(), QRect(2, 2, 98, 13));
    EXPECT_EQ(At(2, 2), Rgb(20, 20, 99)); // tile pixel (2 mod 4, 2 mod 4)
    EXPECT_EQ(At(5, 7), Rgb(10, 30, 99));

    props.Picture = platform::gdi::Picture::FromImage(QImage()); // handle 0: colours again
    Paint(200, 17);
    EXPECT_EQ(PaintedBox(), QRect(0, 0, 100, 17)); // the buttonized bar
    EXPECT_EQ(CountOf(Rgb(10, 30, 99)), 0);
}

TEST_F(SmoothBar, SystemFillColoursAreTranslatedBeforeSplitting)
{
    props.BarColorType = zemBarColorType::zemColorize;
    props.StartFillColor = 0x8000000D; // highlight, 10, 36, 106
    props.EndFillColor = 0x8000000D;
    props.Value = 50;
    Paint(200, 17);
    EXPECT_EQ(At(50, 8), Rgb(10, 36, 106));
}

TEST_F(SmoothBar, ANegativeChannelKeepsTheHeldFillColour)
{
    // The animated position lies before the bar's start, so red would be negative: the colour
    // is not composed and the fill uses the one still held.
    props.BarColorType = zemBarColorType::zemAnimated;
    props.EndFillColor = Rgb(255, 0, 0);
    props.Value = 50;
    animation.m_AnimOffset = -10;
    image = QImage(200, 17, QImage::Format_RGB32);
    surface = std::make_unique<kolvetra::PaintSurface>(image);
    surface->SetFillColor(Rgb(0, 200, 0));
    DrawProgress(props, animation, *surface);
    EXPECT_EQ(At(50, 8), Rgb(0, 200, 0));

    animation.m_AnimOffset = 400; // past the far end: red above 255 counts as 255
    DrawProgress(props, animation, *surface);
    EXPECT_EQ(At(50, 8), Rgb(255, 0, 0));
}

TEST_F(SmoothBar, UnusableValuesPaintNoBarAndNoNumber)
{
    struct Case {
        const char* name;
        double value, min, max;
    };
    const Case cases[] = {
        {"Max = Min", 50, 100, 100},
        {"percentage past 32 bits", 1e300, 0, 100},
        {"not a number", std::nan(""), 0, 100},
        {"range overflows", 1, -1.7e308, 1.7e308},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.BarColorType = zemBarColorType::zemColorize;
        props.ValueType = zemValueType::zemPrecentage;
        props.Value = c.value;
        props.Min = c.min;
        props.Max = c.max;
        Paint(200, 17);
        EXPECT_TRUE(WrittenTexts().empty());
        // A bar length that does not fit stays 0, so at most the two columns left of the
        // bar's start are painted, as the original did.
        EXPECT_LE(PaintedBox().right(), 1);
    }
}

TEST_F(SmoothBar, BarFarLongerThanTheControlIsClipped)
{
    // Min above Max and a Value far below both: pct = 1e9, a vertical bar two billion pixels
    // high. Each fill reaches through the top edge and is cut there.
    struct Case {
        const char* name;
        zemBarColorType type;
        QRect box;
    };
    const Case cases[] = {
        {"gradient", zemBarColorType::zemGradient, QRect(QPoint(2, 0), QPoint(17, 197))},
        {"colorize", zemBarColorType::zemColorize, QRect(QPoint(2, 0), QPoint(17, 197))},
        {"buttonize", zemBarColorType::zemButtonize, QRect(QPoint(0, 0), QPoint(17, 199))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.Alignment = zemAlignment::zemVertical;
        props.BarColorType = c.type;
        props.Min = 100;
        props.Max = 0;
        props.Value = -1e9;
        Paint(20, 200);
        EXPECT_EQ(PaintedBox(), c.box);
    }
}

} // namespace
