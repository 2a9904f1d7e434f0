#include "server.h"

#include "platform/registry/registry.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <exception>

namespace platform::com {

namespace {

thread_local std::string t_lastError;

using registry::Registry;

template <class Body> HRESULT Guarded(const std::string& libraryPath, Body body)
{
    t_lastError.clear();
    try {
        if (libraryPath.empty() || libraryPath.front() != '/') {
            t_lastError = "the library cannot tell its own path";
            return SELFREG_E_CLASS;
        }
        Registry reg = Registry::Load();
        body(reg);
        reg.Save();
        return S_OK;
    } catch (const std::exception& e) {
        t_lastError = e.what();
    } catch (...) {
        t_lastError = "unexpected failure";
    }
    return SELFREG_E_CLASS;
}

} // namespace

HRESULT RegisterServer(const ServerDescription& server, const std::string& libraryPath)
{
    return Guarded(libraryPath, [&](Registry& reg) {
        const std::string libid = server.typeLib.libid.ToString();
        for (const ServerClass& c : server.classes) {
            const std::string clsid = c.clsid.ToString();
            const std::string progId = c.progId ? c.progId : "";
            reg.SetClass({clsid, libraryPath, c.displayName ? c.displayName : "", progId, libid,
                          c.toolboxPicture ? c.toolboxPicture : ""});
            if (!progId.empty())
                reg.SetProgId({progId, clsid});
        }
        reg.SetTypeLib({libid, server.typeLib.name, server.typeLib.major, server.typeLib.minor,
                        server.typeLib.locale, libraryPath});
    });
}

HRESULT UnregisterServer(const ServerDescription& server, const std::string& libraryPath)
{
    return Guarded(libraryPath, [&](Registry& reg) {
        for (const ServerClass& c : server.classes) {
            const std::string clsid = c.clsid.ToString();
            const registry::ClassEntry* entry = reg.FindClass(clsid);
            if (!entry || entry->library != libraryPath)
                continue;
            reg.RemoveClass(clsid);
            if (c.progId && *c.progId) {
                auto target = reg.ClassOfProgId(c.progId);
                if (target && Guid::Parse(*target) == c.clsid)
                    reg.RemoveProgId(c.progId);
            }
        }
        const std::string libid = server.typeLib.libid.ToString();
        const registry::TypeLibEntry* lib = reg.FindTypeLib(libid);
        if (lib && lib->library == libraryPath)
            reg.RemoveTypeLib(libid);
    });
}

std::string LastRegistrationError()
{
    return t_lastError;
}

std::string ModuleFileOf(const void* address)
{
    Dl_info info{};
    if (!::dladdr(address, &info) || !info.dli_fname || !*info.dli_fname)
        return "";
    char resolved[PATH_MAX];
    if (!::realpath(info.dli_fname, resolved))
        return "";
    return resolved;
}

} // namespace platform::com
