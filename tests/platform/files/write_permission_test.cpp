// Permissions only mean something to a caller that is not root (root writes any file and
// CI runs as root), so the cases run in a copy of this program under an ordinary user.
#include "platform/files/files.h"
#include "tests/platform/files/size_limit.h"
#include "tests/support/error_of.h"
#include "tests/support/other_user.h"
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <dirent.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::files::Path;
using testing_support::ErrorOf;
using testing_support::ErrorUnderSizeLimit;
using testing_support::TempFolder;
namespace files = platform::files;

// Set for the copy that runs as the ordinary user: the folder it works in.
constexpr const char* kFolderVariable = "QV_FILES_TEST_USER_FOLDER";
constexpr const char* kThisTest = "WritePermissions.AreThoseOfTheCallingUser";

enum class Call { Write, WriteIfUnchanged, Append };

struct Case {
    const char* name;
    mode_t fileMode; // 0: no file beforehand
    mode_t folderMode;
    Call call;
    int error;           // 0: the call succeeds
    const char* content; // the file afterwards; nullptr: no file
};

std::string Native(const std::string& folder, const std::string& rel)
{
    return folder + "/" + rel;
}

void PutFile(const std::string& path, const std::string& bytes, mode_t mode)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

std::string GetFile(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return "<none>";
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

int CountEntries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    int n = 0;
    while (dir && ::readdir(dir))
        ++n;
    if (dir)
        ::closedir(dir);
    return n - 2; // "." and ".."
}

// Written in place, there is no temporary file to fall back on: a write that stops part-way
// (here at a file size limit, as at a full disk) puts the old bytes back.
void FailingInPlaceWriteKeepsTheOldBytes(const std::string& folder)
{
    ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
    const std::string native = Native(folder, "f.ini");
    PutFile(native, "old", 0600);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const int error = ErrorUnderSizeLimit(
        100, [&] { files::WriteFile(Path::Native(folder) / "f.ini", std::string(4096, 'x')); });
    EXPECT_GT(error, 0) << "the error is raised";
    EXPECT_EQ(GetFile(native), "old");
    EXPECT_EQ(CountEntries(folder), 1);
}

// The parent, as root, made root's file "foreign.ini" in `root` for everyone to write.
void ForeignFileStaysItsOwners(const std::string& root)
{
    const std::string native = Native(root, "foreign.ini");
    EXPECT_EQ(ErrorOf([&] { files::WriteFile(Path::Native(root) / "FOREIGN.INI", "new"); }), 0);
    EXPECT_EQ(GetFile(native), "new");
    struct stat st;
    ASSERT_EQ(::stat(native.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u) << "another user's file stays theirs";
    EXPECT_EQ(st.st_mode & 07777, 0666u);
}

void RunCases(const std::string& root, bool foreignFileMade)
{
    ASSERT_NE(::geteuid(), 0u) << "these cases prove nothing as root";
    const Case cases[] = {
        {"read-only file: whole write", 0444, 0777, Call::Write, 70, "old"},
        {"read-only file: versioned write", 0444, 0777, Call::WriteIfUnchanged, 70, "old"},
        {"read-only file: append", 0444, 0777, Call::Append, 70, "old"},
        {"read-only file in a read-only folder", 0444, 0555, Call::Write, 70, "old"},
        {"writable file: whole write", 0640, 0777, Call::Write, 0, "new"},
        {"writable file in a read-only folder: whole write", 0640, 0555, Call::Write, 0, "new"},
        {"writable file in a read-only folder: versioned write", 0600, 0555, Call::WriteIfUnchanged,
         0, "new"},
        {"writable file in a read-only folder: append", 0600, 0555, Call::Append, 0, "oldnew"},
        {"new file in a read-only folder", 0, 0555, Call::Write, 70, nullptr},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = Native(root, "case" + std::to_string(index++));
        ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
        const std::string native = Native(folder, "f.ini");
        if (c.fileMode != 0)
            PutFile(native, "old", c.fileMode);
        ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);

        const Path file = Path::Native(folder) / "F.INI";
        const int error = ErrorOf([&] {
            switch (c.call) {
            case Call::Write:
                files::WriteFile(file, "new");
                break;
            case Call::WriteIfUnchanged:
                EXPECT_TRUE(files::WriteFileIfUnchanged(file, "new", files::VersionOf(file)));
                break;
            case Call::Append:
                files::AppendFile(file, "new");
                break;
            }
        });
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(GetFile(native), c.content ? c.content : "<none>");
        struct stat st;
        if (c.fileMode != 0 && ::stat(native.c_str(), &st) == 0) {
            EXPECT_EQ(st.st_mode & 07777, c.fileMode) << "the permissions stay";
        }
        EXPECT_EQ(CountEntries(folder), c.content ? 1 : 0) << "no temporary file stays";
    }
    FailingInPlaceWriteKeepsTheOldBytes(Native(root, "in place"));
    if (foreignFileMade)
        ForeignFileStaysItsOwners(root);
}

TEST(WritePermissions, AreThoseOfTheCallingUser)
{
    if (const char* folder = std::getenv(kFolderVariable)) {
        RunCases(folder, true);
        return;
    }
    TempFolder tmp;
    if (::geteuid() != 0) {
        RunCases(tmp.path(), false);
        return;
    }
    ASSERT_EQ(::chmod(tmp.path().c_str(), 0777), 0);
    tmp.Put("foreign.ini", "old");
    ASSERT_EQ(::chmod((tmp / "foreign.ini").c_str(), 0666), 0);
    EXPECT_EQ(testing_support::RunTestAsOtherUser(kThisTest, {{kFolderVariable, tmp.path()}}), 0)
        << "the cases failed as an ordinary user (output above)";
}

} // namespace
