// Linked into every test program that builds a window with progress displays: the windows
// create their bars through the component model, so the built library is registered into a
// registry file of this process's own before any test runs, as the program's set-up does.

#include "platform/com/server.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace {

class KolvetraRegistered : public ::testing::Environment {
public:
    void SetUp() override
    {
        char pattern[] = "/tmp/qv-kolvetra-XXXXXX";
        const char* folder = ::mkdtemp(pattern);
        ASSERT_NE(folder, nullptr);
        m_folder = folder;
        ::setenv("QV_REGISTRY_FILE", (m_folder + "/registry.txt").c_str(), 1);

        char resolved[PATH_MAX];
        ASSERT_NE(::realpath(QV_KOLVETRA, resolved), nullptr) << QV_KOLVETRA;
        void* library = ::dlopen(resolved, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << ::dlerror();
        auto registerServer = reinterpret_cast<platform::com::DllRegisterServerFunction>(
            ::dlsym(library, "DllRegisterServer"));
        ASSERT_NE(registerServer, nullptr);
        ASSERT_EQ(registerServer(), platform::com::S_OK);
    }

    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

private:
    std::string m_folder;
};

[[maybe_unused]] ::testing::Environment* const kRegistered =
    ::testing::AddGlobalTestEnvironment(new KolvetraRegistered);

} // namespace
