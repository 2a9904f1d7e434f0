#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <string>

#include "platform/com/server.h"
#include "tests/platform/com/temp_registry.h"
#include "tests/platform/forms/app.h"

// The built libKolvetra.so loaded with dlopen, as a host loads it, with its four exports and a
// temporary registry of its own.
class LoadedLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        formstest::App();
        char resolved[PATH_MAX];
        ASSERT_NE(::realpath(QV_KOLVETRA, resolved), nullptr);
        path = resolved;
        handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << ::dlerror();
        registerServer = Export<platform::com::DllRegisterServerFunction>("DllRegisterServer");
        unregisterServer =
            Export<platform::com::DllUnregisterServerFunction>("DllUnregisterServer");
        getClassObject = Export<platform::com::DllGetClassObjectFunction>("DllGetClassObject");
        canUnloadNow = Export<platform::com::DllCanUnloadNowFunction>("DllCanUnloadNow");
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

    TempRegistry temp;
    std::string path;
    void* handle = nullptr;
    platform::com::DllRegisterServerFunction registerServer = nullptr;
    platform::com::DllUnregisterServerFunction unregisterServer = nullptr;
    platform::com::DllGetClassObjectFunction getClassObject = nullptr;
    platform::com::DllCanUnloadNowFunction canUnloadNow = nullptr;
};
