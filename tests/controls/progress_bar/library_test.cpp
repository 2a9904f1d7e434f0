// The built libKolvetra.so, loaded as a host loads it: its exports, its registration and
// its identity.

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "controls/progress_bar/identity.h"
#include "loaded_library.h"
#include "platform/com/com.h"
#include "platform/registry/registry.h"

namespace {

using namespace platform::com;
using platform::registry::ClassEntry;
using platform::registry::Registry;
using platform::registry::TypeLibEntry;

const std::string kBarClsid = kolvetra::kCLSID_ProgressBar.ToString();
const std::string kLibId = kolvetra::kLIBID_Kolvetra.ToString();

using Library = LoadedLibrary;

std::string Output(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    ::pclose(pipe);
    return out;
}

TEST_F(Library, ExportsOnlyTheFourServerFunctions)
{
    const std::string listing = Output("nm -D --defined-only '" + path + "'");
    ASSERT_FALSE(listing.empty());
    std::set<std::string> names;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string::npos)
            end = listing.size();
        const std::string line = listing.substr(start, end - start);
        const std::size_t lastSpace = line.rfind(' ');
        if (lastSpace != std::string::npos)
            names.insert(line.substr(lastSpace + 1));
        start = end + 1;
    }
    EXPECT_EQ(names, (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject",
                                            "DllRegisterServer", "DllUnregisterServer"}))
        << listing;
}

TEST_F(Library, RegistersItsTwoPublishedClassesAndRemovesThemAgain)
{
    Registry neighbours;
    neighbours.SetClass({"{11111111-2222-3333-4444-555555555555}", "/opt/other/libOther.so", "Dial",
                         "Other.Dial", "", ""});
    neighbours.SetProgId({"Other.Dial", "{11111111-2222-3333-4444-555555555555}"});
    neighbours.Save();

    ASSERT_EQ(registerServer(), S_OK) << LastRegistrationError();
    const Registry reg = Registry::Load();
    ASSERT_NE(reg.FindClass(kBarClsid), nullptr);
    EXPECT_EQ(*reg.FindClass(kBarClsid),
              (ClassEntry{kBarClsid, path, "ProgressBar", "Kolvetra.ProgressBar", kLibId,
                          "resource:30000"}));
    EXPECT_EQ(reg.ClassOfProgId("Kolvetra.ProgressBar"), kBarClsid);
    ASSERT_NE(reg.FindTypeLib(kLibId), nullptr);
    EXPECT_EQ(*reg.FindTypeLib(kLibId), (TypeLibEntry{kLibId, "Kolvetra", 12, 0, 0x409, path}));

    // Only ProgressBar and its page are published: the private controls have no entries.
    std::set<std::string> ours;
    for (const ClassEntry& c : reg.Classes()) {
        if (c.library == path)
            ours.insert(c.clsid);
    }
    EXPECT_EQ(ours, (std::set<std::string>{kBarClsid, kolvetra::kCLSID_PgbAllgemein.ToString()}));
    for (const char* hidden : {"Kolvetra.ProgressWheel", "Kolvetra.ProgressSlider",
                               "Kolvetra.ProgressCounter", "Kolvetra.PgbAllgemein"})
        EXPECT_FALSE(reg.ClassOfProgId(hidden)) << hidden;

    ASSERT_EQ(unregisterServer(), S_OK) << LastRegistrationError();
    EXPECT_EQ(Registry::Load(), neighbours);
}

TEST_F(Library, CreatesTheBarByProgrammaticIdentifier)
{
    ASSERT_EQ(registerServer(), S_OK);
    Guid clsid;
    ASSERT_EQ(ClsidFromProgId("Kolvetra.ProgressBar", &clsid), S_OK);
    EXPECT_EQ(clsid, MakeGuid("{2C124F7E-DBA8-11D8-BA1B-000000000000}"));

    ComPtr<IDispatch> bar = CreateObject("Kolvetra.ProgressBar");
    ASSERT_TRUE(bar);
    PutProperty(bar.get(), 0x68030006, Variant(250.0));
    PutProperty(bar.get(), 0x68030003, Variant(125.0));
    EXPECT_EQ(GetProperty(bar.get(), "Max").ToDouble(), 250.0);
    EXPECT_EQ(GetProperty(bar.get(), "value").ToDouble(), 125.0);

    void* defaultInterface = nullptr;
    ASSERT_EQ(bar->QueryInterface(kolvetra::kIID_ProgressBar, &defaultInterface), S_OK);
    static_cast<IUnknown*>(defaultInterface)->Release();
}

TEST_F(Library, CanUnloadOnlyWithNoObjectNoFactoryAndNoLock)
{
    EXPECT_EQ(canUnloadNow(), S_OK);
    void* raw = nullptr;
    ASSERT_EQ(getClassObject(&kolvetra::kCLSID_ProgressBar, &IClassFactory::iid, &raw), S_OK);
    ComPtr<IClassFactory> factory = ComPtr<IClassFactory>::Attach(static_cast<IClassFactory*>(raw));
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the factory is an object of the library";

    void* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IDispatch::iid, &object), S_OK);
    ComPtr<IDispatch> bar = ComPtr<IDispatch>::Attach(static_cast<IDispatch*>(object));
    factory->LockServer(true);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    bar.Reset();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "still locked";

    ASSERT_EQ(getClassObject(&kolvetra::kCLSID_ProgressBar, &IClassFactory::iid, &raw), S_OK);
    factory = ComPtr<IClassFactory>::Attach(static_cast<IClassFactory*>(raw));
    factory->LockServer(false);
    factory.Reset();
    EXPECT_EQ(canUnloadNow(), S_OK);

    constexpr Guid kUnknownClass = MakeGuid("{2C124F7D-DBA8-11D8-BA1B-000000000000}");
    raw = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(&kUnknownClass, &IClassFactory::iid, &raw), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(raw, nullptr);
}

TEST_F(Library, CarriesItsVersionBlockAndToolboxBitmap)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(bytes.find(std::string("FileVersion=1.0.0.11\0", 21)), std::string::npos);
    EXPECT_NE(bytes.find("OLESelfRegister"), std::string::npos);

    // Readable as a resource once the library is loaded.
    const QImage toolbox(kolvetra::kToolboxResourcePath);
    ASSERT_FALSE(toolbox.isNull());
    EXPECT_EQ(toolbox.size(), QSize(16, 15));
    EXPECT_EQ(toolbox.format(), QImage::Format_Indexed8);
}

} // namespace
