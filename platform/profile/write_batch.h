#pragma once

#include "file_cache.h"
#include "ini_document.h"

#include <string_view>

// The INI writes of one event handler, held back and written once per file (see profile.h).
namespace platform::profile {

// True while a batch is open and batching is on: writes go to Defer, reads to View.
bool Batching();

// What a read inside the batch sees of `file`: the held-back document when the batch has
// written to it, else the file as it was the first time the batch looked at it.
// Both point into the batch: valid until its next call.
struct BatchView {
    const Loaded* loaded = nullptr;
    const IniDocument* pending = nullptr;
};
BatchView View(const files::Path& file);

// Holds the write back. Returns false, holding nothing, when writing the file now would
// fail: its folder is missing, the file is not writable, is a folder or cannot be read, or
// a new file's folder is not writable or its name too long. Earlier held writes of other files
// stay held; they are written when the batch ends, as they would have been one by one.
bool Defer(const files::Path& file, std::string_view section, std::string_view key,
           std::string_view value);

} // namespace platform::profile
