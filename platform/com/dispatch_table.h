#pragma once

#include "platform/com/com_object.h"
#include "platform/com/names.h"
#include "platform/com/variant.h"
#include "platform/errors/run_time_error.h"

#include <functional>
#include <initializer_list>
#include <new>
#include <string_view>
#include <vector>

namespace platform::com {

// One member of a late-bound interface: a property has a getter and/or a setter, a method
// has `method`. Leave the parts a member lacks empty.
template <class T> struct DispatchMember {
    const char* name;
    DispId id;
    std::function<Variant(T&)> get;
    std::function<void(T&, const Variant&)> put;
    std::function<Variant(T&, std::vector<Variant>&)> method;
};

// Answers GetIDsOfNames and Invoke from a table of members that a class declares once.
// Members raise run-time errors freely; Invoke turns them into result codes (13 into
// DISP_E_TYPEMISMATCH, 6 into DISP_E_OVERFLOW, any other into DISP_E_EXCEPTION), always with
// the number and description in the ExcepInfo, so a late-bound caller raises the same error.
template <class T> class DispatchTable {
public:
    DispatchTable(std::initializer_list<DispatchMember<T>> members)
        : m_members(members)
    {
    }

    const DispatchMember<T>* Find(DispId id) const
    {
        for (const auto& m : m_members) {
            if (m.id == id)
                return &m;
        }
        return nullptr;
    }

    const DispatchMember<T>* Find(std::string_view name) const
    {
        for (const auto& m : m_members) {
            if (NamesEqual(m.name, name))
                return &m;
        }
        return nullptr;
    }

    HRESULT GetIDsOfNames(std::string_view name, DispId* id) const
    {
        if (!id)
            return E_POINTER;
        *id = DISPID_UNKNOWN;
        const DispatchMember<T>* m = Find(name);
        if (!m)
            return DISP_E_UNKNOWNNAME;
        *id = m->id;
        return S_OK;
    }

    HRESULT Invoke(T& self, DispId id, std::uint16_t flags, std::vector<Variant>& args,
                   Variant* result, ExcepInfo* excep) const
    {
        const DispatchMember<T>* m = Find(id);
        if (!m)
            return DISP_E_MEMBERNOTFOUND;
        try {
            if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
                if (!m->put)
                    return DISP_E_MEMBERNOTFOUND;
                if (args.size() != 1)
                    return DISP_E_BADPARAMCOUNT;
                m->put(self, args[0]);
                if (result)
                    *result = Variant();
                return S_OK;
            }
            if ((flags & DISPATCH_METHOD) && m->method) {
                Variant value = m->method(self, args);
                if (result)
                    *result = std::move(value);
                return S_OK;
            }
            if ((flags & DISPATCH_PROPERTYGET) && m->get) {
                if (!args.empty())
                    return DISP_E_BADPARAMCOUNT;
                Variant value = m->get(self);
                if (result)
                    *result = std::move(value);
                return S_OK;
            }
            return DISP_E_MEMBERNOTFOUND;
        } catch (const RunTimeError& e) {
            if (excep)
                *excep = ExcepInfo{e.number(), e.description()};
            return e.number() == 13  ? DISP_E_TYPEMISMATCH
                   : e.number() == 6 ? DISP_E_OVERFLOW
                                     : DISP_E_EXCEPTION;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (const std::exception& e) {
            if (excep)
                *excep = ExcepInfo{440, std::string("Automation error: ") + e.what()};
            return DISP_E_EXCEPTION;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }

private:
    std::vector<DispatchMember<T>> m_members;
};

// A ComObject whose IDispatch is answered from `Derived::Members()`, a static
// `const DispatchTable<Derived>&`. `Interfaces` must hold IDispatch or an interface that
// extends it.
template <class Derived, class... Interfaces>
class DispatchObject : public ComObject<Interfaces...> {
public:
    HRESULT GetIDsOfNames(std::string_view name, DispId* id) override
    {
        return Derived::Members().GetIDsOfNames(name, id);
    }

    HRESULT Invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args, Variant* result,
                   ExcepInfo* excep) override
    {
        return Derived::Members().Invoke(static_cast<Derived&>(*this), id, flags, args, result,
                                         excep);
    }
};

} // namespace platform::com
