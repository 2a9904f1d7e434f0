#pragma once

#include <cstdint>
#include <string_view>

#include "platform/gdi/types.h"

// Colour routines shared by the library's painters.
namespace kolvetra {

using platform::gdi::OLE_COLOR;

// A system colour (0x80000000 to 0x80000018) becomes its current RGB value; every other value,
// RGB or not, is returned unchanged.
OLE_COLOR TranslateColor(OLE_COLOR colour);

// The three low bytes of the colour: red the lowest, then green, then blue. The top byte is
// dropped, so a system colour must be translated first (0x80000008 splits into 8, 0, 0).
void SplitColor(OLE_COLOR colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

// The value of a text of two hexadecimal digits ("AB" gives 171). Only upper-case digits are
// handed to it.
std::int32_t HexToLong(std::string_view text);

// The runtime's RGB of three 16-bit channels: red + 256 green + 65536 blue, a channel above 255
// counting as 255. A negative channel raises error 5.
OLE_COLOR RGB(std::int32_t red, std::int32_t green, std::int32_t blue);

} // namespace kolvetra
