#include "late_bound.h"

#include "platform/errors/run_time_error.h"

namespace platform::com {

namespace {

IDispatch* Require(IDispatch* object)
{
    if (!object)
        Raise(91);
    return object;
}

Variant Call(IDispatch* object, DispId id, std::uint16_t flags, std::vector<Variant>& args)
{
    Variant result;
    ExcepInfo excep;
    HRESULT hr = Require(object)->Invoke(id, flags, args, &result, &excep);
    RaiseForDispatch(hr, excep);
    return result;
}

} // namespace

void RaiseForDispatch(HRESULT hr, const ExcepInfo& excep)
{
    if (Succeeded(hr))
        return;
    if (excep.number != 0)
        throw RunTimeError(excep.number, excep.description);
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND)
        Raise(438);
    if (hr == DISP_E_TYPEMISMATCH)
        Raise(13);
    if (hr == DISP_E_OVERFLOW)
        Raise(6);
    if (hr == E_OUTOFMEMORY)
        Raise(7);
    if (hr == DISP_E_BADPARAMCOUNT)
        throw RunTimeError(450, "Wrong number of arguments or invalid property assignment");
    throw RunTimeError(440, "Automation error " + HResultText(hr));
}

DispId GetDispId(IDispatch* object, std::string_view name)
{
    DispId id = DISPID_UNKNOWN;
    RaiseForDispatch(Require(object)->GetIDsOfNames(name, &id), ExcepInfo{});
    return id;
}

Variant GetProperty(IDispatch* object, DispId id)
{
    std::vector<Variant> args;
    return Call(object, id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args);
}

Variant GetProperty(IDispatch* object, std::string_view name)
{
    return GetProperty(object, GetDispId(object, name));
}

void PutProperty(IDispatch* object, DispId id, const Variant& value)
{
    std::vector<Variant> args{value};
    std::uint16_t flags = value.Type() == VarType::Object || value.Type() == VarType::Picture
                              ? DISPATCH_PROPERTYPUTREF
                              : DISPATCH_PROPERTYPUT;
    Call(object, id, flags, args);
}

void PutProperty(IDispatch* object, std::string_view name, const Variant& value)
{
    PutProperty(object, GetDispId(object, name), value);
}

Variant CallMethod(IDispatch* object, DispId id, std::vector<Variant>& args)
{
    return Call(object, id, DISPATCH_METHOD, args);
}

Variant CallMethod(IDispatch* object, DispId id, std::vector<Variant>&& args)
{
    return Call(object, id, DISPATCH_METHOD, args);
}

Variant CallMethod(IDispatch* object, std::string_view name, std::vector<Variant>&& args)
{
    return Call(object, GetDispId(object, name), DISPATCH_METHOD, args);
}

} // namespace platform::com
