#include "collation.h"

#include <algorithm>

namespace platform {

namespace {

bool IsLetter(unsigned char c)
{
    c = LowerCp1252(c);
    return (c >= 'a' && c <= 'z') || c >= 0xDF || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x83;
}

// Rank classes first, then the lower-case byte.
int Weight(unsigned char c)
{
    unsigned char l = LowerCp1252(c);
    int cls = IsLetter(c) ? 2 : (l >= '0' && l <= '9') ? 1 : 0;
    return cls * 256 + l;
}

} // namespace

unsigned char LowerCp1252(unsigned char c)
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

int CompareNames(std::string_view a, std::string_view b)
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

bool NameBefore(std::string_view a, std::string_view b)
{
    return CompareNames(a, b) < 0;
}

} // namespace platform
