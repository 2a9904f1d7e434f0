#pragma once

#include "platform/files/files.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

// Internal to the file layer: the whole-file write behind WriteFile and
// WriteFileIfUnchanged.
namespace platform::files::detail {

// Makes `content` the whole content of the file at `path` and sets `native` to the native
// path written. With `expected`, only while the file is still that version (false, and
// nothing written, otherwise); without, a file that appears while a missing one is being
// made is not replaced either (error 58). Throws RunTimeError as WriteFile documents.
bool ReplaceContent(const Path& path, std::string_view content, const FileVersion* expected,
                    struct stat* written, std::string& native);

} // namespace platform::files::detail
