#include "temp_file.h"

#include "descriptor_io.h"
#include "native_path.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform::files::detail {

namespace {

constexpr const char* kEnding = ".qv~";
// Writers of one target at the same time; beyond that a random name is used.
constexpr int kSlots = 8;
// Tries per name when others keep taking it away between our steps.
constexpr int kTries = 4;

std::string HashOf(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a: stable across builds and runs
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// True when `path` still names the file open as `fd`.
bool StillNamed(int fd, const std::string& path)
{
    struct stat open;
    struct stat named;
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Removes the file at `path` when it is a temporary file whose writer is gone (nobody
// holds its lock). True when the name is free to be taken now (or may be on a retry).
bool RemoveIfLeftOver(const std::string& path)
{
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(path.c_str(), O_RDONLY | kFlags);
    if (fd < 0 && errno == EACCES) // a leftover of a file that its owner may only write
        fd = ::open(path.c_str(), O_WRONLY | kFlags);
    if (fd < 0)
        return errno == ENOENT;
    bool freed = false;
    struct stat st;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // While we hold the lock and the name still names this file, no writer can take
        // or rename it, so the name is removed, not whatever replaced it meanwhile.
        freed = !StillNamed(fd, path) || ::unlink(path.c_str()) == 0;
    }
    ::close(fd);
    return freed;
}

// Makes and locks a new file at `path`: the descriptor, or -1 with errno set.
int CreateLocked(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    // Between the creation and the lock a cleaner may have taken the file for a leftover
    // and removed it; then the name is no longer ours.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path))
        return fd;
    ::close(fd);
    errno = EAGAIN;
    return -1;
}

std::function<void(DiskStep, const std::string&)>& Observer()
{
    static std::function<void(DiskStep, const std::string&)> observer;
    return observer;
}

void Observe(DiskStep step, const std::string& native)
{
    if (Observer())
        Observer()(step, native);
}

} // namespace

void SetDiskStepObserver(std::function<void(DiskStep step, const std::string& native)> observer)
{
    Observer() = std::move(observer);
}

int SyncFileSystem(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    Observe(DiskStep::FileSystemFlush, folder);
    const int err = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err;
}

std::string TempNameFor(const std::string& targetName, int slot)
{
    const std::string ending = kEnding + std::to_string(slot);
    if (1 + targetName.size() + ending.size() <= NAME_MAX)
        return "." + targetName + ending;
    return "." + HashOf(targetName) + ending;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    Observe(DiskStep::FolderFlush, folder);
    ::fsync(fd);
    ::close(fd);
}

TempFile::~TempFile()
{
    if (m_fd < 0)
        return;
    ::unlink(m_path.c_str());
    ::close(m_fd);
}

int TempFile::Open(const std::string& folder, const std::string& targetName)
{
    m_folder = folder;
    int taken = -1;
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::string path = Join(folder, TempNameFor(targetName, slot));
        if (taken >= 0) {
            RemoveIfLeftOver(path);
            continue;
        }
        for (int attempt = 0; attempt < kTries; ++attempt) {
            m_fd = CreateLocked(path);
            if (m_fd >= 0) {
                m_path = path;
                taken = slot;
                break;
            }
            if (errno == EAGAIN)
                continue;
            if (errno != EEXIST)
                return errno;
            if (!RemoveIfLeftOver(path))
                break; // a live writer holds it
        }
    }
    if (m_fd >= 0)
        return 0;
    // Every slot is held by a live writer: a name of its own, removed by this writer.
    std::string path = Join(folder, TempNameFor(HashOf(targetName), 0) + ".XXXXXX");
    m_fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (m_fd < 0)
        return errno;
    m_path = path;
    return 0;
}

int TempFile::TakeOwner(const struct stat& file)
{
    struct stat own;
    if (::fstat(m_fd, &own) != 0)
        return errno;
    if (own.st_uid == file.st_uid && own.st_gid == file.st_gid)
        return 0;
    const uid_t owner = own.st_uid == file.st_uid ? static_cast<uid_t>(-1) : file.st_uid;
    const gid_t group = own.st_gid == file.st_gid ? static_cast<gid_t>(-1) : file.st_gid;
    return ::fchown(m_fd, owner, group) == 0 ? 0 : errno;
}

int TempFile::Fill(std::string_view content, mode_t mode, struct stat* written, bool flush)
{
    if (::fchmod(m_fd, mode) != 0)
        return errno;
    if (const int err = WriteAll(m_fd, content); err != 0)
        return err;
    // Without this a power cut soon after the rename can leave an empty file behind it.
    if (flush) {
        Observe(DiskStep::FileFlush, m_path);
        if (::fsync(m_fd) != 0)
            return errno;
    }
    if (written && ::fstat(m_fd, written) != 0)
        return errno;
    return 0;
}

int TempFile::Replace(const std::string& target, bool syncFolder)
{
    Observe(DiskStep::Rename, target);
    if (::rename(m_path.c_str(), target.c_str()) != 0)
        return errno;
    Done(syncFolder);
    return 0;
}

int TempFile::Create(const std::string& target, bool syncFolder)
{
    Observe(DiskStep::Rename, target);
    if (::renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        Done(syncFolder);
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // File systems without that rename: a hard link, which fails as well when the name is
    // taken; the temporary name is then removed.
    if (::link(m_path.c_str(), target.c_str()) != 0)
        return errno;
    Done(syncFolder);
    return 0;
}

void TempFile::Done(bool syncFolder)
{
    // After a rename the temporary name names nothing of ours any more; after a link it
    // still names the target's file and goes.
    if (StillNamed(m_fd, m_path))
        ::unlink(m_path.c_str());
    ::close(m_fd);
    m_fd = -1;
    if (syncFolder)
        SyncFolder(m_folder);
}

} // namespace platform::files::detail
