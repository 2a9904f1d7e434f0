#include <gtest/gtest.h>

#include "controls/private/ProgressCounter.h"
#include "platform/gdi/objects.h"
#include "site_fixture.h"

namespace {

using kolvetra::ProgressCounter;
using platform::gdi::Rgb;
using private_test::FakeSite;

constexpr auto kBack = Rgb(1, 2, 3);
constexpr auto kFill = Rgb(0, 0, 200);
constexpr auto kBorder = Rgb(200, 0, 0);
constexpr auto kText = Rgb(0, 250, 0);

// A dial of 1440 x 1440 twips (96 x 96 pixels, centre (48, 48)) counting 10 units over 0 to
// 100, in plain colours.
class Counter : public private_test::FixedText {
protected:
    void SetUp() override
    {
        FixedText::SetUp();
        counter.SetSite(&site);
        counter.UserControl_InitProperties();
        counter.SetBackColor(kBack);
        counter.SetFillColor(kFill);
        counter.SetBorderColor(kBorder);
        counter.SetForeColor(kText);
    }
    // Which of the four quadrants (top left, top right, bottom left, bottom right) are filled,
    // sampled half-way between the centre and the inner circle.
    std::vector<bool> Quadrants() const
    {
        return {site.At(35, 35) == kFill, site.At(61, 35) == kFill, site.At(35, 61) == kFill,
                site.At(61, 61) == kFill};
    }
    std::vector<std::string> Number() const { return Written(); }

    FakeSite site{96, 96};
    ProgressCounter counter;
};

TEST_F(Counter, TheSweepShrinksClockwiseThroughEachUnitAndTheNumberCountsDown)
{
    struct Case {
        double value;
        std::vector<bool> quadrants; // TL, TR, BL, BR
        const char* number;
    };
    const Case cases[] = {
        {0, {true, true, true, true}, "10"},
        {5, {true, false, true, false}, "9"},     // the hand at 6 o'clock
        {10, {true, true, true, true}, "9"},      // a new unit
        {33, {true, false, true, true}, "6"},     // the hand at 108 degrees
        {97.5, {true, false, false, false}, "0"}, // the hand at 9 o'clock
        {100, {false, false, false, false}, "0"}, // at Max nothing is filled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        measured.clear();
        counter.SetValue(c.value);
        EXPECT_EQ(Quadrants(), c.quadrants);
        EXPECT_EQ(Number(), (std::vector<std::string>{c.number}));
    }
}

TEST_F(Counter, UnitsAndThePercentageCountFromMin)
{
    counter.SetMax(150);
    counter.SetMin(50);
    measured.clear();
    counter.SetValue(55);
    EXPECT_EQ(Quadrants(), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(Number(), (std::vector<std::string>{"9"}));
}

// Dividing first leaves 44.99999999999999 percent to run at 55 of 100, one unit of 20 short.
TEST_F(Counter, ThePercentageIsMultipliedBeforeItIsDivided)
{
    struct Case {
        double value, min, max;
        const char* number;
    };
    const Case cases[] = {
        {55, 0, 100, "9"},
        {105, 50, 150, "9"},
    };
    counter.SetMaxCount(20);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        counter.SetMax(c.max);
        counter.SetMin(c.min);
        measured.clear();
        counter.SetValue(c.value);
        EXPECT_EQ(Number(), (std::vector<std::string>{c.number}));
    }
}

TEST_F(Counter, OutOfRangeAndDegenerateSettings)
{
    struct Case {
        const char* name;
        std::function<void(ProgressCounter&)> setUp;
        std::vector<bool> quadrants;
        std::vector<std::string> number;
    };
    const Case cases[] = {
        {"Max lowered below Value",
         [](ProgressCounter& c) {
             c.SetValue(100);
             c.SetMax(50);
         },
         {true, true, true, true},
         {"-10"}},
        {"no units",
         [](ProgressCounter& c) {
             c.SetValue(40);
             c.SetMaxCount(0);
         },
         {true, true, true, true},
         {"0"}},
        {"Max equal to Min",
         [](ProgressCounter& c) {
             c.SetValue(-1);
             c.SetMax(0);
         },
         {true, true, true, true},
         {}},
        {"Max and Value equal to Min",
         [](ProgressCounter& c) { c.SetMax(0); },
         {false, false, false, false},
         {}},
        {"below Min: the hand left of 12 o'clock",
         [](ProgressCounter& c) { c.SetValue(-2.5); },
         {false, true, true, true},
         {"10"}},
        {"one unit over the range",
         [](ProgressCounter& c) {
             c.SetMaxCount(1);
             c.SetValue(50);
         },
         {true, false, true, false},
         {"0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        counter.SetMaxCount(10);
        counter.SetMin(0);
        counter.SetMax(100);
        counter.SetValue(0);
        c.setUp(counter);
        measured.clear();
        const auto before = platform::gdi::CountLiveObjects();
        counter.DrawProgress();
        EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
        EXPECT_EQ(Quadrants(), c.quadrants);
        EXPECT_EQ(Number(), c.number);
    }
}

TEST_F(Counter, TheMarksCrossHairAndCirclesLieWhereTheDialPutsThem)
{
    counter.SetValue(100); // nothing filled
    const QPoint border[] = {
        // The corner marks.
        {5, 14},
        {5, 5},
        {14, 5},
        {5, 10},
        {10, 5},
        {91, 14},
        {91, 5},
        {82, 5},
        {91, 82},
        {91, 91},
        {82, 91},
        {5, 82},
        {5, 91},
        {14, 91},
        // The cross-hair through (48, 48).
        {2, 48},
        {93, 48},
        {48, 2},
        {48, 93},
        // The circles of 576 and 504 twips (38.4 and 33.6 pixels) at 45 degrees.
        {75, 21},
        {72, 24},
    };
    for (QPoint p : border)
        EXPECT_EQ(site.At(p.x(), p.y()), kBorder) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(5, 16), QPoint(16, 5), QPoint(4, 4), QPoint(40, 12)})
        EXPECT_EQ(site.At(p.x(), p.y()), kBack) << p.x() << "," << p.y();
}

TEST_F(Counter, TheNumberStandsOnABaselineHalfThePointSizeBelowTheMiddle)
{
    counter.SetValue(0);
    // "10" is 12 pixels wide centred on 48; the baseline 48 + 8.25 / 2 = 52.125 -> 52.
    EXPECT_EQ(site.BoxOf(kText), QRect(42, 44, 12, 11));
}

TEST_F(Counter, APictureReplacesTheFillAndASystemFillColourIsTranslated)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(qRgb(0, 120, 0));
    counter.SetPicture(platform::com::Picture(tile));
    const auto before = platform::gdi::CountLiveObjects();
    counter.SetValue(5);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
    EXPECT_EQ(site.At(35, 35), Rgb(0, 120, 0));
    EXPECT_EQ(site.At(61, 35), kBack);

    counter.SetPicture(platform::com::Picture());
    counter.SetFillColor(0x80000018); // info background
    EXPECT_EQ(site.At(35, 35), Rgb(255, 255, 225));
}

TEST_F(Counter, ZeroSizesPaintWithoutFailing)
{
    FakeSite empty(0, 0);
    ProgressCounter c;
    c.SetSite(&empty);
    const auto before = platform::gdi::CountLiveObjects();
    c.UserControl_InitProperties();
    c.SetValue(30);
    c.UserControl_Resize();
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
}

} // namespace
