#pragma once

#include "app/main_window/frmMain/message_language.h"
#include "platform/files/path.h"

#include <cstdint>
#include <string>

// The faction registry "misc\factions.ini" of the active project as the registry pane edits
// it. The pane reloads its lists after each call.
namespace quorvel {

// "" when `key` can be a faction key, else a sentence for the user saying why not. A key
// is a section name of every project INI file and part of the faction's file names, so it
// must not be empty, "." or "..", hold "/", "\", NUL, CR, LF, "[", "]" or "=", or start
// with ";"; and its longest file name ("Formationlist_" + key + ".lst") must fit the 255
// bytes of a file name as stored on disk (UTF-8), or its list edits would fail later.
// The text is in `language`, the window's where the window shows it.
std::string FactionKeyProblem(const std::string& key, Language language = Language::English);

// Room on disk, for checking it before writes that must not stop half-way. A file takes
// whole blocks; this is the block of the file systems a project lies on (ext4, tmpfs), and
// asking for more where blocks are smaller does no harm.
constexpr std::uint64_t kDiskBlock = 4096;
// The size of the file on disk now, 0 when there is none. Only looks: what the running
// action holds for the file stays held.
std::uint64_t SizeOnDisk(const platform::files::Path& file);
// The room a file of `bytes` bytes takes on disk at most.
std::uint64_t RoomOnDisk(std::uint64_t bytes);
// At most what storing `value` under `key` adds to an INI file: the line "key=value" CR LF,
// every line break of the value escaped into five characters.
std::uint64_t IniLineBytes(const std::string& key, const std::string& value);
// At most what a section line "[section]" CR LF adds, with the CR LF put before it when the
// file does not end in one.
std::uint64_t IniSectionBytes(const std::string& section);

// What SaveFaction did.
enum class SaveResult {
    NoProject,  // no project loaded: nothing written
    BlankKey,   // the key is blank after trimming: nothing written
    RefusedKey, // FactionKeyProblem refused it: nothing written
    Saved,
};

// New/save: stores `description` (or the key itself when the description is blank after
// trimming blanks; `description` then receives the key) as key "grp" of section `key` of the
// registry. Both texts are stored as they stand, untrimmed. A registered key keeps its place.
// Raises 5 when the INI write is refused, also when the file system has no room for the
// registry as rewritten (it is written whole beside the old one): that is known before the
// write, so a full disk changes nothing.
SaveResult SaveFaction(const std::string& key, std::string& description);

// Deletes faction `key` whose group name the loader read as `groupName`: removes the
// characters of its section line (exactly "[key]") and of its own line "grp=<group>" within
// that section, keeping their line ends, and writes the registry whole again with one more
// CR LF at its end; then deletes its reputation file, its scratch file and its five list
// files, each silently skipped when missing or not deletable.
// The registry is replaced by a temporary file and a rename, and only then are the other files
// deleted, so a failed write (76 with no project loaded or a vanished project folder) loses
// nothing; the original deleted the registry first.
void DeleteFaction(const std::string& key, const std::string& groupName);

} // namespace quorvel
