#pragma once

#include <string_view>

namespace platform {

// Orders CP1252 names as the original's sorted lists and file lists did: letter case ignored
// (accented capitals included), punctuation before digits before letters, so "fc_b_grp" comes
// before "fc_bd_grp"; names that differ only in case keep a fixed order by their bytes.
// Returns <0, 0 or >0.
int CompareNames(std::string_view a, std::string_view b);
bool NameBefore(std::string_view a, std::string_view b);

// The lower-case letter of a CP1252 capital (accented ones included); any other byte as is.
unsigned char LowerCp1252(unsigned char c);

} // namespace platform
