#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::files {

// The CP1252 name the program knows the entry `raw` (its bytes on disk) by, or none when it
// cannot name it. UTF-8 is read in composed form, so "Möwe" with a combining diaeresis (as
// copied from some systems) is the "Möwe" the program would write; a name that is not UTF-8
// (unpacked from an old archive) is read as CP1252, the original's code page. A character
// CP1252 lacks ("Мир") leaves the entry unnamed.
std::optional<std::string> ProgramName(std::string_view raw);

namespace detail {

// The names on disk of every entry of the native folder `folder` but "." and "..", in the
// order the system gives them; 0, or the errno of the failure.
int ReadNames(const std::string& folder, std::vector<std::string>& raws);

struct NamedEntry {
    std::string name; // as the program shows and spells it (CP1252)
    std::string raw;  // the entry's own bytes on disk
};

// The entries of one folder, given by their names on disk, that the program can name without
// confusing them with another, each with its name. A name stored otherwise than as the
// program writes it (composed UTF-8) is found only through the folder's listing, without
// regard to case, so it is left out when another entry of the folder has that name in any
// letter case: a lookup could not tell which one was meant. Names stored as the program writes
// them are found exactly and always stay.
std::vector<NamedEntry> NameEntries(const std::vector<std::string>& raws);

} // namespace detail

} // namespace platform::files
