#pragma once

#include "platform/files/files.h"
#include "temp_file.h"

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

// ReplaceContent in two halves, so that a group of writes can flush all their temporary
// files at once between them. Prepare writes the temporary file, flushed only when `flush`;
// it returns Staged, or Done when the file was written in place, or Stale when it is no
// longer the version `expected`. Finish renames it (Staged only): false when the file
// became another version meanwhile. Both throw RunTimeError as WriteFile documents.
struct Prepared {
    std::string native;
    bool existed = false;
    TempFile temp;
};
enum class Prepare { Staged, Done, Stale };
// With `resolved`, the path as Resolve gave it a moment ago (its stat when it existed).
struct Resolved {
    std::string native;
    bool existed = false;
    struct stat info = {};
};
Prepare PrepareContent(const Path& path, std::string_view content, const FileVersion* expected,
                       struct stat* written, bool flush, Prepared& prepared,
                       const Resolved* resolved = nullptr);
bool FinishContent(Prepared& prepared, const FileVersion* expected, bool syncFolder);

// True when a write of `path` now would take the plain way: the folder is there and the
// caller may write in it, and the file is missing with a name that fits, or is a regular
// file of the caller's that the caller may write. `native` receives the resolved path.
bool WritesPlainly(const Path& path, std::string& native);

} // namespace platform::files::detail
