#include "path.h"

#include "names.h"
#include "platform/errors/run_time_error.h"

namespace platform::files {

bool IsValidComponent(std::string_view component)
{
    if (component.empty() || component == "." || component == "..")
        return false;
    return component.find('/') == std::string_view::npos &&
           component.find('\0') == std::string_view::npos;
}

Path Path::Native(std::string nativeFolder)
{
    while (nativeFolder.size() > 1 && nativeFolder.back() == '/')
        nativeFolder.pop_back();
    Path p;
    p.m_base = std::move(nativeFolder);
    return p;
}

Path Path::operator/(std::string_view component) const
{
    if (empty() || !IsValidComponent(component))
        Raise(52);
    Path p = *this;
    p.m_components.emplace_back(component);
    return p;
}

std::string Path::Name() const
{
    return m_components.empty() ? std::string() : m_components.back();
}

Path Path::Parent() const
{
    Path p = *this;
    if (!p.m_components.empty())
        p.m_components.pop_back();
    return p;
}

std::string Path::Literal() const
{
    std::string out = m_base;
    for (const std::string& c : m_components) {
        if (out.empty() || out.back() != '/')
            out.push_back('/');
        out += Cp1252ToUtf8(c);
    }
    return out;
}

} // namespace platform::files
