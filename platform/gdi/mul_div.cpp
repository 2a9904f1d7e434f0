#include "platform/gdi/mul_div.h"

#include <limits>

namespace platform::gdi {

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t n = product < 0 ? 0 - std::uint64_t(product) : std::uint64_t(product);
    const std::uint64_t d = c < 0 ? 0 - std::uint64_t(std::int64_t{c}) : std::uint64_t(c);
    const std::uint64_t magnitude = (n + d / 2) / d; // half away from zero
    if (magnitude > (negative ? 2147483648ULL : 2147483647ULL))
        return -1;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

} // namespace platform::gdi
