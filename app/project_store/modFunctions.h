#pragma once

#include "platform/files/path.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The project-level functions the windows call: project creation, the project list, the
// faction registry, the protocol log, list files and the file-existence test.
// The window side (filling lstProjects, the faction lists, pgLoadProject and
// lblFactionsGesamt) belongs to the main window: the functions here return what they
// read, and report to the window through the hooks below.
namespace quorvel {

using platform::files::Path;

// The caption of the program's message boxes.
extern const char* const kProgramTitle; // "Quorvel"

// MsgBox style values the sink receives.
constexpr int vbOKOnly = 0;
constexpr int vbCritical = 16;

// Where CreateProject shows its failure message (prompt, buttons and icon, title). The
// main window connects its message box; tests capture the call. Without a sink the
// message goes to standard error.
using MessageSink =
    std::function<void(const std::string& prompt, int buttons, const std::string& title)>;
void SetMessageSink(MessageSink sink);

// Called by RefreshProjectList with the names it read, so that CreateProject's refresh
// reaches the main window's lstProjects (which empties itself and adds them in order).
using ProjectListSink = std::function<void(const std::vector<std::string>& names)>;
void SetProjectListSink(ProjectListSink sink);

// The clock of the protocol entries; an empty function restores the system clock.
using ProtocolClock = std::function<std::chrono::system_clock::time_point()>;
void SetProtocolClock(ProtocolClock clock);

// One faction of the registry "misc\factions.ini", in the order of its section lines.
struct FactionRow {
    std::string key;        // the section line with every "[" and "]" removed
    std::string groupName;  // key "grp" of that section, "[ERROR]" when missing
    std::string reputation; // key "Rep" of that section, "0.0" when missing
};

// Makes program folder\projects\<sName> and its eight folders, in this order: "emphaty",
// "emphaty\new", "faction_prop", "initialworld", "XML", "Protocol", "compiled", "misc";
// then RefreshProjectList; then the entry "Project created." in the new project's own
// protocol. The name is used exactly as typed, but a name that would leave the projects
// folder or that Windows would refuse is refused before anything is made: empty, "." or
// "..", holding "/", "\", NUL, a control character or one of < > : " | ? *, ending in a
// blank or a point, starting with a point (the project list leaves such hidden folders
// out), or naming an existing project in any letter case.
// Any failure ends the steps at once (folders made so far stay) and shows the critical
// message "An error occured during create your project." CR LF "Error <n>: <description>"
// through the message sink, with kProgramTitle as caption; nothing is raised.
// The errors shown: 75 for an empty or existing name, 52 for a refused name, the file
// layer's error otherwise (76 when "projects" is missing).
void CreateProject(const std::string& sName);

// The names of the folders directly inside "projects", by name without regard to case
// (files are not listed); also handed to the project-list sink. Raises 76 when
// "projects" is missing.
std::vector<std::string> RefreshProjectList();

// The rows of the active project's faction registry, repeats included. A line opens a
// faction when its first character is "[" and its last is "]" (lines are not trimmed).
// nullopt when the registry cannot be read: no project loaded, no registry file (every
// new project), or any other error; the window then empties its lists and leaves the
// progress bar and the faction count alone. An empty vector (a registry without section
// lines) sets them to 0.
std::optional<std::vector<FactionRow>> LoadFactionList();

// Appends the entry: the date in the system locale's short form, four blanks, the time
// with seconds, ": ", `sText` and CR LF (and the one CR LF every append adds, so an
// empty line follows each entry), to the active project's protocol\protocol.txt.
// When the append fails and there is no such file yet, the file is written with this
// entry alone; when that fails too, or the append failed on an existing log (whose
// history is never wiped), the error goes to the caller. Raises 76 while no project is
// loaded.
void WriteProtocol(const std::string& sText);

// The lines of the file that are not "" (a line of blanks is kept), in file order, by the
// line rule of ReadTextLine. Empty when there is no file; never raises. The caller empties
// its list box first and adds these.
std::vector<std::string> LoadListFromFile(const Path& sFile);

// True when a file (not a folder) exists at exactly `sFile`; wildcard characters are
// ordinary characters. False when a folder on the way is missing.
bool FileExists(const Path& sFile);

} // namespace quorvel
