#include "native_path.h"

namespace platform::files::detail {

std::string Join(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string ParentOf(const std::string& native)
{
    const auto slash = native.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return native.substr(0, slash);
}

std::string BaseNameOf(const std::string& native)
{
    const auto slash = native.rfind('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

} // namespace platform::files::detail
