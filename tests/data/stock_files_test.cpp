// The example stock factions must survive the import's fixed-width cuts: it compares the first
// characters of a line exactly and drops a fixed number of them, then splits the rest at its
// first comma and skips the one character after it. A line that is off by one blank imports a
// wrong key or value without any error, so these tests check the files the way the import reads
// them.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const char* const kFolders[] = {"emphaty", "faction_prop", "initialworld"};

fs::path FolderOf(const std::string& kind)
{
    return fs::path(QV_DATA_DIR) / kind / "original_factions";
}

std::vector<std::string> FactionNames(const std::string& kind)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(kind)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a CR LF text, without their line ends; the last line end ends the text.
std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsDecimal(const std::string& text)
{
    static const std::regex decimal("-?[0-9]+\\.[0-9]+");
    return std::regex_match(text, decimal);
}

// A value as the cut leaves it: not empty, no blank at either end (a wrong number of blanks
// around "=" or after "," would show up as one).
bool IsCleanValue(const std::string& text)
{
    return !text.empty() && text.front() != ' ' && text.back() != ' ';
}

struct Pair {
    std::string first;
    std::string second;
};

// The import's split of a rest: before the first comma, and from two characters after it.
// Returns nothing where the import itself would fail, and where the skipped character is not
// the blank of the game's form (the second value would then lose its first character).
std::optional<Pair> SplitAtComma(const std::string& rest)
{
    const std::size_t comma = rest.find(',');
    if (comma == std::string::npos || comma + 1 >= rest.size() || rest[comma + 1] != ' ')
        return std::nullopt;
    return Pair{rest.substr(0, comma), rest.substr(comma + 2)};
}

// One file of one faction, read once for all tests.
struct StockFile {
    std::string faction;
    std::string bytes;
    std::vector<std::string> lines;
};

class StockFilesTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_factions = FactionNames("emphaty");
        for (const char* kind : kFolders)
            for (const std::string& name : FactionNames(kind)) {
                const std::string bytes = ReadBytes(FolderOf(kind) / name);
                s_files[kind].push_back({name, bytes, Lines(bytes)});
            }
    }

    static bool IsFaction(const std::string& key)
    {
        return std::find(s_factions.begin(), s_factions.end(), key) != s_factions.end();
    }

    static inline std::vector<std::string> s_factions;
    static inline std::map<std::string, std::vector<StockFile>> s_files;
};

TEST_F(StockFilesTest, EveryFolderHoldsTheSameFactionsAsFilesWithoutExtension)
{
    EXPECT_GE(s_factions.size(), 2u) << "the examples must show factions toward each other";
    for (const char* kind : kFolders) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(FactionNames(kind), s_factions);
        for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(kind))) {
            EXPECT_TRUE(entry.is_regular_file()) << entry.path();
            EXPECT_FALSE(entry.path().has_extension()) << entry.path();
        }
    }
}

TEST_F(StockFilesTest, EveryLineEndsInCrLfAndHasTheGameForm)
{
    for (const auto& [kind, files] : s_files)
        for (const StockFile& file : files) {
            SCOPED_TRACE(kind + "/" + file.faction);
            ASSERT_FALSE(file.lines.empty());
            EXPECT_EQ(file.bytes.substr(file.bytes.size() - 2), "\r\n");
            std::size_t joined = 0;
            for (const std::string& line : file.lines)
                joined += line.size() + 2;
            EXPECT_EQ(joined, file.bytes.size()) << "a text after the last CR LF";
            for (const std::string& line : file.lines) {
                SCOPED_TRACE(line);
                EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF";
                EXPECT_TRUE(std::all_of(line.begin(), line.end(),
                                        [](char c) { return c >= 0x20 && c < 0x7f; }));
                if (StartsWith(line, "["))
                    continue;
                const std::size_t eq = line.find(" = ");
                ASSERT_NE(eq, std::string::npos) << "key, blank, =, blank, value";
                EXPECT_EQ(line.find_first_of(" =\t"), eq) << "the key holds no blank";
                EXPECT_TRUE(IsCleanValue(line.substr(eq + 3)));
            }
        }
}

TEST_F(StockFilesTest, EmpathyFilesGiveEveryEventAndARateTowardEveryOtherFaction)
{
    const std::set<std::string> events = {"object_destruction", "random_mission_success",
                                          "random_mission_failure", "random_mission_abortion"};
    for (const StockFile& file : s_files["emphaty"]) {
        SCOPED_TRACE(file.faction);
        ASSERT_FALSE(file.lines.empty());
        EXPECT_EQ(file.lines.front(), "[RepChangeEffects]");
        EXPECT_NE(std::find(file.lines.begin(), file.lines.end(), "group = " + file.faction),
                  file.lines.end());
        // Short enough that even an import reading only the first 60 lines sees every line.
        EXPECT_LE(file.lines.size(), 60u);
        std::multiset<std::string> eventsSeen, othersSeen;
        for (const std::string& line : file.lines) {
            SCOPED_TRACE(line);
            if (StartsWith(line, "emp")) {
                ASSERT_EQ(line.substr(0, 15), "emphaty_rate = ") << "the cut drops 15 characters";
                const std::optional<Pair> pair = SplitAtComma(line.substr(15));
                ASSERT_TRUE(pair);
                EXPECT_TRUE(IsFaction(pair->first));
                EXPECT_NE(pair->first, file.faction);
                EXPECT_TRUE(IsDecimal(pair->second));
                othersSeen.insert(pair->first);
            } else if (StartsWith(line, "event")) {
                ASSERT_EQ(line.substr(0, 8), "event = ") << "the cut drops 8 characters";
                const std::optional<Pair> pair = SplitAtComma(line.substr(8));
                ASSERT_TRUE(pair);
                EXPECT_EQ(events.count(pair->first), 1u);
                EXPECT_TRUE(IsDecimal(pair->second));
                eventsSeen.insert(pair->first);
            }
        }
        EXPECT_EQ(eventsSeen, std::multiset<std::string>(events.begin(), events.end()));
        std::multiset<std::string> others(s_factions.begin(), s_factions.end());
        others.erase(file.faction);
        EXPECT_EQ(othersSeen, others);
    }
}

TEST_F(StockFilesTest, PropertiesFilesHoldTheFourteenValuesAndEntriesForAllFiveLists)
{
    const std::string valueKeys[] = {
        "legality",        "nickname_plurality", "msg_id_prefix",    "mc_costume",
        "firstname_male",  "firstname_female",   "lastname",         "rank_desig",
        "formation_desig", "large_ship_desig",   "large_ship_names", "jump_preference",
        "scan_chance",     "scan_announce",
    };
    // The lists in the import's order of testing: key, characters dropped, parts of an entry.
    struct List {
        const char* key;
        std::size_t dropped;
        int parts;
    };
    const List lists[] = {
        {"npc_ship", 11, 1},       {"voice", 8, 1},      {"space_costume", 16, 3},
        {"scan_for_cargo", 17, 1}, {"formation", 12, 2},
    };
    // The faction-property tab compares these exactly, in lower case.
    const std::map<std::string, std::set<std::string>> choices = {
        {"legality", {"lawful", "unlawful"}},
        {"nickname_plurality", {"singular", "plural"}},
        {"jump_preference", {"jumpgate", "jumphole", "both"}},
    };
    for (const StockFile& file : s_files["faction_prop"]) {
        SCOPED_TRACE(file.faction);
        ASSERT_FALSE(file.lines.empty());
        EXPECT_EQ(file.lines.front(), "[FactionProps]");
        std::map<std::string, std::vector<std::string>> values, entries;
        for (const std::string& line : file.lines) {
            SCOPED_TRACE(line);
            const std::size_t eq = line.find(" = ");
            if (eq != std::string::npos)
                values[line.substr(0, eq)].push_back(line.substr(eq + 3));
            const auto list = std::find_if(std::begin(lists), std::end(lists), [&](const List& l) {
                return StartsWith(line, l.key) &&
                       !(std::string(l.key) == "formation" && StartsWith(line, "formation_desig"));
            });
            if (list == std::end(lists))
                continue;
            ASSERT_EQ(line.substr(0, list->dropped), std::string(list->key) + " = ");
            const std::string entry = line.substr(list->dropped);
            entries[list->key].push_back(entry);
            int parts = 1;
            for (std::size_t at = 0; (at = entry.find(", ", at)) != std::string::npos; at += 2)
                ++parts;
            EXPECT_EQ(parts, list->parts) << "parts joined by \", \"";
            EXPECT_EQ(std::count(entry.begin(), entry.end(), ','), list->parts - 1);
        }
        for (const std::string& key : valueKeys) {
            SCOPED_TRACE(key);
            ASSERT_EQ(values[key].size(), 1u) << "read once, so written once";
            if (choices.count(key)) {
                EXPECT_EQ(choices.at(key).count(values[key].front()), 1u) << values[key].front();
            }
        }
        EXPECT_TRUE(IsDecimal(values["scan_chance"].front()));
        for (const List& list : lists)
            EXPECT_FALSE(entries[list.key].empty()) << list.key << " has no entry";
    }
}

TEST_F(StockFilesTest, InitialWorldFilesGiveNamesAndAReputationTowardEveryFaction)
{
    for (const StockFile& file : s_files["initialworld"]) {
        SCOPED_TRACE(file.faction);
        ASSERT_FALSE(file.lines.empty());
        EXPECT_EQ(file.lines.front(), "[Group]");
        std::multiset<std::string> namesSeen, othersSeen;
        for (const std::string& line : file.lines) {
            SCOPED_TRACE(line);
            for (const char* name : {"ids_name", "ids_info", "ids_short_name"}) {
                if (StartsWith(line, std::string(name) + " = "))
                    namesSeen.insert(name);
            }
            if (!StartsWith(line, "rep"))
                continue;
            ASSERT_EQ(line.substr(0, 6), "rep = ") << "the cut drops 6 characters";
            const std::optional<Pair> pair = SplitAtComma(line.substr(6));
            ASSERT_TRUE(pair);
            EXPECT_TRUE(IsDecimal(pair->first));
            EXPECT_TRUE(IsFaction(pair->second));
            othersSeen.insert(pair->second);
        }
        EXPECT_EQ(namesSeen,
                  (std::multiset<std::string>{"ids_name", "ids_info", "ids_short_name"}));
        EXPECT_EQ(othersSeen, std::multiset<std::string>(s_factions.begin(), s_factions.end()));
    }
}

} // namespace
