#pragma once

#include "files.h"

#include <string>
#include <string_view>
#include <sys/types.h>

// Internal to the file layer: what the store asks of one native path.
namespace platform::files::detail {

bool Exists(const std::string& native);
// Whether both names are one file (neither followed if a link).
bool SameFile(const std::string& a, const std::string& b);
// 0, or the errno of the failure.
int ReadNative(const std::string& native, std::string& content);
// Whether the file holds exactly `bytes`; false when it cannot be read.
bool NativeHolds(const std::string& native, std::string_view bytes);
// Frees what `bytes` holds.
void GiveBack(std::string& bytes);
// Whether a parse of version `v` can be trusted without comparing the bytes again.
bool Settled(const FileVersion& v);
// The mode a new file gets: 0666 less the process's mask.
mode_t NewFileMode();

} // namespace platform::files::detail
