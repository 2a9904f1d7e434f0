#include "project_paths.h"

#include "platform/errors/run_time_error.h"

#include <climits>
#include <unistd.h>

namespace quorvel {

namespace {

struct State {
    Path programFolder;
    std::string activeProject;
};

State& TheState()
{
    static State state;
    return state;
}

std::string ExecutableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    std::string exe(buffer, static_cast<std::size_t>(n));
    const auto slash = exe.rfind('/');
    return slash == 0 ? "/" : exe.substr(0, slash);
}

Path InActive(std::initializer_list<const char*> relative)
{
    Path p = ActiveProjectFolder();
    for (const char* component : relative)
        p = p / component;
    return p;
}

} // namespace

Path ProgramFolder()
{
    State& s = TheState();
    if (s.programFolder.empty())
        s.programFolder = Path::Native(ExecutableFolder());
    return s.programFolder;
}

void SetProgramFolder(const std::string& nativeFolder)
{
    TheState().programFolder = Path::Native(nativeFolder);
}

Path ProjectsFolder()
{
    return ProgramFolder() / "projects";
}

Path ProjectFolder(const std::string& name)
{
    if (name.empty())
        platform::Raise(76);
    return ProjectsFolder() / name;
}

const std::string& ActiveProject()
{
    return TheState().activeProject;
}

void SetActiveProject(const std::string& name)
{
    TheState().activeProject = name;
}

Path ActiveProjectFolder()
{
    return ProjectFolder(ActiveProject());
}

Path FactionRegistryFile()
{
    return InActive({"misc", "factions.ini"});
}
Path FactionPropertiesFile()
{
    return InActive({"faction_prop", "grp.ini"});
}
Path EmpathyFile()
{
    return InActive({"emphaty", "new", "grp.ini"});
}
Path InitialWorldFile()
{
    return InActive({"initialworld", "grp.ini"});
}
Path CompiledFactionPropFile()
{
    return InActive({"compiled", "faction_prop.ini"});
}
Path CompiledEmpathyFile()
{
    return InActive({"compiled", "emphaty.ini"});
}
Path CompiledInitialWorldFile()
{
    return InActive({"compiled", "initialworld.ini"});
}
Path ProtocolFile()
{
    return ProtocolFileOf(ActiveProject());
}

Path ProtocolFileOf(const std::string& project)
{
    return ProjectFolder(project) / "protocol" / "protocol.txt";
}

void CheckFactionKey(const std::string& key)
{
    if (key == "." || key == ".." ||
        key.find_first_of(std::string("/\\\r\n\0", 5)) != std::string::npos)
        platform::Raise(52);
}

std::string FactionListFileName(FactionList list, const std::string& key)
{
    static const char* const prefixes[] = {"Shiplist_", "Voicelist_", "Bodylist_", "Scanlist_",
                                           "Formationlist_"};
    return prefixes[static_cast<int>(list)] + key + ".lst";
}

Path FactionListFile(FactionList list, const std::string& key)
{
    CheckFactionKey(key);
    return InActive({"faction_prop"}) / FactionListFileName(list, key);
}

Path ReputationFile(const std::string& key)
{
    CheckFactionKey(key);
    return InActive({"emphaty", "new"}) / ("reps_" + key + ".facts");
}

Path EmpathyScratchFile(const std::string& key)
{
    CheckFactionKey(key);
    return InActive({"emphaty", "new"}) / (key + ".tmp");
}

} // namespace quorvel
