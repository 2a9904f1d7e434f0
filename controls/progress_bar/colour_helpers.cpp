#include "controls/progress_bar/colour_helpers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/errors/run_time_error.h"
#include "platform/gdi/colour.h"

namespace kolvetra {

OLE_COLOR TranslateColor(OLE_COLOR colour)
{
    if (colour - 0x80000000u <= 24u)
        return platform::gdi::GetSysColor(int(colour - 0x80000000u));
    return colour;
}

void SplitColor(OLE_COLOR colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", colour);
    const std::string text = ("000000" + std::string(hex)).substr(std::strlen(hex));
    const std::string_view digits(text);
    blue = HexToLong(digits.substr(0, 2));
    green = HexToLong(digits.substr(2, 2));
    red = HexToLong(digits.substr(4, 2));
}

std::int32_t HexToLong(std::string_view text)
{
    std::int32_t value = 0;
    std::int32_t weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const char ch = *it;
        const std::int32_t digit = ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : ch - '0';
        value += digit * weight;
        weight *= 16;
    }
    return value;
}

OLE_COLOR RGB(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    if (red < 0 || green < 0 || blue < 0)
        platform::Raise(5);
    return OLE_COLOR(std::min(red, 255)) | OLE_COLOR(std::min(green, 255)) << 8 |
           OLE_COLOR(std::min(blue, 255)) << 16;
}

} // namespace kolvetra
