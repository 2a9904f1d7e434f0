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
#include <sys/stat.h>
#include <unistd.h>
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

// The lines of a stock file that must be there: 53, naming it, when it is missing.
std::vector<std::string> StockLines(const Path& file)
{
    if (!files::FileExists(file))
        throw platform::RunTimeError(53, platform::ErrorDescription(53) + ": " + file.Literal());
    return files::SplitLines(files::ReadFile(file));
}

Path StockFolder(const char* area)
{
    return ProgramFolder() / "data" / area / "original_factions";
}

// A key the writer would refuse (or read back as another) ends the faction as the refused
// write would, with 5; checked before the first write rather than at the write.
void CheckStorableKey(const std::string& key)
{
    if (!platform::profile::IsStorableKeyName(platform::profile::TrimBlanks(key)))
        platform::Raise(5);
}

// Every write of one faction's import, in the order the import makes them, worked out from
// its stock files before the first of them is made: so that a faction the import cannot
// finish (a missing stock file, a malformed line, a name the writer refuses, a missing
// folder, a read-only file, no room) is refused before anything of it is written, and the
// registry never names a faction whose files are not all there.
class FactionWrites {
public:
    explicit FactionWrites(std::string key)
        : m_key(std::move(key))
    {
    }

    void Ini(const Path& file, const std::string& key, std::string value)
    {
        CheckStorableKey(key);
        m_writes.push_back({Kind::Ini, file, key, std::move(value)});
    }
    // Room for `more` writes besides those made: an initial-world file holds a line for
    // every faction.
    void Reserve(std::size_t more) { m_writes.reserve(m_writes.size() + more); }
    void Text(const Path& file, std::string text)
    {
        m_writes.push_back({Kind::Text, file, {}, std::move(text)});
    }

    // Raises what the first write that cannot be made would raise, by the files as they are:
    // into a missing folder 5 from the INI writer, 76 from a text write; of a file that is
    // read-only (no write bit, whoever writes), or a new file in a folder the user may not
    // write, 5 and 70. Then 61 unless the file system has room for all of the writes. Only
    // looks, so that what the import of all holds of the factions before stays held.
    void Check() const
    {
        struct Target {
            Path file;
            std::uint64_t bytes; // at most, while it is written
        };
        std::vector<Target> targets;
        for (const Write& w : m_writes) {
            // A faction's writes come in runs to one file: the last target first.
            auto it = !targets.empty() && targets.back().file == w.file
                          ? std::prev(targets.end())
                          : std::find_if(targets.begin(), targets.end(),
                                         [&](const Target& t) { return t.file == w.file; });
            if (it == targets.end()) {
                const std::uint64_t size = CheckTarget(w);
                // An INI file is rewritten whole through a temporary file, so its present
                // size counts besides what the faction's lines add.
                it = targets.insert(
                    targets.end(),
                    {w.file, w.kind == Kind::Ini ? size + IniSectionBytes(m_key) : 0});
            }
            // A text file's new content is written whole beside the old one.
            it->bytes =
                w.kind == Kind::Ini ? it->bytes + IniLineBytes(w.key, w.value) : w.value.size() + 2;
        }
        std::uint64_t room = kDiskBlock; // the folders' entries for the temporary files
        for (const Target& t : targets)
            room += RoomOnDisk(t.bytes);
        // The room the running action already holds for a file is the file layer's to add.
        files::EnsureRoom(m_writes.front().file, room);
    }

    void WriteAll() const
    {
        for (const Write& w : m_writes) {
            if (w.kind == Kind::Ini)
                WriteIni(m_key, w.key, w.value, w.file);
            else
                WriteTextFile(w.file, w.value);
        }
    }

private:
    enum class Kind { Ini, Text };
    struct Write {
        Kind kind;
        Path file;
        std::string key;
        std::string value; // the INI value, or the whole text
    };

    // The size of the file the write goes to (0 when it is new), or the write's error when
    // it cannot be made: the INI writer's 5, or the text write's own.
    static std::uint64_t CheckTarget(const Write& w)
    {
        if (const int refused = files::WriteRefusal(w.file))
            platform::Raise(w.kind == Kind::Ini ? 5 : refused);
        std::string native;
        struct stat st;
        return files::Resolve(w.file, native, &st) ? static_cast<std::uint64_t>(st.st_size) : 0;
    }

    std::string m_key;
    std::vector<Write> m_writes;
};

// The registry entry, the empathy factors and the reputation file, from the empathy file.
void ImportEmpathy(FactionWrites& writes, const std::string& k, const Path& e)
{
    writes.Ini(FactionRegistryFile(), "grp", ReadIni("RepChangeEffects", "group", "[Error]", e));

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
                    writes.Ini(EmpathyFile(), key, SecondValue(rest, comma));
            }
        }
    }
    writes.Text(ReputationFile(k), rates);
}

// The 14 values and the five list files, from the properties file.
void ImportProperties(FactionWrites& writes, const std::string& k, const Path& f)
{
    const auto& keys = stock_keys::kProperties;
    for (const auto& [stockKey, projectKey] : keys)
        writes.Ini(FactionPropertiesFile(), projectKey, ReadIni("FactionProps", stockKey, "", f));

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
    for (const std::string& line : StockLines(f)) {
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
        writes.Text(FactionListFile(list, k), texts[static_cast<int>(list)]);
}

// The initial-world names and reputations, from the initial-world file.
void ImportInitialWorld(FactionWrites& writes, const Path& w)
{
    const Path world = InitialWorldFile();
    for (const char* name : {"ids_name", "ids_info", "ids_short_name"})
        writes.Ini(world, name, ReadIni("Group", name, "", w));
    const std::vector<std::string> lines = StockLines(w);
    writes.Reserve(lines.size());
    for (const std::string& line : lines) {
        if (!StartsWith(line, "rep"))
            continue;
        const auto [reputation, other] = Split(Cut(line, 6));
        writes.Ini(world, other, reputation);
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

void ImportStockFaction(const std::string& key)
{
    // With no project loaded the first write, into the registry, is refused.
    if (ActiveProject().empty())
        platform::Raise(5);
    if (const std::string problem = FactionKeyProblem(key); !problem.empty())
        throw platform::RunTimeError(52, problem);
    if (!platform::profile::IsStorableSectionName(platform::profile::TrimBlanks(key)))
        platform::Raise(5);

    FactionWrites writes(key);
    ImportEmpathy(writes, key, StockEmpathyFolder() / key);
    ImportProperties(writes, key, StockPropertiesFolder() / key);
    ImportInitialWorld(writes, StockInitialWorldFolder() / key);
    writes.Check();
    writes.WriteAll();
}

} // namespace quorvel
