#include "ini_names.h"

namespace platform::profile {

namespace {

// A plain loop: find_first_of looks for each byte of the name in the set with a call of its
// own, and an import checks a million names.
bool Holds(std::string_view name, std::string_view characters)
{
    for (const char c : name) {
        for (const char d : characters) {
            if (c == d)
                return true;
        }
    }
    return false;
}

} // namespace

bool IsStorableSectionName(std::string_view name)
{
    return !name.empty() && !Holds(name, "\r\n]");
}

bool IsStorableKeyName(std::string_view name)
{
    return !name.empty() && !Holds(name, "\r\n=") && name.front() != ';' && name.front() != '[';
}

} // namespace platform::profile
