#include "file_lists.h"

#include <algorithm>

#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"
#include "platform/files/names.h"
#include "platform/forms/names.h"

namespace platform::forms {

namespace files = platform::files;

namespace {

bool Glob(const char* name, const char* pattern)
{
    auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
    if (*pattern == '\0')
        return *name == '\0';
    if (*pattern == '*') {
        for (const char* rest = name;; ++rest) {
            if (Glob(rest, pattern + 1))
                return true;
            if (*rest == '\0')
                return false;
        }
    }
    if (*name == '\0')
        return false;
    if (*pattern != '?' && lower(*pattern) != lower(*name) && !SameText({*pattern}, {*name}))
        return false;
    return Glob(name + 1, pattern + 1);
}

bool MatchesOne(const std::string& name, std::string pattern)
{
    if (pattern.empty())
        return false;
    if (pattern == "*" || pattern == "*.*")
        return true;
    // A pattern ending in "." asks for names without an extension.
    if (pattern.back() == '.') {
        pattern.pop_back();
        return name.find('.') == std::string::npos && Glob(name.c_str(), pattern.c_str());
    }
    return Glob(name.c_str(), pattern.c_str());
}

enum class Entries { Folders, Files };

// The entries of `folder`, in the list's order; error 76 when it is no folder. The file layer
// lists them, as it lists every folder: the files the running action holds are there (a
// new one listed, a deleted one not), and a name it could not tell from another is left
// out, so a pick always reaches its own entry.
std::vector<files::detail::NamedEntry> ListFolder(const std::string& folder, Entries which)
{
    if (folder.empty())
        platform::Raise(76);
    const files::Path path = files::Path::Native(folder);
    return which == Entries::Folders ? files::ListFolderEntries(path)
                                     : files::ListFileEntries(path);
}

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern)
{
    size_t start = 0;
    while (start <= pattern.size()) {
        size_t semi = pattern.find(';', start);
        std::string one = pattern.substr(start, semi == std::string::npos ? semi : semi - start);
        one.erase(0, one.find_first_not_of(' '));
        one.erase(one.find_last_not_of(' ') + 1);
        if (MatchesOne(name, one))
            return true;
        if (semi == std::string::npos)
            break;
        start = semi + 1;
    }
    return false;
}

DirListBox::DirListBox() {}

void DirListBox::SetPath(const std::string& path)
{
    std::string folder = WithoutTrailingSlash(path);
    std::vector<files::detail::NamedEntry> folders = ListFolder(folder, Entries::Folders);
    bool changed = folder != m_path;
    m_path = folder;
    m_folders.clear();
    m_natives.clear();
    ListBox::Clear();
    for (files::detail::NamedEntry& entry : folders) {
        ListBox::AddItem(entry.name);
        m_folders.push_back(std::move(entry.name));
        m_natives.push_back(std::move(entry.raw));
    }
    if (changed)
        Raise("Change", Change);
}

void DirListBox::Refresh()
{
    if (!m_path.empty())
        SetPath(m_path);
}

std::string DirListBox::List(int index) const
{
    if (index == -1)
        return m_path;
    if (index < 0 || index >= ListCount())
        return "";
    return (m_path == "/" ? "" : m_path) + "/" + m_natives[static_cast<std::size_t>(index)];
}

FileListBox::FileListBox() {}

void FileListBox::ApplyDesign(const ControlDef& def)
{
    if (def.caption && *def.caption)
        m_pattern = def.caption;
}

void FileListBox::Refresh()
{
    if (m_path.empty())
        return;
    const std::vector<files::detail::NamedEntry> entries = ListFolder(m_path, Entries::Files);
    ListBox::Clear();
    for (const files::detail::NamedEntry& entry : entries) {
        if (MatchesPattern(entry.name, m_pattern))
            ListBox::AddItem(entry.name);
    }
}

void FileListBox::SetPath(const std::string& path)
{
    std::string folder = WithoutTrailingSlash(path);
    ListFolder(folder, Entries::Files); // refuses a missing folder before anything changes
    bool changed = folder != m_path;
    m_path = folder;
    Refresh();
    if (changed)
        Raise("PathChange", PathChange);
}

void FileListBox::SetPattern(const std::string& pattern)
{
    m_pattern = pattern;
    Refresh();
    Raise("PatternChange", PatternChange);
}

} // namespace platform::forms
