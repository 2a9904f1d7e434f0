#pragma once

#include <cstdint>
#include <string>

namespace platform::com {

// Result code of every call that crosses a component boundary: negative means failure.
using HRESULT = std::int32_t;

constexpr HRESULT MakeHResult(std::uint32_t bits)
{
    return static_cast<HRESULT>(bits);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
inline constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
inline constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHResult(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);
inline constexpr HRESULT CO_E_CLASSSTRING = MakeHResult(0x800401F3);
inline constexpr HRESULT CO_E_DLLNOTFOUND = MakeHResult(0x800401F8);
inline constexpr HRESULT CO_E_ERRORINDLL = MakeHResult(0x800401F9);
inline constexpr HRESULT DISP_E_UNKNOWNINTERFACE = MakeHResult(0x80020001);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeHResult(0x80020003);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHResult(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = MakeHResult(0x80020006);
inline constexpr HRESULT DISP_E_EXCEPTION = MakeHResult(0x80020009);
inline constexpr HRESULT DISP_E_OVERFLOW = MakeHResult(0x8002000A);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeHResult(0x8002000E);
inline constexpr HRESULT SELFREG_E_TYPELIB = MakeHResult(0x80040200);
inline constexpr HRESULT SELFREG_E_CLASS = MakeHResult(0x80040201);

constexpr bool Succeeded(HRESULT hr)
{
    return hr >= 0;
}
constexpr bool Failed(HRESULT hr)
{
    return hr < 0;
}

// "0x80040154 (REGDB_E_CLASSNOTREG)" for messages; unknown codes show the number alone.
std::string HResultText(HRESULT hr);

} // namespace platform::com
