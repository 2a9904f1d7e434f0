#include "faction_prop_compiler.h"

#include "compile_output.h"

#include "app/project_store/modFunctions.h"
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/large_buffer.h"

#include <string_view>

namespace quorvel {

namespace files = platform::files;
using platform::RunTimeError;

const char* const kFactionPropCreated = "Faction_Prop.ini created...";

namespace {

constexpr std::string_view kCrLf = "\r\n";

// The runtime's Trim: blanks only, not tabs.
bool Filled(std::string_view text)
{
    return text.find_first_not_of(' ') != std::string_view::npos;
}

class BlockWriter {
public:
    BlockWriter(std::string& out, const std::string& faction, const Path& properties)
        : m_out(out)
        , m_faction(faction)
        , m_properties(properties)
    {
    }

    void Line(std::string_view left, std::string_view right = {})
    {
        m_out.append(left).append(right).append(kCrLf);
    }

    // "key = value", the value read with the compiler's default, as read (not trimmed).
    void Value(std::string_view gameKey, const char* iniKey, const char* fallback,
               bool onlyWhenFilled = false)
    {
        const std::string v = ReadIni(m_faction, iniKey, fallback, m_properties);
        if (onlyWhenFilled && !Filled(v))
            return;
        m_out.append(gameKey).append(" = ").append(v).append(kCrLf);
    }

    // One "key = entry" line per entry of the faction's list file, in file order; lines
    // that are empty or blanks only are skipped, entries are written untrimmed. A missing
    // file (a folder of that name is none) gives no lines, and so does one that cannot be
    // read: that list ends there and the block goes on, as the other lists and factions do.
    // The file is read whole, so a read that fails has gathered no lines.
    void List(std::string_view gameKey, FactionList list)
    {
        std::string text;
        try {
            const Path file = FactionListFile(list, m_faction);
            if (!files::FileExists(file))
                return;
            text = files::ReadFile(file);
        } catch (const RunTimeError&) {
            return; // also a key that cannot name a file: it has no list files
        }
        for (const std::string& entry : files::SplitLines(text)) {
            if (Filled(entry))
                m_out.append(gameKey).append(" = ").append(entry).append(kCrLf);
        }
    }

private:
    std::string& m_out;
    const std::string& m_faction;
    const Path& m_properties;
};

void AppendBlock(std::string& out, const std::string& g, const Path& properties)
{
    BlockWriter block(out, g, properties);
    block.Line("[FactionProps]");
    block.Line("affiliation = ", g);
    block.Value("legality", "Legality", "Lawful");
    block.Value("nickname_plurality", "plurality", "Singular");
    block.Value("msg_id_prefix", "msg_id_prefix", "");
    block.Value("jump_preference", "jump", "jumpgate");
    block.List("npc_ship", FactionList::Ship);
    block.List("voice", FactionList::Voice);
    block.Value("mc_costume", "mc_costume", "");
    block.List("space_costume", FactionList::Body);
    for (const char* key : {"firstname_male", "firstname_female", "lastname", "rank_desig",
                            "formation_desig", "large_ship_desig", "large_ship_names"})
        block.Value(key, key, "", true);
    block.List("scan_for_cargo", FactionList::Scan);
    block.Value("scan_announce", "scan_announce", "false", true);
    block.Value("scan_chance", "scan_chance", "0.0", true);
    block.List("formation", FactionList::Formation);
    block.Line("");
}

} // namespace

void CompileFactionProperties(const std::vector<std::string>& factions,
                              const CompileProgress& progress, Language language)
{
    if (!Filled(ActiveProject()))
        return;
    const double n = static_cast<double>(factions.size());
    Report(progress.setMax, n);

    const Path properties = FactionPropertiesFile();
    std::string out;
    files::ReserveLarge(out, factions.size() * 1024);
    for (std::size_t i = 0; i < factions.size(); ++i) {
        AppendBlock(out, factions[i], properties);
        Report(progress.setValue, static_cast<double>(i + 1));
    }

    try {
        WriteTextFile(CompiledFactionPropFile(), out);
    } catch (const RunTimeError& e) {
        RaiseOutputNotWritten(e, "compiled\\faction_prop.ini", language);
    }
    WriteProtocol(kFactionPropCreated);
}

} // namespace quorvel
