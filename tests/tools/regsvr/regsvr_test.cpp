#include "platform/registry/registry.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

using platform::registry::Registry;
namespace fs = std::filesystem;

struct Outcome {
    int exitCode;
    std::string output; // stdout and stderr together
};

class Regsvr : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/qv-regsvr-test-XXXXXX";
        folder = ::mkdtemp(pattern);
        registry = folder + "/registry.txt";
    }
    void TearDown() override { fs::remove_all(folder); }

    Outcome Call(const std::string& arguments) const { return Call(arguments, registry); }

    static Outcome Call(const std::string& arguments, const std::string& registryFile)
    {
        return Run("QV_REGISTRY_FILE='" + registryFile + "' '" QV_REGSVR "' " + arguments +
                   " 2>&1");
    }

    // A shell command, its output and exit code.
    static Outcome Run(const std::string& command)
    {
        Outcome run{-1, ""};
        FILE* pipe = ::popen(command.c_str(), "r");
        std::array<char, 256> buf{};
        while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe))
            run.output.append(buf.data(), n);
        int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    std::string folder;
    std::string registry;
};

TEST_F(Regsvr, RegistersAndUnregistersALibrary)
{
    Outcome reg = Call("'" QV_TEST_SERVER "'");
    EXPECT_EQ(reg.exitCode, 0) << reg.output;
    const Registry after = Registry::Load(registry);
    ASSERT_NE(after.FindClass("{7D1C2B3A-0000-4000-8000-00000000AA02}"), nullptr);
    EXPECT_EQ(after.FindClass("{7D1C2B3A-0000-4000-8000-00000000AA02}")->library,
              fs::canonical(QV_TEST_SERVER).string());

    Outcome unreg = Call("-u '" QV_TEST_SERVER "'");
    EXPECT_EQ(unreg.exitCode, 0) << unreg.output;
    EXPECT_EQ(Registry::Load(registry), Registry());
}

TEST_F(Regsvr, RelativePathIsRegisteredAbsolute)
{
    const fs::path lib = fs::canonical(QV_TEST_SERVER);
    const std::string command = "cd '" + lib.parent_path().string() + "' && QV_REGISTRY_FILE='" +
                                registry + "' '" QV_REGSVR "' " + lib.filename().string() +
                                " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const Registry after = Registry::Load(registry);
    ASSERT_EQ(after.Classes().size(), 1u);
    EXPECT_EQ(after.Classes()[0].library, lib.string());
}

TEST_F(Regsvr, FailuresSayWhatWentWrongAndExitNonZero)
{
    const std::string notLibrary = folder + "/notes.so";
    std::ofstream(notLibrary) << "not a library";
    const std::string blocker = folder + "/blocker";
    std::ofstream(blocker) << "x";
    const std::string plainLibrary =
        (fs::path(QV_TEST_SERVER).parent_path() / "libplatform_registry.so").string();
    struct Case {
        const char* name;
        std::string arguments;
        int exitCode;
        std::string mention;
    };
    const Case cases[] = {
        {"no argument", "", 2, "usage: regsvr"},
        {"unknown option", "-x lib.so", 2, "usage: regsvr"},
        {"missing file", "'" + folder + "/nothing.so'", 1, "cannot find"},
        {"not a library", "'" + notLibrary + "'", 1, "cannot load"},
        {"library without the exports", "'" + plainLibrary + "'", 1,
         "has no DllRegisterServer export"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Outcome run = Call(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
        EXPECT_NE(run.output.find(c.mention), std::string::npos) << run.output;
    }
    EXPECT_FALSE(fs::exists(registry));

    // A registry that cannot be written: DllRegisterServer fails and regsvr says why.
    Outcome run = Call("'" QV_TEST_SERVER "'", blocker + "/registry.txt");
    EXPECT_EQ(run.exitCode, 1);
    const std::string& output = run.output;
    EXPECT_NE(output.find("SELFREG_E_CLASS"), std::string::npos) << output;
    EXPECT_NE(output.find(blocker), std::string::npos) << output;
}

// Without HOME the registry is the one in the account database's home of the user, and a
// user the database does not know has none: regsvr says so and never writes a shared folder.
TEST_F(Regsvr, WithoutHomeOnlyTheAccountsOwnHomeIsUsed)
{
    struct Case {
        const char* name;
        const char* user; // a uid for setpriv
        const char* home; // HOME for the run, nullptr to unset it
        std::string mention;
    };
    const struct passwd* nobody = ::getpwuid(65534);
    ASSERT_NE(nobody, nullptr);
    const std::string nobodyHome = nobody->pw_dir;
    const Case cases[] = {
        {"HOME unset, account known", "65534", nullptr, nobodyHome + "/.local/share/quorvel"},
        {"HOME empty, account known", "65534", "", nobodyHome + "/.local/share/quorvel"},
        {"HOME relative, account known", "65534", "rel", nobodyHome + "/.local/share/quorvel"},
        {"HOME unset, no account", "54321", nullptr, "Cannot find a registry file"},
    };
    ASSERT_EQ(::getpwuid(54321), nullptr) << "the test needs a uid without an account";
    // The run starts in a folder of its own, so a relative path would land there.
    ::chmod(folder.c_str(), 0777);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string env = "env -u QV_REGISTRY_FILE -u XDG_DATA_HOME ";
        env += c.home ? std::string("HOME='") + c.home + "' " : std::string("-u HOME ");
        const std::string command = "cd '" + folder + "' && " + env + "setpriv --reuid=" + c.user +
                                    " --regid=" + c.user +
                                    " --clear-groups '" QV_REGSVR "' '" QV_TEST_SERVER "' 2>&1";
        const Outcome run = Run(command);
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_NE(run.output.find(c.mention), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find("/tmp/quorvel"), std::string::npos) << run.output;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 0);
    }
}

} // namespace
