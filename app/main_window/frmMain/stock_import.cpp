#include "stock_import.h"

#include "faction_registry.h"
#include "stock_keys.h"

#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/profile/ini_index.h"
#include "platform/profile/ini_names.h"
#include "platform/text/collation.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace quorvel {

namespace files = platform::files;

namespace {

bool StartsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

// The line without its first `count` characters; 5 when it is shorter, as the runtime's
// Right$ with a negative length was.
std::string Cut(const std::string& line, std::size_t count)
{
    if (line.size() < count)
        platform::Raise(5);
    return line.substr(count);
}

// The rest of a stock line split at its first ",": the text before it, and the text after
// the comma and the one blank of the game's ", " form.
std::size_t CommaOf(const std::string& rest)
{
    const std::size_t comma = rest.find(',');
    if (comma == std::string::npos)
        platform::Raise(5);
    return comma;
}

std::string SecondValue(const std::string& rest, std::size_t comma)
{
    if (rest.size() < comma + 2)
        platform::Raise(5);
    return rest.substr(comma + 2);
}

std::pair<std::string, std::string> Split(const std::string& rest)
{
    const std::size_t comma = CommaOf(rest);
    return {rest.substr(0, comma), SecondValue(rest, comma)};
}

// The reputation file is plain text with nothing escaped: a rate line whose other key would
// read back as another section (or none), or whose rate would start a line of its own, is
// refused as a malformed line is.
void CheckRate(const std::string& other, const std::string& rate)
{
    if (!platform::profile::IsStorableSectionName(platform::profile::TrimBlanks(other)) ||
        rate.find_first_of("\r\n") != std::string::npos)
        platform::Raise(5);
}

// The lines as the runtime's line input reads them; none for a missing file.
std::vector<std::string> LinesOf(const Path& file)
{
    return files::SplitLines(ReadTextFile(file));
}

Path StockFolder(const char* area)
{
    return ProgramFolder() / "data" / area / "original_factions";
}

void ImportEmpathy(const std::string& k, const Path& e)
{
    WriteIni(k, "grp", ReadIni("RepChangeEffects", "group", "[Error]", e), FactionRegistryFile());

    const auto& events = stock_keys::kEvents;
    std::string rates;
    for (const std::string& line : LinesOf(e)) {
        if (StartsWith(line, "emp")) {
            const auto [other, rate] = Split(Cut(line, 15));
            CheckRate(other, rate);
            rates += "[" + other + "]\r\n" + "rep=" + rate + "\r\n";
        }
        if (StartsWith(line, "event")) {
            const std::string rest = Cut(line, 8);
            const std::size_t comma = CommaOf(rest);
            const std::string name = rest.substr(0, comma);
            for (const auto& [event, key] : events) {
                if (name == event)
                    WriteIni(k, key, SecondValue(rest, comma), EmpathyFile());
            }
        }
    }
    WriteTextFile(ReputationFile(k), rates);
}

void ImportProperties(const std::string& k, const Path& f)
{
    const auto& keys = stock_keys::kProperties;
    for (const auto& [stockKey, projectKey] : keys)
        WriteIni(k, projectKey, ReadIni("FactionProps", stockKey, "", f), FactionPropertiesFile());

    struct ListLine {
        const char* prefix;
        std::size_t dropped;
        FactionList list;
    };
    // Tested in this order; the first row that matches takes the line.
    static const std::array<ListLine, 5> listLines = {{
        {"npc_ship", 11, FactionList::Ship},
        {"voice", 8, FactionList::Voice},
        {"space_costume", 16, FactionList::Body},
        {"scan_for_cargo", 17, FactionList::Scan},
        {"formation", 12, FactionList::Formation},
    }};
    std::array<std::string, 5> texts; // indexed by FactionList
    for (const std::string& line : files::SplitLines(files::ReadFile(f))) {
        for (const ListLine& entry : listLines) {
            if (!StartsWith(line, entry.prefix))
                continue;
            if (entry.list == FactionList::Formation && StartsWith(line, "formation_desig"))
                break;
            texts[static_cast<int>(entry.list)] += Cut(line, entry.dropped) + "\r\n";
            break;
        }
    }
    for (FactionList list : {FactionList::Ship, FactionList::Voice, FactionList::Body,
                             FactionList::Scan, FactionList::Formation})
        WriteTextFile(FactionListFile(list, k), texts[static_cast<int>(list)]);
}

void ImportInitialWorld(const std::string& k, const Path& w)
{
    for (const char* name : {"ids_name", "ids_info", "ids_short_name"})
        WriteIni(k, name, ReadIni("Group", name, "", w), InitialWorldFile());
    for (const std::string& line : files::SplitLines(files::ReadFile(w))) {
        if (!StartsWith(line, "rep"))
            continue;
        const auto [reputation, other] = Split(Cut(line, 6));
        WriteIni(k, other, reputation, InitialWorldFile());
    }
}

} // namespace

Path StockEmpathyFolder()
{
    return StockFolder("emphaty");
}

Path StockPropertiesFolder()
{
    return StockFolder("faction_prop");
}

Path StockInitialWorldFolder()
{
    return StockFolder("initialworld");
}

std::vector<std::string> ListStockFactions(const Path& folder)
{
    std::vector<std::string> names;
    for (std::string& name : files::ListFiles(folder)) {
        if (name.find('.') == std::string::npos)
            names.push_back(std::move(name));
    }
    // The import dialog's file list shows them in this order; the import of all registers
    // them in it too, and the registry's order flows into every list and compiled file.
    std::sort(names.begin(), names.end(), platform::NameBefore);
    return names;
}

void CheckStockFaction(const std::string& key)
{
    FactionRegistryFile(); // 76 while no project is loaded
    if (const std::string problem = FactionKeyProblem(key); !problem.empty())
        throw platform::RunTimeError(52, problem);
    const Path f = StockPropertiesFolder() / key;
    const Path w = StockInitialWorldFolder() / key;
    for (const Path& needed : {f, w}) {
        if (!files::FileExists(needed))
            throw platform::RunTimeError(53,
                                         platform::ErrorDescription(53) + ": " + needed.Literal());
    }
}

void ImportStockFaction(const std::string& key)
{
    CheckStockFaction(key);
    const Path e = StockEmpathyFolder() / key;
    const Path f = StockPropertiesFolder() / key;
    const Path w = StockInitialWorldFolder() / key;
    ImportEmpathy(key, e);
    ImportProperties(key, f);
    ImportInitialWorld(key, w);
}

} // namespace quorvel
