#include "replace.h"

#include "descriptor_io.h"
#include "native_path.h"
#include "platform/errors/run_time_error.h"
#include "temp_file.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace platform::files::detail {

namespace {

[[noreturn]] void RaiseErrno(int err)
{
    Raise(ErrorFromErrno(err, 76));
}

bool StillExpected(const std::string& native, const FileVersion& expected)
{
    struct stat st;
    const FileVersion now = ::stat(native.c_str(), &st) == 0 ? FileVersion::Of(st) : FileVersion{};
    return now == expected;
}

// 0 or the errno of the failure; `content` becomes the whole file.
int Overwrite(int fd, std::string_view content)
{
    int err = WriteAllFromStart(fd, content);
    if (err == 0 && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0)
        err = errno;
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    return err;
}

// Writes over the file's own bytes; a failure part-way puts the old bytes back as far as
// the file system allows.
bool WriteInPlace(const std::string& native, std::string_view content, const FileVersion* expected,
                  struct stat* written)
{
    int fd = ::open(native.c_str(), O_RDWR | O_CLOEXEC);
    const bool readable = fd >= 0;
    if (!readable)
        fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        RaiseErrno(errno);
    struct stat st;
    int err = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (err == 0 && expected && !(FileVersion::Of(st) == *expected)) {
        ::close(fd);
        return false;
    }
    std::string old;
    if (err == 0 && readable)
        err = ReadAll(fd, old);
    if (err == 0) {
        err = Overwrite(fd, content);
        if (err != 0 && readable)
            Overwrite(fd, old);
    }
    if (err == 0 && written && ::fstat(fd, written) != 0)
        err = errno;
    ::close(fd);
    if (err != 0)
        RaiseErrno(err);
    return true;
}

// A link whose target is gone reads as no file, so it is replaced like one; a file that
// appeared meanwhile is never replaced.
bool IsDanglingLink(const std::string& native)
{
    struct stat st;
    return ::lstat(native.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
           ::stat(native.c_str(), &st) != 0 && errno == ENOENT;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

Prepare PrepareContent(const Path& path, std::string_view content, const FileVersion* expected,
                       struct stat* written, bool flush, Prepared& prepared,
                       const Resolved* resolved)
{
    std::string& native = prepared.native;
    struct stat old = resolved ? resolved->info : (struct stat){};
    bool existed;
    if (resolved) {
        native = resolved->native;
        existed = resolved->existed;
    } else {
        existed = Resolve(path, native, &old);
    }
    prepared.existed = existed;
    if (expected && !((existed ? FileVersion::Of(old) : FileVersion{}) == *expected))
        return Prepare::Stale;
    const bool regular = existed && S_ISREG(old.st_mode);
    // A rename needs only the folder's permission; the file's own is what the user set.
    if (regular && ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) != 0)
        RaiseErrno(errno);

    TempFile& temp = prepared.temp;
    int err = temp.Open(ParentOf(native), BaseNameOf(native));
    // Where a new file cannot take the old one's place as the same file to its users (the
    // folder is closed to the caller, or the file is another user's and its owner or group
    // cannot be given to the new one), the file is written in place, as the original runtime
    // wrote every file.
    if (regular && (err == EACCES || err == EPERM || (err == 0 && temp.TakeOwner(old) != 0)))
        return WriteInPlace(native, content, expected, written) ? Prepare::Done : Prepare::Stale;
    if (err != 0)
        RaiseErrno(err);
    err = temp.Fill(content, existed ? old.st_mode & 07777 : NewFileMode(), written, flush);
    if (err != 0)
        RaiseErrno(err);
    return Prepare::Staged;
}

bool FinishContent(Prepared& prepared, const FileVersion* expected, bool syncFolder)
{
    const std::string& native = prepared.native;
    int err = 0;
    if (!prepared.existed) {
        err = prepared.temp.Create(native, syncFolder);
        if (err == EEXIST && IsDanglingLink(native))
            err = prepared.temp.Replace(native, syncFolder);
        if (err == EEXIST && expected)
            return false;
    } else {
        if (expected && !StillExpected(native, *expected))
            return false;
        err = prepared.temp.Replace(native, syncFolder);
    }
    if (err != 0)
        RaiseErrno(err);
    return true;
}

bool ReplaceContent(const Path& path, std::string_view content, const FileVersion* expected,
                    struct stat* written, std::string& native)
{
    Prepared prepared;
    const Prepare step = PrepareContent(path, content, expected, written, true, prepared);
    native = prepared.native;
    if (step != Prepare::Staged)
        return step == Prepare::Done;
    return FinishContent(prepared, expected, true);
}

bool WritesPlainly(const Path& path, std::string& native)
{
    struct stat st;
    const bool existed = Resolve(path, native, &st);
    const std::string folder = ParentOf(native);
    struct stat dir;
    if (::stat(folder.c_str(), &dir) != 0 || !S_ISDIR(dir.st_mode) ||
        ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return false;
    if (!existed) {
        struct stat link;
        return ::lstat(native.c_str(), &link) != 0 && errno == ENOENT &&
               BaseNameOf(native).size() <= NAME_MAX;
    }
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_gid == ::getegid() &&
           ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace platform::files::detail
