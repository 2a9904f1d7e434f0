#include "property_bag.h"

#include "platform/com/names.h"

#include <algorithm>

namespace platform::com {

std::vector<std::pair<std::string, Variant>>::const_iterator
PropertyBag::Find(std::string_view name) const
{
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const auto& entry) { return NamesEqual(entry.first, name); });
}

Variant PropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) const
{
    auto it = Find(name);
    return it == m_entries.end() ? defaultValue : it->second;
}

void PropertyBag::WriteProperty(std::string_view name, const Variant& value,
                                const Variant& defaultValue)
{
    if (ValuesEqual(value, defaultValue))
        Remove(name);
    else
        Set(name, value);
}

void PropertyBag::Set(std::string_view name, const Variant& value)
{
    auto it = Find(name);
    if (it == m_entries.end())
        m_entries.emplace_back(std::string(name), value);
    else
        m_entries[static_cast<std::size_t>(it - m_entries.begin())].second = value;
}

bool PropertyBag::Contains(std::string_view name) const
{
    return Find(name) != m_entries.end();
}

bool PropertyBag::Remove(std::string_view name)
{
    auto it = Find(name);
    if (it == m_entries.end())
        return false;
    m_entries.erase(it);
    return true;
}

} // namespace platform::com
