#pragma once

#include <string>
#include <string_view>

namespace platform::files {

// Names are compared the way the original file system and INI calls compared them: letters
// of CP1252 without regard to case (ASCII, the Latin-1 letters and the few CP1252 extras such
// as S/s with caron), every other byte exactly.
// Inline and by table: the INI index folds every name it compares, byte by byte.
namespace detail {
constexpr unsigned char FoldOf(unsigned char b)
{
    if (b >= 'a' && b <= 'z')
        return static_cast<unsigned char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<unsigned char>(b - 0x20);
    switch (b) {
    case 0x9A: // s with caron
    case 0x9C: // oe ligature
    case 0x9E: // z with caron
        return static_cast<unsigned char>(b - 0x10);
    case 0xFF: // y with diaeresis
        return 0x9F;
    default:
        return b;
    }
}
struct FoldTable {
    unsigned char of[256];
    constexpr FoldTable()
        : of()
    {
        for (int b = 0; b < 256; ++b)
            of[b] = FoldOf(static_cast<unsigned char>(b));
    }
};
inline constexpr FoldTable kFold;
} // namespace detail

inline char FoldCase(char c)
{
    return static_cast<char>(detail::kFold.of[static_cast<unsigned char>(c)]);
}
std::string FoldCase(std::string_view text);
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The program's names are CP1252; on disk they are stored as UTF-8 so that other programs
// show them as the user typed them. Text that is not valid UTF-8 is taken as CP1252 bytes
// unchanged; a character that CP1252 cannot hold becomes "?". Names of entries on disk are
// read through ProgramName (distinct_names.h), which also tells which ones can be named.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

} // namespace platform::files
