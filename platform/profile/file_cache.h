#pragma once

#include "ini_index.h"
#include "platform/files/files.h"

#include <memory>
#include <string>
#include <sys/stat.h>

// The parsed index of the INI calls (see profile.h): what one look at a file found.
namespace platform::profile {

// Replacing a file that keeps changing under us is tried this often before it fails.
constexpr int kWriteAttempts = 8;

struct Loaded {
    bool exists = false;
    std::string native;
    files::FileVersion version;            // of the bytes `index` holds
    std::shared_ptr<const IniIndex> index; // null when the file is missing or unreadable
};

// The file as it is now: one stat, and a read and parse only when the index holds no entry
// of this version.
Loaded Load(const files::Path& file);

// Keeps `index` as the content of the version `st` of `native`.
void Remember(const std::string& native, const struct stat& st,
              std::shared_ptr<const IniIndex> index);

void SetCacheEnabled(bool enabled);
bool CacheEnabled();

} // namespace platform::profile
