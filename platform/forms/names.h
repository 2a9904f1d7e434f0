#pragma once

#include <string>

namespace platform::forms {

// Compares two CP1252 texts as the original's sorted lists did: letter case ignored
// (accented capitals included), punctuation before digits before letters; texts that differ
// only in case keep a fixed order by their bytes.
int CompareNames(const std::string& a, const std::string& b);

// Equal when letter case is ignored.
bool SameText(const std::string& a, const std::string& b);

} // namespace platform::forms
