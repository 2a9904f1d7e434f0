#include "names.h"

#include <algorithm>

namespace platform::forms {

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
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerCp1252(static_cast<unsigned char>(x)) ==
                      LowerCp1252(static_cast<unsigned char>(y));
           });
}

} // namespace platform::forms
