#include "ini_names.h"

namespace platform::profile {

namespace {

bool Holds(std::string_view name, std::string_view characters)
{
    return name.find_first_of(characters) != std::string_view::npos;
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
