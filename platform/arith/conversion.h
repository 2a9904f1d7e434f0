#pragma once

#include <cstdint>
#include <exception>
#include <utility>

#include "platform/errors/run_time_error.h"

// The original runtime's numeric conversions and checked arithmetic, as the painters use them.
// Every failure is a platform::RunTimeError with the runtime's number (6 overflow, 11 division
// by zero), so a caller that skips failing statements (see Skip and Assign below) never lets a
// NaN, an infinity or an out-of-range value reach an integer.
namespace platform::arith {

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2), as every implicit float-to-integer conversion of the runtime does.
// The result is a double; NaN and infinities pass through unchanged.
double RoundHalfEven(double value);

// CLng: rounds half to even into 32 bits. Raises 6 (overflow) for NaN, an infinity or a result
// outside -2147483648..2147483647.
std::int32_t CLng(double value);

// CInt: rounds half to even into 16 bits. Raises 6 outside -32768..32767.
std::int16_t CInt(double value);

// Fix: the whole part, truncated towards zero (Fix(-2.5) = -2).
double Fix(double value);

// Int: the largest whole number not above the value (Int(-2.5) = -3).
double Int(double value);

// The runtime's double arithmetic: a result that is not finite raises 6 (overflow); a division
// by zero raises 11, except 0 / 0, which raises 6 as the runtime does.
double Add(double a, double b);
double Sub(double a, double b);
double Mul(double a, double b);
double Div(double a, double b);

// 32-bit integer addition and subtraction; a result outside 32 bits raises 6.
std::int32_t AddLng(std::int32_t a, std::int32_t b);
std::int32_t SubLng(std::int32_t a, std::int32_t b);

// Runs one statement under the runtime's "resume next" rule: a RunTimeError inside skips the
// rest of the statement and is swallowed. Returns true when the statement ran to its end.
template <class Statement> bool Skip(Statement&& statement)
{
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

// `target = expression` under the same rule: when evaluating the expression raises, the
// target keeps the value it had. Returns true when the assignment took place.
template <class T, class Expression> bool Assign(T& target, Expression&& expression)
{
    try {
        T value = std::forward<Expression>(expression)();
        target = std::move(value);
        return true;
    } catch (const RunTimeError&) {
        return false;
    }
}

} // namespace platform::arith
