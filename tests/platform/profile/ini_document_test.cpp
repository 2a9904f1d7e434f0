// A document taking many writes must give, after each one, the bytes and the values that
// writing into the file as it stands gives.
#include "platform/files/names.h"
#include "platform/profile/ini_document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace platform::profile;

struct Edit {
    std::string section;
    std::string key;
    std::string value;
};

// Applies the edits both ways, comparing the bytes and every value written so far.
void ExpectSameAsOneByOne(const std::string& original, bool exists, const std::vector<Edit>& edits)
{
    std::shared_ptr<const IniIndex> flat = exists ? ParseIni(original) : nullptr;
    IniDocument document(flat);
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const Edit& e = edits[i];
        SCOPED_TRACE("after edit " + std::to_string(i) + " [" + e.section + "] " + e.key);
        flat = ParseIni(WithValue(flat.get(), e.section, e.key, e.value));
        document.Set(e.section, e.key, e.value);
        ASSERT_EQ(document.Content(), flat->content);
        for (const Edit& probe : edits) {
            const auto expected = flat->FindValue(platform::files::FoldCase(probe.section),
                                                  platform::files::FoldCase(probe.key));
            ASSERT_EQ(document.Find(probe.section, probe.key), expected)
                << "[" << probe.section << "] " << probe.key;
        }
    }
}

TEST(IniDocument, GivesTheBytesOfWritingOneByOne)
{
    struct Case {
        const char* name;
        std::string original;
        bool exists;
        std::vector<Edit> edits;
    };
    const Case cases[] = {
        {"no file: new sections in order, keys after their section's last",
         "",
         false,
         {{"a", "x", "1"}, {"b", "y", "2"}, {"a", "z", "3"}, {"A", "X", "4"}, {"b", "y", "5"}}},
        {"empty file", "", true, {{"a", "x", "1"}, {"a", "x", " 2 "}}},
        {"last line without a line end, then a new section, then a key for the first",
         "[s]\r\na=1",
         true,
         {{"t", "x", "1"}, {"s", "b", "2"}, {"s", "a", "3"}, {"s", "c", "4"}}},
        {"last key rewritten after a section was added behind it",
         "[s]\r\na=1",
         true,
         {{"t", "x", "1"}, {"s", "a", "new"}, {"s", "b", "2"}}},
        {"header as last line without end", "[s]", true, {{"s", "k", "v"}, {"u", "k", "w"}}},
        {"lone CR and lone LF lines keep their ends",
         "[s]\rk=1\r[u]\nm=2\n\n; c\n",
         true,
         {{"s", "k", "9"}, {"s", "n", "3"}, {"u", "m", "8"}, {"u", "o", "4"}, {"v", "p", "5"}}},
        {"file ending in a lone CR", "[s]\r\nk=1\r", true, {{"t", "x", "1"}, {"s", "y", "2"}}},
        {"repeated section: only the first takes keys",
         "[a]\r\nx=1\r\n[A]\r\nk=old\r\n[b]\r\n",
         true,
         {{"a", "k", "v"}, {"a", "x", "2"}, {"b", "k", "3"}, {"a", "k", "w"}}},
        {"keys before the first section never count",
         "k=pre\r\n[a]\r\n; note\r\n\r\n[b]\r\ny=1\r\n",
         true,
         {{"a", "k", "v"}, {"a", "k2", "v2"}, {"b", "y", "2"}, {"b", "z", "3"}}},
        {"spelling of the file kept on rewrite",
         "[Sec]\r\n  Key = old \r\n",
         true,
         {{"sec", "KEY", "new"}, {"SEC", "key", "again"}}},
        {"values that do not read back as written",
         "[s]\r\nk=1\r\n",
         true,
         {{"s", "k", "a\r\n[t]\r\nz=1"}, {"t", "z", "2"}, {"s", "m", "x\ry"}, {"s", "n", "3"}}},
        {"names that do not read back as written",
         "[s]\r\nk=1\r\n",
         true,
         {{"s", "a=b", "1"},
          {"s", ";c", "2"},
          {"s", "[d", "3"},
          {"e]f", "g", "4"},
          {"s", "h", "5"},
          {"e", "g", "6"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSameAsOneByOne(c.original, c.exists, c.edits);
    }
}

// Random files in every layout the reader knows and random writes over few names, so that
// rewrites, inserts and new sections follow each other in every order.
TEST(IniDocument, RandomWritesGiveTheBytesOfWritingOneByOne)
{
    std::mt19937 random(20261210);
    const char* const names[] = {"a", "B", "c", "d"};
    const char* const lines[] = {
        "[a]", "[b]", "[A]", "x=1", " c = 2 ", "d=", "; x=3", "junk", "", "[c", "b=4"};
    const char* const ends[] = {"\r\n", "\n", "\r"};
    const auto pick = [&](const auto& from) { return from[random() % std::size(from)]; };
    for (int round = 0; round < 300; ++round) {
        std::string original;
        const int count = static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i)
            original +=
                std::string(pick(lines)) + (i + 1 < count || random() % 2 ? pick(ends) : "");
        std::vector<Edit> edits;
        const int writes = 1 + static_cast<int>(random() % 10);
        for (int i = 0; i < writes; ++i)
            edits.push_back({pick(names), pick(names), std::to_string(random() % 100)});
        SCOPED_TRACE("round " + std::to_string(round) + ": " + original);
        ExpectSameAsOneByOne(original, random() % 8 != 0, edits);
        if (HasFatalFailure())
            return;
    }
}

} // namespace

// Past many written lines the document parses its text anew to stay small; the bytes, the
// values and the size stay those of writing one by one, and so does a rewrite afterwards.
TEST(IniDocument, AMillionWriteImportStaysExactAcrossItsReparses)
{
    constexpr int kSections = 3;
    constexpr int kKeys = 30000; // three times past the point where the text is parsed anew
    IniDocument document(nullptr);
    const auto value = [](int s, int i, int round) {
        return std::to_string(s) + "." + std::to_string(i) + (round ? "b" : "");
    };
    for (int i = 0; i < kKeys; ++i) {
        for (int s = 0; s < kSections; ++s)
            document.Set("s" + std::to_string(s), "k" + std::to_string(i), value(s, i, 0));
    }
    for (int i = 0; i < kKeys; i += 997) {
        EXPECT_TRUE(document.Keeps("s1", "k" + std::to_string(i), value(1, i, 0)));
        EXPECT_FALSE(document.Keeps("s1", "k" + std::to_string(i), value(1, i, 1)));
        document.Set("s1", "K" + std::to_string(i), value(1, i, 1)); // as the file spells it
    }
    std::string expected;
    for (int s = 0; s < kSections; ++s) {
        expected += "[s" + std::to_string(s) + "]\r\n";
        for (int i = 0; i < kKeys; ++i)
            expected += "k" + std::to_string(i) + "=" +
                        value(s, i, s == 1 && i % 997 == 0 ? 1 : 0) + "\r\n";
    }
    EXPECT_EQ(document.Content(), expected);
    EXPECT_EQ(document.Size(), expected.size());
    EXPECT_EQ(document.Find("S2", "k29999"), value(2, 29999, 0));
}

// A line keeps its bytes only when it is already exactly what a write would make of it.
TEST(IniDocument, KeepsOnlyALineAWriteWouldNotChange)
{
    const std::shared_ptr<const IniIndex> parsed =
        ParseIni("[s]\r\nk=v\r\nblank = v\r\nlf=v\nlast=v");
    IniDocument document(parsed);
    struct Case {
        const char* key;
        const char* value;
        bool keeps;
    };
    const Case cases[] = {
        {"k", "v", true},   {"K", "v", true},     {"k", "w", false},      {"blank", "v", false},
        {"lf", "v", false}, {"last", "v", false}, {"missing", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(KeepsBytes(*parsed, "s", c.key, c.value), c.keeps);
        EXPECT_EQ(document.Keeps("s", c.key, c.value), c.keeps);
    }
    document.Set("s", "k", "w");
    EXPECT_TRUE(document.Keeps("s", "k", "w"));
    EXPECT_FALSE(document.Keeps("s", "k", "v"));
}
