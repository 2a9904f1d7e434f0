// regsvr: registers an in-process server library in the per-user registry, or removes it.
//
//     regsvr <library.so>       calls the library's DllRegisterServer
//     regsvr -u <library.so>    calls its DllUnregisterServer

#include "platform/com/server.h"
#include "platform/registry/registry.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <exception>
#include <string>

namespace {

// The registry file, or why there is none (no home folder for this user).
std::string RegistryPathText()
{
    try {
        return platform::registry::Registry::DefaultPath();
    } catch (const std::exception& e) {
        return std::string("no registry: ") + e.what();
    }
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: regsvr [-u] <library.so>\n"
                 "  registers the library's classes in %s\n"
                 "  -u  unregisters them\n",
                 RegistryPathText().c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    bool unregister = false;
    const char* library = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-u") == 0 && !unregister)
            unregister = true;
        else if (argv[i][0] != '-' && !library)
            library = argv[i];
        else
            return Usage();
    }
    if (!library)
        return Usage();

    // The registry must hold an absolute path; dlopen also needs one not to search the
    // library path for a bare file name.
    char resolved[PATH_MAX];
    if (!::realpath(library, resolved)) {
        std::fprintf(stderr, "regsvr: cannot find %s: %s\n", library, std::strerror(errno));
        return 1;
    }
    void* handle = ::dlopen(resolved, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "regsvr: cannot load %s: %s\n", resolved, ::dlerror());
        return 1;
    }
    const char* exportName = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto entry =
        reinterpret_cast<platform::com::DllRegisterServerFunction>(::dlsym(handle, exportName));
    if (!entry) {
        std::fprintf(stderr, "regsvr: %s has no %s export; it is not a component library\n",
                     resolved, exportName);
        return 1;
    }
    platform::com::HRESULT hr = entry();
    if (platform::com::Failed(hr)) {
        std::string why = platform::com::LastRegistrationError();
        std::fprintf(stderr, "regsvr: %s in %s failed with %s%s%s\n", exportName, resolved,
                     platform::com::HResultText(hr).c_str(), why.empty() ? "" : ": ", why.c_str());
        return 1;
    }
    std::printf("regsvr: %s %s in %s\n", unregister ? "unregistered" : "registered", resolved,
                RegistryPathText().c_str());
    return 0;
}
