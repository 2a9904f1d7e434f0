#include "platform/arith/conversion.h"

#include <cmath>
#include <limits>

namespace platform::arith {

namespace {

constexpr int kOverflow = 6;
constexpr int kDivisionByZero = 11;

double Checked(double result)
{
    if (!std::isfinite(result))
        Raise(kOverflow);
    return result;
}

} // namespace

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5)
        return floor + 1.0;
    if (rest < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int32_t CLng(double value)
{
    const double r = RoundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        Raise(kOverflow);
    return static_cast<std::int32_t>(r);
}

std::int16_t CInt(double value)
{
    const double r = RoundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        Raise(kOverflow);
    return static_cast<std::int16_t>(r);
}

double Fix(double value)
{
    return std::trunc(value);
}

double Int(double value)
{
    return std::floor(value);
}

double Add(double a, double b)
{
    return Checked(a + b);
}

double Sub(double a, double b)
{
    return Checked(a - b);
}

double Mul(double a, double b)
{
    return Checked(a * b);
}

double Div(double a, double b)
{
    if (b == 0.0)
        Raise(a == 0.0 || std::isnan(a) ? kOverflow : kDivisionByZero);
    return Checked(a / b);
}

std::int32_t AddLng(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    if (sum < std::numeric_limits<std::int32_t>::min() ||
        sum > std::numeric_limits<std::int32_t>::max())
        Raise(kOverflow);
    return static_cast<std::int32_t>(sum);
}

std::int32_t SubLng(std::int32_t a, std::int32_t b)
{
    const std::int64_t diff = std::int64_t{a} - b;
    if (diff < std::numeric_limits<std::int32_t>::min() ||
        diff > std::numeric_limits<std::int32_t>::max())
        Raise(kOverflow);
    return static_cast<std::int32_t>(diff);
}

} // namespace platform::arith
