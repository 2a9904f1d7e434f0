#include "native_file.h"

#include "descriptor_io.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace platform::files::detail {

bool Exists(const std::string& native)
{
    struct stat st;
    return ::lstat(native.c_str(), &st) == 0;
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat x;
    struct stat y;
    return ::lstat(a.c_str(), &x) == 0 && ::lstat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

// 0, or the errno of the failure.
int ReadNative(const std::string& native, std::string& content)
{
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int err = detail::ReadAll(fd, content);
    ::close(fd);
    return err;
}

// Frees what `bytes` holds. Assigning an empty string would not: the string keeps its
// buffer (for "= {}", and for a move from a short string), and a held compile output is tens
// of megabytes.
void GiveBack(std::string& bytes)
{
    std::string().swap(bytes);
}

// Whether the file holds exactly `bytes`; false when it cannot be read. Compared piece by
// piece: a compiled output of tens of megabytes is not read whole beside its new bytes.
bool NativeHolds(const std::string& native, std::string_view bytes)
{
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // On the stack: memory touched already, where a new buffer would be met page by page.
    char piece[65536];
    std::size_t at = 0;
    bool same = true;
    for (;;) {
        const ssize_t got = ::read(fd, piece, sizeof piece);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            same = false;
            break;
        }
        if (got == 0)
            break;
        const auto n = static_cast<std::size_t>(got);
        if (n > bytes.size() - at || bytes.compare(at, n, std::string_view(piece, n)) != 0) {
            same = false;
            break;
        }
        at += n;
    }
    ::close(fd);
    return same && at == bytes.size();
}

namespace {

long long Nanoseconds(const struct timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

} // namespace

// A change within the same timestamp tick as our read, at the same size, leaves the stamps
// as they were: a parse of such a version is only trusted after comparing the bytes again.
bool Settled(const FileVersion& v)
{
    constexpr long long kFineMarginNs = 50'000'000;
    constexpr long long kCoarseMarginNs = 2'050'000'000; // file systems of whole seconds
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long long stamp = std::max(Nanoseconds(v.modified), Nanoseconds(v.changed));
    const long long margin = v.modified.tv_nsec == 0 ? kCoarseMarginNs : kFineMarginNs;
    return stamp + margin < Nanoseconds(now);
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace platform::files::detail
