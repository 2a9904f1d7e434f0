#pragma once

#include <algorithm>
#include <string_view>

namespace platform::com {

// Member, property and class names match without regard to the case of ASCII letters.
inline bool NamesEqual(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

// Drops blanks and tabs at both ends.
inline std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace platform::com
