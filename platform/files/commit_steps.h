#pragma once

#include "fault_injection.h"

#include <string>

// Internal to the file layer: the steps of a commit that touch the disk's state, each of
// which a test can watch and make fail (fault_injection.h).
namespace platform::files::detail {

// 0, or the errno a test asked this step to fail with.
int Take(fault::Step step, const std::string& native);

// A folder's entries to the disk: 0, or the errno.
int FlushFolder(const std::string& folder);
// Everything written to the file system holding `folder`: 0, or the errno.
int FlushFileSystem(const std::string& folder);

} // namespace platform::files::detail
