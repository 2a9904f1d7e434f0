#include <gtest/gtest.h>

#include <cmath>

#include "controls/private/paint_helpers.h"
#include "controls/private/wheel_geometry.h"

namespace {

using kolvetra::BuildWheelGeometry;
using kolvetra::GetCirclePoint;
using platform::gdi::Point;

constexpr double kPi = 3.14159265358979;

// A wheel of 1500 twips radius (100 pixels) around the pixel (100, 100).
constexpr double kRadius = 1500;
const Point kCentre{100, 100};

Point P(double fraction, double degrees)
{
    Point p{-999, -999};
    GetCirclePoint(kCentre, degrees * kPi / 180, fraction * kRadius, p);
    return p;
}

bool Same(const kolvetra::Coordinate& c, const Point& p)
{
    return c.X == p.x && c.Y == p.y;
}

TEST(GetCirclePoint, AnglesRunClockwiseFromTwelveAndRadiusIsTwips)
{
    struct Case {
        const char* name;
        double angle;
        double radius;
        Point expected;
    };
    const Case cases[] = {
        {"radius 0 is the centre", 1.0, 0, {100, 100}},
        {"0 is straight up", 0, 150, {100, 90}},
        {"pi/2 is to the right", kPi / 2, 150, {110, 100}},
        {"pi is straight down", kPi, 150, {100, 110}},
        {"3pi/2 is to the left", 3 * kPi / 2, 150, {90, 100}},
        // 22.5 twips are 1.5 pixels, 37.5 twips 2.5: halves go to the even neighbour.
        {"1.5 pixels round to 2", kPi / 2, 22.5, {102, 100}},
        {"2.5 pixels round to 2", kPi, 37.5, {100, 102}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Point p{-1, -1};
        GetCirclePoint(kCentre, c.angle, c.radius, p);
        EXPECT_EQ(p.x, c.expected.x);
        EXPECT_EQ(p.y, c.expected.y);
    }
}

TEST(GetCirclePoint, ARadiusBeyondAnyPixelLeavesTheResultAlone)
{
    Point p{7, 8};
    GetCirclePoint(kCentre, 1, 1e300, p);
    EXPECT_EQ(p.x, 7);
    EXPECT_EQ(p.y, 8);
}

TEST(WheelGeometry, StepAndCellCountsFollowTheRequestedFields)
{
    struct Case {
        int fields, step, outer, inner;
    };
    const Case cases[] = {
        {1, 360, 1, 2},
        {2, 180, 2, 3},
        {7, 52, 7, 7},
        {12, 30, 12, 13},
        {18, 20, 18, 19},
        {25, 14, 26, 26},
        {36, 10, 36, 37},
        {50, 7, 52, 52},
        {100, 4, 90, 91},
        {360, 1, 359, 361},
        // No fields: the division fails and the step becomes 1.
        {0, 1, 359, 361},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        EXPECT_EQ(kolvetra::WheelStep(c.fields), c.step);
        const auto g = BuildWheelGeometry(c.fields, 0, kRadius, kCentre);
        EXPECT_EQ(g.outer.size(), std::size_t(c.outer));
        EXPECT_EQ(g.inner.size(), std::size_t(c.inner));
    }
}

TEST(WheelGeometry, DegenerateFieldCountsBuildAFewCellsAndEnd)
{
    for (int fields : {-1, -360, 100000, 2147483647, -2147483647}) {
        SCOPED_TRACE(fields);
        const auto g = BuildWheelGeometry(fields, 0, kRadius, kCentre);
        EXPECT_GE(g.outer.size(), 1u);
        EXPECT_LE(g.outer.size(), 2u);
        EXPECT_LE(g.inner.size(), 2u);
    }
}

TEST(WheelGeometry, EighteenFieldsGiveTwentyDegreeCellsWithAOneDegreeGap)
{
    const auto g = BuildWheelGeometry(18, 0, kRadius, kCentre);
    const auto& first = g.outer[0];
    ASSERT_EQ(first.size(), 37u);
    EXPECT_TRUE(Same(first[0], P(0.7, 1)));
    for (int d = 1; d <= 20; ++d)
        EXPECT_TRUE(Same(first[std::size_t(d)], P(0.9, d))) << d;
    for (int d = 20; d >= 5; --d)
        EXPECT_TRUE(Same(first[std::size_t(41 - d)], P(0.7, d))) << d;

    // Cell 2 starts on the inner edge at 22 degrees, its outer edge at 21.
    const auto& second = g.outer[1];
    ASSERT_EQ(second.size(), 37u);
    EXPECT_TRUE(Same(second[0], P(0.7, 22)));
    EXPECT_TRUE(Same(second[1], P(0.9, 21)));
    EXPECT_TRUE(Same(second[20], P(0.9, 40)));
    EXPECT_TRUE(Same(second[36], P(0.7, 25)));

    // The last outer cell closes on 359 degrees, twice.
    const auto& last = g.outer[17];
    ASSERT_EQ(last.size(), 37u);
    EXPECT_TRUE(Same(last[0], P(0.7, 342)));
    EXPECT_TRUE(Same(last[1], P(0.9, 341)));
    EXPECT_TRUE(Same(last[19], P(0.9, 359)));
    EXPECT_TRUE(Same(last[20], P(0.7, 359)));
    EXPECT_TRUE(Same(last[21], P(0.7, 359)));
    EXPECT_TRUE(Same(last[36], P(0.7, 344)));
}

TEST(WheelGeometry, TheInnerRingTurnsAndEndsInASliver)
{
    const int A = 216;
    const auto g = BuildWheelGeometry(18, A, kRadius, kCentre);
    ASSERT_EQ(g.inner.size(), 19u);
    EXPECT_TRUE(Same(g.inner[0][0], P(0.5, A)));
    EXPECT_TRUE(Same(g.inner[0][1], P(0.65, A)));
    EXPECT_TRUE(Same(g.inner[0][20], P(0.65, A + 19)));
    EXPECT_TRUE(Same(g.inner[1][0], P(0.5, A + 21)));
    const auto& sliver = g.inner[18];
    ASSERT_EQ(sliver.size(), 3u);
    EXPECT_TRUE(Same(sliver[0], P(0.5, A + 361)));
    EXPECT_TRUE(Same(sliver[1], P(0.65, A + 360)));
    EXPECT_TRUE(Same(sliver[2], P(0.5, A - 1)));
}

} // namespace
