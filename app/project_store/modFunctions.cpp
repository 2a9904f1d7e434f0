#include "modFunctions.h"

#include "modINI.h"
#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/names.h"
#include "project_paths.h"
#include "txtReadWrite.h"

#include <ctime>
#include <iostream>
#include <langinfo.h>
#include <locale.h>

namespace quorvel {

namespace files = platform::files;
using platform::RunTimeError;

const char* const kProgramTitle = "Quorvel";

namespace {

struct Hooks {
    MessageSink message;
    ProjectListSink projectList;
    ProtocolClock clock;
};

Hooks& TheHooks()
{
    static Hooks hooks;
    return hooks;
}

void ShowMessage(const std::string& prompt, int buttons)
{
    if (TheHooks().message)
        TheHooks().message(prompt, buttons, kProgramTitle);
    else
        std::cerr << kProgramTitle << ": " << prompt << '\n';
}

// Refuses what would leave "projects" or what Windows would not accept as a folder name,
// and a name starting with a point: this system hides such folders, so the project list
// would never show the project.
void CheckProjectName(const std::string& name)
{
    if (name.empty())
        platform::Raise(75);
    if (name.front() == '.' || name.back() == ' ' || name.back() == '.')
        platform::Raise(52);
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || std::string_view("/\\<>:\"|?*").find(c) != std::string_view::npos)
            platform::Raise(52);
    }
}

// Formats with the system locale's (LC_TIME of the environment) date or time form.
std::string FormatTime(const std::tm& tm, nl_item form)
{
    locale_t loc = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (!loc)
        loc = ::newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    char buffer[128];
    const std::size_t n = ::strftime_l(buffer, sizeof buffer, ::nl_langinfo_l(form, loc), &tm, loc);
    ::freelocale(loc);
    return files::Utf8ToCp1252(std::string(buffer, n));
}

void WriteProtocolOf(const std::string& project, const std::string& sText)
{
    const Path file = ProtocolFileOf(project);
    const auto now = TheHooks().clock ? TheHooks().clock() : std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    const std::string entry =
        FormatTime(tm, D_FMT) + "    " + FormatTime(tm, T_FMT) + ": " + sText + "\r\n";
    try {
        AppendTextFile(file, entry);
    } catch (const RunTimeError&) {
        // Rewriting an existing log would wipe its history.
        if (files::FileExists(file))
            throw;
        WriteTextFile(file, entry);
    }
}

} // namespace

void SetMessageSink(MessageSink sink)
{
    TheHooks().message = std::move(sink);
}

void SetProjectListSink(ProjectListSink sink)
{
    TheHooks().projectList = std::move(sink);
}

void SetProtocolClock(ProtocolClock clock)
{
    TheHooks().clock = std::move(clock);
}

void CreateProject(const std::string& sName)
{
    static const std::vector<std::vector<const char*>> subFolders = {
        {"emphaty"}, {"emphaty", "new"}, {"faction_prop"}, {"initialworld"},
        {"XML"},     {"Protocol"},       {"compiled"},     {"misc"},
    };
    try {
        CheckProjectName(sName);
        const Path project = ProjectFolder(sName);
        files::CreateFolder(project);
        for (const auto& relative : subFolders) {
            Path folder = project;
            for (const char* component : relative)
                folder = folder / component;
            files::CreateFolder(folder);
        }
        RefreshProjectList();
        WriteProtocolOf(sName, "Project created.");
    } catch (const RunTimeError& e) {
        ShowMessage("An error occured during create your project.\r\nError " +
                        std::to_string(e.number()) + ": " + e.description(),
                    vbCritical | vbOKOnly);
    }
}

std::vector<std::string> RefreshProjectList()
{
    std::vector<std::string> names = files::ListFolders(ProjectsFolder());
    if (TheHooks().projectList)
        TheHooks().projectList(names);
    return names;
}

std::optional<std::vector<FactionRow>> LoadFactionList()
{
    try {
        const Path registry = FactionRegistryFile();
        if (!files::FileExists(registry))
            return std::nullopt;
        std::vector<FactionRow> rows;
        for (const std::string& line : files::SplitLines(files::ReadFile(registry))) {
            if (line.empty() || line.front() != '[' || line.back() != ']')
                continue;
            std::string key;
            for (char c : line) {
                if (c != '[' && c != ']')
                    key.push_back(c);
            }
            rows.push_back({key, ReadIni(key, "grp", "[ERROR]", registry),
                            ReadIni(key, "Rep", "0.0", registry)});
        }
        return rows;
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
}

void WriteProtocol(const std::string& sText)
{
    WriteProtocolOf(ActiveProject(), sText);
}

std::vector<std::string> LoadListFromFile(const Path& sFile)
{
    std::vector<std::string> items;
    try {
        if (!files::FileExists(sFile))
            return items;
        for (std::string& line : files::SplitLines(files::ReadFile(sFile))) {
            if (!line.empty())
                items.push_back(std::move(line));
        }
    } catch (const RunTimeError&) {
    }
    return items;
}

bool FileExists(const Path& sFile)
{
    return files::FileExists(sFile);
}

} // namespace quorvel
