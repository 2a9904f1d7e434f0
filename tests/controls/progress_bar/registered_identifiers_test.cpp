// What the loaded libKolvetra.so publishes through its exports, against the literal
// identifiers that hosts' layouts and registries hold.

#include <gtest/gtest.h>

#include <string>

#include "loaded_library.h"
#include "platform/com/com.h"
#include "platform/registry/registry.h"

namespace {

using namespace platform::com;
using platform::registry::ClassEntry;
using platform::registry::Registry;
using platform::registry::TypeLibEntry;

constexpr const char* kLibId = "{2C124F7C-DBA8-11D8-BA1B-000000000000}";
constexpr const char* kBarClass = "{2C124F7E-DBA8-11D8-BA1B-000000000000}";
constexpr const char* kPageClass = "{AC358272-F241-4A42-87A8-5778928CD6C0}";

using Registered = LoadedLibrary;

TEST_F(Registered, RegistrationWritesTheLiteralIdentifiers)
{
    ASSERT_EQ(registerServer(), S_OK) << LastRegistrationError();
    const Registry reg = Registry::Load();
    ASSERT_NE(reg.FindTypeLib(kLibId), nullptr);
    EXPECT_EQ(*reg.FindTypeLib(kLibId), (TypeLibEntry{kLibId, "Kolvetra", 12, 0, 0x409, path}));
    ASSERT_NE(reg.FindClass(kBarClass), nullptr);
    EXPECT_EQ(*reg.FindClass(kBarClass),
              (ClassEntry{kBarClass, path, "ProgressBar", "Kolvetra.ProgressBar", kLibId,
                          "resource:30000"}));
    EXPECT_EQ(reg.ClassOfProgId("Kolvetra.ProgressBar"), kBarClass);
    ASSERT_NE(reg.FindClass(kPageClass), nullptr);
    EXPECT_EQ(reg.FindClass(kPageClass)->library, path);
    EXPECT_EQ(reg.FindClass(kPageClass)->progId, "");
}

// A host that kept only the literal identifiers still gets both classes and their interfaces.
TEST_F(Registered, TheLiteralClassesServeTheLiteralInterfaces)
{
    struct Case {
        const char* name;
        const char* clsid;
        const char* iid;
    };
    const Case cases[] = {
        {"ProgressBar", kBarClass, "{867170B3-7921-464F-A2E1-68193A7308E3}"},
        {"PgbAllgemein", kPageClass, "{CAEBC62F-97AA-44C9-9CF1-77C0B0C00145}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Guid clsid = *Guid::Parse(c.clsid);
        void* raw = nullptr;
        ASSERT_EQ(getClassObject(&clsid, &IClassFactory::iid, &raw), S_OK);
        ComPtr<IClassFactory> factory =
            ComPtr<IClassFactory>::Attach(static_cast<IClassFactory*>(raw));
        void* object = nullptr;
        ASSERT_EQ(factory->CreateInstance(nullptr, *Guid::Parse(c.iid), &object), S_OK);
        static_cast<IUnknown*>(object)->Release();
    }
}

} // namespace
