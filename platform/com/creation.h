#pragma once

#include "platform/com/class_factory.h"
#include "platform/com/dispatch.h"

#include <string>
#include <string_view>

namespace platform::com {

// Creation of objects that registered libraries serve. The per-user registry is read at each
// call; a library, once loaded (RTLD_NOW | RTLD_LOCAL), stays loaded for the life of the
// process. `error`, when given, receives a sentence on what failed.

// CO_E_CLASSSTRING when the registry holds no such programmatic identifier.
HRESULT ClsidFromProgId(std::string_view progId, Guid* clsid, std::string* error = nullptr);

// REGDB_E_CLASSNOTREG for a class the registry does not hold, CO_E_DLLNOTFOUND when its
// library does not load or is registered under a relative path (never searched for along
// the loader's path), CO_E_ERRORINDLL when the library has no DllGetClassObject;
// otherwise what the library's DllGetClassObject returns.
HRESULT GetClassObject(const Guid& clsid, const Guid& iid, void** out,
                       std::string* error = nullptr);

// GetClassObject for IClassFactory, then CreateInstance.
HRESULT CreateInstance(const Guid& clsid, const Guid& iid, void** out,
                       std::string* error = nullptr);

// As a script creates an object: by programmatic identifier ("Kolvetra.ProgressBar") or by
// braced class identifier. Every failure raises run-time error 429 whose description names
// the class and what to do ("ActiveX component can't create object: class
// Kolvetra.ProgressBar is not registered; register its library with regsvr").
ComPtr<IDispatch> CreateObject(std::string_view classOrProgId);
ComPtr<IUnknown> CreateObjectByClass(const Guid& clsid);

} // namespace platform::com
