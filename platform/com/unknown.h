#pragma once

#include "platform/com/guid.h"
#include "platform/com/hresult.h"

#include <cstdint>

namespace platform::com {

// The root of every interface. An interface is a struct of pure virtual functions with
// `static constexpr Guid iid` and `using Base = <the interface it extends>`, so that
// ComObject can answer a query for any interface in the chain.
// Objects die through Release, never through delete on an interface pointer.
struct IUnknown {
    static constexpr Guid iid = MakeGuid("{00000000-0000-0000-C000-000000000046}");
    using Base = void;

    // One shape everywhere: null out -> E_POINTER; *out cleared; the IIDs compared;
    // E_NOINTERFACE when none matches. A successful query adds a reference.
    virtual HRESULT QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

} // namespace platform::com
