#pragma once

#include "platform/com/dispatch_table.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace platform::com {

// What a host receives for each event a control raises: the event's identifier and name and
// its arguments, by reference (a handler may change them, as with ByRef event arguments).
struct Event {
    DispId id;
    std::string_view name;
    std::vector<Variant>& args;
};

using EventHandler = std::function<void(const Event&)>;

// The connection point of a control's outgoing events.
struct IEventSource : IUnknown {
    static constexpr Guid iid = MakeGuid("{6A0F3D52-91C4-4E0B-8F3A-2D7C5B1E9A40}");
    using Base = IUnknown;

    // Connects a handler; *cookie identifies the connection for Unadvise.
    virtual HRESULT Advise(EventHandler handler, std::uint32_t* cookie) = 0;
    // E_INVALIDARG for a cookie that is not connected.
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
};

// The handlers connected to one source. Raise calls them in the order they were connected;
// a handler may disconnect itself or another one while the event runs (a disconnected
// handler is not called afterwards). What a handler throws reaches the raiser.
class EventConnections {
public:
    std::uint32_t Add(EventHandler handler);
    bool Remove(std::uint32_t cookie);
    bool Empty() const { return m_handlers.empty(); }

    void Raise(DispId id, std::string_view name, std::vector<Variant>& args) const;
    void Raise(DispId id, std::string_view name, std::vector<Variant>&& args = {}) const;

private:
    struct Connection {
        std::uint32_t cookie;
        std::shared_ptr<EventHandler> handler;
    };
    std::vector<Connection> m_handlers;
    std::uint32_t m_next = 1;
};

// A dispatch object that also raises events: `RaiseEvent(3, "MouseDown", args)`.
template <class Derived, class... Interfaces>
class EventDispatchObject : public DispatchObject<Derived, Interfaces..., IEventSource> {
public:
    HRESULT Advise(EventHandler handler, std::uint32_t* cookie) override
    {
        if (!cookie)
            return E_POINTER;
        *cookie = 0;
        if (!handler)
            return E_INVALIDARG;
        *cookie = m_events.Add(std::move(handler));
        return S_OK;
    }

    HRESULT Unadvise(std::uint32_t cookie) override
    {
        return m_events.Remove(cookie) ? S_OK : E_INVALIDARG;
    }

protected:
    void RaiseEvent(DispId id, std::string_view name, std::vector<Variant>& args)
    {
        m_events.Raise(id, name, args);
    }
    void RaiseEvent(DispId id, std::string_view name, std::vector<Variant>&& args = {})
    {
        m_events.Raise(id, name, args);
    }

private:
    EventConnections m_events;
};

} // namespace platform::com
