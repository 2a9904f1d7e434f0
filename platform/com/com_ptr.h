#pragma once

#include "platform/com/unknown.h"

#include <cstddef>
#include <utility>

namespace platform::com {

// Owns one reference to an interface. Constructing from a raw pointer adds a reference;
// Attach takes over one that the caller already holds (a fresh object, an out-parameter).
template <class T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    ComPtr(T* p)
        : m_p(p)
    {
        if (m_p)
            m_p->AddRef();
    }
    ComPtr(const ComPtr& other)
        : ComPtr(other.m_p)
    {
    }
    ComPtr(ComPtr&& other) noexcept
        : m_p(std::exchange(other.m_p, nullptr))
    {
    }
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    static ComPtr Attach(T* p)
    {
        ComPtr result;
        result.m_p = p;
        return result;
    }
    T* Detach() { return std::exchange(m_p, nullptr); }

    void Reset()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // For out-parameters: drops the current reference and hands out the slot.
    T** put()
    {
        Reset();
        return &m_p;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

    // Queries for another interface; null when the object does not have it.
    template <class U> ComPtr<U> As() const
    {
        ComPtr<U> result;
        if (m_p)
            m_p->QueryInterface(U::iid, result.put_void());
        return result;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.m_p == b.m_p; }

private:
    T* m_p = nullptr;
};

} // namespace platform::com
