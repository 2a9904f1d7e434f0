#pragma once

#include <string_view>

namespace platform::profile {

// Whether the writer may store a name, already trimmed of blanks, so that the reader finds
// it again as the same name and nothing else: a name that read back otherwise would land in
// another section or key, or in a comment that a later write adds again.
//
// A section name is refused when empty, or when it holds a line end or "]" (the header
// ends at its first "]"). A key name is refused when empty, when it holds a line end or
// "=" (the key ends at its first "="), or when it starts with ";" (a comment) or "[" (a
// section header).
bool IsStorableSectionName(std::string_view name);
bool IsStorableKeyName(std::string_view name);

} // namespace platform::profile
