// The compact index must read and write every file exactly as the previous index did: the same
// value, the same first section and key, the same insert position, the same bytes written.
#include "platform/files/names.h"
#include "platform/profile/ini_index.h"
#include "previous_ini_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace platform::profile;

// Names that fold together, names that only look alike, and names of no letters at all.
const std::vector<std::string> kNames = {
    "Main",
    "MAIN",
    "main",
    "name",
    "NAME",
    "x",
    "Caf\xE9",
    "CAF\xC9",
    "\x8Ako",
    "\x9Ako",
    "\x8Cuvre",
    "\x9Cuvre",
    "\x8Eone",
    "\x9Eone",
    "\x9Fys",
    "\xFFys",
    "\xD7x",
    "\xF7x",
    "\xDF",
    "a b",
    "A  B",
    "",
    "x=y",
    "\xC0\xDE",
    "\xE0\xFE",
    "12",
    std::string(300, 'n'),
    std::string(150, 'N') + std::string(150, 'n'),
};

const std::vector<std::string> kValues = {"1", "v=w", "", "a ;x", "\"q\"", "MiXeD", "=", "\xE9"};

const char* const kLineEnds[] = {"\r\n", "\n", "\r"};

std::string Blanks(std::mt19937& random)
{
    static const char* const kBlanks[] = {"", "", "", " ", "\t", "  \t "};
    return kBlanks[random() % 6];
}

std::string RandomLine(std::mt19937& random)
{
    const std::string& name = kNames[random() % kNames.size()];
    const std::string& value = kValues[random() % kValues.size()];
    switch (random() % 10) {
    case 0:
    case 1: {
        std::string line = Blanks(random) + "[" + Blanks(random) + name + Blanks(random);
        switch (random() % 4) {
        case 0:
            return line; // no closing bracket: the name runs to the line end
        case 1:
            return line + "]" + Blanks(random) + "tail=1";
        default:
            return line + "]";
        }
    }
    case 2:
        return Blanks(random) + ";" + name + "=" + value;
    case 3:
        return "#" + name + "=" + value;
    case 4:
        return Blanks(random);
    case 5:
        return Blanks(random) + "no equals " + name;
    default:
        return Blanks(random) + name + Blanks(random) + "=" + Blanks(random) + value +
               Blanks(random);
    }
}

std::string RandomFile(std::mt19937& random, unsigned maxLines = 24)
{
    std::string content;
    const int lines = int(random() % maxLines);
    for (int i = 0; i < lines; ++i) {
        content += RandomLine(random);
        if (i + 1 < lines || random() % 2)
            content += kLineEnds[random() % 3];
    }
    return content;
}

// Every name of the pool as section and as key, read and written through both indexes.
void ExpectSameAsPrevious(const std::string& content, const std::vector<std::string>& names)
{
    const std::shared_ptr<const IniIndex> now = ParseIni(content);
    const std::shared_ptr<const previous_ini::Index> before = previous_ini::Parse(content);
    ASSERT_EQ(now->SectionCount(), before->sections.size());
    for (const std::string& section : names) {
        const std::string_view s = TrimBlanks(section);
        for (const std::string& key : names) {
            const std::string_view k = TrimBlanks(key);
            SCOPED_TRACE("[" + std::string(s) + "] " + std::string(k));
            const auto found =
                now->FindValue(platform::files::FoldCase(s), platform::files::FoldCase(k));
            ASSERT_EQ(found ? std::optional<std::string>(*found) : std::nullopt,
                      previous_ini::Find(*before, s, k));
            ASSERT_EQ(WithValue(now.get(), s, k, "new"),
                      previous_ini::WithValue(before.get(), s, k, "new"));
        }
    }
}

TEST(IniIndexAgainstPrevious, GeneratedFilesReadAndWriteTheSame)
{
    std::mt19937 random(20261210);
    for (int round = 0; round < 1500; ++round) {
        const std::string content = RandomFile(random);
        SCOPED_TRACE("round " + std::to_string(round) + ":\n" + content);
        ExpectSameAsPrevious(content, kNames);
        if (HasFatalFailure())
            return;
    }
}

// Fixtures where a slip of the compact index would show: each line end, repeats in another
// letter case, a key that lives only in a repeated section.
TEST(IniIndexAgainstPrevious, FixturesReadAndWriteTheSame)
{
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"only blanks", " \t\r\n\r\n"},
        {"keys before any section", "Main=1\r\n[Main]\r\n"},
        {"lone CR lines, no last line end", "[Main]\rname=a\rMAIN=b"},
        {"LF lines", "[main]\nname = a \n\n; name=c\n"},
        {"repeat in other case holds the only key", "[Main]\r\nx=1\r\n[MAIN]\r\nname=2\r\n"},
        {"accented repeat", "[Caf\xE9]\r\n\xE9t\xE9=1\r\n[CAF\xC9]\r\n\xC9T\xC9=2\r\n"},
        {"first key line wins over its other case", "[Main]\r\nNAME=1\r\nname=2\r\n"},
        {"empty section and key names", "[]\r\n=empty\r\n[ ]\r\n = blank\r\n"},
        {"value with equals and blanks", "[Main]\r\n  name  =  a = b  \r\n"},
        {"section with no keys at the end", "[Main]\r\nname=1\r\n[Other]"},
        {"comment after the last key", "[Main]\r\nname=1\r\n; end\r\n\r\n[Next]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSameAsPrevious(c.content, kNames);
    }
}

// A section of many keys, some repeated in other letter case, fills its table densely.
TEST(IniIndexAgainstPrevious, HugeSectionReadsAndWritesTheSame)
{
    std::string content = "[Reputation]\r\n";
    std::vector<std::string> names;
    for (int i = 0; i < 20000; ++i) {
        const std::string key = "faction" + std::to_string(i);
        content += key + "=" + std::to_string(i) + "\r\n";
        if (i % 7 == 0)
            content += "FACTION" + std::to_string(i) + "=shadowed\r\n";
        if (i % 4000 == 0)
            names.push_back(key);
    }
    names.push_back("reputation");
    names.push_back("faction20000");
    ExpectSameAsPrevious(content, names);

    const std::shared_ptr<const IniIndex> now = ParseIni(content);
    const IniIndex::Section* section = now->FindSection("REPUTATION");
    ASSERT_NE(section, nullptr);
    for (int i = 0; i < 20000; ++i) {
        const std::optional<IniIndex::Key> key =
            now->FindKey(*section, "FACTION" + std::to_string(i));
        ASSERT_TRUE(key) << i;
        ASSERT_EQ(now->Value(*key), std::to_string(i));
    }
}

// The index makes a section's keys when one is first asked for: the order in which sections
// are looked at, and keys held from sections looked at before, must not change an answer.
TEST(IniIndexAgainstPrevious, SectionsInAnyOrderReadTheSame)
{
    std::mt19937 random(20261211);
    std::vector<std::string> folded;
    for (const std::string& name : kNames)
        folded.push_back(platform::files::FoldCase(TrimBlanks(name)));
    std::sort(folded.begin(), folded.end());
    folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
    for (int round = 0; round < 600; ++round) {
        const std::string content = RandomFile(random, 80);
        SCOPED_TRACE("round " + std::to_string(round) + ":\n" + content);
        const std::shared_ptr<const IniIndex> now = ParseIni(content);
        const std::shared_ptr<const previous_ini::Index> before = previous_ini::Parse(content);
        // Counted before any section is looked at, and again once all are.
        const std::size_t keyLines = now->KeyCount();
        ASSERT_EQ(now->SectionCount(), before->sections.size());

        std::shuffle(folded.begin(), folded.end(), random);
        std::vector<std::pair<IniIndex::Key, std::string>> held;
        for (const std::string& s : folded) {
            const IniIndex::Section* section = now->FindSection(s);
            const auto previous = before->sections.find(s);
            ASSERT_EQ(section != nullptr, previous != before->sections.end()) << s;
            if (!section)
                continue;
            // The insert position first, before any key of the section is asked for.
            const IniIndex::Insertion insertion = now->InsertPoint(*section);
            EXPECT_EQ(insertion.at, previous->second.insertAt) << s;
            EXPECT_EQ(insertion.hasEol, previous->second.insertHasEol) << s;
            for (const std::string& k : folded) {
                const std::optional<IniIndex::Key> key = now->FindKey(*section, k);
                const auto expected = previous->second.keys.find(k);
                ASSERT_EQ(key.has_value(), expected != previous->second.keys.end()) << s << k;
                if (!key)
                    continue;
                EXPECT_EQ(now->Value(*key), expected->second.value);
                EXPECT_EQ(now->Spelled(*key), expected->second.spelled);
                EXPECT_EQ(key->begin, expected->second.begin);
                EXPECT_EQ(key->next, expected->second.next);
                held.emplace_back(*key, expected->second.value);
            }
        }
        for (const auto& [key, value] : held)
            EXPECT_EQ(now->Value(key), value);
        const std::shared_ptr<const IniIndex> counted = ParseIni(content);
        for (const std::string& s : folded) {
            if (const IniIndex::Section* section = counted->FindSection(s))
                counted->InsertPoint(*section);
        }
        EXPECT_EQ(counted->KeyCount(), keyLines);
        if (HasFailure())
            return;
    }
}

// A file whose sections are never read costs about its bytes; reading them shows in the
// estimate the file store keeps its budget by.
TEST(IniIndexMemory, GrowsAsSectionsAreRead)
{
    std::string content;
    for (int s = 0; s < 100; ++s) {
        content += "[group" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 100; ++k)
            content += "Key" + std::to_string(k) + "=" + std::to_string(s * k) + "\r\n";
    }
    const std::shared_ptr<const IniIndex> index = ParseIni(content);
    const std::size_t unread = index->MemoryBytes();
    EXPECT_GE(unread, content.size());
    EXPECT_LT(unread, content.size() + 256 * index->SectionCount() + 4096);

    ASSERT_EQ(index->FindValue("GROUP7", "KEY9"), "63");
    const std::size_t oneRead = index->MemoryBytes();
    EXPECT_GT(oneRead, unread + 100 * sizeof(IniIndex::Key));
    ASSERT_EQ(index->FindValue("GROUP7", "KEY10"), "70");
    EXPECT_EQ(index->MemoryBytes(), oneRead); // made once, then kept
    for (int s = 0; s < 100; ++s)
        ASSERT_TRUE(index->FindValue("GROUP" + std::to_string(s), "KEY99"));
    EXPECT_GT(index->MemoryBytes(), unread + 100 * (oneRead - unread) - 4096);
}

} // namespace
