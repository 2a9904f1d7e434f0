#include "platform/forms/file_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/forms/events.h"
#include "platform/forms/form.h"
#include "tests/platform/forms/app.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace platform::forms;
namespace fs = std::filesystem;
using formstest::ErrorOf;
using formstest::Events;

class FileListsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    void SetUp() override
    {
        folder = std::make_unique<testing_support::TempFolder>();
        root = folder->path();
    }
    void TearDown() override { folder.reset(); }

    void Touch(const std::string& name) { std::ofstream(root / name) << "x"; }

    std::vector<std::string> Names(const FileListBox& box)
    {
        std::vector<std::string> out;
        for (int i = 0; i < box.ListCount(); ++i)
            out.push_back(box.ListBox::List(i));
        return out;
    }

    std::unique_ptr<testing_support::TempFolder> folder;
    fs::path root;
    Form form{"frmImport"};
};

TEST_F(FileListsTest, PatternAndOrder)
{
    for (const char* name : {"lima_grp", "Bravo_grp", "kilo_grp", "foxtrot_grp.bak", "README.txt",
                             "a1", "A_b", ".hidden", "Zeta", "readme.TXT"})
        Touch(name);
    fs::create_directory(root / "folder");
    auto& files = static_cast<FileListBox&>(
        form.Create({Kind::FileListBox, "File1", "", 0, 0, 2000, 2000, "*."}));
    files.SetPath(root.string());
    EXPECT_EQ(Names(files),
              (std::vector<std::string>{"A_b", "a1", "Bravo_grp", "kilo_grp", "lima_grp", "Zeta"}));

    struct Case {
        const char* pattern;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"*.txt", {"README.txt", "readme.TXT"}},
        {"*.bak;*.TXT", {"foxtrot_grp.bak", "README.txt", "readme.TXT"}},
        {"?1", {"a1"}},
        {"l*.", {"lima_grp"}},
        {"*.*",
         {"A_b", "a1", "Bravo_grp", "foxtrot_grp.bak", "kilo_grp", "lima_grp", "README.txt",
          "readme.TXT", "Zeta"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        files.SetPattern(c.pattern);
        EXPECT_EQ(Names(files), c.names);
    }
}

TEST_F(FileListsTest, RefreshSeesNewFilesAndFileNameIsTheSelectedOne)
{
    Touch("b");
    auto& files = static_cast<FileListBox&>(
        form.Create({Kind::FileListBox, "File1", "", 0, 0, 2000, 2000, "*."}));
    files.SetPath(root.string() + "/");
    EXPECT_EQ(files.Path(), root.string());
    Touch("a");
    EXPECT_EQ(files.ListCount(), 1);
    files.Refresh();
    ASSERT_EQ(files.ListCount(), 2);
    EXPECT_EQ(files.FileName(), "");
    EventLog log;
    files.SetListIndex(0);
    EXPECT_EQ(files.FileName(), "a");
    EXPECT_EQ(log.Take(), Events{"File1_Click"});
}

TEST_F(FileListsTest, MissingFolderIs76AndKeepsTheList)
{
    Touch("a");
    auto& files = static_cast<FileListBox&>(
        form.Create({Kind::FileListBox, "File1", "", 0, 0, 2000, 2000, "*."}));
    files.SetPath(root.string());
    EXPECT_EQ(ErrorOf([&] { files.SetPath((root / "missing").string()); }), 76);
    EXPECT_EQ(ErrorOf([&] { files.SetPath((root / "a").string()); }), 76);
    EXPECT_EQ(files.Path(), root.string());
    EXPECT_EQ(files.ListCount(), 1);
    auto& dirs =
        static_cast<DirListBox&>(form.Create({Kind::DirListBox, "Dir1", "", 0, 0, 2000, 2000}));
    EXPECT_EQ(ErrorOf([&] { dirs.SetPath((root / "missing").string()); }), 76);
}

TEST_F(FileListsTest, FolderListGivesFullPathsOfSubFolders)
{
    for (const char* name : {"zulu", "Alpha", "beta", ".git"})
        fs::create_directory(root / name);
    Touch("file");
    auto& dirs =
        static_cast<DirListBox&>(form.Create({Kind::DirListBox, "Dir1", "", 0, 0, 2000, 2000}));
    EventLog log;
    dirs.SetPath(root.string());
    EXPECT_EQ(log.Take(), Events{"Dir1_Change"});
    ASSERT_EQ(dirs.ListCount(), 3);
    EXPECT_EQ(dirs.List(0), (root / "Alpha").string());
    EXPECT_EQ(dirs.List(1), (root / "beta").string());
    EXPECT_EQ(dirs.List(2), (root / "zulu").string());
    EXPECT_EQ(dirs.List(-1), root.string());
    EXPECT_EQ(dirs.List(3), "");
}

TEST_F(FileListsTest, ListsShowTheProgramsNamesOfEntries)
{
    // Entries are stored as UTF-8; the lists hold the program's CP1252 names, and leave out
    // any entry the program cannot name apart from another.
    const char* const stored[] = {"caf\xC3\xA9", "caf\xE9", "\xD0\x9C\xD0\xB8\xD1\x80", "d"};
    for (const char* name : stored) {
        Touch(std::string(name) + "_file");
        fs::create_directory(root / (std::string(name) + "_folder"));
    }
    auto& files = static_cast<FileListBox&>(
        form.Create({Kind::FileListBox, "File1", "", 0, 0, 2000, 2000, "*."}));
    files.SetPath(root.string());
    EXPECT_EQ(Names(files), (std::vector<std::string>{"caf\xE9_file", "d_file"}));
    files.SetListIndex(0);
    EXPECT_EQ(files.FileName(), "caf\xE9_file");

    auto& dirs =
        static_cast<DirListBox&>(form.Create({Kind::DirListBox, "Dir1", "", 0, 0, 2000, 2000}));
    dirs.SetPath(root.string());
    ASSERT_EQ(dirs.ListCount(), 2);
    EXPECT_EQ(dirs.ListBox::List(0), "caf\xE9_folder");
    EXPECT_EQ(dirs.List(0), (root / "caf\xC3\xA9_folder").string()) << "a path on disk";
    EXPECT_EQ(dirs.List(1), (root / "d_folder").string());
}

// Within a user action the lists show what it holds: a file it made is there, one it
// deleted is gone, before either reaches the disk.
TEST_F(FileListsTest, AFileListShowsWhatTheRunningActionHolds)
{
    Touch("kept");
    Touch("deleted");
    auto& files = static_cast<FileListBox&>(
        form.Create({Kind::FileListBox, "File1", "", 0, 0, 2000, 2000, "*.*"}));
    const auto path = platform::files::Path::Native(root.string());
    platform::files::BeginAction();
    platform::files::WriteFile(path / "made", "x");
    platform::files::DeleteFile(path / "deleted");
    files.SetPath(root.string());
    EXPECT_EQ(Names(files), (std::vector<std::string>{"kept", "made"}));
    EXPECT_TRUE(fs::exists(root / "deleted")) << "nothing is on disk before the action ends";
    platform::files::EndAction();
    files.Refresh();
    EXPECT_EQ(Names(files), (std::vector<std::string>{"kept", "made"}));
    EXPECT_FALSE(fs::exists(root / "deleted"));
}

} // namespace
