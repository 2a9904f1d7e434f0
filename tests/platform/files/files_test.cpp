#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/names.h"
#include "platform/text/collation.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using platform::RunTimeError;
using platform::files::Path;
using testing_support::TempFolder;
namespace files = platform::files;

using testing_support::ErrorOf;

// Where a path resolves to, and whether something is there.
struct ResolveCase {
    const char* name;
    Path path;
    std::string native;
    bool exists;
};

template <std::size_t N> void ExpectResolved(const ResolveCase (&cases)[N])
{
    for (const ResolveCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string native;
        EXPECT_EQ(files::Resolve(c.path, native), c.exists);
        EXPECT_EQ(native, c.native);
    }
}

class FilesTest : public ::testing::Test {
protected:
    TempFolder m_tmp;
    Path m_root = Path::Native(m_tmp.path());
};

TEST_F(FilesTest, ResolvesEachComponentIgnoringCase)
{
    m_tmp.MakeFolder("Proj");
    m_tmp.MakeFolder("Proj/Protocol");
    m_tmp.Put("Proj/Protocol/log.TXT", "x");
    m_tmp.MakeFolder("both");
    m_tmp.MakeFolder("Both");
    // "\xC4" and "\xE4" are A and a with diaeresis in CP1252; on disk the name is UTF-8.
    m_tmp.MakeFolder("\xC3\x84rger");

    const ResolveCase cases[] = {
        {"exact spelling", m_root / "Proj" / "Protocol" / "log.TXT",
         m_tmp / "Proj/Protocol/log.TXT", true},
        {"other case in every component", m_root / "proj" / "protocol" / "LOG.txt",
         m_tmp / "Proj/Protocol/log.TXT", true},
        {"exact match wins over a case twin", m_root / "Both", m_tmp / "Both", true},
        {"missing entry keeps the spelling given", m_root / "proj" / "protocol" / "New.txt",
         m_tmp / "Proj/Protocol/New.txt", false},
        {"components after a missing one stay as given", m_root / "PROJ" / "Gone" / "Deep",
         m_tmp / "Proj/Gone/Deep", false},
        {"CP1252 letters fold and map to UTF-8", m_root / "\xE4RGER", m_tmp / "\xC3\x84rger", true},
        {"a backslash is an ordinary character", m_root / "a\\b", m_tmp / "a\\b", false},
    };
    ExpectResolved(cases);
}

TEST_F(FilesTest, RefusesComponentsThatWouldBeSeparatorsOrClimbOut)
{
    const std::string withNul("a\0b", 3);
    for (const std::string bad : {std::string(""), std::string("."), std::string(".."),
                                  std::string("a/b"), std::string("/"), withNul}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ErrorOf([&] { (void)(m_root / bad); }), 52);
    }
    EXPECT_EQ(ErrorOf([] { (void)(Path() / "x"); }), 52);
}

TEST_F(FilesTest, WriteReplacesWholeFileAndLeavesNoTemporaryFile)
{
    const Path file = m_root / "a.txt";
    files::WriteFile(file, "long old content");
    ::chmod((m_tmp / "a.txt").c_str(), 0640);
    files::WriteFile(m_root / "A.TXT", "new");
    EXPECT_EQ(m_tmp.Get("a.txt"), "new");
    EXPECT_EQ(m_tmp.CountEntries(), 1);
    struct stat st;
    ASSERT_EQ(::stat((m_tmp / "a.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
}

TEST_F(FilesTest, FailedWritesCreateNothingAndKeepWhatWasThere)
{
    EXPECT_EQ(ErrorOf([&] { files::WriteFile(m_root / "missing" / "a.txt", "x"); }), 76);
    EXPECT_EQ(ErrorOf([&] { files::AppendFile(m_root / "missing" / "a.txt", "x"); }), 76);
    EXPECT_FALSE(m_tmp.Exists("missing"));

    // A file where a folder should be.
    m_tmp.Put("plain", "keep");
    EXPECT_NE(ErrorOf([&] { files::WriteFile(m_root / "plain" / "a.txt", "x"); }), 0);
    EXPECT_EQ(m_tmp.Get("plain"), "keep");

    // The rename over a folder that holds something fails after the temporary file was
    // written: the folder stays and the temporary file is gone.
    m_tmp.MakeFolder("dir");
    m_tmp.Put("dir/inner", "i");
    EXPECT_NE(ErrorOf([&] { files::WriteFile(m_root / "dir", "x"); }), 0);
    EXPECT_EQ(m_tmp.Get("dir/inner"), "i");
    EXPECT_EQ(m_tmp.CountEntries(), 2);
}

TEST_F(FilesTest, AppendAddsAtTheEndAndMakesMissingFiles)
{
    files::AppendFile(m_root / "log", "one");
    files::AppendFile(m_root / "LOG", "two");
    EXPECT_EQ(m_tmp.Get("log"), "onetwo");
}

TEST_F(FilesTest, ReadAndExistenceTests)
{
    m_tmp.Put("data.bin", std::string("a\0\r\n\xFF", 5));
    m_tmp.MakeFolder("folder");
    EXPECT_EQ(files::ReadFile(m_root / "DATA.bin"), std::string("a\0\r\n\xFF", 5));
    EXPECT_EQ(ErrorOf([&] { files::ReadFile(m_root / "none"); }), 53);

    EXPECT_TRUE(files::FileExists(m_root / "Data.Bin"));
    EXPECT_FALSE(files::FileExists(m_root / "folder"));
    EXPECT_FALSE(files::FileExists(m_root / "*.bin")) << "no wildcards";
    EXPECT_FALSE(files::FileExists(m_root / "d?ta.bin"));
    EXPECT_FALSE(files::FileExists(m_root / "nofolder" / "data.bin"));
    EXPECT_TRUE(files::FolderExists(m_root / "FOLDER"));
    EXPECT_FALSE(files::FolderExists(m_root / "data.bin"));
}

TEST_F(FilesTest, CreateFolderAndDeletion)
{
    files::CreateFolder(m_root / "Protocol");
    EXPECT_TRUE(m_tmp.Exists("Protocol"));
    EXPECT_EQ(ErrorOf([&] { files::CreateFolder(m_root / "protocol"); }), 75);
    EXPECT_EQ(ErrorOf([&] { files::CreateFolder(m_root / "no" / "sub"); }), 76);
    EXPECT_EQ(m_tmp.CountEntries(), 1);

    m_tmp.Put("Protocol/f.txt", "x");
    files::DeleteFile(m_root / "protocol" / "F.TXT");
    EXPECT_FALSE(m_tmp.Exists("Protocol/f.txt"));
    EXPECT_EQ(ErrorOf([&] { files::DeleteFile(m_root / "protocol" / "f.txt"); }), 53);
    EXPECT_EQ(ErrorOf([&] { files::DeleteFile(m_root / "protocol"); }), 53);

    m_tmp.MakeFolder("Protocol/sub");
    m_tmp.Put("Protocol/sub/g", "y");
    files::DeleteFolderTree(m_root / "PROTOCOL");
    EXPECT_EQ(m_tmp.CountEntries(), 0);
    EXPECT_EQ(ErrorOf([&] { files::DeleteFolderTree(m_root / "protocol"); }), 76);
}
// Names made outside the program that CP1252 cannot hold apart: each listed name must reach
// its own entry, and an entry that no listed name could reach stays out of every list.
TEST_F(FilesTest, NamesThatCannotBeHeldApartAreNeitherListedNorMatched)
{
    const std::string latin1Cafe = "caf\xE9";           // not UTF-8: would read as "café"
    const std::string utf8Cafe = "caf\xC3\xA9";         // "café" as the program writes it
    const std::string mir = "\xD0\x9C\xD0\xB8\xD1\x80"; // Cyrillic: would read as "???"
    const std::string dom = "\xD0\x94\xD0\xBE\xD0\xBC";
    for (const std::string& d : {mir, dom, latin1Cafe, utf8Cafe, std::string("plain")})
        m_tmp.MakeFolder(d);
    m_tmp.Put(latin1Cafe + "/mark", "latin-1");
    m_tmp.Put(utf8Cafe + "/mark", "utf-8");
    m_tmp.Put(mir + ".ini", "");

    EXPECT_EQ(files::ListFolders(m_root), (std::vector<std::string>{"caf\xE9", "plain"}));
    EXPECT_EQ(files::ListFiles(m_root), std::vector<std::string>{});

    const ResolveCase cases[] = {
        {"listed café reaches the UTF-8 folder", m_root / "caf\xE9" / "mark",
         m_tmp / (utf8Cafe + "/mark"), true},
        {"in any letter case", m_root / "CAF\xC9" / "mark", m_tmp / (utf8Cafe + "/mark"), true},
        {"??? reaches no Cyrillic folder", m_root / "???", m_tmp / "???", false},
        {"??? in a file name neither", m_root / "???.ini", m_tmp / "???.ini", false},
    };
    ExpectResolved(cases);

    // Deleting the listed café takes the UTF-8 folder and nothing else; the Latin-1 one, now
    // one of a kind, is listed and reached by the same name.
    files::DeleteFolderTree(m_root / "caf\xE9");
    EXPECT_FALSE(m_tmp.Exists(utf8Cafe));
    EXPECT_EQ(m_tmp.Get(latin1Cafe + "/mark"), "latin-1");
    EXPECT_EQ(files::ListFolders(m_root), (std::vector<std::string>{"caf\xE9", "plain"}));
    EXPECT_EQ(files::ReadFile(m_root / "CAF\xC9" / "mark"), "latin-1");
    EXPECT_EQ(ErrorOf([&] { files::DeleteFolderTree(m_root / "???"); }), 76);
    EXPECT_TRUE(m_tmp.Exists(mir) && m_tmp.Exists(dom));
}

// Every name the program can name is listed by it and reaches its own entry, in whatever form
// it is stored; what it cannot name, or cannot tell from another entry, is neither listed nor
// matched.
TEST_F(FilesTest, NamesStoredOtherwiseAreListedAndReachedByTheirNames)
{
    struct Case {
        const char* what;
        std::string onDisk;
        const char* name; // nullptr: neither listed nor matched
    };
    const Case cases[] = {
        {"composed UTF-8", "M\xC3\xB6we.ini", "M\xF6we.ini"},
        {"decomposed UTF-8", "Ku\xCC\x88he.ini", "K\xFChe.ini"},
        {"Latin-1", "S\xF6ldner.ini", "S\xF6ldner.ini"},
        {"CP1252 beyond Latin-1", "\x80uro.ini", "\x80uro.ini"},
        {"a byte CP1252 leaves undefined", "x\x81.ini", "x\x81.ini"},
        {"Latin-1 beside its UTF-8 twin", "M\xF6we.ini", nullptr},
        {"decomposed beside a twin in other case", "A\xCC\x88pfel.ini", nullptr},
        {"Latin-1 beside a twin in other case", "\xE4pfel.ini", nullptr},
        {"a character CP1252 lacks", "\xE2\x82\xAC\xE2\x84\xA2\xCE\xA9.ini", nullptr},
    };
    for (const Case& c : cases)
        m_tmp.Put(c.onDisk, c.what);

    std::vector<std::string> listed;
    for (const Case& c : cases) {
        if (c.name)
            listed.push_back(c.name);
    }
    std::sort(listed.begin(), listed.end(), platform::NameBefore);
    EXPECT_EQ(files::ListFiles(m_root), listed);

    for (const Case& c : cases) {
        if (!c.name)
            continue;
        SCOPED_TRACE(c.what);
        std::string upper = c.name;
        for (char& ch : upper)
            ch = files::FoldCase(ch);
        for (const std::string& spelled : {std::string(c.name), upper}) {
            EXPECT_EQ(files::Resolve(m_root / spelled), m_tmp / c.onDisk);
            EXPECT_TRUE(files::FileExists(m_root / spelled));
            EXPECT_EQ(files::ReadFile(m_root / spelled), c.what);
        }
        files::WriteFile(m_root / upper, "written");
        EXPECT_EQ(m_tmp.Get(c.onDisk), "written");
    }
    for (const Case& c : cases) {
        if (!c.name)
            EXPECT_EQ(m_tmp.Get(c.onDisk), c.what) << c.what;
    }
}

TEST_F(FilesTest, ListsFoldersAndFilesByNameIgnoringCase)
{
    for (const char* d : {"beta", "Alpha", "gamma", "\xC3\x84pfel", "Beta2", ".hidden"})
        m_tmp.MakeFolder(d);
    for (const char* f : {"z.ini", "B.ini", "a.ini", ".a.ini.XyZ123"})
        m_tmp.Put(f, "");

    EXPECT_EQ(files::ListFolders(m_root),
              (std::vector<std::string>{"Alpha", "beta", "Beta2", "gamma", "\xC4pfel"}));
    EXPECT_EQ(files::ListFiles(m_root), (std::vector<std::string>{"a.ini", "B.ini", "z.ini"}));
    EXPECT_EQ(ErrorOf([&] { files::ListFolders(m_root / "none"); }), 76);
}

TEST(SplitLines, FollowsTheLineInputRule)
{
    using V = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string text;
        V lines;
    };
    const Case cases[] = {
        {"empty text has no lines", "", {}},
        {"CR LF ends a line", "a\r\nb\r\n", {"a", "b"}},
        {"lone CR ends a line", "a\rb", {"a", "b"}},
        {"lone LF stays in the line", "a\nb\r\nc", {"a\nb", "c"}},
        {"empty lines count", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"only a line end", "\r\n", {""}},
        {"CR CR LF is an empty line after one", "a\r\r\n", {"a", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::files::SplitLines(c.text), c.lines);
    }
}

TEST(Names, Cp1252SurvivesTheTripToUtf8AndBack)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(files::Utf8ToCp1252(files::Cp1252ToUtf8(all)), all);
    EXPECT_EQ(files::Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(files::Utf8ToCp1252("\xFF\xFE"), "\xFF\xFE") << "invalid UTF-8 kept as bytes";
    EXPECT_EQ(files::Utf8ToCp1252("\xE4\xB8\xAD"), "?");

    EXPECT_TRUE(files::SameNameIgnoringCase("\xE4\x9A\xFF", "\xC4\x8A\x9F"));
    EXPECT_FALSE(files::SameNameIgnoringCase("\xF7", "\xD7")) << "division and multiplication";
}

} // namespace
