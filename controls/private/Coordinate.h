#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/com/variant.h"

namespace kolvetra {

// One vertex of a polygon. The wheel stores whole pixel values in it and reads them back by
// name, so the two field names are part of the class's face.
struct Coordinate {
    double X = 0;
    double Y = 0;
};

// A typed collection of Coordinate objects, numbered from 1. Elements are shared: the object
// Add returns is the one the collection holds.
class Coordinates {
public:
    using Element = std::shared_ptr<Coordinate>;

    // Appends a new Coordinate and returns it. The vertical value comes first, as callers have
    // always passed them.
    Element Add(const double& Y, const double& X);

    // The element at a 1-based position (a number, rounded half to even) or with a key (a
    // text). Null for a position or key that does not exist; this never fails.
    Element Item(const platform::com::Variant& indexKey) const;

    std::int32_t Count() const { return std::int32_t(m_items.size()); }

    // Removes the element at that position or with that key. A position that does not exist
    // raises error 9 (subscript out of range), a key that does not exist error 5, as the
    // runtime's collection does. Add gives no keys, so every key is missing.
    void Remove(const platform::com::Variant& indexKey);

    // Walks the elements in the order of Add.
    std::vector<Element>::const_iterator begin() const { return m_items.begin(); }
    std::vector<Element>::const_iterator end() const { return m_items.end(); }

private:
    // The 0-based place of the element the index names; raises as Remove documents.
    std::size_t Place(const platform::com::Variant& indexKey) const;

    std::vector<Element> m_items;
};

} // namespace kolvetra
