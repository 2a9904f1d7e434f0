// Whole-file writes that must not lose or replace what they were not meant to, temporary
// names that never stand in a write's way, and appends that fail without leaving a cut.
#include "platform/files/files.h"
#include "tests/platform/files/size_limit.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_folder.h"

#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::files::Path;
using testing_support::ErrorOf;
using testing_support::ErrorUnderSizeLimit;
using testing_support::TempFolder;
namespace files = platform::files;

class WriteSafetyTest : public ::testing::Test {
protected:
    TempFolder m_tmp;
    Path m_root = Path::Native(m_tmp.path());
};

TEST_F(WriteSafetyTest, AVersionedWriteNeverReplacesWhatItDidNotRead)
{
    struct Case {
        const char* name;
        const char* before;                               // nullptr: no file when read
        std::function<void(const TempFolder&)> meanwhile; // another program's work
        bool written;
        const char* after; // nullptr: still no file
    };
    const Case cases[] = {
        {"missing and still missing", nullptr, [](const TempFolder&) {}, true, "mine"},
        {"missing, then made by another program", nullptr,
         [](const TempFolder& t) { t.Put("f.ini", "theirs"); }, false, "theirs"},
        {"missing, then made in another letter case", nullptr,
         [](const TempFolder& t) { t.Put("F.INI", "theirs"); }, false, nullptr},
        {"unchanged", "old", [](const TempFolder&) {}, true, "mine"},
        {"saved by another program through a rename", "old",
         [](const TempFolder& t) {
             t.Put("other", "theirs");
             ::rename((t / "other").c_str(), (t / "f.ini").c_str());
         },
         false, "theirs"},
        {"appended to", "old", [](const TempFolder& t) { t.Put("f.ini", "old+more"); }, false,
         "old+more"},
        {"removed", "old", [](const TempFolder& t) { ::unlink((t / "f.ini").c_str()); }, false,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder tmp;
        const Path file = Path::Native(tmp.path()) / "f.ini";
        if (c.before)
            tmp.Put("f.ini", c.before);
        const files::FileVersion read = files::VersionOf(file);
        c.meanwhile(tmp);
        EXPECT_EQ(files::WriteFileIfUnchanged(file, "mine", read), c.written);
        if (c.after)
            EXPECT_EQ(tmp.Get("f.ini"), c.after);
        else
            EXPECT_FALSE(tmp.Exists("f.ini"));
        EXPECT_LE(tmp.CountEntries(), 1) << "no temporary file stays behind";
    }
}

TEST_F(WriteSafetyTest, AReplacedFileStaysWhoseItWas)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    m_tmp.Put("theirs.ini", "old");
    ASSERT_EQ(::chown((m_tmp / "theirs.ini").c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod((m_tmp / "theirs.ini").c_str(), 0640), 0);
    files::WriteFile(m_root / "theirs.ini", "new");
    struct stat st;
    ASSERT_EQ(::stat((m_tmp / "theirs.ini").c_str(), &st), 0);
    EXPECT_EQ(m_tmp.Get("theirs.ini"), "new");
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(WriteSafetyTest, NamesUpToTheLongestTheFileSystemTakesAreWritten)
{
    const std::string aUmlaut = "\xE4"; // two bytes on disk
    struct Case {
        const char* name;
        std::string component; // CP1252
        std::size_t bytesOnDisk;
    };
    const Case cases[] = {
        {"236 bytes", std::string(236, 'k'), 236},
        {"242 bytes", std::string(242, 'k'), 242},
        {"250 bytes", std::string(250, 'k'), 250},
        {"the longest name", std::string(255, 'k'), 255},
        {"two-byte letters up to the limit", std::string(127, '\xE4') + "x", 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder tmp;
        const Path file = Path::Native(tmp.path()) / c.component;
        files::WriteFile(file, "first");
        files::WriteFile(file, "second");
        EXPECT_TRUE(files::WriteFileIfUnchanged(file, "third", files::VersionOf(file)));
        EXPECT_EQ(files::ReadFile(file), "third");
        ASSERT_EQ(tmp.CountEntries(), 1);
        EXPECT_EQ(files::ListFiles(Path::Native(tmp.path())).at(0).size(), c.component.size());
        EXPECT_EQ(files::Resolve(file).size(), tmp.path().size() + 1 + c.bytesOnDisk);
    }
    TempFolder tmp;
    EXPECT_EQ(
        ErrorOf([&] { files::WriteFile(Path::Native(tmp.path()) / std::string(256, 'k'), "x"); }),
        52);
    EXPECT_EQ(tmp.CountEntries(), 0);
}

TEST_F(WriteSafetyTest, TheLeftoversOfAKilledWriteGoWithTheNextWrite)
{
    const std::string target = "faction.ini";
    m_tmp.Put(target, "old");
    m_tmp.Put("." + target + ".qv~new", "killed in the middle of a write");
    m_tmp.Put(".other.ini.qv~new", "another file's");
    files::WriteFile(m_root / target, "new");
    EXPECT_EQ(m_tmp.Get(target), "new");
    EXPECT_EQ(m_tmp.CountEntries(), 2) << "only this target's leftovers are looked at";
    EXPECT_TRUE(m_tmp.Exists(".other.ini.qv~new"));
}

TEST_F(WriteSafetyTest, AFailedWriteLeavesTheFileAsItWas)
{
    enum class Call { Append, Write };
    struct Case {
        const char* name;
        const char* before; // nullptr: no file
        Call call;
    };
    const Case cases[] = {
        {"append to a file", "first entry\r\n\r\n", Call::Append},
        {"append that would make the file", nullptr, Call::Append},
        {"whole write", "first entry\r\n", Call::Write},
    };
    const std::string big(4096, 'x');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder tmp;
        if (c.before)
            tmp.Put("log.txt", c.before);
        const Path file = Path::Native(tmp.path()) / "log.txt";
        const int error = ErrorUnderSizeLimit(100, [&] {
            if (c.call == Call::Append)
                files::AppendFile(file, big);
            else
                files::WriteFile(file, big);
        });
        EXPECT_GT(error, 0) << "the error is raised";
        if (c.before)
            EXPECT_EQ(tmp.Get("log.txt"), c.before);
        else
            EXPECT_FALSE(tmp.Exists("log.txt"));
        EXPECT_EQ(tmp.CountEntries(), c.before ? 1 : 0);
    }
}

} // namespace
