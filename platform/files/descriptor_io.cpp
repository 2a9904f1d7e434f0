#include "descriptor_io.h"

#include "large_buffer.h"

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

int WritePieces(int fd,
                const std::function<void(const std::function<void(std::string_view)>&)>& each)
{
    constexpr std::size_t kGather = std::size_t(256) << 10;
    std::string gathered;
    gathered.reserve(kGather);
    int err = 0;
    each([&](std::string_view piece) {
        if (err != 0)
            return;
        if (gathered.size() + piece.size() > kGather && !gathered.empty()) {
            err = WriteAll(fd, gathered);
            gathered.clear();
        }
        if (err == 0 && piece.size() >= kGather)
            err = WriteAll(fd, piece);
        else if (err == 0)
            gathered.append(piece);
    });
    if (err == 0 && !gathered.empty())
        err = WriteAll(fd, gathered);
    return err;
}

int WriteAllFromStart(int fd, std::string_view content)
{
    return WriteInPieces(content, [fd](const char* data, std::size_t size, std::size_t done) {
        return ::pwrite(fd, data, size, static_cast<off_t>(done));
    });
}

int ReadAll(int fd, std::string& content)
{
    // Read straight into room for the whole file: through a buffer of its own, each byte
    // would be copied once more, into memory never touched before, which costs more than the
    // read. It is still read to its end, should it have grown meanwhile.
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        std::size_t at = content.size();
        ReserveLarge(content, at + static_cast<std::size_t>(st.st_size));
        content.resize(at + static_cast<std::size_t>(st.st_size));
        while (at < content.size()) {
            const ssize_t n = ::read(fd, content.data() + at, content.size() - at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int err = n < 0 ? errno : 0;
                content.resize(at);
                return err;
            }
            at += static_cast<std::size_t>(n);
        }
    }
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
