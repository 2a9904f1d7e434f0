#pragma once

#include <string>
#include <string_view>

// Internal to the file layer: the write of a file that cannot be replaced by a new one.
namespace platform::files::detail {

// Writes `content` over the file's own bytes and flushes it; a failure part-way puts the
// old bytes back as far as the file system allows. Throws RunTimeError.
void WriteInPlace(const std::string& native, std::string_view content);

} // namespace platform::files::detail
