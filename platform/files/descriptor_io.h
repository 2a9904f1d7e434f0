#pragma once

#include <functional>
#include <string>
#include <string_view>

// Internal to the file layer: whole reads and writes on an open descriptor, retried when a
// signal cuts them short. Each returns 0 or the errno of the failure.
namespace platform::files::detail {

// Writes all of `content` at the descriptor's position.
int WriteAll(int fd, std::string_view content);
// Writes all of `content` from the start of the file, whatever the descriptor's position.
int WriteAllFromStart(int fd, std::string_view content);
// Writes what `each` hands to its callback, in order, gathering small pieces into writes
// of about a quarter megabyte.
int WritePieces(int fd,
                const std::function<void(const std::function<void(std::string_view)>&)>& each);
// Appends everything from the descriptor's position to the end of the file to `content`.
int ReadAll(int fd, std::string& content);

} // namespace platform::files::detail
