#include "app/project_store/txtReadWrite.h"
#include "store_fixture.h"

namespace {

using quorvel::Path;

using TextFiles = store_test::StoreTest;

TEST_F(TextFiles, WriteAndAppendAddOneCrLf)
{
    struct Case {
        const char* name;
        const char* before; // nullptr: no file
        bool append;
        std::string text;
        std::string after;
    };
    const Case cases[] = {
        {"write empty text", nullptr, false, "", "\r\n"},
        {"write text ending in CR LF", nullptr, false, "a\r\n", "a\r\n\r\n"},
        {"write replaces longer content", "0123456789", false, "ab", "ab\r\n"},
        {"append makes a missing file", nullptr, true, "t", "t\r\n"},
        {"append adds at the end", "x\r\n", true, "y", "x\r\ny\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::unlink((m_tmp / "f.txt").c_str());
        if (c.before)
            m_tmp.Put("f.txt", c.before);
        // An existing file is found in any case; a new one is made as spelled.
        const Path file = At(c.before ? "F.TXT" : "f.txt");
        if (c.append)
            quorvel::AppendTextFile(file, c.text);
        else
            quorvel::WriteTextFile(file, c.text);
        EXPECT_EQ(m_tmp.Get("f.txt"), c.after);
    }
}

TEST_F(TextFiles, WritesIntoAMissingFolderRaise76AndMakeNothing)
{
    const Path file = At("missing") / "f.txt";
    EXPECT_EQ(ErrorOf([&] { quorvel::WriteTextFile(file, "x"); }), 76);
    EXPECT_EQ(ErrorOf([&] { quorvel::AppendTextFile(file, "x"); }), 76);
    EXPECT_FALSE(m_tmp.Exists("missing"));
}

TEST_F(TextFiles, ReadTextFileGivesEmptyTextForNoFile)
{
    m_tmp.Put("empty.txt", "");
    m_tmp.Put("data.txt", "a\nb\r\n\xE4");
    EXPECT_EQ(quorvel::ReadTextFile(At("data.txt")), "a\nb\r\n\xE4");
    EXPECT_EQ(quorvel::ReadTextFile(At("empty.txt")), "");
    EXPECT_EQ(quorvel::ReadTextFile(At("none.txt")), "");
    EXPECT_EQ(quorvel::ReadTextFile(At("projects")), "") << "a folder is no file";
    EXPECT_EQ(quorvel::ReadTextFile(At("nofolder") / "data.txt"), "");
}

TEST_F(TextFiles, ReadTextLineCountsLinesByTheLineRule)
{
    m_tmp.Put("l.txt", "a\r\n\r\nb\nstill b\rc\r\nlast");
    struct Case {
        std::int32_t line;
        const char* expected;
    };
    const Case cases[] = {{-1, ""},          {0, ""},  {1, "a"},    {2, ""},
                          {3, "b\nstill b"}, {4, "c"}, {5, "last"}, {6, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(quorvel::ReadTextLine(At("l.txt"), c.line), c.expected);
    }
    m_tmp.Put("two.txt", "a\r\nb\r\n");
    EXPECT_EQ(quorvel::ReadTextLine(At("two.txt"), 2), "b");
    EXPECT_EQ(quorvel::ReadTextLine(At("two.txt"), 3), "");
    EXPECT_EQ(quorvel::ReadTextLine(At("none.txt"), 1), "");
}

} // namespace

namespace {

TEST_F(TextFiles, RewriteRedoesItsEditOnAVersionSavedMeanwhile)
{
    struct Case {
        const char* name;
        const char* before; // nullptr: no file
    };
    const Case cases[] = {{"file changed meanwhile", "a\r\nb\r\n"},
                          {"file made meanwhile", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string(c.before ? "changed" : "made") + ".txt";
        if (c.before)
            m_tmp.Put(name, c.before);
        std::vector<std::string> seen;
        quorvel::RewriteTextFile(At(name), [&](const std::string& text) {
            seen.push_back(text);
            if (seen.size() == 1)
                m_tmp.Put(name, "theirs\r\n"); // another program saves between read and write
            return text + "ours";
        });
        EXPECT_EQ(seen, (std::vector<std::string>{c.before ? c.before : "", "theirs\r\n"}));
        EXPECT_EQ(m_tmp.Get(name), "theirs\r\nours\r\n");
    }
}

} // namespace
