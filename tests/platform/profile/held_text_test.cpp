// Whole-file writes inside a write batch are held like the INI writes and committed with
// them: the same bytes as writing at once, seen by every access in between, and durable
// before any of them takes its target's place.
#include "platform/errors/run_time_error.h"
#include "platform/files/fault_injection.h"
#include "platform/files/files.h"
#include "platform/profile/profile.h"
#include "tests/support/action.h"
#include "tests/support/error_of.h"
#include "tests/support/other_user.h"
#include "tests/support/path_in.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::RunTimeError;
using platform::files::Path;
using DiskStep = platform::files::fault::Step;
using testing_support::Below;
using testing_support::In;
using testing_support::TempFolder;
namespace files = platform::files;
namespace profile = platform::profile;

using Tree = std::map<std::string, std::string>;

Tree TreeOf(const TempFolder& folder)
{
    namespace fs = std::filesystem;
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const std::string rel = fs::relative(entry.path(), folder.path()).string();
        tree[rel] = entry.is_regular_file() ? folder.Get(rel) : "<folder>";
    }
    return tree;
}

// One step of a handler: a whole-file write (`section` null) or an INI write.
struct Step {
    const char* file;
    const char* text; // the content, or the value of the INI write
    const char* section = nullptr;
    const char* key = nullptr;
};

void Plant(const TempFolder& folder)
{
    std::filesystem::create_directories(folder / "lists");
    folder.Put("lists/old.txt", "old\r\n");
    folder.Put("reg.ini", "[a]\r\nx=1\r\n");
}

// Runs `steps` on a fresh fixture, as one handler when `batched`; a step that raises ends
// the run as it ends a handler. What the files hold after the handler, and the error.
struct Outcome {
    Tree files;
    int error = 0;
};
Outcome RunSteps(const std::vector<Step>& steps, bool batched)
{
    TempFolder folder;
    Plant(folder);
    Outcome run;
    if (batched)
        files::BeginAction();
    try {
        for (const Step& s : steps) {
            if (!s.section)
                files::WriteFile(In(folder, s.file), s.text);
            else if (!profile::WritePrivateProfileString(s.section, s.key, s.text,
                                                         In(folder, s.file)))
                throw RunTimeError(5);
        }
    } catch (const RunTimeError& e) {
        run.error = e.number();
    }
    if (batched) {
        EXPECT_TRUE(testing_support::EndedWhole());
    }
    run.files = TreeOf(folder);
    return run;
}

const std::vector<Step> kImport = {
    {"lists/k1.txt", "ship1\r\n"},
    {"reg.ini", "k1", "a", "k1"},
    {"lists/old.txt", "replaced\r\n"},
    {"rep_k1.txt", "[k2]\r\nrep=0.5\r\n"},
    {"LISTS/K1.TXT", "ship1\r\nship2\r\n"}, // the same file again: the last content wins
    {"rep_k1.txt", "[rep]\r\nx=1\r\n"},
    {"rep_k1.txt", "0.7", "rep", "x"}, // an INI write on a held text builds on it
    {"lists/empty.txt", ""},
};

TEST(HeldText, GivesTheBytesOfWritingAtOnce)
{
    const Outcome atOnce = RunSteps(kImport, false);
    const Outcome held = RunSteps(kImport, true);
    EXPECT_EQ(atOnce.error, 0);
    EXPECT_EQ(held.files, atOnce.files);
    EXPECT_EQ(atOnce.files.at("lists/k1.txt"), "ship1\r\nship2\r\n");
    EXPECT_EQ(atOnce.files.at("rep_k1.txt"), "[rep]\r\nx=0.7\r\n");
}

TEST(HeldText, AFailurePartWayLeavesWhatWritingAtOnceLeaves)
{
    const std::string longName = "lists/" + std::string(300, 'n') + ".txt";
    struct Case {
        const char* name;
        Step failing;
        int error;
    };
    const Case cases[] = {
        {"folder missing", {"gone/k.txt", "x"}, 76},
        {"name too long", {longName.c_str(), "x"}, 52},
        {"a folder where the file should be", {"lists", "x"}, 75},
        {"a file where the folder should be", {"reg.ini/k.txt", "x"}, 76},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Step> steps(kImport.begin(), kImport.begin() + 5);
        steps.push_back(c.failing);
        steps.push_back({"lists/after.txt", "never"});
        const Outcome atOnce = RunSteps(steps, false);
        const Outcome held = RunSteps(steps, true);
        EXPECT_EQ(atOnce.error, c.error);
        EXPECT_EQ(held.error, atOnce.error);
        EXPECT_EQ(held.files, atOnce.files);
        EXPECT_EQ(held.files.count("lists/after.txt"), 0u);
    }
}

class HeldTextFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        Plant(m_tmp);
        m_before = TreeOf(m_tmp);
        files::BeginAction();
        files::WriteFile(In(m_tmp, "lists/new.txt"), kNew);
        files::WriteFile(In(m_tmp, "lists/old.txt"), kOld);
        ASSERT_EQ(TreeOf(m_tmp), m_before) << "held, not written";
    }
    void TearDown() override
    {
        if (m_open)
            testing_support::EndedWhole();
    }
    void End()
    {
        m_open = false;
        EXPECT_TRUE(testing_support::EndedWhole());
    }

    static constexpr const char* kNew = "new\r\n";
    static constexpr const char* kOld = "[a]\r\nx=2\r\n";
    TempFolder m_tmp;
    Tree m_before;
    bool m_open = true;
};

TEST(HeldText, EveryAccessOfTheFileSeesIt)
{
    struct Case {
        const char* name;
        std::function<void(TempFolder&)> access;
    };
    const Case cases[] = {
        {"read",
         [](TempFolder& t) {
             EXPECT_EQ(files::ReadFile(In(t, "Lists/New.txt")), "[a]\r\nx=2\r\n");
         }},
        {"exists", [](TempFolder& t) { EXPECT_TRUE(files::FileExists(In(t, "lists/new.txt"))); }},
        {"listing",
         [](TempFolder& t) {
             EXPECT_EQ(files::ListFiles(In(t, "lists")),
                       (std::vector<std::string>{"new.txt", "old.txt"}));
         }},
        {"version",
         [](TempFolder& t) {
             EXPECT_TRUE(files::VersionOf(In(t, "lists/new.txt")).exists);
             const files::FileVersion held = files::VersionOf(In(t, "lists/new.txt"));
             files::WriteFile(In(t, "lists/new.txt"), "[a]\r\nx=3\r\n");
             EXPECT_FALSE(files::WriteFileIfUnchanged(In(t, "lists/new.txt"), "v\r\n", held))
                 << "a held change is a new version";
             EXPECT_TRUE(files::WriteFileIfUnchanged(In(t, "lists/new.txt"), "v\r\n",
                                                     files::VersionOf(In(t, "lists/new.txt"))));
             EXPECT_EQ(files::ReadFile(In(t, "lists/new.txt")), "v\r\n");
         }},
        {"append",
         [](TempFolder& t) {
             files::AppendFile(In(t, "lists/new.txt"), "more\r\n");
             EXPECT_EQ(files::ReadFile(In(t, "lists/new.txt")), "[a]\r\nx=2\r\nmore\r\n");
         }},
        {"ini read",
         [](TempFolder& t) {
             EXPECT_EQ(profile::FindProfileValue("A", "X", In(t, "lists/new.txt")), "2");
         }},
        {"delete",
         [](TempFolder& t) {
             files::DeleteFile(In(t, "lists/new.txt"));
             EXPECT_FALSE(files::FileExists(In(t, "lists/new.txt")));
             EXPECT_EQ(files::ListFiles(In(t, "lists")), (std::vector<std::string>{"old.txt"}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder tmp;
        Plant(tmp);
        files::BeginAction();
        files::WriteFile(In(tmp, "lists/new.txt"), "[a]\r\nx=2\r\n");
        files::WriteFile(In(tmp, "lists/old.txt"), "held\r\n");
        ASSERT_FALSE(tmp.Exists("lists/new.txt"));
        c.access(tmp);
        const bool there = files::FileExists(In(tmp, "lists/new.txt"));
        const std::string seen = there ? files::ReadFile(In(tmp, "lists/new.txt")) : "";
        EXPECT_FALSE(tmp.Exists("lists/new.txt")) << "an access writes nothing early";
        EXPECT_TRUE(testing_support::EndedWhole());
        EXPECT_EQ(tmp.Exists("lists/new.txt"), there) << "the disk gets what the action saw";
        EXPECT_EQ(tmp.Get("lists/new.txt"), seen);
        EXPECT_EQ(tmp.Get("lists/old.txt"), "held\r\n");
    }
}

TEST_F(HeldTextFile, NothingHeldOutlivesTheBatch)
{
    End();
    EXPECT_EQ(m_tmp.Get("lists/new.txt"), kNew);
    EXPECT_EQ(m_tmp.Get("lists/old.txt"), kOld);
    files::WriteFile(In(m_tmp, "lists/new.txt"), "after\r\n");
    EXPECT_EQ(m_tmp.Get("lists/new.txt"), "after\r\n") << "outside a batch a write is at once";
    files::BeginAction();
    EXPECT_TRUE(testing_support::EndedWhole());
    EXPECT_EQ(m_tmp.Get("lists/new.txt"), "after\r\n") << "no earlier content comes back";
}

TEST_F(HeldTextFile, ANewFileMadeByAnotherProgramMeanwhileIsKept)
{
    platform::files::fault::SetStepWatcher([this](DiskStep step, const std::string&) {
        if (step == DiskStep::FlushFolder && !m_tmp.Exists("lists/new.txt"))
            m_tmp.Put("lists/new.txt", "theirs\r\n");
    });
    m_open = false;
    std::string description;
    EXPECT_EQ(testing_support::EndActionError(&description), 58)
        << "the write that could not be made is reported";
    platform::files::fault::Reset();
    EXPECT_NE(description.find(m_tmp / "lists/new.txt"), std::string::npos) << description;
    EXPECT_EQ(m_tmp.Get("lists/new.txt"), "theirs\r\n");
    EXPECT_EQ(m_tmp.Get("lists/old.txt"), "old\r\n") << "nothing of the action lands";
    EXPECT_EQ(TreeOf(m_tmp).size(), 4u) << "no temporary file is left: " << TreeOf(m_tmp).size();
}

// Every new content reaches the disk before the intent record is closed, and the record
// before the first rename; a write outside an action flushes its own file first and needs
// no record.
TEST(HeldText, EveryContentIsOnDiskBeforeAnyRename)
{
    TempFolder tmp;
    Plant(tmp);
    std::vector<std::pair<DiskStep, std::string>> steps;
    platform::files::fault::SetStepWatcher(
        [&](DiskStep step, const std::string& native) { steps.emplace_back(step, native); });

    files::WriteFile(In(tmp, "lists/one.txt"), "1\r\n");
    const std::vector<DiskStep> single = {DiskStep::WriteTemporary, DiskStep::FlushTemporary,
                                          DiskStep::Rename, DiskStep::FlushFolder};
    std::vector<DiskStep> kinds;
    for (const auto& [step, native] : steps)
        kinds.push_back(step);
    EXPECT_EQ(kinds, single);
    steps.clear();

    files::BeginAction();
    files::WriteFile(In(tmp, "lists/a.txt"), "a\r\n");
    files::WriteFile(In(tmp, "lists/b.txt"), "b\r\n");
    ASSERT_TRUE(profile::WritePrivateProfileString("a", "x", "2", In(tmp, "reg.ini")));
    files::WriteFile(In(tmp, "c.txt"), "c\r\n");
    EXPECT_TRUE(steps.empty()) << "nothing reaches the disk while held";
    EXPECT_TRUE(testing_support::EndedWhole());
    platform::files::fault::Reset();

    const auto first = [&](DiskStep kind) {
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (steps[i].first == kind)
                return i;
        return steps.size();
    };
    const auto last = [&](DiskStep kind) {
        std::size_t at = steps.size();
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (steps[i].first == kind)
                at = i;
        return at;
    };
    int renames = 0;
    for (const auto& [step, native] : steps)
        renames += step == DiskStep::Rename;
    EXPECT_EQ(renames, 4);
    EXPECT_EQ(first(DiskStep::WriteRecord), 0u) << "the list of what to undo comes first";
    EXPECT_LT(last(DiskStep::FlushTemporary), last(DiskStep::WriteRecord));
    EXPECT_LT(last(DiskStep::WriteRecord), first(DiskStep::Rename));
    EXPECT_LT(first(DiskStep::FlushRecord), first(DiskStep::Rename));
    EXPECT_LT(last(DiskStep::Rename), last(DiskStep::FlushFolder));
    EXPECT_EQ(steps.back().first, DiskStep::RemoveRecord);
    EXPECT_EQ(tmp.Get("lists/b.txt"), "b\r\n");
    EXPECT_EQ(tmp.Get("reg.ini"), "[a]\r\nx=2\r\n");
    EXPECT_EQ(TreeOf(tmp).size(), 7u) << "no record or temporary file is left";
}

// Root may write anything, so these run in a child as an unprivileged user, each in a folder
// that writes at once and one that holds, and the parent compares what both left.
struct PermissionCase {
    const char* name;
    const char* target;
    int error;
};
const PermissionCase kPermissionCases[] = {
    {"read-only file", "ro.txt", 70},
    {"new file in a read-only folder", "locked/new.txt", 70},
    {"writable file in a read-only folder", "locked/w.txt", 0},
};

void PlantPermissionCase(const std::string& root)
{
    std::filesystem::create_directories(root + "/locked");
    for (const char* file : {"/ok.txt", "/ro.txt", "/locked/w.txt"}) {
        std::ofstream(root + file, std::ios::binary) << "old\r\n";
        ::chmod((root + file).c_str(), 0666);
    }
    ::chmod((root + "/ro.txt").c_str(), 0444);
    ::chmod(root.c_str(), 0777);
    ::chmod((root + "/locked").c_str(), 0555);
}

TEST(HeldText, APermissionFailureComesAtTheCallAsWritingAtOnce)
{
    const char* base = std::getenv("QV_HELD_PERMISSION_FOLDER");
    if (base) {
        for (const PermissionCase& c : kPermissionCases) {
            SCOPED_TRACE(c.name);
            for (const bool held : {false, true}) {
                const Path root =
                    Path::Native(std::string(base) + "/" + c.name + (held ? "-held" : "-once"));
                if (held)
                    files::BeginAction();
                files::WriteFile(root / "ok.txt", "new\r\n");
                EXPECT_EQ(testing_support::ErrorOf(
                              [&] { files::WriteFile(Below(root, c.target), "x\r\n"); }),
                          c.error);
                if (held) {
                    EXPECT_TRUE(testing_support::EndedWhole());
                }
            }
        }
        return;
    }
    TempFolder tmp;
    ::chmod(tmp.path().c_str(), 0777);
    for (const PermissionCase& c : kPermissionCases) {
        PlantPermissionCase(tmp / (std::string(c.name) + "-once"));
        PlantPermissionCase(tmp / (std::string(c.name) + "-held"));
    }
    EXPECT_EQ(testing_support::RunTestAsOtherUser(
                  "HeldText.APermissionFailureComesAtTheCallAsWritingAtOnce",
                  {{"QV_HELD_PERMISSION_FOLDER", tmp.path()}}),
              0);
    for (const PermissionCase& c : kPermissionCases) {
        SCOPED_TRACE(c.name);
        const std::string once = tmp / (std::string(c.name) + "-once");
        const std::string held = tmp / (std::string(c.name) + "-held");
        for (const char* file : {"/ok.txt", "/ro.txt", "/locked/w.txt", "/locked/new.txt"}) {
            SCOPED_TRACE(file);
            EXPECT_EQ(tmp.Exists(held.substr(tmp.path().size() + 1) + file),
                      tmp.Exists(once.substr(tmp.path().size() + 1) + file));
            EXPECT_EQ(tmp.Get(held.substr(tmp.path().size() + 1) + file),
                      tmp.Get(once.substr(tmp.path().size() + 1) + file));
        }
        EXPECT_EQ(tmp.Get(std::string(c.name) + "-held/ok.txt"), "new\r\n") << "the child ran";
        ::chmod((held + "/locked").c_str(), 0755);
        ::chmod((once + "/locked").c_str(), 0755);
    }
}

} // namespace
