#pragma once

#include "platform/files/path.h"

#include <string>

// Every path of the program folder and of a project, built in one place. Paths are
// platform::files::Path values, resolved per component without regard to letter case, so
// "Protocol" (made) and "protocol" (used) are one folder and faction keys that differ only
// in case reach the same files. Names are spelled here as the files are made.
namespace quorvel {

using platform::files::Path;

// The program folder: the executable's own folder unless SetProgramFolder named another
// (tests use temporary folders). It holds "projects", "data" and "Tessvorn.ini".
Path ProgramFolder();
void SetProgramFolder(const std::string& nativeFolder);

// program folder\projects
Path ProjectsFolder();
// program folder\projects\<name>. Error 76 (path not found) for an empty name, 52 (bad
// file name or number) for a name that is no single folder name ("." , "..", or one
// holding "/" or NUL).
Path ProjectFolder(const std::string& name);

// The active project: the one project name the main window holds after Load, "" while
// none is loaded. Every path of the active project and every test whether a project is
// loaded reads this value.
const std::string& ActiveProject();
void SetActiveProject(const std::string& name);

// The active project's folder. Error 76 while none is loaded, rather than a path into
// "projects" itself.
Path ActiveProjectFolder();

// Files of the active project; each raises 76 while no project is loaded.
Path FactionRegistryFile();                      // misc\factions.ini
Path FactionPropertiesFile();                    // faction_prop\grp.ini
Path EmpathyFile();                              // emphaty\new\grp.ini
Path InitialWorldFile();                         // initialworld\grp.ini
Path CompiledFactionPropFile();                  // compiled\faction_prop.ini
Path CompiledEmpathyFile();                      // compiled\emphaty.ini
Path CompiledInitialWorldFile();                 // compiled\initialworld.ini
Path ProtocolFile();                             // protocol\protocol.txt
Path ProtocolFileOf(const std::string& project); // the same file of any project

// Files named after a faction key. The key is used as typed (letter case, blanks), but a
// key holding "/", "\", NUL, CR or LF, or one that is "." or "..", never becomes part of
// a path: these raise 52 (bad file name or number). 76 while no project is loaded.
enum class FactionList { Ship, Voice, Body, Scan, Formation };
// faction_prop\Shiplist_<key>.lst, Voicelist_, Bodylist_, Scanlist_, Formationlist_
Path FactionListFile(FactionList list, const std::string& key);
// Its file name alone, in CP1252, for any key.
std::string FactionListFileName(FactionList list, const std::string& key);
Path ReputationFile(const std::string& key);     // emphaty\new\reps_<key>.facts
Path EmpathyScratchFile(const std::string& key); // emphaty\new\<key>.tmp

// Raises 52 unless `key` may be part of a file name (see above).
void CheckFactionKey(const std::string& key);

} // namespace quorvel
