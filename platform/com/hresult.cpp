#include "hresult.h"

#include <cstdio>

namespace platform::com {

std::string HResultText(HRESULT hr)
{
    struct Name {
        HRESULT code;
        const char* name;
    };
    static const Name names[] = {
        {S_OK, "S_OK"},
        {S_FALSE, "S_FALSE"},
        {E_NOTIMPL, "E_NOTIMPL"},
        {E_NOINTERFACE, "E_NOINTERFACE"},
        {E_POINTER, "E_POINTER"},
        {E_FAIL, "E_FAIL"},
        {E_UNEXPECTED, "E_UNEXPECTED"},
        {E_OUTOFMEMORY, "E_OUTOFMEMORY"},
        {E_INVALIDARG, "E_INVALIDARG"},
        {CLASS_E_NOAGGREGATION, "CLASS_E_NOAGGREGATION"},
        {CLASS_E_CLASSNOTAVAILABLE, "CLASS_E_CLASSNOTAVAILABLE"},
        {REGDB_E_CLASSNOTREG, "REGDB_E_CLASSNOTREG"},
        {CO_E_CLASSSTRING, "CO_E_CLASSSTRING"},
        {CO_E_DLLNOTFOUND, "CO_E_DLLNOTFOUND"},
        {CO_E_ERRORINDLL, "CO_E_ERRORINDLL"},
        {DISP_E_UNKNOWNINTERFACE, "DISP_E_UNKNOWNINTERFACE"},
        {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND"},
        {DISP_E_TYPEMISMATCH, "DISP_E_TYPEMISMATCH"},
        {DISP_E_UNKNOWNNAME, "DISP_E_UNKNOWNNAME"},
        {DISP_E_EXCEPTION, "DISP_E_EXCEPTION"},
        {DISP_E_OVERFLOW, "DISP_E_OVERFLOW"},
        {DISP_E_BADPARAMCOUNT, "DISP_E_BADPARAMCOUNT"},
        {SELFREG_E_TYPELIB, "SELFREG_E_TYPELIB"},
        {SELFREG_E_CLASS, "SELFREG_E_CLASS"},
    };
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
    std::string text = buf;
    for (const Name& n : names) {
        if (n.code == hr)
            return text + " (" + n.name + ")";
    }
    return text;
}

} // namespace platform::com
