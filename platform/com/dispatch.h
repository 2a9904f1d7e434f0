#pragma once

#include "platform/com/unknown.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::com {

class Variant;

using DispId = std::int32_t;

inline constexpr DispId DISPID_UNKNOWN = -1;
// The standard identifier of a control's about box method.
inline constexpr DispId DISPID_ABOUTBOX = -552;

// What Invoke is asked to do; a caller that cannot tell a method from a property get
// (a script reading `obj.Name`) passes both bits.
enum InvokeFlags : std::uint16_t {
    DISPATCH_METHOD = 1,
    DISPATCH_PROPERTYGET = 2,
    DISPATCH_PROPERTYPUT = 4,
    DISPATCH_PROPERTYPUTREF = 8,
};

// Filled when Invoke returns DISP_E_EXCEPTION: the run-time error the member raised.
struct ExcepInfo {
    int number = 0;
    std::string description;
};

// Late-bound access to an object's members.
// Arguments travel in their written order (first argument first) and by reference: a member
// may change them, as the mouse events do with their button, shift and coordinates.
struct IDispatch : IUnknown {
    static constexpr Guid iid = MakeGuid("{00020400-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // The identifier of the member called `name`, without regard to case; DISP_E_UNKNOWNNAME
    // (and *id = DISPID_UNKNOWN) when there is none.
    virtual HRESULT GetIDsOfNames(std::string_view name, DispId* id) = 0;

    // DISP_E_MEMBERNOTFOUND for an unknown identifier or a kind of access the member lacks,
    // DISP_E_BADPARAMCOUNT for a wrong number of arguments, DISP_E_TYPEMISMATCH when an
    // argument does not convert, DISP_E_EXCEPTION (with `excep`, when given) when the member
    // raised a run-time error. `result` may be null.
    virtual HRESULT Invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args,
                           Variant* result, ExcepInfo* excep) = 0;
};

} // namespace platform::com
