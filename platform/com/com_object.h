#pragma once

#include "platform/com/com_ptr.h"

#include <atomic>
#include <type_traits>

namespace platform::com {

// Live objects and server locks of the module (shared library or program) that the code is
// compiled into. Hidden, so that every library keeps its own counts for DllCanUnloadNow even
// when several libraries are loaded into one process.
[[gnu::visibility("hidden")]] inline std::atomic<long>& ModuleObjectCount()
{
    static std::atomic<long> count{0};
    return count;
}
[[gnu::visibility("hidden")]] inline std::atomic<long>& ModuleLockCount()
{
    static std::atomic<long> count{0};
    return count;
}

namespace detail {

// Walks I, I::Base, ... (short of IUnknown, which the caller answers) for `iid`.
template <class Self, class I> bool FindInterface(Self* self, const Guid& iid, void** out)
{
    if constexpr (std::is_same_v<I, IUnknown> || std::is_void_v<I>) {
        return false;
    } else {
        if (iid == I::iid) {
            *out = static_cast<I*>(self);
            return true;
        }
        return FindInterface<Self, typename I::Base>(self, iid, out);
    }
}

template <class First, class...> struct FirstOf {
    using type = First;
};

} // namespace detail

// IUnknown, implemented once: reference counting and the interface query for every
// interface in `Interfaces` and the ones they extend. A new object starts with one
// reference, which MakeObject hands to a ComPtr.
template <class... Interfaces> class ComObject : public Interfaces... {
public:
    HRESULT QueryInterface(const Guid& iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        using First = typename detail::FirstOf<Interfaces...>::type;
        if (iid == IUnknown::iid)
            *out = static_cast<IUnknown*>(static_cast<First*>(this));
        else if (!(detail::FindInterface<ComObject, Interfaces>(this, iid, out) || ...))
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    std::uint32_t AddRef() override { return ++m_refs; }

    [[gnu::visibility("hidden")]] std::uint32_t Release() override
    {
        std::uint32_t left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    [[gnu::visibility("hidden")]] ComObject() { ++ModuleObjectCount(); }
    [[gnu::visibility("hidden")]] virtual ~ComObject() { --ModuleObjectCount(); }

    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

private:
    std::atomic<std::uint32_t> m_refs{1};
};

// Creates an object of a ComObject-derived class and owns its first reference.
template <class T, class... Args> ComPtr<T> MakeObject(Args&&... args)
{
    return ComPtr<T>::Attach(new T(std::forward<Args>(args)...));
}

} // namespace platform::com
