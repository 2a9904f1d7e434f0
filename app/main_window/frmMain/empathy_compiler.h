#pragma once

#include "app/main_window/frmMain/message_language.h"

#include <functional>
#include <string>
#include <vector>

// The compile of the empathy tab: the empathy data of the whole active project becomes the
// game's "compiled\emphaty.ini", one "[RepChangeEffects]" block per faction, built from
// "emphaty\new\grp.ini" and the faction's reputation file "emphaty\new\reps_<key>.facts".
namespace quorvel {

// Where the compile shows its progress: the overall bar (pgEmphaty2) gets Max once, before
// the first block, then Value after each block (the block's index, from 0); the bar of the
// current faction (pgEmphaty1) gets Max at the start of each block and Value after each
// row. Any of them may be empty.
struct EmpathyProgress {
    std::function<void(double)> setOverallMax;
    std::function<void(double)> setOverallValue;
    std::function<void(double)> setCurrentMax;
    std::function<void(double)> setCurrentValue;
};

// The message of the protocol entry a successful compile appends.
extern const char* const kEmpathyCompiled; // "Emphaty.ini compiled..."

// Compiles one block per entry of `factions` (cboemphaty_group's list, in list order),
// each naming every entry of `rows` (lv_emphaty's row texts, in row order) except the
// block's own faction (exact comparison), and writes "compiled\emphaty.ini" of the active
// project; then appends kEmpathyCompiled to its protocol. Nothing happens at all while no
// project is loaded.
//
// Every value is copied as ReadIni returns it, "0.0" for a missing file, section or key;
// a key that cannot name a file has no reputation file and so rates "0.0" everywhere.
// The file holds, per block, CR LF CR LF, the block's lines each ended by CR LF, and one
// more CR LF. With no factions at all the old compiled file is removed and none is made.
//
// The file is written once, through a temporary file and a rename: a failed write leaves
// the previous compiled file whole (the original deleted it first and appended block by
// block) and raises a RunTimeError whose description names the file and says so (in
// `language`, the window's); no
// protocol entry is written then. A scratch file "emphaty\new\<key>.tmp" left over from
// an interrupted run of the original is removed; none is made.
void CompileEmpathy(const std::vector<std::string>& factions, const std::vector<std::string>& rows,
                    const EmpathyProgress& progress = {}, Language language = Language::English);

} // namespace quorvel
