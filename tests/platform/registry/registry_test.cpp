#include "platform/registry/registry.h"

#include "platform/errors/run_time_error.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace {

using namespace platform::registry;
namespace fs = std::filesystem;

// Sets or clears environment variables for one test and puts them back afterwards.
class Environment {
public:
    void Set(const char* name, const char* value)
    {
        if (!m_saved.count(name)) {
            const char* old = std::getenv(name);
            m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~Environment()
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

class RegistryFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/qv-registry-test-XXXXXX";
        folder = ::mkdtemp(pattern);
        path = folder + "/sub/registry.txt";
    }
    void TearDown() override { fs::remove_all(folder); }

    static Registry Sample()
    {
        Registry reg;
        reg.SetClass({"{2C124F7E-DBA8-11D8-BA1B-000000000000}", "/opt/q/libKolvetra.so",
                      "ProgressBar", "Kolvetra.ProgressBar",
                      "{2C124F7C-DBA8-11D8-BA1B-000000000000}", "resource:30000"});
        reg.SetClass({"{AC358272-F241-4A42-87A8-5778928CD6C0}", "/opt/q/libKolvetra.so",
                      "PgbAllgemein", "", "{2C124F7C-DBA8-11D8-BA1B-000000000000}", ""});
        reg.SetProgId({"Kolvetra.ProgressBar", "{2C124F7E-DBA8-11D8-BA1B-000000000000}"});
        reg.SetTypeLib({"{2C124F7C-DBA8-11D8-BA1B-000000000000}", "Kolvetra", 12, 0, 0x409,
                        "/opt/q/libKolvetra.so"});
        return reg;
    }

    static std::string Read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string folder;
    std::string path;
};

TEST(RegistryPath, EnvironmentDecidesWhereTheFileIs)
{
    struct Case {
        const char* name;
        const char* file;
        const char* dataHome;
        const char* home;
        std::string expected;
    };
    const std::string own =
        std::string(::getpwuid(::getuid())->pw_dir) + "/.local/share/quorvel/registry.txt";
    const Case cases[] = {
        {"override wins", "/tmp/r.txt", "/data", "/home/u", "/tmp/r.txt"},
        {"empty override ignored", "", "/data", "/home/u", "/data/quorvel/registry.txt"},
        {"data home", nullptr, "/data", "/home/u", "/data/quorvel/registry.txt"},
        {"relative data home ignored", nullptr, "rel", "/home/u",
         "/home/u/.local/share/quorvel/registry.txt"},
        {"home fallback", nullptr, nullptr, "/home/u", "/home/u/.local/share/quorvel/registry.txt"},
        {"no HOME: the account's own home", nullptr, nullptr, nullptr, own},
        {"empty HOME: the account's own home", nullptr, "", "", own},
        {"relative HOME: the account's own home", nullptr, nullptr, "rel", own},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Environment env;
        env.Set("QV_REGISTRY_FILE", c.file);
        env.Set("XDG_DATA_HOME", c.dataHome);
        env.Set("HOME", c.home);
        EXPECT_EQ(Registry::DefaultPath(), c.expected);
    }
}

TEST_F(RegistryFile, SavedRegistryLoadsBackEqual)
{
    const Registry reg = Sample();
    reg.Save(path);
    EXPECT_EQ(Registry::Load(path), reg);
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        EXPECT_EQ(entry.path().filename(), "registry.txt") << "a temporary file was left";
}

TEST_F(RegistryFile, MissingFileIsAnEmptyRegistry)
{
    EXPECT_EQ(Registry::Load(path), Registry());
}

TEST_F(RegistryFile, LookupsIgnoreLetterCase)
{
    const Registry reg = Sample();
    ASSERT_NE(reg.FindClass("{2c124f7e-dba8-11d8-ba1b-000000000000}"), nullptr);
    EXPECT_EQ(reg.FindClass("{2c124f7e-dba8-11d8-ba1b-000000000000}")->displayName, "ProgressBar");
    EXPECT_EQ(reg.ClassOfProgId("KOLVETRA.progressbar"), "{2C124F7E-DBA8-11D8-BA1B-000000000000}");
    EXPECT_FALSE(reg.ClassOfProgId("Kolvetra.ProgressWheel").has_value());
    EXPECT_NE(reg.FindTypeLib("{2c124f7c-dba8-11d8-ba1b-000000000000}"), nullptr);
}

TEST_F(RegistryFile, SetReplacesInPlaceAndRemoveTakesOnlyItsEntry)
{
    Registry reg = Sample();
    ClassEntry moved = reg.Classes()[0];
    moved.clsid = "{2c124f7e-dba8-11d8-ba1b-000000000000}";
    moved.library = "/new/libKolvetra.so";
    reg.SetClass(moved);
    ASSERT_EQ(reg.Classes().size(), 2u);
    EXPECT_EQ(reg.Classes()[0].library, "/new/libKolvetra.so");

    EXPECT_TRUE(reg.RemoveClass("{AC358272-F241-4A42-87A8-5778928CD6C0}"));
    EXPECT_FALSE(reg.RemoveClass("{AC358272-F241-4A42-87A8-5778928CD6C0}"));
    EXPECT_EQ(reg.Classes().size(), 1u);
    EXPECT_EQ(reg.ProgIds().size(), 1u);
}

TEST_F(RegistryFile, UnknownLinesAreSkipped)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "# comment\r\n"
                           "garbage line\r\n"
                           "[Class {2C124F7E-DBA8-11D8-BA1B-000000000000}]\r\n"
                           "Library=/a/lib.so\r\n"
                           "Colour=blue\r\n"
                           "[Mystery thing]\r\n"
                           "Library=/not/this.so\r\n"
                           "[ProgId A.B]\r\n"
                           "Class={2C124F7E-DBA8-11D8-BA1B-000000000000}\r\n";
    Registry reg = Registry::Load(path);
    ASSERT_EQ(reg.Classes().size(), 1u);
    EXPECT_EQ(reg.Classes()[0].library, "/a/lib.so");
    EXPECT_EQ(reg.ClassOfProgId("A.B"), "{2C124F7E-DBA8-11D8-BA1B-000000000000}");
}

TEST_F(RegistryFile, FailedSaveLeavesTheOldFileAndNamesThePath)
{
    Sample().Save(path);
    const std::string before = Read(path);

    struct Case {
        const char* name;
        std::function<void()> save;
        int error;
    };
    const std::string blocked = folder + "/blocker/registry.txt";
    std::ofstream(folder + "/blocker") << "a file where a folder should be";
    const Case cases[] = {
        {"file where a folder should be", [&] { Sample().Save(blocked); }, 76},
        {"line break in a value",
         [&] {
             Registry reg = Sample();
             reg.SetProgId({"Bad\nName", "{X}"});
             reg.Save(path);
         },
         5},
        {"path is a folder", [&] { Sample().Save(folder + "/sub"); }, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.save();
            ADD_FAILURE() << "saved";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), c.error) << e.description();
        }
    }
    EXPECT_EQ(Read(path), before);
}

// The folder of the registry may hold entries the writer did not make; none of them may
// receive the new registry's bytes.
TEST_F(RegistryFile, SaveNeverWritesThroughAnEntryItDidNotMake)
{
    fs::create_directories(fs::path(path).parent_path());
    const std::string victim = folder + "/victim";
    std::ofstream(victim) << "precious";
    const std::string predictable = path + ".tmp" + std::to_string(::getpid());
    fs::create_symlink(victim, predictable);
    fs::create_symlink(victim, path + ".tmp");
    std::ofstream(predictable + ".XXXXXX") << "a stranger's file";

    Sample().Save(path);
    EXPECT_EQ(Registry::Load(path), Sample());
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_EQ(Read(predictable + ".XXXXXX"), "a stranger's file");
    EXPECT_TRUE(fs::is_symlink(predictable));
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(RegistryFile, UnreadableFileRaisesNamingThePath)
{
    fs::create_directories(path);
    try {
        Registry::Load(path);
        FAIL() << "loaded";
    } catch (const platform::RunTimeError& e) {
        EXPECT_NE(e.description().find(path), std::string::npos) << e.description();
    }
}

} // namespace
