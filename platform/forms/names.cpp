#include "names.h"

#include <algorithm>

namespace platform::forms {

namespace {

unsigned char Lower(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E)
        return c + 16;
    if (c == 0x9F)
        return 0xFF;
    return c;
}

bool IsLetter(unsigned char c)
{
    c = Lower(c);
    return (c >= 'a' && c <= 'z') || c >= 0xDF || c == 0x9A || c == 0x9C || c == 0x9E ||
           c == 0x83;
}

// Rank classes first, then the lower-case byte.
int Weight(unsigned char c)
{
    unsigned char l = Lower(c);
    int cls = IsLetter(c) ? 2 : (l >= '0' && l <= '9') ? 1 : 0;
    return cls * 256 + l;
}

} // namespace

int CompareNames(const std::string& a, const std::string& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int wa = Weight(static_cast<unsigned char>(a[i]));
        int wb = Weight(static_cast<unsigned char>(b[i]));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

std::vector<std::string> SplitBars(const std::string& text)
{
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    size_t start = 0;
    while (true) {
        size_t bar = text.find('|', start);
        parts.push_back(text.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos)
            return parts;
        start = bar + 1;
    }
}

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(static_cast<unsigned char>(x)) == Lower(static_cast<unsigned char>(y));
           });
}

} // namespace platform::forms
