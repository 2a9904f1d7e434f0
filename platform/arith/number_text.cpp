#include "platform/arith/number_text.h"

#include <cstdio>

namespace platform::arith {

std::string GeneralNumberText(double value, char decimalSeparator)
{
    if (value == 0.0)
        return "0"; // also for -0, which the runtime never shows with a sign
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    for (char& ch : text) {
        if (ch == '.')
            ch = decimalSeparator;
    }
    return text;
}

} // namespace platform::arith
