#include "controls/private/Coordinate.h"

#include "platform/errors/run_time_error.h"

namespace kolvetra {

using platform::com::Variant;

Coordinates::Element Coordinates::Add(const double& Y, const double& X)
{
    auto element = std::make_shared<Coordinate>();
    element->X = X;
    element->Y = Y;
    m_items.push_back(element);
    return element;
}

std::size_t Coordinates::Place(const Variant& indexKey) const
{
    if (!indexKey.IsNumeric())
        platform::Raise(5);
    const std::int32_t index = indexKey.ToInt32();
    if (index < 1 || index > Count())
        platform::Raise(9);
    return std::size_t(index - 1);
}

Coordinates::Element Coordinates::Item(const Variant& indexKey) const
{
    try {
        return m_items[Place(indexKey)];
    } catch (const platform::RunTimeError&) {
        return nullptr;
    }
}

void Coordinates::Remove(const Variant& indexKey)
{
    m_items.erase(m_items.begin() + std::ptrdiff_t(Place(indexKey)));
}

} // namespace kolvetra
