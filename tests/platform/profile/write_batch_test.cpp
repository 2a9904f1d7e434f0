// The writes of a batch reach each file once, as the bytes writing them one by one gives,
// and every read in between sees them.
#include "platform/errors/run_time_error.h"
#include "platform/files/fault_injection.h"
#include "platform/files/files.h"
#include "platform/profile/profile.h"
#include "tests/support/action.h"
#include "tests/support/other_user.h"
#include "tests/support/path_in.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::files::Path;
using testing_support::In;
using testing_support::TempFolder;
namespace files = platform::files;
namespace profile = platform::profile;

struct Write {
    const char* file; // inside the folder of the run
    const char* section;
    const char* key;
    const char* value;
};

// Files of the fixture, by their path inside the folder of a run.
using Tree = std::map<std::string, std::string>;

const Tree kFixture = {
    {"a.ini", "; head\r\n[One]\r\nx = 1\r\n\r\n[Two]\nlast=2"},
    {"sub/b.ini", "[s]\r\nk=1\r\n[S]\r\nk=2\r\n"},
    {"sub/deeper/.keep", ""},
};

Tree TreeOf(const TempFolder& folder)
{
    namespace fs = std::filesystem;
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        if (entry.is_regular_file()) {
            const std::string rel = fs::relative(entry.path(), folder.path()).string();
            tree[rel] = folder.Get(rel);
        }
    }
    return tree;
}

void Plant(const TempFolder& folder, const Tree& tree)
{
    for (const auto& [rel, bytes] : tree) {
        std::filesystem::create_directories(std::filesystem::path(folder / rel).parent_path());
        folder.Put(rel, bytes);
    }
}

// Runs the writes into a fresh copy of the fixture and returns what the files hold then,
// and whether each write succeeded. A failed write ends the run, as it ends a handler.
struct Outcome {
    Tree files;
    std::vector<bool> results;
};
Outcome RunWrites(const std::vector<Write>& writes, bool batched,
                  const std::function<void(const TempFolder&)>& prepare = {})
{
    TempFolder folder;
    Plant(folder, kFixture);
    if (prepare)
        prepare(folder);
    Outcome run;
    if (batched)
        files::BeginAction();
    for (const Write& w : writes) {
        run.results.push_back(
            profile::WritePrivateProfileString(w.section, w.key, w.value, In(folder, w.file)));
        if (!run.results.back())
            break;
    }
    if (batched) {
        EXPECT_TRUE(testing_support::EndedWhole());
    }
    run.files = TreeOf(folder);
    return run;
}

const std::vector<Write> kWrites = {
    {"a.ini", "one", "x", "10"},    {"a.ini", "two", "new", "n"},
    {"sub/b.ini", "S", "K", "3"},   {"SUB/new.ini", "fresh", "a", "1"},
    {"a.ini", "Three", "t", " 3 "}, {"sub/NEW.ini", "fresh", "b", "2"},
    {"A.INI", "two", "last", "22"}, {"a.ini", "one", "y", "11"},
    {"sub/b.ini", "t", "u", "v"},   {"a.ini", "two", "new", "again"},
};

TEST(WriteBatch, GivesTheBytesOfWritingOneByOne)
{
    const Outcome oneByOne = RunWrites(kWrites, false);
    const Outcome batched = RunWrites(kWrites, true);
    EXPECT_EQ(batched.results, oneByOne.results);
    EXPECT_EQ(batched.files, oneByOne.files);
    EXPECT_EQ(oneByOne.files.count("sub/new.ini"), 1u) << "the fixture makes a file";
}

TEST(WriteBatch, WritesEachFileOnceWhenTheOutermostBatchEnds)
{
    TempFolder folder;
    Plant(folder, kFixture);
    std::map<std::string, int> replaced;
    files::fault::SetStepWatcher([&](files::fault::Step step, const std::string& native) {
        if (step == files::fault::Step::Rename)
            ++replaced[native];
    });
    files::BeginAction();
    files::BeginAction(); // a handler inside the handler
    for (const Write& w : kWrites)
        ASSERT_TRUE(
            profile::WritePrivateProfileString(w.section, w.key, w.value, In(folder, w.file)));
    EXPECT_TRUE(testing_support::EndedWhole());
    EXPECT_EQ(TreeOf(folder), kFixture) << "nothing written before the outermost end";
    EXPECT_EQ(profile::FindProfileValue("two", "new", In(folder, "a.ini")), "again");
    EXPECT_EQ(profile::FindProfileValue("FRESH", "B", In(folder, "sub/new.ini")), "2");
    EXPECT_TRUE(testing_support::EndedWhole());
    files::fault::Reset();
    EXPECT_EQ(replaced,
              (std::map<std::string, int>{
                  {folder / "a.ini", 1}, {folder / "sub/b.ini", 1}, {folder / "sub/new.ini", 1}}));
    EXPECT_EQ(profile::FindProfileValue("fresh", "a", In(folder, "sub/new.ini")), "1");
}

TEST(WriteBatch, AFailedWriteLeavesWhatWritingOneByOneLeaves)
{
    static const std::string kLongName = "sub/" + std::string(300, 'n') + ".ini";
    struct Case {
        const char* name;
        Write failing;
        std::function<void(const TempFolder&)> prepare;
    };
    const Case cases[] = {
        {"folder missing", {"gone/c.ini", "s", "k", "v"}, {}},
        {"a folder where the file should be", {"sub/deeper", "s", "k", "v"}, {}},
        {"a file where the folder should be", {"a.ini/c.ini", "s", "k", "v"}, {}},
        {"name with a line break", {"a.ini", "one", "bad\rkey", "v"}, {}},
        {"new file name too long", {kLongName.c_str(), "s", "k", "v"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Write> writes(kWrites.begin(), kWrites.begin() + 5);
        writes.push_back(c.failing);
        writes.push_back({"a.ini", "one", "after", "never"});
        const Outcome oneByOne = RunWrites(writes, false, c.prepare);
        const Outcome batched = RunWrites(writes, true, c.prepare);
        EXPECT_EQ(oneByOne.results, (std::vector<bool>{true, true, true, true, true, false}));
        EXPECT_EQ(batched.results, oneByOne.results);
        EXPECT_EQ(batched.files, oneByOne.files);
    }
}

class HeldFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        Plant(m_tmp, kFixture);
        files::BeginAction();
        ASSERT_TRUE(profile::WritePrivateProfileString("one", "x", "10", In(m_tmp, "a.ini")));
        ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "v", In(m_tmp, "sub/new.ini")));
        ASSERT_EQ(TreeOf(m_tmp), kFixture);
    }
    void TearDown() override { testing_support::EndedWhole(); }

    static constexpr const char* kA = "; head\r\n[One]\r\nx=10\r\n\r\n[Two]\nlast=2";
    static constexpr const char* kNew = "[s]\r\nk=v\r\n";
    TempFolder m_tmp;
};

TEST_F(HeldFile, ATextReadSeesItWithoutWritingItEarly)
{
    EXPECT_EQ(files::ReadFile(In(m_tmp, "A.ini")), kA);
    EXPECT_TRUE(files::FileExists(In(m_tmp, "sub/New.ini")));
    EXPECT_EQ(files::ReadFile(In(m_tmp, "sub/New.ini")), kNew);
    EXPECT_EQ(TreeOf(m_tmp), kFixture) << "nothing is written before the action ends";
    EXPECT_TRUE(testing_support::EndedWhole());
    EXPECT_EQ(m_tmp.Get("a.ini"), kA);
    EXPECT_EQ(m_tmp.Get("sub/new.ini"), kNew);
    files::BeginAction(); // for TearDown
}

TEST_F(HeldFile, AFolderListingShowsANewHeldFile)
{
    EXPECT_EQ(files::ListFiles(In(m_tmp, "Sub")), (std::vector<std::string>{"b.ini", "new.ini"}));
}

TEST_F(HeldFile, ATextWriteOrAppendBuildsOnItAndLaterWritesOnThat)
{
    files::AppendFile(In(m_tmp, "a.ini"), "\r\n[Four]\r\n");
    ASSERT_TRUE(profile::WritePrivateProfileString("four", "f", "4", In(m_tmp, "a.ini")));
    files::WriteFile(In(m_tmp, "sub/new.ini"), "[t]\r\n");
    ASSERT_TRUE(profile::WritePrivateProfileString("t", "z", "1", In(m_tmp, "sub/new.ini")));
    EXPECT_EQ(profile::FindProfileValue("s", "k", In(m_tmp, "sub/new.ini")), std::nullopt);
    EXPECT_TRUE(testing_support::EndedWhole());
    EXPECT_EQ(m_tmp.Get("a.ini"), std::string(kA) + "\r\n[Four]\r\nf=4\r\n");
    EXPECT_EQ(m_tmp.Get("sub/new.ini"), "[t]\r\nz=1\r\n");
    files::BeginAction(); // for TearDown
}

TEST_F(HeldFile, ADeleteIsNotUndoneByTheEnd)
{
    files::DeleteFile(In(m_tmp, "a.ini"));
    files::DeleteFolderTree(In(m_tmp, "sub"));
    EXPECT_TRUE(testing_support::EndedWhole());
    EXPECT_EQ(TreeOf(m_tmp), Tree{});
    files::BeginAction();
}

TEST_F(HeldFile, SuspendingWritesWhatIsHeld)
{
    files::SuspendAction();
    EXPECT_EQ(m_tmp.Get("a.ini"), kA);
    EXPECT_EQ(m_tmp.Get("sub/new.ini"), kNew);
    ASSERT_TRUE(profile::WritePrivateProfileString("one", "x", "12", In(m_tmp, "a.ini")));
    EXPECT_EQ(m_tmp.Get("a.ini"), "; head\r\n[One]\r\nx=12\r\n\r\n[Two]\nlast=2")
        << "a suspended batch holds nothing";
    files::ResumeAction();
    ASSERT_TRUE(profile::WritePrivateProfileString("one", "x", "13", In(m_tmp, "a.ini")));
    EXPECT_NE(m_tmp.Get("a.ini").find("x=12"), std::string::npos) << "held again";
}

// Names match without regard to the case of every CP1252 letter, accented ones included,
// and only names that are one another's case match: "Ú" and "Ê" differ in UTF-8 only where
// a byte-wise fold of the encoded text would join them.
TEST(WriteBatch, AccentedNamesFindTheirOwnHeldFileAndNoOther)
{
    struct Case {
        const char* name;
        const char* planted; // file made beforehand (CP1252 name), nullptr: none
        const char* written; // the name the held write uses
        const char* read;    // the name of the text read and of the INI read
    };
    const Case cases[] = {
        {"held file read in the other case", "caf\xE9.ini", "caf\xE9.ini", "CAF\xC9.INI"},
        {"new held file read in the other case", nullptr, "caf\xE9.ini", "CAF\xC9.INI"},
        {"new held file read in its own case", nullptr, "\xDAx.ini", "\xDAx.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const Path base = Path::Native(folder.path());
        if (c.planted)
            files::WriteFile(base / c.planted, "[s]\r\nk=0\r\n");
        files::BeginAction();
        ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "1", base / c.written));
        // Another file whose name differs by a letter that is not its case.
        ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "2", base / "\xCAx.ini"));
        EXPECT_EQ(profile::FindProfileValue("s", "k", base / c.read), "1");
        EXPECT_EQ(files::ReadFile(base / c.read), "[s]\r\nk=1\r\n");
        EXPECT_TRUE(testing_support::EndedWhole());
        EXPECT_EQ(files::ReadFile(base / c.written), "[s]\r\nk=1\r\n");
        EXPECT_EQ(files::ReadFile(base / "\xCAx.ini"), "[s]\r\nk=2\r\n");
    }
}

// A folder made elsewhere, named on disk otherwise than the program writes names: a held
// file in it is listed by the name the program knows the folder by, and lands in that folder.
TEST(WriteBatch, AHeldFileInAFolderMadeElsewhereIsListedAndLandsThere)
{
    struct Case {
        const char* what;
        const char* onDisk;
        const char* name;
    };
    const Case cases[] = {
        {"decomposed UTF-8", "Mo\xCC\x88we", "M\xF6we"},
        {"Latin-1", "S\xF6ldner", "S\xF6ldner"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        folder.MakeFolder(c.onDisk);
        const Path base = Path::Native(folder.path());
        files::BeginAction();
        ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "1", base / c.name / "new.ini"));
        EXPECT_EQ(files::ListFiles(base / c.name), std::vector<std::string>{"new.ini"});
        EXPECT_TRUE(testing_support::EndedWhole());
        EXPECT_EQ(folder.Get(std::string(c.onDisk) + "/new.ini"), "[s]\r\nk=1\r\n");
    }
}

TEST(WriteBatch, AChangeMadeOutsideBetweenBatchesIsSeen)
{
    TempFolder folder;
    const Path file = Path::Native(folder.path()) / "t.ini";
    folder.Put("t.ini", "[s]\r\nk=1\r\n");
    files::BeginAction();
    EXPECT_EQ(profile::FindProfileValue("s", "k", file), "1");
    EXPECT_TRUE(testing_support::EndedWhole());

    folder.Put("t.ini", "[s]\r\nk=2\r\nm=3\r\n");
    files::BeginAction();
    EXPECT_EQ(profile::FindProfileValue("s", "k", file), "2");
    ASSERT_TRUE(profile::WritePrivateProfileString("s", "n", "4", file));
    EXPECT_TRUE(testing_support::EndedWhole());
    EXPECT_EQ(folder.Get("t.ini"), "[s]\r\nk=2\r\nm=3\r\nn=4\r\n");
}

// A file an action wrote is kept parsed as it landed; the next action still reads what the
// disk holds, also when another program rewrote it at once with as many bytes and put its
// time back, so that nothing but its bytes tells.
TEST(WriteBatch, AFileKeptAsItLandedIsReadAsTheDiskHoldsIt)
{
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        TempFolder folder;
        const Path file = Path::Native(folder.path()) / "t.ini";
        folder.Put("t.ini", "[s]\r\nk=1\r\n");
        files::BeginAction();
        ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "2", file));
        EXPECT_TRUE(testing_support::EndedWhole());
        struct stat landed;
        ASSERT_EQ(::stat((folder / "t.ini").c_str(), &landed), 0);
        // In place, as some editors save.
        const int fd = ::open((folder / "t.ini").c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, "[s]\r\nk=3\r\n", 10, 0), 10);
        const struct timespec times[2] = {landed.st_atim, landed.st_mtim};
        ASSERT_EQ(::futimens(fd, times), 0);
        ::close(fd);
        files::BeginAction();
        EXPECT_EQ(profile::FindProfileValue("s", "k", file), "3");
        EXPECT_TRUE(testing_support::EndedWhole());
    }
}

// Reads of one file come in long runs; a read after the file changed in between, by an INI
// write, a whole-file write, an append or a delete, sees the change.
TEST(WriteBatch, ARepeatedReadSeesWhatChangedTheFileInBetween)
{
    struct Case {
        const char* name;
        std::function<void(const Path& file)> change;
        const char* key;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"ini write",
         [](const Path& f) { ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "2", f)); },
         "k", "2"},
        {"text write", [](const Path& f) { files::WriteFile(f, "[s]\r\nk=3\r\n"); }, "k", "3"},
        {"append", [](const Path& f) { files::AppendFile(f, "j=4\r\n"); }, "j", "4"},
        {"delete", [](const Path& f) { files::DeleteFile(f); }, "k", std::nullopt},
        {"write over its version",
         [](const Path& f) {
             ASSERT_TRUE(files::WriteFileIfUnchanged(f, "[s]\r\nk=5\r\n", files::VersionOf(f)));
         },
         "k", "5"},
        {"text write after a read of another file",
         [](const Path& f) {
             EXPECT_EQ(profile::FindProfileValue("s", "k", f.Parent() / "other.ini"), "9");
             files::WriteFile(f, "[s]\r\nk=6\r\n");
         },
         "k", "6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const Path file = Path::Native(folder.path()) / "t.ini";
        folder.Put("t.ini", "[s]\r\nk=1\r\n");
        folder.Put("other.ini", "[s]\r\nk=9\r\n");
        files::BeginAction();
        EXPECT_EQ(profile::FindProfileValue("s", "k", file), "1");
        c.change(file);
        EXPECT_EQ(profile::FindProfileValue("s", c.key, file), c.expected);
        EXPECT_TRUE(testing_support::EndedWhole());
    }
}

// Another program saves the file after we read it and before our write replaces it: the
// edits are made again on its version.
TEST(WriteBatch, AFileMadeOrChangedByAnotherProgramMeanwhileIsNotClobbered)
{
    static std::function<void()> onWrite;
    files::fault::SetStepWatcher([](files::fault::Step step, const std::string&) {
        if (step == files::fault::Step::WriteTemporary && onWrite)
            std::exchange(onWrite, {})();
    });
    struct Case {
        const char* name;
        bool batched;
        const char* before; // nullptr: no file
    };
    const Case cases[] = {
        {"one write, file made meanwhile", false, nullptr},
        {"one write, file changed meanwhile", false, "[s]\r\nk=1\r\n"},
        {"batch, file made meanwhile", true, nullptr},
        {"batch, file changed meanwhile", true, "[s]\r\nk=1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const Path file = Path::Native(folder.path()) / "t.ini";
        if (c.before)
            folder.Put("t.ini", c.before);
        EXPECT_EQ(profile::FindProfileValue("s", "k", file).has_value(), c.before != nullptr);
        const std::string theirs = "[other]\r\nkept=yes\r\n[s]\r\nk=theirs\r\n";
        if (c.batched) {
            files::BeginAction();
            ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "ours", file));
            ASSERT_TRUE(profile::WritePrivateProfileString("s", "m", "2", file));
            onWrite = [&] { folder.Put("t.ini", theirs); };
            EXPECT_TRUE(testing_support::EndedWhole());
        } else {
            onWrite = [&] { folder.Put("t.ini", theirs); };
            ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "ours", file));
            ASSERT_TRUE(profile::WritePrivateProfileString("s", "m", "2", file));
        }
        EXPECT_FALSE(onWrite) << "the other program's save happened";
        onWrite = {};
        EXPECT_EQ(folder.Get("t.ini"), "[other]\r\nkept=yes\r\n[s]\r\nk=ours\r\nm=2\r\n");
    }
    files::fault::Reset();
}

// An action that makes a file from nothing keeps its edits in the file's text alone. When
// another program makes the file meanwhile, the edits are made again on its version, and the
// bytes are those of making each edit on it one by one: with keys set twice, in another
// spelling, a value the text cannot hold as a line, and more sections than a document packs
// before it would be parsed anew.
TEST(WriteBatch, EditsOfAFileMadeFromNothingAreMadeAgainOnAVersionMadeMeanwhile)
{
    static std::function<void()> onWrite;
    files::fault::SetStepWatcher([](files::fault::Step step, const std::string&) {
        if (step == files::fault::Step::WriteTemporary && onWrite)
            std::exchange(onWrite, {})();
    });
    using Edits = std::vector<std::tuple<std::string, std::string, std::string>>;
    Edits many;
    for (int i = 0; i < 70000; ++i)
        many.emplace_back("s" + std::to_string(i), "k", std::to_string(i));
    many.emplace_back("s7", "k", "again");
    struct Case {
        const char* name;
        Edits edits;
    };
    const Case cases[] = {
        {"keys set again, in another spelling, across sections",
         {{"b", "x", "1"},
          {"a", "y", " v = w "},
          {"B", "X", "2"},
          {"b", "z", "3"},
          {"other", "new", "4"},
          {"a", "y", "5"}}},
        {"a value with a line end in the middle",
         {{"b", "x", "1"}, {"b", "y", "two\r\nlines"}, {"b", "x", "3"}, {"c", "z", "4"}}},
        {"a value with a line end first", {{"b", "y", "a\nb"}, {"b", "x", "1"}}},
        {"many sections", many},
    };
    const std::string theirs = "[other]\r\nkept=yes\r\n[b]\r\nx=theirs";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder expected;
        expected.Put("t.ini", theirs);
        const Path one = Path::Native(expected.path()) / "t.ini";
        if (c.edits.size() < 100) {
            for (const auto& [section, key, value] : c.edits)
                ASSERT_TRUE(profile::WritePrivateProfileString(section, key, value, one));
        }

        TempFolder folder;
        const Path file = Path::Native(folder.path()) / "t.ini";
        files::BeginAction();
        for (const auto& [section, key, value] : c.edits)
            ASSERT_TRUE(profile::WritePrivateProfileString(section, key, value, file));
        onWrite = [&] { folder.Put("t.ini", theirs); };
        EXPECT_TRUE(testing_support::EndedWhole());
        EXPECT_FALSE(onWrite) << "the other program's save happened";
        onWrite = {};
        if (c.edits.size() < 100) {
            EXPECT_EQ(folder.Get("t.ini"), expected.Get("t.ini"));
        } else {
            // One by one would take minutes: each new section lands at the end of the file.
            std::string bytes = "[other]\r\nkept=yes\r\n[b]\r\nx=theirs\r\n";
            for (int i = 0; i < 70000; ++i)
                bytes += "[s" + std::to_string(i) +
                         "]\r\nk=" + (i == 7 ? "again" : std::to_string(i)) + "\r\n";
            EXPECT_EQ(folder.Get("t.ini"), bytes);
        }
    }
    files::fault::Reset();
}

// A writable file, a read-only one, and a read-only folder holding a writable file; all may
// be reached by anyone.
void PlantReadOnlyCases(const TempFolder& tmp)
{
    tmp.Put("ok.ini", "[s]\r\nk=0\r\n");
    tmp.Put("ro.ini", "[s]\r\nk=0\r\n");
    std::filesystem::create_directory(tmp / "locked");
    tmp.Put("locked/w.ini", "[s]\r\nk=0\r\n");
    ::chmod(tmp.path().c_str(), 0777);
    ::chmod((tmp / "ok.ini").c_str(), 0666);
    ::chmod((tmp / "ro.ini").c_str(), 0444);
    ::chmod((tmp / "locked/w.ini").c_str(), 0666);
    ::chmod((tmp / "locked").c_str(), 0555);
}

// Root may write anything, so the read-only cases run in a child as the unprivileged user;
// a write the file system would refuse is refused when it is made, not when the batch ends,
// and one it allows (in place, when only the folder is closed) is made, as one by one.
TEST(WriteBatch, AReadOnlyFileOrFolderRefusesTheWriteAtOnce)
{
    const char* folder = std::getenv("QV_BATCH_FOLDER");
    if (!folder && ::geteuid() == 0) {
        TempFolder tmp;
        PlantReadOnlyCases(tmp);
        EXPECT_EQ(testing_support::RunTestAsOtherUser(
                      "WriteBatch.AReadOnlyFileOrFolderRefusesTheWriteAtOnce",
                      {{"QV_BATCH_FOLDER", tmp.path()}}),
                  0);
        EXPECT_EQ(tmp.Get("ok.ini"), "[s]\r\nk=2\r\n") << "the child ran";
        return;
    }
    TempFolder own; // an ordinary user's run works in a folder of its own
    const Path base = Path::Native(folder ? folder : own.path());
    if (!folder)
        PlantReadOnlyCases(own);
    struct Case {
        const char* name;
        Path file;
        bool written; // else refused, the file left as it was
    };
    const Case cases[] = {
        {"writable file", base / "ok.ini", true},
        {"read-only file", base / "ro.ini", false},
        {"writable file in a read-only folder", base / "locked" / "w.ini", true},
        {"new file in a read-only folder", base / "locked" / "new.ini", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool existed = files::FileExists(c.file);
        for (const bool batched : {true, false}) {
            SCOPED_TRACE(batched ? "batched" : "one by one");
            const std::string value = batched ? "1" : "2";
            if (batched)
                files::BeginAction();
            EXPECT_EQ(profile::WritePrivateProfileString("s", "k", value, c.file), c.written);
            if (batched) {
                EXPECT_TRUE(testing_support::EndedWhole());
            }
            if (!existed) {
                EXPECT_FALSE(files::FileExists(c.file));
            } else {
                EXPECT_EQ(files::ReadFile(c.file),
                          "[s]\r\nk=" + (c.written ? value : std::string("0")) + "\r\n");
            }
        }
    }
    if (!folder)
        ::chmod((own / "locked").c_str(), 0755); // so that the folder can be removed
}

} // namespace

namespace {

// A write whose bytes would not change the file leaves it as it is, not even replaced by a
// copy: its inode and change time stay. Bytes that would change go to disk as written one
// by one would make them.
TEST(WriteBatch, AWriteThatChangesNoByteLeavesTheFileAsItIs)
{
    struct Case {
        const char* name;
        std::function<void(const Path&)> write;
        const char* after;
        bool replaced;
        bool onlyInAction = false; // alone, each write lands by itself
    };
    const char* kBefore = "[s]\r\nk=v\r\nspaced = v\r\n";
    const Case cases[] = {
        {"an INI value as it stands",
         [](const Path& f) { ASSERT_TRUE(profile::WritePrivateProfileString("S", "K", "v", f)); },
         kBefore, false},
        {"an INI value set and set back",
         [](const Path& f) {
             ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "w", f));
             ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "v", f));
         },
         kBefore, false, true},
        {"the same text", [&](const Path& f) { files::WriteFile(f, kBefore); }, kBefore, false},
        {"a value whose line a write spells anew",
         [](const Path& f) {
             ASSERT_TRUE(profile::WritePrivateProfileString("s", "spaced", "v", f));
         },
         "[s]\r\nk=v\r\nspaced=v\r\n", true},
        {"other text of the same size",
         [](const Path& f) { files::WriteFile(f, "[s]\r\nk=w\r\nspaced = v\r\n"); },
         "[s]\r\nk=w\r\nspaced = v\r\n", true},
    };
    for (const Case& c : cases) {
        for (const bool inAction : {false, true}) {
            if (c.onlyInAction && !inAction)
                continue;
            SCOPED_TRACE(std::string(c.name) + (inAction ? " in an action" : " alone"));
            TempFolder tmp;
            tmp.Put("t.ini", kBefore);
            struct stat before;
            ASSERT_EQ(::stat((tmp / "t.ini").c_str(), &before), 0);
            if (inAction)
                files::BeginAction();
            c.write(In(tmp, "t.ini"));
            if (inAction)
                EXPECT_TRUE(testing_support::EndedWhole());
            struct stat after;
            ASSERT_EQ(::stat((tmp / "t.ini").c_str(), &after), 0);
            EXPECT_EQ(tmp.Get("t.ini"), c.after);
            EXPECT_EQ(after.st_ino != before.st_ino, c.replaced);
            if (!c.replaced) {
                EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
                EXPECT_EQ(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
            }
            EXPECT_EQ(tmp.CountEntries(), 1);
        }
    }
}

// A compiled output runs to megabytes and is compared with the file piece by piece: a byte
// that differs anywhere, a piece's edge included, still gets the file written.
TEST(WriteBatch, ABigFileIsLeftAsItIsOnlyWhenEveryByteIsTheSame)
{
    constexpr std::size_t kSize = (std::size_t(5) << 19) + 7; // two and a half pieces of 1 MB
    std::string before(kSize, 'x');
    for (std::size_t i = 0; i < kSize; i += 97)
        before[i] = static_cast<char>('a' + i % 26);
    struct Case {
        const char* name;
        std::size_t changedAt; // none: the same bytes
    };
    const Case cases[] = {
        {"the same bytes", std::string::npos},
        {"the first byte", 0},
        {"the last byte of the first piece", (std::size_t(1) << 20) - 1},
        {"the first byte of the second piece", std::size_t(1) << 20},
        {"the last byte", kSize - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string after = before;
        if (c.changedAt != std::string::npos)
            after[c.changedAt] = '!';
        TempFolder tmp;
        tmp.Put("big.ini", before);
        struct stat was;
        ASSERT_EQ(::stat((tmp / "big.ini").c_str(), &was), 0);
        files::BeginAction();
        files::WriteFile(In(tmp, "big.ini"), after);
        EXPECT_TRUE(testing_support::EndedWhole());
        struct stat now;
        ASSERT_EQ(::stat((tmp / "big.ini").c_str(), &now), 0);
        EXPECT_EQ(tmp.Get("big.ini"), after);
        EXPECT_EQ(now.st_ino != was.st_ino, c.changedAt != std::string::npos);
    }
}

} // namespace
