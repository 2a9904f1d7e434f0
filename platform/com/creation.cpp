#include "creation.h"

#include "platform/com/server.h"
#include "platform/errors/run_time_error.h"
#include "platform/registry/registry.h"

#include <dlfcn.h>
#include <exception>
#include <map>
#include <mutex>

namespace platform::com {

namespace {

void Tell(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

// Loaded libraries by path; never closed, since objects and factories may still point into
// them long after the last creation.
void* LoadLibrary(const std::string& path, std::string* error)
{
    static std::mutex mutex;
    static std::map<std::string, void*> loaded;
    std::lock_guard lock(mutex);
    auto it = loaded.find(path);
    if (it != loaded.end())
        return it->second;
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        Tell(error,
             "its library " + path + " could not be loaded (" + (why ? why : "unknown") + ")");
        return nullptr;
    }
    loaded.emplace(path, handle);
    return handle;
}

[[noreturn]] void RaiseCannotCreate(std::string_view name, HRESULT hr, const std::string& why)
{
    std::string text = "ActiveX component can't create object: class " + std::string(name);
    if (hr == REGDB_E_CLASSNOTREG || hr == CO_E_CLASSSTRING)
        text += " is not registered; register its library with regsvr";
    else if (hr == CO_E_DLLNOTFOUND || hr == CO_E_ERRORINDLL)
        text += ": " + why + "; register the library again with regsvr";
    else
        text += ": " + (why.empty() ? "its library refused it " + HResultText(hr) : why);
    throw RunTimeError(429, text);
}

template <class T> ComPtr<T> Create(const Guid& clsid, std::string_view name)
{
    ComPtr<T> object;
    std::string why;
    HRESULT hr = CreateInstance(clsid, T::iid, object.put_void(), &why);
    if (Failed(hr))
        RaiseCannotCreate(name, hr, why);
    return object;
}

} // namespace

HRESULT ClsidFromProgId(std::string_view progId, Guid* clsid, std::string* error)
{
    if (!clsid)
        return E_POINTER;
    *clsid = Guid{};
    try {
        auto text = registry::Registry::Load().ClassOfProgId(progId);
        auto parsed = text ? Guid::Parse(*text) : std::nullopt;
        if (!parsed) {
            Tell(error, "no class is registered as " + std::string(progId));
            return CO_E_CLASSSTRING;
        }
        *clsid = *parsed;
        return S_OK;
    } catch (const std::exception& e) {
        Tell(error, e.what());
        return E_FAIL;
    }
}

HRESULT GetClassObject(const Guid& clsid, const Guid& iid, void** out, std::string* error)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    std::string library;
    try {
        const registry::Registry reg = registry::Registry::Load();
        const registry::ClassEntry* entry = reg.FindClass(clsid.ToString());
        if (!entry || entry->library.empty()) {
            Tell(error, "class " + clsid.ToString() + " is not registered");
            return REGDB_E_CLASSNOTREG;
        }
        library = entry->library;
        if (library.front() != '/') {
            // A relative path would be looked up along the loader's search path, which
            // could find another library than the one registered.
            Tell(error, "its library path " + library + " is not absolute");
            return CO_E_DLLNOTFOUND;
        }
    } catch (const std::exception& e) {
        Tell(error, e.what());
        return E_FAIL;
    }
    void* handle = LoadLibrary(library, error);
    if (!handle)
        return CO_E_DLLNOTFOUND;
    auto getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(::dlsym(handle, "DllGetClassObject"));
    if (!getClassObject) {
        Tell(error, "its library " + library + " has no DllGetClassObject");
        return CO_E_ERRORINDLL;
    }
    return getClassObject(&clsid, &iid, out);
}

HRESULT CreateInstance(const Guid& clsid, const Guid& iid, void** out, std::string* error)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    ComPtr<IClassFactory> factory;
    HRESULT hr = GetClassObject(clsid, IClassFactory::iid, factory.put_void(), error);
    if (Failed(hr))
        return hr;
    return factory->CreateInstance(nullptr, iid, out);
}

ComPtr<IDispatch> CreateObject(std::string_view classOrProgId)
{
    std::optional<Guid> clsid = Guid::Parse(classOrProgId);
    if (!clsid) {
        Guid found;
        std::string why;
        HRESULT hr = ClsidFromProgId(classOrProgId, &found, &why);
        if (Failed(hr))
            RaiseCannotCreate(classOrProgId, hr, why);
        clsid = found;
    }
    return Create<IDispatch>(*clsid, classOrProgId);
}

ComPtr<IUnknown> CreateObjectByClass(const Guid& clsid)
{
    return Create<IUnknown>(clsid, clsid.ToString());
}

} // namespace platform::com
