#include "files.h"

#include "descriptor_io.h"
#include "distinct_names.h"
#include "listing_cache.h"
#include "names.h"
#include "native_path.h"
#include "platform/errors/run_time_error.h"
#include "platform/text/collation.h"
#include "replace.h"
#include "temp_file.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <map>
#include <memory>
#include <set>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform::files {

using detail::FindIgnoringCase;
using detail::Join;
using detail::WriteAll;

namespace {

std::vector<std::function<void(const std::string&)>>& Listeners()
{
    static std::vector<std::function<void(const std::string&)>> listeners;
    return listeners;
}

void NotifyChanged(const std::string& native)
{
    detail::ForgetListing(native);
    for (const auto& listener : Listeners())
        listener(native);
}

std::vector<std::function<void(const Path&)>>& AccessListeners()
{
    static std::vector<std::function<void(const Path&)>> listeners;
    return listeners;
}

void BeforeAccess(const Path& path)
{
    for (const auto& listener : AccessListeners())
        listener(path);
}

std::function<bool(const Path&, const std::string&, std::string_view)>& Holder()
{
    static std::function<bool(const Path&, const std::string&, std::string_view)> holder;
    return holder;
}

// Open temporary files of a group at a time, well inside the descriptor limit.
std::size_t GroupLimit()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 1024;
    return std::max<std::size_t>(16, static_cast<std::size_t>(limit.rlim_cur) / 2);
}

// Writes `writes[first, last)`: temporary files, one flush per file system, renames.
void WriteGroupPart(std::vector<GroupWrite>& writes, std::size_t first, std::size_t last,
                    std::set<std::string>& folders)
{
    // Every name is resolved before the first temporary file changes a folder, so that the
    // folders' listings are read once for the group, not once per new file.
    std::vector<detail::Resolved> resolved(last - first);
    for (std::size_t i = first; i < last; ++i) {
        try {
            BeforeAccess(writes[i].path);
        } catch (const RunTimeError& e) {
            writes[i].error = e.number();
            continue;
        }
        detail::Resolved& name = resolved[i - first];
        name.existed = Resolve(writes[i].path, name.native, &name.info);
    }
    std::vector<std::unique_ptr<detail::Prepared>> staged(last - first);
    std::map<dev_t, std::string> systems;
    for (std::size_t i = first; i < last; ++i) {
        GroupWrite& write = writes[i];
        if (write.error != 0)
            continue;
        const FileVersion* expected = write.expected ? &*write.expected : nullptr;
        auto prepared = std::make_unique<detail::Prepared>();
        try {
            const detail::Prepare step =
                detail::PrepareContent(write.path, write.content, expected, &write.written, false,
                                       *prepared, &resolved[i - first]);
            write.stale = step == detail::Prepare::Stale;
            if (step == detail::Prepare::Done)
                NotifyChanged(prepared->native);
            if (step != detail::Prepare::Staged)
                continue;
        } catch (const RunTimeError& e) {
            write.error = e.number();
            continue;
        }
        systems.emplace(write.written.st_dev, prepared->temp.folder());
        staged[i - first] = std::move(prepared);
    }
    for (const auto& [device, folder] : systems) {
        if (const int err = detail::SyncFileSystem(folder); err != 0) {
            // Nothing of a group whose content may not be on disk takes its target's place.
            for (std::size_t i = first; i < last; ++i) {
                if (staged[i - first] && writes[i].written.st_dev == device) {
                    writes[i].error = ErrorFromErrno(err, 76);
                    staged[i - first].reset();
                }
            }
        }
    }
    for (std::size_t i = first; i < last; ++i) {
        if (!staged[i - first])
            continue;
        GroupWrite& write = writes[i];
        detail::Prepared& prepared = *staged[i - first];
        try {
            write.stale = !detail::FinishContent(
                prepared, write.expected ? &*write.expected : nullptr, false);
            if (!write.stale) {
                folders.insert(prepared.temp.folder());
                NotifyChanged(prepared.native);
            }
        } catch (const RunTimeError& e) {
            write.error = e.number();
        }
    }
}

[[noreturn]] void RaiseErrno(int err, int missing)
{
    Raise(ErrorFromErrno(err, missing));
}

std::vector<std::string> List(const Path& folder, bool folders)
{
    BeforeAccess(folder);
    const std::string native = Resolve(folder);
    std::vector<std::string> raws;
    if (const int err = detail::ReadNames(native, raws); err != 0)
        RaiseErrno(err, 76);
    std::vector<std::string> names;
    for (detail::NamedEntry& entry : detail::NameEntries(raws)) {
        if (entry.raw.empty() || entry.raw[0] == '.')
            continue;
        struct stat st;
        if (::stat(Join(native, entry.raw).c_str(), &st) != 0)
            continue;
        if (folders ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode))
            names.push_back(std::move(entry.name));
    }
    std::sort(names.begin(), names.end(), NameBefore);
    return names;
}

} // namespace

bool Resolve(const Path& path, std::string& native, struct stat* info)
{
    struct stat st;
    struct stat* out = info ? info : &st;
    native = path.Literal();
    if (::stat(native.c_str(), out) == 0)
        return true;

    native = path.base();
    bool walking = true;
    for (const std::string& component : path.components()) {
        const std::string spelled = Cp1252ToUtf8(component);
        if (walking) {
            const std::string exact = Join(native, spelled);
            if (::stat(exact.c_str(), &st) == 0) {
                native = exact;
                continue;
            }
            const std::string found = FindIgnoringCase(native, component);
            if (!found.empty()) {
                native = Join(native, found);
                continue;
            }
            walking = false;
        }
        native = Join(native, spelled);
    }
    return walking && ::stat(native.c_str(), out) == 0;
}

std::string Resolve(const Path& path)
{
    std::string native;
    Resolve(path, native);
    return native;
}

bool FileExists(const Path& path)
{
    BeforeAccess(path);
    std::string native;
    struct stat st;
    return Resolve(path, native, &st) && S_ISREG(st.st_mode);
}

bool FolderExists(const Path& path)
{
    BeforeAccess(path);
    std::string native;
    struct stat st;
    return Resolve(path, native, &st) && S_ISDIR(st.st_mode);
}

std::string ReadFile(const Path& path)
{
    BeforeAccess(path);
    const std::string native = Resolve(path);
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseErrno(errno, 53);
    std::string content;
    const int err = detail::ReadAll(fd, content);
    ::close(fd);
    if (err != 0)
        RaiseErrno(err, 53);
    return content;
}

void WriteFile(const Path& path, std::string_view content, struct stat* written)
{
    if (Holder() && !written) {
        std::string native;
        if (detail::WritesPlainly(path, native) && Holder()(path, native, content))
            return;
    }
    BeforeAccess(path);
    std::string native;
    detail::ReplaceContent(path, content, nullptr, written, native);
    NotifyChanged(native);
}

FileVersion FileVersion::Of(const struct stat& st)
{
    FileVersion version;
    version.exists = true;
    version.device = st.st_dev;
    version.inode = st.st_ino;
    version.size = st.st_size;
    version.modified = st.st_mtim;
    return version;
}

bool FileVersion::operator==(const FileVersion& other) const
{
    if (exists != other.exists)
        return false;
    return !exists ||
           (device == other.device && inode == other.inode && size == other.size &&
            modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec);
}

FileVersion VersionOf(const Path& path)
{
    BeforeAccess(path);
    std::string native;
    struct stat st;
    return Resolve(path, native, &st) ? FileVersion::Of(st) : FileVersion{};
}

bool WriteFileIfUnchanged(const Path& path, std::string_view content, const FileVersion& expected,
                          struct stat* written)
{
    BeforeAccess(path);
    std::string native;
    if (!detail::ReplaceContent(path, content, &expected, written, native))
        return false;
    NotifyChanged(native);
    return true;
}

void WriteFilesTogether(std::vector<GroupWrite>& writes)
{
    const std::size_t limit = GroupLimit();
    std::set<std::string> folders;
    for (std::size_t first = 0; first < writes.size(); first += limit)
        WriteGroupPart(writes, first, std::min(writes.size(), first + limit), folders);
    for (const std::string& folder : folders)
        detail::SyncFolder(folder);
}

void SetWriteHolder(
    std::function<bool(const Path& path, const std::string& native, std::string_view content)>
        holder)
{
    Holder() = std::move(holder);
}

void EnsureRoom(const Path& file, std::uint64_t bytes)
{
    // The nearest entry that exists on the way stands for the file system a new file lands on.
    std::string native = Resolve(file);
    struct statvfs fs;
    while (::statvfs(native.c_str(), &fs) != 0) {
        if (errno != ENOENT || native.empty() || native == "/")
            RaiseErrno(errno, 76);
        native = detail::ParentOf(native);
    }
    const std::uint64_t room = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
    if (room < bytes)
        Raise(61);
}

void AppendFile(const Path& path, std::string_view content)
{
    BeforeAccess(path);
    const std::string native = Resolve(path);
    bool made = false;
    int fd = ::open(native.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(native.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        made = fd >= 0;
    }
    if (fd < 0)
        RaiseErrno(errno, 76);
    struct stat before;
    int err = ::fstat(fd, &before) == 0 ? 0 : errno;
    if (err == 0)
        err = WriteAll(fd, content);
    // A cut entry would run into the next one; what was there stays as it was.
    if (err != 0 && made)
        ::unlink(native.c_str());
    else if (err != 0)
        (void)::ftruncate(fd, before.st_size);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    NotifyChanged(native);
    if (err != 0)
        RaiseErrno(err, 76);
}

void CreateFolder(const Path& path)
{
    BeforeAccess(path);
    const std::string native = Resolve(path);
    if (::mkdir(native.c_str(), 0777) != 0)
        Raise(errno == EEXIST ? 75 : ErrorFromErrno(errno, 76));
    detail::ForgetListing(native);
}

void DeleteFile(const Path& path)
{
    BeforeAccess(path);
    std::string native;
    struct stat st;
    if (!Resolve(path, native, &st))
        Raise(53);
    if (S_ISDIR(st.st_mode))
        Raise(53);
    if (::unlink(native.c_str()) != 0)
        RaiseErrno(errno, 53);
    NotifyChanged(native);
}

void DeleteFolderTree(const Path& path)
{
    BeforeAccess(path);
    std::string native;
    struct stat st;
    if (!Resolve(path, native, &st) || !S_ISDIR(st.st_mode))
        Raise(76);
    const auto remove = [](const char* entry, const struct stat*, int, struct FTW*) {
        return ::remove(entry) == 0 ? 0 : errno;
    };
    const int err = ::nftw(native.c_str(), remove, 16, FTW_DEPTH | FTW_PHYS);
    NotifyChanged(native);
    if (err != 0)
        RaiseErrno(err > 0 ? err : errno, 76);
}

std::vector<std::string> ListFolders(const Path& folder)
{
    return List(folder, true);
}

std::vector<std::string> ListFiles(const Path& folder)
{
    return List(folder, false);
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

void AddChangeListener(std::function<void(const std::string& native)> listener)
{
    Listeners().push_back(std::move(listener));
}

void AddBeforeAccessListener(std::function<void(const Path& path)> listener)
{
    AccessListeners().push_back(std::move(listener));
}

} // namespace platform::files
