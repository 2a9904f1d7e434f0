#include "platform/registry/registry.h"
#include "tests/support/temp_folder.h"

#include <array>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

using platform::registry::Registry;
using testing_support::TempFolder;

struct Outcome {
    bool exited = false; // false when a signal ended it
    int status = -1;     // exit status, or the signal's number
    std::string output;  // standard output and error together
};

Outcome Run(const std::string& command)
{
    Outcome run;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    std::array<char, 256> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe))
        run.output.append(buf.data(), n);
    const int status = ::pclose(pipe);
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return run;
}

// The program as a user starts it, offscreen, with its registry in `registry`. A program
// that got past the failure would wait for its window to close: the timeout ends it.
Outcome RunProgram(const std::string& registry, const std::string& asUser = "")
{
    std::string command = "QT_QPA_PLATFORM=offscreen QV_REGISTRY_FILE='" + registry + "' ";
    if (!asUser.empty())
        command += "setpriv --reuid=" + asUser + " --regid=" + asUser + " --clear-groups ";
    // The exec keeps the program's own status: a signal shows as 128 + its number.
    return Run(command + "timeout -s KILL 60 '" QV_QUORVEL "'");
}

// Kolvetra registered into `registry`, its library path then replaced by `library`.
void RegisterKolvetraAs(const std::string& registry, const std::string& library)
{
    ASSERT_EQ(std::system(("QV_REGISTRY_FILE='" + registry +
                           "' '" QV_REGSVR "' '" QV_KOLVETRA "' >/dev/null 2>&1")
                              .c_str()),
              0);
    Registry reg = Registry::Load(registry);
    ASSERT_FALSE(reg.Classes().empty());
    for (auto entry : reg.Classes()) {
        entry.library = library;
        reg.SetClass(entry);
    }
    reg.Save(registry);
}

// The class of the main window's progress displays, as its stored layout names it.
const std::string kBarClass = "{2C124F7E-DBA8-11D8-BA1B-000000000000}";

// Every way the registry can fail the main window's progress displays: the program shows
// why in its message box (on standard error offscreen) and ends with status 1, never by a
// signal.
TEST(StartUp, AFailedLoadIsShownAndEndsTheProgramCleanly)
{
    struct Case {
        const char* name;
        std::function<std::string(const TempFolder&)> prepare; // gives the registry path
        std::vector<std::string> mentions;
        const char* user = ""; // runs as this uid when given
    };
    const Case cases[] = {
        {"no registry file",
         [](const TempFolder& tmp) { return tmp / "registry.txt"; },
         {"Run-time error '429'", kBarClass, "not registered", "regsvr"}},
        {"empty registry file",
         [](const TempFolder& tmp) {
             tmp.Put("registry.txt", "");
             return tmp / "registry.txt";
         },
         {"Run-time error '429'", kBarClass, "not registered", "regsvr"}},
        {"registry file is a folder",
         [](const TempFolder& tmp) {
             tmp.MakeFolder("registry.txt");
             return tmp / "registry.txt";
         },
         {"Run-time error '429'", kBarClass, "registry.txt"}},
        {"registry file unreadable",
         [](const TempFolder& tmp) {
             RegisterKolvetraAs(tmp / "registry.txt", QV_KOLVETRA);
             ::chmod(tmp.path().c_str(), 0777);
             ::chmod((tmp / "registry.txt").c_str(), 0);
             return tmp / "registry.txt";
         },
         {"Run-time error '429'", kBarClass, "registry.txt"},
         "65534"},
        {"library missing",
         [](const TempFolder& tmp) {
             RegisterKolvetraAs(tmp / "registry.txt", tmp / "gone/libKolvetra.so");
             return tmp / "registry.txt";
         },
         {"Run-time error '429'", kBarClass, "gone/libKolvetra.so", "regsvr"}},
        {"library is no library",
         [](const TempFolder& tmp) {
             tmp.Put("libKolvetra.so", "not a library");
             RegisterKolvetraAs(tmp / "registry.txt", tmp / "libKolvetra.so");
             return tmp / "registry.txt";
         },
         {"Run-time error '429'", kBarClass, "libKolvetra.so", "could not be loaded", "regsvr"}},
        {"library lacks the exports",
         [](const TempFolder& tmp) {
             RegisterKolvetraAs(tmp / "registry.txt", QV_PLAIN_LIBRARY);
             return tmp / "registry.txt";
         },
         {"Run-time error '429'", kBarClass, "has no DllGetClassObject", "regsvr"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder tmp;
        const std::string registry = c.prepare(tmp);
        const Outcome run = RunProgram(registry, c.user);
        EXPECT_TRUE(run.exited) << "ended by signal " << run.status << "\n" << run.output;
        EXPECT_EQ(run.status, 1) << run.output;
        for (const std::string& m : c.mentions)
            EXPECT_NE(run.output.find(m), std::string::npos) << m << "\n" << run.output;
        EXPECT_EQ(run.output.find("terminate"), std::string::npos) << run.output;
    }
}

} // namespace
