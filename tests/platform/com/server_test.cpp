#include "platform/com/com.h"
#include "platform/registry/registry.h"

#include "temp_registry.h"
#include "test_support.h"

#include <climits>
#include <dlfcn.h>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace platform::com;
using platform::registry::ClassEntry;
using platform::registry::ProgIdEntry;
using platform::registry::Registry;
using platform::registry::TypeLibEntry;

constexpr Guid kCounter = MakeGuid("{7D1C2B3A-0000-4000-8000-00000000AA02}");
constexpr const char* kCounterText = "{7D1C2B3A-0000-4000-8000-00000000AA02}";
constexpr const char* kLibId = "{7D1C2B3A-0000-4000-8000-00000000AA01}";

class InProcessServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        char resolved[PATH_MAX];
        ASSERT_NE(::realpath(QV_TEST_SERVER, resolved), nullptr);
        library = resolved;
        handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << ::dlerror();
        registerServer = Export<DllRegisterServerFunction>("DllRegisterServer");
        unregisterServer = Export<DllUnregisterServerFunction>("DllUnregisterServer");
        getClassObject = Export<DllGetClassObjectFunction>("DllGetClassObject");
        canUnloadNow = Export<DllCanUnloadNowFunction>("DllCanUnloadNow");
    }
    void TearDown() override
    {
        if (handle)
            ::dlclose(handle);
    }

    template <class F> F Export(const char* name)
    {
        auto f = reinterpret_cast<F>(::dlsym(handle, name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }

    // Entries of another library that registration must leave alone.
    static Registry Neighbours()
    {
        Registry reg;
        reg.SetClass({"{11111111-2222-3333-4444-555555555555}", "/opt/other/libOther.so", "Dial",
                      "Other.Dial", "{11111111-2222-3333-4444-000000000000}", ""});
        reg.SetProgId({"Other.Dial", "{11111111-2222-3333-4444-555555555555}"});
        reg.SetTypeLib(
            {"{11111111-2222-3333-4444-000000000000}", "Other", 1, 0, 0, "/opt/other/libOther.so"});
        return reg;
    }

    TempRegistry temp;
    std::string library;
    void* handle = nullptr;
    DllRegisterServerFunction registerServer = nullptr;
    DllUnregisterServerFunction unregisterServer = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
};

TEST_F(InProcessServer, RegistrationAddsAndRemovesExactlyItsEntries)
{
    const Registry before = Neighbours();
    before.Save();
    ASSERT_EQ(registerServer(), S_OK) << LastRegistrationError();

    Registry after = Registry::Load();
    ASSERT_NE(after.FindClass(kCounterText), nullptr);
    EXPECT_EQ(
        *after.FindClass(kCounterText),
        (ClassEntry{kCounterText, library, "Counter", "QvTest.Counter", kLibId, "resource:30000"}));
    EXPECT_EQ(after.ClassOfProgId("QvTest.Counter"), kCounterText);
    ASSERT_NE(after.FindTypeLib(kLibId), nullptr);
    EXPECT_EQ(*after.FindTypeLib(kLibId), (TypeLibEntry{kLibId, "QvTest", 2, 5, 0x409, library}));
    EXPECT_EQ(after.Classes().size(), 2u);
    EXPECT_EQ(after.ProgIds().size(), 2u);
    EXPECT_EQ(after.TypeLibs().size(), 2u);

    ASSERT_EQ(registerServer(), S_OK) << "registering twice changes nothing";
    EXPECT_EQ(Registry::Load(), after);

    ASSERT_EQ(unregisterServer(), S_OK) << LastRegistrationError();
    EXPECT_EQ(Registry::Load(), before);
}

TEST_F(InProcessServer, UnregistrationLeavesWhatAnotherCopyTookOver)
{
    ASSERT_EQ(registerServer(), S_OK);
    Registry reg = Registry::Load();
    ClassEntry moved = *reg.FindClass(kCounterText);
    moved.library = "/opt/dist/libQvTest.so"; // registered again from the program folder
    reg.SetClass(moved);
    reg.Save();

    ASSERT_EQ(unregisterServer(), S_OK);
    Registry after = Registry::Load();
    ASSERT_NE(after.FindClass(kCounterText), nullptr);
    EXPECT_EQ(after.FindClass(kCounterText)->library, "/opt/dist/libQvTest.so");
    EXPECT_EQ(after.ClassOfProgId("QvTest.Counter"), kCounterText);
    EXPECT_EQ(after.FindTypeLib(kLibId), nullptr) << "the type library was still ours";
}

TEST_F(InProcessServer, CreatesByProgrammaticIdentifierThroughDlopen)
{
    ASSERT_EQ(registerServer(), S_OK);
    ComPtr<IDispatch> counter = CreateObject("qvtest.COUNTER");
    ASSERT_TRUE(counter);
    EXPECT_EQ(GetProperty(counter.get(), "Caption").ToString(), "Counter");
    PutProperty(counter.get(), 1, Variant(250));
    EXPECT_EQ(GetProperty(counter.get(), "max").ToDouble(), 250);

    std::vector<std::string> events;
    std::uint32_t cookie = 0;
    ComPtr<IEventSource> source = counter.As<IEventSource>();
    ASSERT_TRUE(source);
    source->Advise(
        [&](const Event& e) {
            events.push_back(std::string(e.name) + " " + e.args.at(0).ToString());
        },
        &cookie);
    EXPECT_EQ(CallMethod(counter.get(), "Add", {Variant(2.5)}).ToDouble(), 2.5);
    EXPECT_EQ(events, std::vector<std::string>{"Changed 2.5"});

    ComPtr<IDispatch> byClass = CreateObject(kCounterText);
    EXPECT_TRUE(byClass);
    EXPECT_NE(byClass, counter) << "each creation makes a new object";
}

TEST_F(InProcessServer, CannotUnloadWhileAnObjectLivesOrTheServerIsLocked)
{
    ASSERT_EQ(registerServer(), S_OK);
    EXPECT_EQ(canUnloadNow(), S_OK);
    ComPtr<IUnknown> object = CreateObjectByClass(kCounter);
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    object.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(GetClassObject(kCounter, IClassFactory::iid, factory.put_void()), S_OK);
    factory->LockServer(true);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "a lock outlives the factory";
    ASSERT_EQ(GetClassObject(kCounter, IClassFactory::iid, factory.put_void()), S_OK);
    factory->LockServer(false);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(InProcessServer, ClassObjectExportAnswersInTheOneShape)
{
    void* out = reinterpret_cast<void*>(0x1);
    const Guid unknown = MakeGuid("{00000000-0000-0000-0000-0000000000FF}");
    EXPECT_EQ(getClassObject(&unknown, &IClassFactory::iid, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(getClassObject(&kCounter, &IClassFactory::iid, nullptr), E_POINTER);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getClassObject(&kCounter, &IClassFactory::iid, factory.put_void()), S_OK);
    ComPtr<IUnknown> outer = factory.As<IUnknown>();
    out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(factory->CreateInstance(outer.get(), IUnknown::iid, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IClassFactory::iid, &out), E_NOINTERFACE);
    EXPECT_EQ(factory->CreateInstance(nullptr, IDispatch::iid, &out), S_OK);
    static_cast<IDispatch*>(out)->Release();
}

TEST_F(InProcessServer, CreationFailuresRaise429NamingTheClass)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        const char* classOrProgId;
        std::vector<const char*> mentions;
    };
    const std::string lib = library;
    const Case cases[] = {
        {"nothing registered",
         [] {},
         "QvTest.Counter",
         {"class QvTest.Counter is not registered", "regsvr"}},
        {"unregistered class identifier",
         [] {},
         kCounterText,
         {kCounterText, "is not registered", "regsvr"}},
        {"library file gone",
         [] {
             Registry reg;
             reg.SetClass(
                 {kCounterText, "/nonexistent/libQvTest.so", "Counter", "QvTest.Counter", "", ""});
             reg.SetProgId({"QvTest.Counter", kCounterText});
             reg.Save();
         },
         "QvTest.Counter",
         {"QvTest.Counter", "/nonexistent/libQvTest.so", "regsvr"}},
        {"relative library path, though the loader would find it",
         [lib] {
             Registry reg;
             const std::string bare = std::filesystem::path(lib).filename().string();
             reg.SetClass({kCounterText, bare, "Counter", "QvTest.Counter", "", ""});
             reg.SetProgId({"QvTest.Counter", kCounterText});
             reg.Save();
         },
         "QvTest.Counter",
         {"QvTest.Counter", "is not absolute", "regsvr"}},
        {"progid names a class that is gone",
         [] {
             Registry reg;
             reg.SetProgId({"QvTest.Counter", kCounterText});
             reg.Save();
         },
         "QvTest.Counter",
         {"QvTest.Counter", "not registered"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(temp.path());
        c.prepare();
        try {
            CreateObject(c.classOrProgId);
            ADD_FAILURE() << "created";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), 429);
            EXPECT_EQ(e.description().rfind("ActiveX component can't create object", 0), 0u);
            for (const char* m : c.mentions)
                EXPECT_NE(e.description().find(m), std::string::npos) << e.description();
        }
    }
}

TEST_F(InProcessServer, RegistrationReportsARegistryItCannotWrite)
{
    const std::string blocker = temp.folder() + "/blocker";
    std::ofstream(blocker) << "a file where a folder should be";
    temp.Use(blocker + "/registry.txt");
    EXPECT_EQ(registerServer(), SELFREG_E_CLASS);
    EXPECT_NE(LastRegistrationError().find(blocker), std::string::npos) << LastRegistrationError();
}

} // namespace
