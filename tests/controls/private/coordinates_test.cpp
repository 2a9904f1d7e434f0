#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "controls/private/Coordinate.h"
#include "platform/errors/run_time_error.h"
#include "tests/support/error_of.h"

namespace {

using kolvetra::Coordinates;
using platform::com::Variant;

using testing_support::ErrorOf;

TEST(Coordinates, AddTakesYFirstAndSharesTheElement)
{
    Coordinates c;
    const auto added = c.Add(1, 2);
    EXPECT_EQ(added->X, 2);
    EXPECT_EQ(added->Y, 1);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item(Variant(std::int32_t(1))), added);
    // The caller and the collection hold one object.
    added->X = 7;
    EXPECT_EQ(c.Item(Variant(1.0))->X, 7);
}

TEST(Coordinates, ItemOfAMissingPositionOrKeyIsNone)
{
    Coordinates c;
    c.Add(1, 2);
    EXPECT_EQ(c.Item(Variant(std::int32_t(2))), nullptr);
    EXPECT_EQ(c.Item(Variant(std::int32_t(0))), nullptr);
    EXPECT_EQ(c.Item(Variant("first")), nullptr);
    EXPECT_EQ(c.Item(Variant(1e20)), nullptr);
}

TEST(Coordinates, RemoveOfAMissingPositionOrKeyRaises)
{
    Coordinates c;
    EXPECT_EQ(ErrorOf([&] { c.Remove(Variant(std::int32_t(1))); }), 9);
    c.Add(1, 2);
    EXPECT_EQ(ErrorOf([&] { c.Remove(Variant("first")); }), 5);
    EXPECT_EQ(c.Count(), 1);
}

TEST(Coordinates, RemoveClosesTheGapAndWalkingKeepsTheOrderOfAdd)
{
    Coordinates c;
    for (int i = 1; i <= 4; ++i)
        c.Add(0, i);
    c.Remove(Variant(std::int32_t(2)));
    std::vector<double> xs;
    for (const auto& e : c)
        xs.push_back(e->X);
    EXPECT_EQ(xs, (std::vector<double>{1, 3, 4}));
    EXPECT_EQ(c.Item(Variant(std::int32_t(2)))->X, 3);
}

} // namespace
