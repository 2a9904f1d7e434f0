// The store behind one user action: files are told apart as the disk tells them, outside
// edits are seen whatever stamps they put back, a read-only file is refused to root too, and
// a failure while the action is written lands nothing.
#include "platform/errors/run_time_error.h"
#include "platform/files/fault_injection.h"
#include "platform/files/files.h"
#include "platform/files/store.h"
#include "tests/support/action.h"
#include "tests/support/error_of.h"
#include "tests/support/killed_at_step.h"
#include "tests/support/small_file_system.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::files::Path;
using testing_support::EndActionError;
using testing_support::ErrorOf;
using testing_support::TempFolder;
namespace files = platform::files;
namespace fault = platform::files::fault;

class Store : public ::testing::Test {
protected:
    void TearDown() override { fault::Reset(); }
    TempFolder m_tmp;
    Path m_root = Path::Native(m_tmp.path());
};

// Names that differ only in letter case, made by another program, stay two files: each
// write lands in the file its exact spelling names, and a delete takes only that one.
TEST_F(Store, CaseTwinsStayTwoFiles)
{
    m_tmp.Put("a.txt", "small");
    m_tmp.Put("A.TXT", "CAPITAL");
    m_tmp.MakeFolder("d");
    m_tmp.MakeFolder("D");
    m_tmp.Put("d/x.txt", "lower folder");
    m_tmp.Put("D/x.txt", "upper folder");
    files::BeginAction();
    files::WriteFile(m_root / "a.txt", "small 2");
    files::WriteFile(m_root / "A.TXT", "CAPITAL 2");
    files::AppendFile(m_root / "D" / "x.txt", "+");
    EXPECT_EQ(files::ReadFile(m_root / "a.txt"), "small 2");
    EXPECT_EQ(files::ReadFile(m_root / "A.TXT"), "CAPITAL 2");
    files::DeleteFile(m_root / "a.txt");
    EXPECT_TRUE(files::FileExists(m_root / "A.TXT"));
    EXPECT_EQ(testing_support::EndActionError(), 0);
    EXPECT_FALSE(m_tmp.Exists("a.txt"));
    EXPECT_EQ(m_tmp.Get("A.TXT"), "CAPITAL 2");
    EXPECT_EQ(m_tmp.Get("d/x.txt"), "lower folder");
    EXPECT_EQ(m_tmp.Get("D/x.txt"), "upper folder+");
}

// An edit of the same size whose modification time is put back (touch -r, rsync -t) is a
// new version: the change time moved.
TEST_F(Store, AnEditThatPutsTheTimeBackIsANewVersion)
{
    m_tmp.Put("f.ini", "aaaa");
    const files::FileVersion read = files::VersionOf(m_root / "f.ini");
    struct stat st;
    ASSERT_EQ(::stat((m_tmp / "f.ini").c_str(), &st), 0);
    ::usleep(20'000);
    const int fd = ::open((m_tmp / "f.ini").c_str(), O_WRONLY);
    ASSERT_EQ(::pwrite(fd, "bbbb", 4, 0), 4);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(fd, times);
    ::close(fd);
    EXPECT_FALSE(files::VersionOf(m_root / "f.ini") == read);
    EXPECT_FALSE(files::WriteFileIfUnchanged(m_root / "f.ini", "mine", read));
    EXPECT_EQ(m_tmp.Get("f.ini"), "bbbb") << "the other program's edit is kept";
}

// A file without a write bit is refused at the write, whoever runs the program: root too.
TEST_F(Store, AReadOnlyFileIsRefusedToRootToo)
{
    m_tmp.Put("ro.txt", "old");
    ::chmod((m_tmp / "ro.txt").c_str(), 0444);
    files::BeginAction();
    files::WriteFile(m_root / "ok.txt", "ok");
    EXPECT_EQ(ErrorOf([&] { files::WriteFile(m_root / "ro.txt", "new"); }), 70);
    EXPECT_EQ(ErrorOf([&] { files::AppendFile(m_root / "ro.txt", "new"); }), 70);
    EXPECT_EQ(EndActionError(), 0);
    EXPECT_EQ(m_tmp.Get("ro.txt"), "old");
    EXPECT_EQ(m_tmp.Get("ok.txt"), "ok") << "what came before the refused write lands";
}

// Each failure only the commit meets: the platform's error naming the file, and nothing of
// the action on disk, the append to the log among it.
TEST_F(Store, AFailureWhileTheActionIsWrittenLandsNothing)
{
    struct Case {
        fault::Step step;
        int nth;
        int err;
        int number;
    };
    const Case cases[] = {
        {fault::Step::WriteTemporary, 1, EIO, 57},   {fault::Step::WriteTemporary, 3, ENOSPC, 61},
        {fault::Step::FlushTemporary, 2, EIO, 57},   {fault::Step::FlushFolder, 1, EIO, 57},
        {fault::Step::WriteRecord, 1, ENOSPC, 61},   {fault::Step::WriteRecord, 2, EIO, 57},
        {fault::Step::FlushRecord, 1, EIO, 57},      {fault::Step::Rename, 1, EIO, 57},
        {fault::Step::Rename, 3, EDQUOT, 61},        {fault::Step::Delete, 1, EIO, 57},
        {fault::Step::FlushFolder, 3, EIO, 57}, // a folder flush after the renames
        {fault::Step::WriteTemporary, 2, EFBIG, 61},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step) * 100 + c.nth);
        TempFolder tmp;
        const Path root = Path::Native(tmp.path());
        tmp.MakeFolder("sub");
        tmp.Put("old.txt", "old");
        tmp.Put("gone.txt", "gone");
        tmp.Put("log.txt", "entry\r\n");
        fault::FailAt(c.step, c.nth, c.err);
        files::BeginAction();
        files::WriteFile(root / "new.txt", "new");
        files::WriteFile(root / "old.txt", "replaced");
        files::WriteFile(root / "sub" / "deep.txt", "deep");
        files::DeleteFile(root / "gone.txt");
        files::AppendFile(root / "log.txt", "done\r\n");
        std::string description;
        EXPECT_EQ(EndActionError(&description), c.number);
        EXPECT_NE(description.find(" (" + tmp.path()), std::string::npos) << description;
        EXPECT_EQ(tmp.Get("old.txt"), "old");
        EXPECT_EQ(tmp.Get("gone.txt"), "gone");
        EXPECT_EQ(tmp.Get("log.txt"), "entry\r\n");
        EXPECT_EQ(tmp.CountEntries(), 4) << "no new file, temporary file or record";
        EXPECT_EQ(tmp.CountEntries("sub"), 0);
    }
}

// Past the file-size limit the write fails with disk full instead of the signal ending the
// program, and nothing of the action lands.
TEST_F(Store, AFileSizeLimitFailsTheActionInsteadOfKillingTheProgram)
{
    m_tmp.Put("log.txt", "entry\r\n");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit size{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &size);
        files::BeginAction();
        files::WriteFile(m_root / "big.txt", std::string(4096, 'x'));
        files::AppendFile(m_root / "log.txt", "done\r\n");
        ::_exit(EndActionError());
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the program lives on";
    EXPECT_EQ(WEXITSTATUS(status), 61);
    EXPECT_EQ(m_tmp.Get("log.txt"), "entry\r\n");
    EXPECT_EQ(m_tmp.CountEntries(), 1);
}

// Room is asked of the file system against what the action holds so far, at the write.
TEST_F(Store, NoRoomForWhatTheActionHoldsFailsAtTheWrite)
{
    const std::string mount = m_tmp / "small";
    m_tmp.MakeFolder("small");
    const testing_support::SmallFileSystem small(mount, 256);
    if (!small.Mounted())
        GTEST_SKIP() << "no small file system can be mounted here";
    const Path folder = m_root / "small";
    const std::string part(100 * 1024, 'p');
    files::BeginAction();
    files::WriteFile(folder / "one", part);
    files::EnsureRoom(folder / "two", part.size());
    files::WriteFile(folder / "two", part);
    EXPECT_EQ(ErrorOf([&] { files::EnsureRoom(folder / "three", part.size()); }), 61)
        << "the room asked counts what is held";
    EXPECT_EQ(ErrorOf([&] { files::WriteFile(folder / "three", part); }), 61);
    EXPECT_EQ(EndActionError(), 0) << "what came before lands";
    EXPECT_EQ(m_tmp.Get("small/one"), part);
    EXPECT_EQ(m_tmp.Get("small/two"), part);
    EXPECT_FALSE(m_tmp.Exists("small/three"));
}

// A kill at any step of a commit, then a start: every file all before or all after.
TEST_F(Store, AStartAfterAKillCompletesOrUndoesTheCommit)
{
    const auto plant = [&] {
        m_tmp.Put("old.txt", "old");
        m_tmp.Put("gone.txt", "gone");
        ::unlink((m_tmp / "new.txt").c_str());
    };
    const auto state = [&] {
        return m_tmp.Get("old.txt") + "|" + (m_tmp.Exists("gone.txt") ? "gone" : "-") + "|" +
               (m_tmp.Exists("new.txt") ? m_tmp.Get("new.txt") : "-");
    };
    int before = 0;
    int after = 0;
    for (int step = 1;; ++step) {
        plant();
        const bool killed = testing_support::KilledAtStep(step, [&] {
            files::BeginAction();
            files::WriteFile(m_root / "new.txt", "new");
            files::WriteFile(m_root / "old.txt", "replaced");
            files::DeleteFile(m_root / "gone.txt");
            EndActionError();
        });
        files::RecoverInterruptedCommits(m_root);
        const std::string now = state();
        if (now == "old|gone|-")
            ++before;
        else if (now == "replaced|-|new")
            ++after;
        else
            ADD_FAILURE() << "killed before step " << step << ": " << now;
        EXPECT_EQ(m_tmp.CountEntries(), 2) << "nothing left behind";
        if (!killed)
            break;
    }
    EXPECT_GT(before, 3);
    EXPECT_GT(after, 1);
}

} // namespace

namespace {

// A parse that only counts itself, taking its bytes' size in memory.
class CountedParse : public files::ParsedFile {
public:
    explicit CountedParse(std::string bytes)
        : m_bytes(std::move(bytes))
    {
    }
    std::string_view Bytes() const override { return m_bytes; }
    std::size_t MemoryBytes() const override { return m_bytes.size(); }

private:
    std::string m_bytes;
};

// Within one action a compile walks one big file while it reads each faction's own file
// again and again, one faction after the other: the walked file stays parsed, but the
// factions' files done with go as the budget asks, or a thousand of them would all stay.
TEST_F(Store, OnlyTheLastOfTheFilesReadAgainAndAgainOutlivesTheBudget)
{
    constexpr int kFactions = 6, kReads = 100;
    const std::string walked(4000, 'w');
    m_tmp.Put("walked.ini", walked);
    for (int f = 0; f < kFactions; ++f)
        m_tmp.Put("own" + std::to_string(f) + ".ini", std::string(1000, char('a' + f)));
    std::map<std::string, int> parses;
    const files::Parser parse = [&parses](std::string bytes) {
        ++parses[bytes.substr(0, 1)];
        return std::make_shared<const CountedParse>(std::move(bytes));
    };
    // Room for the walked file and one faction's.
    files::SetParsedBudget(5500);
    files::BeginAction();
    for (int f = 0; f < kFactions; ++f) {
        for (int r = 0; r < kReads; ++r) {
            EXPECT_TRUE(files::SeeDocument(m_root / "walked.ini", parse).parsed);
            EXPECT_TRUE(
                files::SeeDocument(m_root / ("own" + std::to_string(f) + ".ini"), parse).parsed);
        }
    }
    // The first faction's file went when the others came; read again, it is parsed again.
    EXPECT_TRUE(files::SeeDocument(m_root / "own0.ini", parse).parsed);
    EXPECT_EQ(testing_support::EndActionError(), 0);
    files::SetParsedBudget(std::size_t(48) << 20);
    EXPECT_EQ(parses["w"], 1);
    for (int f = 1; f < kFactions; ++f)
        EXPECT_EQ(parses[std::string(1, char('a' + f))], 1) << f;
    EXPECT_EQ(parses["a"], 2);
}

// What an action wrote is given back once it lands or fails: a compile's output of tens of
// megabytes must not stay with the program until the next write of the same file.
TEST_F(Store, WhatAnActionHeldIsGivenBackAfterItsCommit)
{
    // Well past the allocator's largest threshold, so that each text is a mapping of its own
    // and the mapped total tells exactly whether it is still held.
    constexpr std::size_t kBig = std::size_t(40) << 20;
    m_tmp.Put("old.txt", "old");
    const auto mapped = [] { return mallinfo2().hblkhd; };
    const std::size_t before = mapped();
    files::BeginAction();
    files::WriteFile(m_root / "new.txt", std::string(kBig, 'n'));
    files::WriteFile(m_root / "old.txt", std::string(kBig, 'o'));
    files::AppendFile(m_root / "log.txt", std::string(kBig, 'l'));
    EXPECT_GE(mapped(), before + 3 * kBig);
    EXPECT_EQ(EndActionError(), 0);
    EXPECT_LT(mapped(), before + kBig / 4);
    EXPECT_EQ(files::ReadFile(m_root / "old.txt").size(), kBig);

    // And after a commit that fails.
    files::BeginAction();
    files::WriteFile(m_root / "old.txt", std::string(kBig, 'x'));
    fault::FailAt(fault::Step::WriteTemporary, 1, EIO);
    EXPECT_NE(EndActionError(), 0);
    EXPECT_LT(mapped(), before + kBig / 4);
}

} // namespace
