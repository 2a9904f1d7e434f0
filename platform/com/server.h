#pragma once

#include "platform/com/class_factory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::com {

// One class that a library serves.
struct ServerClass {
    Guid clsid;
    const char* progId; // "" for a class that is created by its class identifier only
    const char* displayName;
    CreateFunction create;
    const char* toolboxPicture = ""; // what the toolbox shows, as a reference into the library
};

// The identity of the library's type library.
struct TypeLibIdentity {
    const char* name;
    Guid libid;
    std::uint16_t major;
    std::uint16_t minor;
    std::uint32_t locale;
};

struct ServerDescription {
    TypeLibIdentity typeLib;
    std::vector<ServerClass> classes;
};

// The exports of an in-process server, as a loader finds them with dlsym.
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();
using DllGetClassObjectFunction = HRESULT (*)(const Guid* clsid, const Guid* iid, void** out);
using DllCanUnloadNowFunction = HRESULT (*)();

// Writes the library's classes, programmatic identifiers and type library into the per-user
// registry under `libraryPath`. SELFREG_E_CLASS when the registry cannot be written (the
// reason in LastRegistrationError()).
HRESULT RegisterServer(const ServerDescription& server, const std::string& libraryPath);

// Removes exactly what RegisterServer wrote for this library: entries of its classes and
// type library that another library file has since taken over are left alone.
HRESULT UnregisterServer(const ServerDescription& server, const std::string& libraryPath);

// Why the last RegisterServer or UnregisterServer of this thread failed ("" after success).
std::string LastRegistrationError();

// The absolute path of the shared library that holds `address` ("" when none does).
std::string ModuleFileOf(const void* address);

namespace detail {

// Compiled into the serving library (hidden), so that the factory counts there.
[[gnu::visibility("hidden")]] inline HRESULT
ServeClassObject(const ServerDescription& server, const Guid* clsid, const Guid* iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!clsid || !iid)
        return E_POINTER;
    for (const ServerClass& c : server.classes) {
        if (c.clsid == *clsid)
            return MakeObject<ClassFactory>(c.create)->QueryInterface(*iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

[[gnu::visibility("hidden")]] inline HRESULT CanUnloadNow()
{
    return ModuleObjectCount() == 0 && ModuleLockCount() == 0 ? S_OK : S_FALSE;
}

} // namespace detail

} // namespace platform::com

// Gives a library the four exports of an in-process server. Put it in exactly one source
// file of the library, after the function that describes the library:
//
//     const platform::com::ServerDescription& DescribeServer();
//     QV_IN_PROCESS_SERVER(DescribeServer)
//
// Every export catches what its body throws and returns a result code.
#define QV_IN_PROCESS_SERVER(describe)                                                             \
    extern "C" __attribute__((visibility("default"))) ::platform::com::HRESULT DllRegisterServer() \
    {                                                                                              \
        try {                                                                                      \
            return ::platform::com::RegisterServer(                                                \
                describe(),                                                                        \
                ::platform::com::ModuleFileOf(reinterpret_cast<const void*>(&DllRegisterServer))); \
        } catch (...) {                                                                            \
            return ::platform::com::SELFREG_E_CLASS;                                               \
        }                                                                                          \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) ::platform::com::HRESULT                     \
    DllUnregisterServer()                                                                          \
    {                                                                                              \
        try {                                                                                      \
            return ::platform::com::UnregisterServer(                                              \
                describe(), ::platform::com::ModuleFileOf(                                         \
                                reinterpret_cast<const void*>(&DllUnregisterServer)));             \
        } catch (...) {                                                                            \
            return ::platform::com::SELFREG_E_CLASS;                                               \
        }                                                                                          \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) ::platform::com::HRESULT DllGetClassObject(  \
        const ::platform::com::Guid* clsid, const ::platform::com::Guid* iid, void** out)          \
    {                                                                                              \
        try {                                                                                      \
            return ::platform::com::detail::ServeClassObject(describe(), clsid, iid, out);         \
        } catch (const std::bad_alloc&) {                                                          \
            return ::platform::com::E_OUTOFMEMORY;                                                 \
        } catch (...) {                                                                            \
            return ::platform::com::E_UNEXPECTED;                                                  \
        }                                                                                          \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) ::platform::com::HRESULT DllCanUnloadNow()   \
    {                                                                                              \
        try {                                                                                      \
            return ::platform::com::detail::CanUnloadNow();                                        \
        } catch (...) {                                                                            \
            return ::platform::com::S_FALSE;                                                       \
        }                                                                                          \
    }
