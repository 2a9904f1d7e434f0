#pragma once

#include <cstdint>

namespace platform::gdi {

// a * b / c with a 64-bit intermediate, rounded to the nearest, halves away from zero
// (MulDiv(3, 5, 2) = 8, MulDiv(-3, 5, 2) = -8); -1 when c is 0 or the result does not fit in
// 32 bits.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

} // namespace platform::gdi
