#pragma once

#include "app/main_window/frmMain/message_language.h"

#include <functional>
#include <string>
#include <vector>

// The compile of the initial-world tab: the initial world of the whole active project
// becomes the game's "compiled\initialworld.ini", a fixed comment header and one "[Group]"
// block per faction with its three name IDs and its starting reputation toward every
// faction of the project, read from "initialworld\grp.ini".
namespace quorvel {

// Where the compile shows how far it is: the overall bar (pgInit2, one step per faction)
// and the bar of the current faction (pgInit1, one step per reputation line). Max is always
// set before Value. Any of them may be empty.
struct InitialWorldProgress {
    std::function<void(double)> setOverallMax;
    std::function<void(double)> setOverallValue;
    std::function<void(double)> setCurrentMax;
    std::function<void(double)> setCurrentValue;
};

// The message of the protocol entry a successful compile appends.
extern const char* const kInitialWorldCreated; // "Initialworld.ini created..."

// Compiles one block per entry of `factions` (cboInit_group's list, in list order), each
// naming every entry of `rows` (lv_Init's row texts, in row order, the block's own faction
// included) in its reputation lines, writes "compiled\initialworld.ini" of the active
// project and appends kInitialWorldCreated to its protocol. Missing keys give an empty ID
// and a reputation of "0.0"; values are copied as read, a stored line break included.
// Nothing happens at all while no project is loaded.
//
// The file is written once, through a temporary file and a rename, so a failed write
// (the "compiled" folder missing, say) leaves the previous compiled file whole: it raises
// a RunTimeError that names the file and says (in `language`, the window's) that it was not
// changed, and no protocol entry is
// written. The bars keep the values they reached.
void CompileInitialWorld(const std::vector<std::string>& factions,
                         const std::vector<std::string>& rows,
                         const InitialWorldProgress& progress = {},
                         Language language = Language::English);

} // namespace quorvel
