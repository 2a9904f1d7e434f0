#include "colour.h"

#include "platform/gdi/colour.h"

namespace platform::forms {

QColor ToQColor(OleColor colour)
{
    if (colour & 0x80000000u) {
        const std::uint32_t index = colour & 0x00FFFFFFu;
        colour = index < 25 ? platform::gdi::GetSysColor(static_cast<int>(index)) : 0;
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace platform::forms
