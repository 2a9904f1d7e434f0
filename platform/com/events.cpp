#include "events.h"

#include <algorithm>

namespace platform::com {

std::uint32_t EventConnections::Add(EventHandler handler)
{
    std::uint32_t cookie = m_next++;
    m_handlers.push_back({cookie, std::make_shared<EventHandler>(std::move(handler))});
    return cookie;
}

bool EventConnections::Remove(std::uint32_t cookie)
{
    auto it = std::find_if(m_handlers.begin(), m_handlers.end(),
                           [&](const Connection& c) { return c.cookie == cookie; });
    if (it == m_handlers.end())
        return false;
    m_handlers.erase(it);
    return true;
}

void EventConnections::Raise(DispId id, std::string_view name, std::vector<Variant>& args) const
{
    // A copy, because a handler may connect or disconnect while the event runs.
    const std::vector<Connection> snapshot = m_handlers;
    Event event{id, name, args};
    for (const Connection& c : snapshot) {
        bool connected = std::any_of(m_handlers.begin(), m_handlers.end(),
                                     [&](const Connection& h) { return h.cookie == c.cookie; });
        if (connected)
            (*c.handler)(event);
    }
}

void EventConnections::Raise(DispId id, std::string_view name, std::vector<Variant>&& args) const
{
    Raise(id, name, args);
}

} // namespace platform::com
