#pragma once

#include <string>
#include <string_view>

namespace platform::files {

// Names are compared the way the original file system and INI calls compared them: letters
// of CP1252 without regard to case (ASCII, the Latin-1 letters and the few CP1252 extras such
// as S/s with caron), every other byte exactly.
char FoldCase(char c);
std::string FoldCase(std::string_view text);
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The program's names are CP1252; on disk they are stored as UTF-8 so that other programs
// show them as the user typed them. Text that is not valid UTF-8 is taken as CP1252 bytes
// unchanged; a character that CP1252 cannot hold becomes "?". Names of entries on disk are
// read through ProgramName (distinct_names.h), which also tells which ones can be named.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

} // namespace platform::files
