#include "registry.h"

#include "platform/errors/run_time_error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::registry {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

template <class Entry, class Key>
auto FindIn(std::vector<Entry>& entries, std::string_view key, Key Entry::*field)
{
    return std::find_if(entries.begin(), entries.end(),
                        [&](const Entry& e) { return EqualsNoCase(e.*field, key); });
}

template <class Entry, class Key>
void SetIn(std::vector<Entry>& entries, const Entry& entry, Key Entry::*field)
{
    auto it = FindIn(entries, entry.*field, field);
    if (it != entries.end())
        *it = entry;
    else
        entries.push_back(entry);
}

template <class Entry, class Key>
bool RemoveFrom(std::vector<Entry>& entries, std::string_view key, Key Entry::*field)
{
    auto it = FindIn(entries, key, field);
    if (it == entries.end())
        return false;
    entries.erase(it);
    return true;
}

[[noreturn]] void RaiseFileError(int err, const std::string& what, const std::string& path)
{
    throw RunTimeError(ErrorFromErrno(err, 76),
                       what + " the registry file " + path + ": " + std::strerror(err));
}

std::string Locale(std::uint32_t locale)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", locale);
    return buf;
}

void CheckStorable(const std::string& value)
{
    if (value.find_first_of("\r\n") != std::string::npos)
        throw RunTimeError(5, "A registry value cannot hold a line break: " + value);
}

// The user's own home: HOME when it is an absolute path, else the account database's entry
// for the real user; "" when neither names one. A shared folder such as /tmp is never used,
// since any local user could plant libraries there for this user to load.
std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        return home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || *found->pw_dir != '/')
        return {};
    return found->pw_dir;
}

// Makes a new file beside `path` for the next version of the registry and opens it for
// writing; its name goes to `temp`. The file is always one made by this call, under a name
// ending in random letters: a name that exists already (a file, or a link planted to redirect the
// write) is never opened, another one is tried. Returns -1 with errno set on failure.
int CreateTemporaryBeside(const std::string& path, std::string& temp)
{
    // The writer's process id stays in the name, so that a left-over file tells whose it was.
    temp = path + ".tmp" + std::to_string(::getpid()) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC | O_NOFOLLOW); // O_CREAT | O_EXCL
    if (fd >= 0 && ::fchmod(fd, 0644) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        errno = err;
        return -1;
    }
    return fd;
}

} // namespace

std::string Registry::DefaultPath()
{
    if (const char* file = std::getenv("QV_REGISTRY_FILE"); file && *file)
        return file;
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        base = data;
    else if (const std::string home = HomeFolder(); !home.empty())
        base = home + "/.local/share";
    else
        throw RunTimeError(76, "Cannot find a registry file: HOME is not set and the account "
                               "database names no home folder for this user");
    return base + "/quorvel/registry.txt";
}

Registry Registry::Load(const std::string& path)
{
    Registry reg;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return reg;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec))
        RaiseFileError(in ? EISDIR : errno, "Cannot read", path);

    enum class Section { None, Class, ProgId, TypeLib } section = Section::None;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string header = line.substr(1, line.size() - 2);
            auto space = header.find(' ');
            std::string kind = header.substr(0, space);
            std::string key = space == std::string::npos ? "" : header.substr(space + 1);
            section = Section::None;
            if (key.empty())
                continue;
            if (kind == "Class") {
                reg.m_classes.push_back({key, "", "", "", "", ""});
                section = Section::Class;
            } else if (kind == "ProgId") {
                reg.m_progIds.push_back({key, ""});
                section = Section::ProgId;
            } else if (kind == "TypeLib") {
                reg.m_typeLibs.push_back({key, "", 0, 0, 0, ""});
                section = Section::TypeLib;
            }
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string name = line.substr(0, eq);
        std::string value = line.substr(eq + 1);
        switch (section) {
        case Section::Class: {
            ClassEntry& c = reg.m_classes.back();
            if (name == "Library")
                c.library = value;
            else if (name == "Name")
                c.displayName = value;
            else if (name == "ProgId")
                c.progId = value;
            else if (name == "TypeLib")
                c.typeLib = value;
            else if (name == "Toolbox")
                c.toolboxPicture = value;
            break;
        }
        case Section::ProgId:
            if (name == "Class")
                reg.m_progIds.back().clsid = value;
            break;
        case Section::TypeLib: {
            TypeLibEntry& t = reg.m_typeLibs.back();
            if (name == "Name") {
                t.name = value;
            } else if (name == "Version") {
                unsigned major = 0, minor = 0;
                if (std::sscanf(value.c_str(), "%u.%u", &major, &minor) == 2) {
                    t.major = static_cast<std::uint16_t>(major);
                    t.minor = static_cast<std::uint16_t>(minor);
                }
            } else if (name == "Locale") {
                t.locale = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 0));
            } else if (name == "Library") {
                t.library = value;
            }
            break;
        }
        case Section::None:
            break;
        }
    }
    if (in.bad())
        RaiseFileError(errno ? errno : EIO, "Cannot read", path);
    return reg;
}

void Registry::Save(const std::string& path) const
{
    std::ostringstream out;
    out << "# Per-user component registry of Quorvel, written by regsvr.\n";
    for (const ClassEntry& c : m_classes) {
        for (const std::string* v :
             {&c.clsid, &c.library, &c.displayName, &c.progId, &c.typeLib, &c.toolboxPicture})
            CheckStorable(*v);
        out << "\n[Class " << c.clsid << "]\nLibrary=" << c.library << "\nName=" << c.displayName
            << "\nProgId=" << c.progId << "\nTypeLib=" << c.typeLib
            << "\nToolbox=" << c.toolboxPicture << "\n";
    }
    for (const ProgIdEntry& p : m_progIds) {
        CheckStorable(p.progId);
        CheckStorable(p.clsid);
        out << "\n[ProgId " << p.progId << "]\nClass=" << p.clsid << "\n";
    }
    for (const TypeLibEntry& t : m_typeLibs) {
        for (const std::string* v : {&t.libid, &t.name, &t.library})
            CheckStorable(*v);
        out << "\n[TypeLib " << t.libid << "]\nName=" << t.name << "\nVersion=" << t.major << "."
            << t.minor << "\nLocale=" << Locale(t.locale) << "\nLibrary=" << t.library << "\n";
    }
    const std::string text = out.str();

    std::filesystem::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ec);
        if (ec)
            RaiseFileError(ec.value(), "Cannot create the folder of", path);
    }
    std::string temp;
    int fd = CreateTemporaryBeside(path, temp);
    if (fd < 0)
        RaiseFileError(errno, "Cannot write", path);
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            RaiseFileError(err, "Cannot write", path);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        RaiseFileError(err, "Cannot write", path);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        RaiseFileError(err, "Cannot replace", path);
    }
}

const ClassEntry* Registry::FindClass(std::string_view clsid) const
{
    auto& classes = const_cast<std::vector<ClassEntry>&>(m_classes);
    auto it = FindIn(classes, clsid, &ClassEntry::clsid);
    return it == classes.end() ? nullptr : &*it;
}

std::optional<std::string> Registry::ClassOfProgId(std::string_view progId) const
{
    auto& progIds = const_cast<std::vector<ProgIdEntry>&>(m_progIds);
    auto it = FindIn(progIds, progId, &ProgIdEntry::progId);
    if (it == progIds.end())
        return std::nullopt;
    return it->clsid;
}

const TypeLibEntry* Registry::FindTypeLib(std::string_view libid) const
{
    auto& libs = const_cast<std::vector<TypeLibEntry>&>(m_typeLibs);
    auto it = FindIn(libs, libid, &TypeLibEntry::libid);
    return it == libs.end() ? nullptr : &*it;
}

void Registry::SetClass(const ClassEntry& entry)
{
    SetIn(m_classes, entry, &ClassEntry::clsid);
}

void Registry::SetProgId(const ProgIdEntry& entry)
{
    SetIn(m_progIds, entry, &ProgIdEntry::progId);
}

void Registry::SetTypeLib(const TypeLibEntry& entry)
{
    SetIn(m_typeLibs, entry, &TypeLibEntry::libid);
}

bool Registry::RemoveClass(std::string_view clsid)
{
    return RemoveFrom(m_classes, clsid, &ClassEntry::clsid);
}

bool Registry::RemoveProgId(std::string_view progId)
{
    return RemoveFrom(m_progIds, progId, &ProgIdEntry::progId);
}

bool Registry::RemoveTypeLib(std::string_view libid)
{
    return RemoveFrom(m_typeLibs, libid, &TypeLibEntry::libid);
}

} // namespace platform::registry
