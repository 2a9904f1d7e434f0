#pragma once

#include "platform/com/com_object.h"

#include <exception>
#include <new>

namespace platform::com {

struct IClassFactory : IUnknown {
    static constexpr Guid iid = MakeGuid("{00000001-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // `outer` must be null: no class of ours can be aggregated (CLASS_E_NOAGGREGATION).
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) = 0;
    // Keeps the module loaded while locked, whether or not objects live.
    virtual HRESULT LockServer(bool lock) = 0;
};

// Makes a new object of one class and hands out its IUnknown (null when out of memory).
using CreateFunction = ComPtr<IUnknown> (*)();

// The CreateFunction of a ComObject-derived class T with a default constructor.
template <class T> ComPtr<IUnknown> CreateObjectOf()
{
    return MakeObject<T>().template As<IUnknown>();
}

// The one class factory: it calls a CreateFunction. Compiled into the module that serves
// the class, so that its objects and locks count there.
class ClassFactory final : public ComObject<IClassFactory> {
public:
    explicit ClassFactory(CreateFunction create)
        : m_create(create)
    {
    }

    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        try {
            ComPtr<IUnknown> object = m_create();
            if (!object)
                return E_OUTOFMEMORY;
            return object->QueryInterface(iid, out);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }

    [[gnu::visibility("hidden")]] HRESULT LockServer(bool lock) override
    {
        if (lock)
            ++ModuleLockCount();
        else if (ModuleLockCount() > 0)
            --ModuleLockCount();
        return S_OK;
    }

private:
    CreateFunction m_create;
};

} // namespace platform::com
