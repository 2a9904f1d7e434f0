#include "replace.h"

#include "descriptor_io.h"
#include "platform/errors/run_time_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files::detail {

namespace {

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

} // namespace

void WriteInPlace(const std::string& native, std::string_view content)
{
    int fd = ::open(native.c_str(), O_RDWR | O_CLOEXEC);
    const bool readable = fd >= 0;
    if (!readable)
        fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        Raise(ErrorFromErrno(errno, 76));
    std::string old;
    int err = readable ? ReadAll(fd, old) : 0;
    if (err == 0) {
        err = Overwrite(fd, content);
        if (err != 0 && readable)
            Overwrite(fd, old);
    }
    ::close(fd);
    if (err != 0)
        Raise(err == EFBIG ? 61 : ErrorFromErrno(err, 76));
}

} // namespace platform::files::detail
