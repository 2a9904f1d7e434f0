#pragma once

#include "platform/files/path.h"

#include <string>
#include <vector>

// The import of the game's stock factions into the active project: one faction's three stock
// files split into the project's registry entry, properties, list files, empathy factors,
// reputation file and initial-world values. The import of one (frmImport) and the import of
// all (frmMain) both run ImportStockFaction; neither reloads the window's lists itself. The
// import of all goes faction by faction, so a faction it cannot import ends it there, the
// ones before it staying imported.
namespace quorvel {

using platform::files::Path;

// program folder\data\emphaty\original_factions, ...\faction_prop\..., ...\initialworld\...
Path StockEmpathyFolder();
Path StockPropertiesFolder();
Path StockInitialWorldFolder();

// The names of the files without an extension in `folder`, in the file list's order (by name,
// letter case ignored, "_" before digits before letters): the stock faction keys. Raises 76
// when the folder is missing.
std::vector<std::string> ListStockFactions(const Path& folder);

// Imports stock faction `key` into the active project. Its empathy file is looked up in the
// stock empathy folder, its properties and initial-world files by the same name (letter case
// ignored) in theirs.
//
// The faction is written whole or not at all: its three stock files are read and every write
// it makes is worked out first, and only when all of them can be made does the first one
// happen. Refused before anything is written, with the error the failing step would raise:
// 5 while no project is loaded (the registry write is refused); 52 (with the reason) for a
// key that cannot be a faction key (see FactionKeyProblem); 5 at a malformed line (shorter
// than its key part, or without the ", " split), at a line whose other faction key would
// not read back as itself (a rate line's key holding "]" or blank, a reputation line's key
// holding "=" or starting with ";" or "["), or for a write into a missing folder (76 when
// that write is a text file's) or of a read-only file (70 for a text file; a file without
// any write bit is read-only for every user); 53, naming the file, when the properties or the
// initial-world file is missing, so that a half-present faction never has its stored
// values wiped by empty reads; 61 when the file system has no room for what the faction
// writes. A missing empathy file is no error: the group name is "[Error]" and the
// reputation file holds one CR LF alone. Unlike the original, the empathy file is read to
// its end, not only its first 60 lines.
void ImportStockFaction(const std::string& key);

} // namespace quorvel
