#pragma once

#include "app/main_window/frmMain/message_language.h"

#include <functional>
#include <string>
#include <vector>

// The compile of the faction-property tab: the faction properties of the whole active
// project become the game's "compiled\faction_prop.ini", one "[FactionProps]" block per
// faction, built from "faction_prop\grp.ini" and the faction's five list files.
namespace quorvel {

// Where the compile shows its count (pgFP2): Max once, before the first block, then Value
// after each block. Either may be empty.
struct CompileProgress {
    std::function<void(double)> setMax;
    std::function<void(double)> setValue;
};

// The message of the protocol entry a successful compile appends.
extern const char* const kFactionPropCreated; // "Faction_Prop.ini created..."

// Compiles the factions named by `factions` (the entries of cboFP_group's list, in list
// order) and writes "compiled\faction_prop.ini" of the active project, then appends
// kFactionPropCreated to its protocol. Nothing happens at all while no project is loaded
// (a name of blanks counts as none).
//
// The file is written once, through a temporary file and a rename: until it is written the
// previous compiled file stays whole (the original deleted it first). A list file that cannot
// be read gives no lines, silently, and the compile goes on. A failed write of the output
// ends the compile with a RunTimeError whose description names the file and says (in
// `language`, the window's) that the compiled file was not changed; no protocol entry is
// written then.
void CompileFactionProperties(const std::vector<std::string>& factions,
                              const CompileProgress& progress = {},
                              Language language = Language::English);

} // namespace quorvel
