#pragma once

#include <string>
#include <vector>

namespace platform::forms {

// Compares two CP1252 texts as the original's sorted lists did: letter case ignored
// (accented capitals included), punctuation before digits before letters; texts that differ
// only in case keep a fixed order by their bytes.
int CompareNames(const std::string& a, const std::string& b);

// Where a sorted list of `count` entries (entry i given by `entry(i)`) takes `item`: after
// the entries that sort before it or equal it.
template <class Entry>
int SortedPosition(const std::string& item, int count, const Entry& entry)
{
    for (int i = 0; i < count; ++i) {
        if (CompareNames(item, entry(i)) < 0)
            return i;
    }
    return count;
}

// "a|b|c" as {"a", "b", "c"}; "" as none. Tables name pages and columns this way.
std::vector<std::string> SplitBars(const std::string& text);

// Equal when letter case is ignored.
bool SameText(const std::string& a, const std::string& b);

} // namespace platform::forms
