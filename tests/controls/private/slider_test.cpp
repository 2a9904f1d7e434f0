#include <gtest/gtest.h>

#include "controls/private/ProgressSlider.h"
#include "platform/gdi/objects.h"
#include "site_fixture.h"

namespace {

using kolvetra::ProgressSlider;
using kolvetra::zemAlignment;
using kolvetra::zemSpecialEffects;
using platform::gdi::Rgb;
using private_test::FakeSite;

constexpr auto kBack = Rgb(1, 2, 3);
constexpr auto kFill = Rgb(0, 0, 250);
constexpr auto kBody = Rgb(0, 64, 64);
constexpr auto kBorder = Rgb(64, 64, 64);
constexpr auto kText = Rgb(250, 250, 0);

// A slider of 200 x 20 pixels in plain colours with no frame. In the fixed measure "100%" is
// 24 pixels wide, so the thumb is 26.4 pixels long and travels over 176.
class Slider : public private_test::FixedText {
protected:
    void Place(int width, int height, zemAlignment alignment = zemAlignment::zemHorizontal)
    {
        site = std::make_unique<FakeSite>(width, height);
        slider.SetSite(site.get());
        slider.UserControl_InitProperties();
        slider.SetBackColor(kBack);
        slider.SetFillColor(kFill);
        slider.SetTextBackColor(kBody);
        slider.SetBorderColor(kBorder);
        slider.SetForeColor(kText);
        slider.SetSpecialEffects(zemSpecialEffects::zemNone);
        slider.SetAlignment(alignment);
    }
    std::vector<std::string> TextsOnly() const
    {
        std::vector<std::string> out;
        for (const auto& m : measured) {
            if (m.font.weight == 0) // the device font of the text, not the surface's
                out.push_back(m.text);
        }
        return out;
    }

    std::unique_ptr<FakeSite> site;
    ProgressSlider slider;
};

TEST_F(Slider, TheBarFillsUpToThePercentageOfTheInnerLength)
{
    Place(200, 20);
    slider.SetValue(50);
    // len = round(198 x 50 / 100) = 99: columns 2 to 98, rows 2 to 17 (under the thumb where
    // they meet).
    EXPECT_EQ(site->At(2, 2), kFill);
    EXPECT_EQ(site->At(60, 17), kFill);
    EXPECT_NE(site->At(60, 18), kFill);
    EXPECT_NE(site->At(1, 10), kFill);
    slider.SetValue(0);
    EXPECT_EQ(site->CountOf(kFill), 0);
}

TEST_F(Slider, TheThumbTravelsTheLengthLessTheTextWidthAndCarriesTheRoundedPercentage)
{
    struct Case {
        double value;
        int left, right; // the thumb body's columns, right exclusive
        const char* text;
    };
    const Case cases[] = {
        // 0 %: 0 to 1.1 T = 26.4; 100 %: 176 to 202.4, past the right edge.
        {0, 0, 26, "0%"},
        {100, 176, 200, "100%"},
        // 50 %: c = 88 + 13.2 = 101.2, left 88.
        {50, 88, 114, "50%"},
        {33.5, 59, 85, "34%"},
        {32.5, 57, 84, "32%"},
    };
    Place(200, 20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        measured.clear();
        slider.SetValue(c.value);
        const QRect body = site->BoxOf(kBody);
        EXPECT_GE(body.left(), c.left);
        EXPECT_LE(body.right() + 1, c.right);
        EXPECT_GE(body.width(), 20);
        EXPECT_EQ(TextsOnly(), (std::vector<std::string>{c.text}));
        // The thumb is as tall as the whole control; its outline lies on rows 0 and 19.
        EXPECT_EQ(site->BoxOf(kBorder).top(), 0);
        EXPECT_EQ(site->BoxOf(kBorder).bottom(), 19);
    }
}

// Dividing first would round these halves the wrong way: 54.5 / 100 * 100 is a little above
// 54.5, 57.5 / 100 * 100 a little below 57.5.
TEST_F(Slider, ThePercentageIsMultipliedBeforeItIsDivided)
{
    struct Case {
        double value, min, max;
        const char* text;
    };
    const Case cases[] = {
        {54.5, 0, 100, "54%"},
        {57.5, 0, 100, "58%"},
        {64.5, 10, 110, "54%"},
    };
    Place(102, 20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        slider.SetMax(c.max);
        slider.SetMin(c.min);
        measured.clear();
        slider.SetValue(c.value);
        EXPECT_EQ(TextsOnly(), (std::vector<std::string>{c.text}));
    }
}

TEST_F(Slider, AVerticalSliderGrowsFromTheBottomAndTurnsItsText)
{
    Place(20, 200, zemAlignment::zemVertical);
    measured.clear();
    slider.SetValue(25);
    // len = round(198 x 25 / 100) = 50 (49.5 to even): rows 150 to 197.
    EXPECT_EQ(site->At(10, 197), kFill);
    EXPECT_NE(site->At(10, 198), kFill);
    EXPECT_EQ(site->At(3, 170), kFill);
    EXPECT_NE(site->At(1, 170), kFill);
    EXPECT_NE(site->At(18, 170), kFill);
    // The thumb (rows 130 to 156) covers the bar's top end at row 150.
    EXPECT_GE(site->BoxOf(kFill).top(), 150);
    ASSERT_FALSE(TextsOnly().empty());
    for (const auto& m : measured) {
        if (m.font.weight == 0)
            EXPECT_EQ(m.font.escapement, 900);
    }
}

// Max lowered below Value leaves Value where it is: the percentage runs into the millions and
// the bar covers the whole surface, with the thumb far beyond it.
TEST_F(Slider, AHugePercentageFillsTheSurfaceToItsEndAndMovesTheThumbOut)
{
    struct Case {
        const char* name;
        QSize size;
        zemAlignment alignment;
        QRect bar;
    };
    const Case cases[] = {
        {"horizontal", {200, 20}, zemAlignment::zemHorizontal, QRect(2, 2, 198, 16)},
        {"vertical", {20, 200}, zemAlignment::zemVertical, QRect(2, 0, 16, 198)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Place(c.size.width(), c.size.height(), c.alignment);
        slider.SetValue(100);
        slider.SetMax(0.0001); // 10^8 %
        EXPECT_EQ(site->BoxOf(kFill), c.bar);
        EXPECT_EQ(site->CountOf(kFill), c.bar.width() * c.bar.height());
        EXPECT_EQ(site->CountOf(kBody), 0);
    }
}

TEST_F(Slider, ThePercentageCountsFromMin)
{
    Place(200, 20);
    slider.SetMax(150);
    slider.SetMin(50);
    measured.clear();
    slider.SetValue(100);
    EXPECT_EQ(TextsOnly(), (std::vector<std::string>{"50%"}));
    EXPECT_EQ(site->At(60, 10), kFill);
    EXPECT_EQ(site->BoxOf(kFill).left(), 2);
    EXPECT_NE(site->At(150, 10), kFill);
}

TEST_F(Slider, MaxEqualToMinDrawsOnlyTheFrame)
{
    Place(200, 20);
    slider.SetSpecialEffects(zemSpecialEffects::zemFlat);
    slider.SetValue(40);
    measured.clear();
    const auto before = platform::gdi::CountLiveObjects();
    slider.SetMax(0);
    slider.SetMin(0);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
    EXPECT_EQ(site->CountOf(kFill), 0);
    EXPECT_EQ(site->CountOf(kBody), 0);
    EXPECT_TRUE(TextsOnly().empty());
    EXPECT_EQ(site->At(2, 2), kBorder);
}

TEST_F(Slider, TheFlatFrameIsOnePixelUntilAThumbHasBeenDrawnAndTwoThereafter)
{
    FakeSite first(200, 20);
    ProgressSlider s;
    s.SetSite(&first);
    auto rows = [&] {
        return std::vector<bool>{first.At(100, 1) == kBorder, first.At(100, 2) == kBorder,
                                 first.At(100, 3) == kBorder};
    };
    s.SetBorderColor(kBorder); // Max is still 0: no thumb
    EXPECT_EQ(rows(), (std::vector<bool>{false, true, false}));
    s.SetMax(100); // the frame still thin, then the first thumb, which leaves the pen at 2
    EXPECT_EQ(rows(), (std::vector<bool>{false, true, false}));
    s.SetValue(0);
    const auto wide = rows();
    EXPECT_TRUE(wide[1]);
    EXPECT_TRUE(wide[0] || wide[2]);
}

TEST_F(Slider, TheThreeDimensionalFrameLeavesTwoPixelsFreeAtTopAndBottom)
{
    Place(200, 20);
    slider.SetSpecialEffects(zemSpecialEffects::zemSunken);
    slider.SetValue(0);
    // Sunken inner band: 3-D dark shadow on the top row of the rectangle (0, 2, 200, 18).
    EXPECT_EQ(site->At(150, 2), Rgb(64, 64, 64));
    EXPECT_EQ(site->At(150, 1), kBack);
    EXPECT_EQ(site->At(150, 17), Rgb(212, 208, 200));
    EXPECT_EQ(site->At(150, 18), kBack);
}

TEST_F(Slider, ASystemFillColourIsDrawnInItsRgbValue)
{
    Place(200, 20);
    slider.SetFillColor(0x80000018); // info background
    slider.SetValue(50);
    EXPECT_EQ(site->At(40, 10), Rgb(255, 255, 225));
}

TEST_F(Slider, APictureTilesTheBarInsteadOfTheFillColour)
{
    Place(200, 20);
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(qRgb(0, 200, 0));
    slider.SetPicture(platform::com::Picture(tile));
    const auto before = platform::gdi::CountLiveObjects();
    slider.SetValue(50);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
    EXPECT_EQ(site->At(40, 10), Rgb(0, 200, 0));
    EXPECT_EQ(site->CountOf(kFill), 0);
}

TEST_F(Slider, ZeroSizesPaintWithoutFailing)
{
    for (QSize size : {QSize(0, 20), QSize(200, 0), QSize(1, 1)}) {
        SCOPED_TRACE(size.width() * 1000 + size.height());
        FakeSite s(size.width(), size.height());
        ProgressSlider slider2;
        slider2.SetSite(&s);
        const auto before = platform::gdi::CountLiveObjects();
        slider2.UserControl_InitProperties();
        slider2.SetValue(50);
        EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
    }
}

} // namespace
