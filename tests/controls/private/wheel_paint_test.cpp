#include <gtest/gtest.h>

#include <set>

#include "controls/private/ProgressWheel.h"
#include "controls/private/paint_helpers.h"
#include "platform/gdi/objects.h"
#include "site_fixture.h"

namespace {

using kolvetra::GetCirclePoint;
using kolvetra::ProgressWheel;
using platform::gdi::Point;
using platform::gdi::Rgb;
using private_test::FakeSite;

constexpr double kPi = 3.14159265358979;
constexpr auto kBorder = Rgb(10, 10, 10);
constexpr auto kEmpty = Rgb(128, 128, 128);
constexpr auto kFilled = Rgb(200, 0, 0);
constexpr auto kCounter = Rgb(0, 0, 120);
constexpr auto kBack = Rgb(224, 224, 224);

// A wheel of 200 x 200 pixels (3000 twips, R = 1500 twips, centre (100, 100)) in plain
// colours: every filled cell in kFilled.
class Wheel : public private_test::FixedText {
protected:
    void SetUp() override
    {
        FixedText::SetUp();
        wheel.SetSite(&site);
        wheel.UserControl_InitProperties();
        wheel.SetBorderColor(kBorder);
        wheel.SetForeColor(kEmpty);
        wheel.SetBackColor(kBack);
        wheel.SetStartFillColor(kFilled);
        wheel.SetEndFillColor(kFilled);
        wheel.SetCounterColor(kCounter);
        wheel.SetFontColor(Rgb(255, 255, 255));
    }

    // The colour in the middle of outer cell m of a ring of `step`-degree cells.
    platform::gdi::COLORREF OuterCell(int m, int step = 20) const
    {
        Point p;
        GetCirclePoint({100, 100}, (step * (m - 1) + step / 2.0) * kPi / 180, 0.8 * 1500, p);
        return site.At(p.x, p.y);
    }

    FakeSite site{200, 200};
    ProgressWheel wheel;
};

TEST_F(Wheel, TheWorkedValuesFillTheirCellsAndPlaceTheCounter)
{
    struct Case {
        double value;
        int lowestFilled; // 19: none
        int counter;      // 0: none
        const char* text;
    };
    const Case cases[] = {
        {0, 19, 0, "0%"},   {1, 19, 3, "1%"},   {50, 10, 18, "50%"},
        {55, 9, 16, "55%"}, {99, 1, 14, "99%"}, {100, 1, 0, "100%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        measured.clear();
        wheel.SetValue(c.value);
        for (int m = 1; m <= 18; ++m) {
            const auto expected = m == c.counter        ? kCounter
                                  : m >= c.lowestFilled ? kFilled
                                                        : kEmpty;
            EXPECT_EQ(OuterCell(m), expected) << "cell " << m;
        }
        EXPECT_EQ(Written(), (std::vector<std::string>{c.text}));
    }
}

TEST_F(Wheel, ThePercentageCountsFromMin)
{
    wheel.SetMax(120);
    wheel.SetMin(20);
    measured.clear();
    wheel.SetValue(70);
    EXPECT_EQ(Written(), (std::vector<std::string>{"50%"}));
    EXPECT_EQ(OuterCell(10), kFilled);
    EXPECT_EQ(OuterCell(9), kEmpty);
    EXPECT_EQ(OuterCell(18), kCounter);
    // At Min nothing is filled, whatever Min is.
    wheel.SetValue(20);
    EXPECT_EQ(OuterCell(18), kEmpty);
    EXPECT_EQ(OuterCell(1), kEmpty);
}

// Dividing first would show these one below: 29 / 100 * 100 is 28.999999999999996.
TEST_F(Wheel, ThePercentageIsMultipliedBeforeItIsDivided)
{
    struct Case {
        double value, min, max;
        const char* text;
    };
    const Case cases[] = {
        {29, 0, 100, "29%"},  {57, 0, 100, "57%"},  {58, 0, 100, "58%"},
        {39, 10, 110, "29%"}, {85, 28, 128, "57%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        wheel.SetMax(c.max);
        wheel.SetMin(c.min);
        measured.clear();
        wheel.SetValue(c.value);
        EXPECT_EQ(Written(), (std::vector<std::string>{c.text}));
    }
}

TEST_F(Wheel, TheRampRunsFromTheStartColourAtTheTopCellTowardsTheEndColour)
{
    wheel.SetStartFillColor(Rgb(255, 0, 0));
    wheel.SetEndFillColor(Rgb(0, 0, 255));
    wheel.SetValue(100);
    EXPECT_EQ(OuterCell(18), Rgb(255, 0, 0));
    // 9 x 255 / 18 = 127.5 goes to the even 128, in both channels.
    EXPECT_EQ(OuterCell(9), Rgb(128, 0, 128));
    EXPECT_EQ(OuterCell(1), Rgb(14, 0, 241));
}

TEST_F(Wheel, ASystemColourInTheRampIsTranslatedFirst)
{
    wheel.SetStartFillColor(0x80000018); // info background 255, 255, 225
    wheel.SetEndFillColor(0x80000018);
    wheel.SetValue(100);
    EXPECT_EQ(OuterCell(5), Rgb(255, 255, 225));
}

TEST_F(Wheel, CellsBeyondFieldsGetTheRampClampedIntoRange)
{
    // 25 fields give 26 cells of 14 degrees; at 0 % the 26th is filled.
    wheel.SetStartFillColor(Rgb(255, 0, 0));
    wheel.SetEndFillColor(Rgb(0, 0, 255));
    wheel.SetFields(25);
    wheel.SetValue(0);
    ASSERT_EQ(wheel.Cells().outer.size(), 26u);
    EXPECT_EQ(OuterCell(26, 14), Rgb(255, 0, 0));
    EXPECT_EQ(OuterCell(25, 14), kEmpty);
}

TEST_F(Wheel, TheInnerRingTurnsByTheFractionOfTheWholeTurns)
{
    struct Case {
        double value;
        int turn;
    };
    for (const Case& c : {Case{50, 0}, Case{25, 0}, Case{1, 216}, Case{0.5, 288}, Case{-1, -216}}) {
        SCOPED_TRACE(c.value);
        wheel.SetValue(c.value);
        Point first;
        GetCirclePoint({100, 100}, c.turn * kPi / 180, 0.5 * 1500, first);
        const auto& corner = wheel.Cells().inner.at(0).at(0);
        EXPECT_EQ(corner.X, first.x);
        EXPECT_EQ(corner.Y, first.y);
    }
}

TEST_F(Wheel, ANegativeValueShowsItsNumberAndFillsNothing)
{
    measured.clear();
    wheel.SetValue(-5);
    EXPECT_EQ(Written(), (std::vector<std::string>{"-5%"}));
    for (int m = 1; m <= 18; ++m)
        EXPECT_EQ(OuterCell(m), kEmpty) << m;
}

TEST_F(Wheel, DegenerateInputsPaintToTheEndAndLeaveNoDrawingObjects)
{
    struct Case {
        const char* name;
        std::function<void(ProgressWheel&)> setUp;
    };
    const Case cases[] = {
        {"Max equals Min", [](ProgressWheel& w) { w.SetMax(0); }},
        {"Min above Max", [](ProgressWheel& w) { w.SetMin(300); }},
        {"no fields", [](ProgressWheel& w) { w.SetFields(0); }},
        {"negative fields", [](ProgressWheel& w) { w.SetFields(-7); }},
        {"huge fields", [](ProgressWheel& w) { w.SetFields(2147483647); }},
        {"huge range",
         [](ProgressWheel& w) {
             w.SetMax(1e308);
             w.SetMin(-1e308);
             w.SetValue(1e308);
         }},
        {"tiny range",
         [](ProgressWheel& w) {
             w.SetMax(1e-300);
             w.SetValue(1e-300 / 3);
         }},
        {"picture",
         [](ProgressWheel& w) {
             w.SetPicture(platform::com::Picture(QImage(4, 4, QImage::Format_RGB32)));
             w.SetValue(60);
         }},
        {"transparent", [](ProgressWheel& w) { w.SetBackStyle(1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp(wheel);
        const auto before = platform::gdi::CountLiveObjects();
        wheel.DrawProgress();
        EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
        // The outer rim is always drawn.
        EXPECT_EQ(site.At(100, 100 - 93), kBorder);
    }
}

TEST_F(Wheel, MaxEqualToMinShowsAnEmptyWheelAtZeroPercent)
{
    wheel.SetValue(0);
    measured.clear();
    wheel.SetMax(0);
    EXPECT_EQ(Written(), (std::vector<std::string>{"0%"}));
    for (int m = 1; m <= 18; ++m)
        EXPECT_EQ(OuterCell(m), kEmpty) << m;
}

TEST_F(Wheel, TheTextIsCentredOnTheHubAndTheBandOutlineIsInTheBackColour)
{
    wheel.SetValue(37);
    // "37%" is 18 pixels wide in the fixed measure, centred on x = 100, baseline at
    // 100 + 8.25 / 2 x 0.75 = 103.09 -> 103, ascent 8.
    EXPECT_EQ(site.BoxOf(Rgb(255, 255, 255)), QRect(91, 95, 18, 11));
    // The band outline: corners at 0.65 R, 70 and 110 degrees: x = 100 + 65 sin 70 = 161.
    EXPECT_EQ(site.At(161, 100), kBack);
    EXPECT_EQ(site.At(39, 100), kBack);
}

// --- Window shaping ---------------------------------------------------------------------

TEST_F(Wheel, ATransparentWheelCutsItsWindowToThePaintedPixels)
{
    wheel.SetBackStyle(1);
    ASSERT_TRUE(site.window.IsShaped());
    const QRegion& shape = site.window.Shape();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(100, 100)));  // the text on the band
    EXPECT_TRUE(shape.contains(QPoint(100, 10)));   // the ring at 0.9 R
    EXPECT_FALSE(shape.contains(QPoint(100, 70)));  // the hub above the band, 0.3 R
    EXPECT_FALSE(shape.contains(QPoint(161, 100))); // the band outline in the back colour
    for (const QRect& r : shape) {
        for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const double dx = corner.x() - 100, dy = corner.y() - 100;
            EXPECT_LE(std::sqrt(dx * dx + dy * dy), 95 + 1.5);
        }
    }
}

TEST_F(Wheel, ASystemBackColourIsTranslatedBeforeTheScan)
{
    wheel.SetBackColor(0x8000000F);
    wheel.SetBackStyle(1);
    EXPECT_EQ(site.At(0, 0), Rgb(212, 208, 200));
    EXPECT_FALSE(site.window.Shape().contains(QPoint(0, 0)));
    EXPECT_TRUE(site.window.Shape().contains(QPoint(100, 10)));
}

TEST(WheelShape, AWheelThatTurnsOpaqueAgainGetsItsWholeRectangleBack)
{
    struct Case {
        const char* name;
        std::int32_t opaque;
    };
    const Case cases[] = {{"BackStyle 0", 0}, {"BackStyle 2", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSite site{100, 100};
        ProgressWheel wheel;
        wheel.SetSite(&site);
        wheel.UserControl_InitProperties();
        wheel.SetBackStyle(1);
        ASSERT_TRUE(site.window.IsShaped());
        ASSERT_FALSE(site.window.Shows({2, 2}, {100, 100}));
        wheel.SetBackStyle(c.opaque);
        EXPECT_FALSE(site.window.IsShaped());

        // Grown to 200 pixels, it shows and takes clicks in its corners and in its new half.
        site.image = QImage(200, 200, QImage::Format_RGB32);
        wheel.UserControl_Resize();
        for (QPoint p : {QPoint(2, 2), QPoint(150, 150), QPoint(197, 3)})
            EXPECT_TRUE(site.window.Shows(p, {200, 200})) << p.x() << "," << p.y();
        // The cut is undone once, not on every paint.
        wheel.SetValue(30);
        EXPECT_EQ(site.Entries("SetWindowRgn").size(), 2u);
    }
}

TEST_F(Wheel, AnOpaqueWheelLeavesTheWindowAlone)
{
    wheel.SetValue(40);
    EXPECT_TRUE(site.Entries("SetWindowRgn").empty());
    EXPECT_FALSE(site.window.IsShaped());
}

} // namespace
