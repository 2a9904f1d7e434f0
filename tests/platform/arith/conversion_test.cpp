#include "platform/arith/conversion.h"
#include "tests/support/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace platform::arith;

using testing_support::ErrorOf;

TEST(Conversion, RoundsHalvesToEven)
{
    struct Case {
        const char* name;
        double in;
        std::int32_t out;
    };
    const Case cases[] = {
        {"2.5 down", 2.5, 2},
        {"3.5 up", 3.5, 4},
        {"0.5 to zero", 0.5, 0},
        {"1.5 up", 1.5, 2},
        {"-2.5 to -2", -2.5, -2},
        {"-3.5 to -4", -3.5, -4},
        {"below half", 2.4999, 2},
        {"above half", 2.5001, 3},
        {"12.625", 12.625, 13},
        {"14.125", 14.125, 14},
        {"-0.5 to zero", -0.5, 0},
        {"whole", 7.0, 7},
        {"lowest", -2147483648.5, std::numeric_limits<std::int32_t>::min()},
        {"highest", 2147483647.4, std::numeric_limits<std::int32_t>::max()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CLng(c.in), c.out);
        if (c.out >= -32768 && c.out <= 32767) {
            EXPECT_EQ(CInt(c.in), c.out);
        }
    }
}

TEST(Conversion, OutOfRangeAndNotANumberOverflow)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        double in;
        int clngError;
        int cintError;
    };
    const Case cases[] = {
        {"NaN", nan, 6, 6},
        {"infinity", inf, 6, 6},
        {"minus infinity", -inf, 6, 6},
        {"just above 32 bits", 2147483647.5, 6, 6}, // rounds to the even 2147483648
        {"just below 32 bits", -2147483649.0, 6, 6},
        {"16-bit top half rounds up", 32767.5, 0, 6},
        {"16-bit bottom half stays", -32768.5, 0, 0},
        {"16-bit below", -32769.0, 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorOf([&] { CLng(c.in); }), c.clngError);
        EXPECT_EQ(ErrorOf([&] { CInt(c.in); }), c.cintError);
    }
}

TEST(Conversion, FixTruncatesAndIntFloors)
{
    EXPECT_EQ(Fix(2.7), 2.0);
    EXPECT_EQ(Fix(-2.7), -2.0);
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.7), -3.0);
    EXPECT_EQ(Int(16.0), 16.0);
}

TEST(Conversion, ArithmeticRaisesTheRuntimesNumbers)
{
    const double big = std::numeric_limits<double>::max();
    struct Case {
        const char* name;
        double (*op)(double, double);
        double a, b;
        int error;
    };
    const Case cases[] = {
        {"x / 0", Div, 5, 0, 11},
        {"0 / 0", Div, 0, 0, 6},
        {"-x / 0", Div, -5, 0, 11},
        {"x / -0", Div, 5, -0.0, 11},
        {"huge product", Mul, big, 2, 6},
        {"huge sum", Add, big, big, 6},
        {"huge difference", Sub, -big, big, 6},
        {"huge quotient", Div, big, 0.5, 6},
        {"plain quotient", Div, 1, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorOf([&] { c.op(c.a, c.b); }), c.error);
    }
    EXPECT_EQ(Div(1, 4), 0.25);
    EXPECT_EQ(ErrorOf([] { AddLng(2147483600, 100); }), 6);
    EXPECT_EQ(ErrorOf([] { SubLng(-2147483600, 100); }), 6);
    EXPECT_EQ(AddLng(-100, 300), 200);
}

TEST(ErrorSkipped, FailedStatementLeavesTargetAlone)
{
    std::int32_t target = 41;
    EXPECT_FALSE(Assign(target, [] { return CLng(Div(100, 0)); }));
    EXPECT_EQ(target, 41);
    EXPECT_FALSE(Assign(target, [] { return CLng(1e12); }));
    EXPECT_EQ(target, 41);
    EXPECT_TRUE(Assign(target, [] { return CLng(Div(5, 2)); }));
    EXPECT_EQ(target, 2);

    // A statement stops at its failing step: the later part does not run.
    int steps = 0;
    EXPECT_FALSE(Skip([&] {
        ++steps;
        Div(1, 0);
        ++steps;
    }));
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(Skip([&] { ++steps; }));
    EXPECT_EQ(steps, 2);
}

TEST(ErrorSkipped, OtherExceptionsAreNotSwallowed)
{
    std::int32_t target = 1;
    EXPECT_THROW(Assign(target, []() -> std::int32_t { throw std::logic_error("bug"); }),
                 std::logic_error);
    EXPECT_EQ(target, 1);
}

} // namespace
