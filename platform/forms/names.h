#pragma once

#include <string>
#include <vector>

#include "platform/text/collation.h"

namespace platform::forms {

// The order of sorted lists and file lists (see platform/text/collation.h).
using platform::CompareNames;

// Where a sorted list of `count` entries (entry i given by `entry(i)`) takes `item`: after
// the entries that sort before it or equal it.
template <class Entry> int SortedPosition(const std::string& item, int count, const Entry& entry)
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
