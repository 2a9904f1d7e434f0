#include "platform/files/files.h"
#include "platform/profile/profile.h"
#include "tests/support/temp_folder.h"

#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using platform::files::Path;
using testing_support::TempFolder;
namespace profile = platform::profile;

const Path kFixtures = Path::Native(QV_FIXTURE_DIR);

std::string Read(const Path& file, const char* section, const char* key,
                 const char* fallback = "<default>")
{
    std::string out = "<untouched>";
    profile::GetPrivateProfileString(section, key, fallback, out, 255, file);
    return out;
}

TEST(ProfileRead, FollowsThePlatformLayoutRules)
{
    struct Case {
        const char* name;
        const char* file;
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"blanks trimmed around key and value", "layout.ini", "Main", "name", "two words"},
        {"section name trimmed, text after ] ignored", "layout.ini", " main ", "NAME", "two words"},
        {"quotes are kept", "layout.ini", "main", "quoted", "\"in quotes\""},
        {"no inline comments", "layout.ini", "main", "inline", "value ;x"},
        {"# starts no comment", "layout.ini", "main", "#hash", "kept"},
        {"empty value is not the default", "layout.ini", "main", "empty", ""},
        {"first line of a key wins", "layout.ini", "main", "name", "two words"},
        {"; line never matches", "layout.ini", "main", ";key", "<default>"},
        {"line without = is no key", "layout.ini", "main", "no equals sign", "<default>"},
        {"keys before any section are not found", "layout.ini", "", "orphan", "<default>"},
        {"key only in a repeated section is not found", "layout.ini", "Main", "later", "<default>"},
        {"unclosed section runs to the line end", "layout.ini", "unclosed", "u", "1"},
        {"value keeps its case", "layout.ini", "THIRD", "Mixed", "MiXeD Case"},
        {"accented names match in either case", "layout.ini", "caf\xE9", "\xE9t\xE9", "summer"},
        {"missing key", "layout.ini", "Third", "nothing", "<default>"},
        {"missing section", "layout.ini", "Nowhere", "mixed", "<default>"},
        {"missing file", "no_such.ini", "Main", "name", "<default>"},
        {"lone LF ends a line", "lf_only.ini", "main", "key", "value"},
        {"last line needs no line end", "lf_only.ini", "other", "k", "v"},
        {"lone CR ends a line", "lone_cr_value.ini", "s", "key", "a"},
        {"lone CR file, trimmed", "lone_cr_value.ini", "s", "next", "b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Read(kFixtures / c.file, c.section, c.key), c.expected);
    }
}

TEST(ProfileRead, BufferOf255ReturnsTheFirst254Bytes)
{
    const Path file = kFixtures / "value_300_chars.ini";
    const std::string expected = platform::files::ReadFile(kFixtures / "value_300_chars.expected");
    std::string out;
    EXPECT_EQ(profile::GetPrivateProfileString("s", "long", "", out, 255, file), 254u);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(profile::FindProfileValue("s", "long", file)->size(), 300u);
    EXPECT_EQ(Read(file, "s", "after"), "1");

    EXPECT_EQ(profile::GetPrivateProfileString("s", "none", "abcdef", out, 4, file), 3u);
    EXPECT_EQ(out, "abc") << "the default is cut by the buffer as well";
    EXPECT_EQ(profile::GetPrivateProfileString("s", "after", "x", out, 0, file), 0u);
    EXPECT_EQ(out, "");
}

class ProfileWrite : public ::testing::Test {
protected:
    TempFolder m_tmp;
    Path m_file = Path::Native(m_tmp.path()) / "t.ini";
};

TEST_F(ProfileWrite, ChangesOnlyWhatItMust)
{
    struct Case {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const Case cases[] = {
        {"replace in place, spelling of the file, other bytes kept",
         "; c\r\n[Sec]\r\n  Key = old \r\nother = 1\n", "sec", "KEY", "new",
         "; c\r\n[Sec]\r\nKey=new\r\nother = 1\n"},
        {"replaced last line gets a line end", "[s]\r\nk=1", "s", "k", "2", "[s]\r\nk=2\r\n"},
        {"replaced LF line gets CR LF", "[s]\nk=1\nz=2\n", "s", "k", "2", "[s]\nk=2\r\nz=2\n"},
        {"new key after the last key line, before blank and comment",
         "[a]\r\nx=1\r\n\r\n; note\r\n[b]\r\ny=2\r\n", "A", "new", "v",
         "[a]\r\nx=1\r\nnew=v\r\n\r\n; note\r\n[b]\r\ny=2\r\n"},
        {"section without keys gets it after its header", "[a]\r\n; c\r\n[b]\r\n", "a", "k", "v",
         "[a]\r\nk=v\r\n; c\r\n[b]\r\n"},
        {"header as last line without end", "[a]", "a", "k", "v", "[a]\r\nk=v\r\n"},
        {"last key line without end", "[a]\r\nx=1", "a", "k", "v", "[a]\r\nx=1\r\nk=v\r\n"},
        {"missing section at the end", "[a]\r\nx=1\r\n", "b", "k", "v",
         "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"missing section after an unended line", "[a]\r\nx=1", "b", "k", "v",
         "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"missing section after a lone LF", "[a]\nx=1\n", "b", "k", "v",
         "[a]\nx=1\n[b]\r\nk=v\r\n"},
        {"empty file", "", "b", "k", "v", "[b]\r\nk=v\r\n"},
        {"only the first section of a name", "[a]\r\nx=1\r\n[A]\r\nk=old\r\n", "a", "k", "v",
         "[a]\r\nx=1\r\nk=v\r\n[A]\r\nk=old\r\n"},
        {"keys before any section do not count", "k=pre\r\n[a]\r\n", "a", "k", "v",
         "k=pre\r\n[a]\r\nk=v\r\n"},
        {"names trimmed, value verbatim", "", " b\t", " k ", "  \"x\" ;y ",
         "[b]\r\nk=  \"x\" ;y \r\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // One file per row: rows rewritten in place within one timestamp tick could look
        // unchanged to the index.
        const std::string name = "t" + std::to_string(++n) + ".ini";
        const Path file = Path::Native(m_tmp.path()) / name;
        m_tmp.Put(name, c.before);
        ASSERT_TRUE(profile::WritePrivateProfileString(c.section, c.key, c.value, file));
        EXPECT_EQ(m_tmp.Get(name), c.after);
        std::string value = c.value;
        value.erase(0, value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of(" \t") + 1);
        EXPECT_EQ(profile::FindProfileValue(c.section, c.key, file), value);
    }
}

TEST_F(ProfileWrite, MakesAMissingFileButNeverAMissingFolder)
{
    ASSERT_TRUE(profile::WritePrivateProfileString("s", "k", "v", m_file));
    EXPECT_EQ(m_tmp.Get("t.ini"), "[s]\r\nk=v\r\n");

    const Path inMissing = Path::Native(m_tmp.path()) / "nofolder" / "t.ini";
    EXPECT_FALSE(profile::WritePrivateProfileString("s", "k", "v", inMissing));
    EXPECT_FALSE(m_tmp.Exists("nofolder"));
    EXPECT_FALSE(profile::WritePrivateProfileString("s", "k", "v", Path()));
    EXPECT_EQ(m_tmp.CountEntries(), 1);
}

TEST_F(ProfileWrite, RefusesNamesThatWouldSplitTheLine)
{
    m_tmp.Put("t.ini", "[s]\r\nk=v\r\n");
    EXPECT_FALSE(profile::WritePrivateProfileString("s\r\n[x", "k", "v", m_file));
    EXPECT_FALSE(profile::WritePrivateProfileString("s", "k\nj", "v", m_file));
    EXPECT_FALSE(profile::WritePrivateProfileString("", "k", "v", m_file));
    EXPECT_FALSE(profile::WritePrivateProfileString("s", " ", "v", m_file));
    EXPECT_EQ(m_tmp.Get("t.ini"), "[s]\r\nk=v\r\n");
}

// A name the reader would see as another section, another key or a comment must never
// reach the file; every other name, however odd, must come back as itself.
TEST_F(ProfileWrite, StoresOnlyNamesThatReadBackAsThemselves)
{
    const std::string before = "[f0]\r\ngrp=kept\r\n";
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        bool stored;
    };
    const Case cases[] = {
        {"section holding ]", "f0]q", "grp", false},
        {"section that is only ]", "]", "grp", false},
        {"section of blanks only", " \t ", "grp", false},
        {"key holding =", "f0", "a=b", false},
        {"key starting with ;", "f0", ";c", false},
        {"key starting with ; after blanks", "f0", "  ;c", false},
        {"key starting with [", "f0", "[evil", false},
        {"key that is only =", "f0", "=", false},
        {"section starting with [", "[a", "k", true},
        {"section holding = and ;", "a=b;c", "k", true},
        {"key holding ] and [ inside", "f0", "x]y[z", true},
        {"key ending with ;", "f0", "k;", true},
        {"key holding a blank inside", "f0", "a b", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = "n" + std::to_string(++n) + ".ini";
        const Path file = Path::Native(m_tmp.path()) / name;
        m_tmp.Put(name, before);
        EXPECT_EQ(profile::WritePrivateProfileString(c.section, c.key, "v", file), c.stored);
        if (!c.stored) {
            EXPECT_EQ(m_tmp.Get(name), before);
            continue;
        }
        EXPECT_EQ(profile::FindProfileValue(c.section, c.key, file), "v");
        EXPECT_EQ(profile::FindProfileValue("f0", "grp", file), "kept");
        // A second write finds the same line again rather than adding another.
        ASSERT_TRUE(profile::WritePrivateProfileString(c.section, c.key, "w", file));
        const std::string after = m_tmp.Get(name);
        EXPECT_EQ(after.find("=v\r\n"), std::string::npos) << after;
        EXPECT_EQ(after.find("=w\r\n"), after.rfind("=w\r\n")) << after;
    }
}

TEST_F(ProfileWrite, NeverReplacesAFolderOrWritesIntoAFile)
{
    m_tmp.MakeFolder("t.ini");
    EXPECT_FALSE(profile::WritePrivateProfileString("s", "k", "v", m_file));
    m_tmp.Put("plain", "x");
    EXPECT_FALSE(profile::WritePrivateProfileString(
        "s", "k", "v", Path::Native(m_tmp.path()) / "plain" / "t.ini"));
    EXPECT_EQ(m_tmp.Get("plain"), "x");
}

// The index must never serve what the file no longer holds.
class ProfileIndex : public ::testing::Test {
protected:
    void TearDown() override { profile::SetIndexEnabled(true); }

    // Rewrites the file in place (same inode) and sets its modification time.
    void Overwrite(const std::string& bytes, const struct timespec& mtime)
    {
        {
            std::ofstream out(m_tmp / "t.ini", std::ios::binary | std::ios::in);
            out << bytes;
        }
        const struct timespec times[2] = {mtime, mtime};
        ::utimensat(AT_FDCWD, (m_tmp / "t.ini").c_str(), times, 0);
    }
    struct timespec Mtime()
    {
        struct stat st;
        ::stat((m_tmp / "t.ini").c_str(), &st);
        return st.st_mtim;
    }

    TempFolder m_tmp;
    Path m_file = Path::Native(m_tmp.path()) / "t.ini";
};

TEST_F(ProfileIndex, SeesEveryChangeOfSizeTimeOrIdentity)
{
    m_tmp.Put("t.ini", "[s]\r\nk=aaaa\r\n");
    EXPECT_EQ(Read(m_file, "s", "k"), "aaaa");

    // Same inode and size, one nanosecond later.
    struct timespec t = Mtime();
    t.tv_nsec = (t.tv_nsec + 1) % 1000000000;
    Overwrite("[s]\r\nk=bbbb\r\n", t);
    EXPECT_EQ(Read(m_file, "s", "k"), "bbbb");

    // Other size, same time.
    m_tmp.Put("t.ini", "[s]\r\nk=ccccc\r\n");
    const struct timespec same[2] = {t, t};
    ::utimensat(AT_FDCWD, (m_tmp / "t.ini").c_str(), same, 0);
    EXPECT_EQ(Read(m_file, "s", "k"), "ccccc");

    // A file replaced through the file layer, same size, read at once.
    platform::files::WriteFile(m_file, "[s]\r\nk=ddddd\r\n");
    EXPECT_EQ(Read(m_file, "s", "k"), "ddddd");
    platform::files::WriteFile(m_file, "[s]\r\nk=eeeee\r\n");
    EXPECT_EQ(Read(m_file, "s", "k"), "eeeee");

    ::unlink((m_tmp / "t.ini").c_str());
    EXPECT_EQ(Read(m_file, "s", "k"), "<default>");
}

TEST_F(ProfileIndex, AnEditThatPutsTheModificationTimeBackIsSeen)
{
    m_tmp.Put("t.ini", "[s]\r\nk=aaaa\r\n");
    struct timespec old = Mtime();
    old.tv_sec -= 10; // long past its timestamp tick
    Overwrite("[s]\r\nk=aaaa\r\n", old);
    EXPECT_EQ(Read(m_file, "s", "k"), "aaaa");
    // Same inode, size and modification time, as `touch -r` or `rsync -t` leave it: the
    // change time, which no program can set back, tells.
    Overwrite("[s]\r\nk=bbbb\r\n", Mtime());
    EXPECT_EQ(Read(m_file, "s", "k"), "bbbb");
    ASSERT_TRUE(profile::WritePrivateProfileString("s", "j", "1", m_file));
    EXPECT_EQ(m_tmp.Get("t.ini"), "[s]\r\nk=bbbb\r\nj=1\r\n") << "the write builds on it";

    profile::SetIndexEnabled(false);
    Overwrite("[s]\r\nk=cccc\r\n", Mtime());
    EXPECT_EQ(Read(m_file, "s", "k"), "cccc");
}

TEST_F(ProfileIndex, AChangeInTheTickOfTheReadIsSeen)
{
    // Another program rewrites the file in place right after our read, at the same size and
    // within the same timestamp tick: the stamp cannot tell, the bytes must.
    m_tmp.Put("t.ini", "[s]\r\nk=aaaa\r\n");
    const struct timespec now = Mtime();
    EXPECT_EQ(Read(m_file, "s", "k"), "aaaa");
    Overwrite("[s]\r\nk=bbbb\r\n", now);
    EXPECT_EQ(Read(m_file, "s", "k"), "bbbb");
    ASSERT_TRUE(profile::WritePrivateProfileString("s", "j", "1", m_file));
    EXPECT_EQ(m_tmp.Get("t.ini"), "[s]\r\nk=bbbb\r\nj=1\r\n") << "the write builds on it";
}

TEST_F(ProfileIndex, AWriteBuildsOnTheFileAsItIsNow)
{
    m_tmp.Put("t.ini", "[s]\r\na=1\r\n");
    EXPECT_EQ(Read(m_file, "s", "a"), "1");
    m_tmp.Put("t.ini", "[s]\r\na=1\r\nb=added elsewhere\r\n");
    ASSERT_TRUE(profile::WritePrivateProfileString("s", "c", "3", m_file));
    EXPECT_EQ(m_tmp.Get("t.ini"), "[s]\r\na=1\r\nb=added elsewhere\r\nc=3\r\n");
    EXPECT_EQ(Read(m_file, "S", "C"), "3");
    EXPECT_EQ(Read(m_file, "s", "b"), "added elsewhere");
}

} // namespace
