#pragma once

#include <string_view>

namespace platform::files {

// True when the program can name the entry `raw` (its bytes on disk) as exactly this entry:
// taken into CP1252 and back to UTF-8 it is the same bytes. A name that is not UTF-8 (a
// Latin-1 "café" next to the UTF-8 one) or holds a character CP1252 lacks ("Мир" and "Дом"
// would both become "???") fails, so it is never listed and never matched: an action on a
// listed name can only reach its own entry.
bool IsDistinctName(std::string_view raw);

} // namespace platform::files
