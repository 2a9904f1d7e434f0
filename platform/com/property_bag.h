#pragma once

#include "platform/com/variant.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::com {

// The named values a host keeps for one control instance. Names are matched without regard
// to case and kept in the order they were first written.
class PropertyBag {
public:
    // The stored value, or `defaultValue` when the bag holds none under that name. The value
    // comes back as it was stored; the reader converts it to the property's type.
    Variant ReadProperty(std::string_view name, const Variant& defaultValue = Variant()) const;

    // Stores `value` unless it equals `defaultValue` by value (ValuesEqual: a double 100 and
    // a Long 100 are equal), in which case a value stored earlier under the name is dropped,
    // so that the bag holds only what differs from the defaults that reading uses.
    void WriteProperty(std::string_view name, const Variant& value,
                       const Variant& defaultValue = Variant());

    // Stores unconditionally (a stored layout being read).
    void Set(std::string_view name, const Variant& value);
    bool Contains(std::string_view name) const;
    bool Remove(std::string_view name);

    const std::vector<std::pair<std::string, Variant>>& Entries() const { return m_entries; }
    bool Empty() const { return m_entries.empty(); }

    friend bool operator==(const PropertyBag&, const PropertyBag&) = default;

private:
    std::vector<std::pair<std::string, Variant>>::const_iterator Find(std::string_view name) const;

    std::vector<std::pair<std::string, Variant>> m_entries;
};

} // namespace platform::com
