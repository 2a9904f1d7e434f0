#include "descriptor_io.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files::detail {

namespace {

// Writes `content` piece by piece through `write(data, size, done)`.
template <typename Write> int WriteInPieces(std::string_view content, Write write)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = write(content.data() + done, content.size() - done, done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace

int WriteAll(int fd, std::string_view content)
{
    return WriteInPieces(content, [fd](const char* data, std::size_t size, std::size_t) {
        return ::write(fd, data, size);
    });
}

int WriteAllFromStart(int fd, std::string_view content)
{
    return WriteInPieces(content, [fd](const char* data, std::size_t size, std::size_t done) {
        return ::pwrite(fd, data, size, static_cast<off_t>(done));
    });
}

int ReadAll(int fd, std::string& content)
{
    // Room for the whole file at once: grown by doubling, a file of tens of megabytes would
    // be copied over and over, each time into memory not touched before. It is still read
    // to its end, should it have grown meanwhile.
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        content.reserve(content.size() + static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace platform::files::detail
