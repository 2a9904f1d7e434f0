#pragma once

#include <string>
#include <string_view>

namespace platform {

// The program's text is 8-bit CP1252 bytes held in std::string; these convert it at the
// edges where a toolkit wants Unicode.
// Every byte decodes to one UTF-16 unit, the five bytes CP1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) to the control characters of the same value, as the original platform did,
// so that Decode followed by Encode gives back every byte string unchanged.
std::u16string DecodeCp1252(std::string_view bytes);

// Characters CP1252 cannot hold (and surrogates) become "?".
std::string EncodeCp1252(std::u16string_view text);

char16_t Cp1252ToUnicode(unsigned char byte);
// '?' for a character outside CP1252.
char UnicodeToCp1252(char16_t ch);

} // namespace platform
