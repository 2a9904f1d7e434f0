#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/hosting/window_handle.h"

// Opening a document or an address with the desktop's handler.
namespace platform::shell {

constexpr int SW_SHOWNORMAL = 1;

// Hands `file` (a path or an address such as "https://..." or "mailto:...") to the desktop's
// handler and returns at once, whatever the handler does; the result is 42 when it was handed
// on and 2 (file not found) for an empty `file`. Verb, parameters, folder and show mode are
// accepted and not used: the desktop's handler only opens. Failures of the handler are not
// reported, as the program ignored them anyway.
std::intptr_t ShellExecuteA(hosting::HWND hwnd, const std::string& verb, const std::string& file,
                            const std::string& parameters, const std::string& directory,
                            int showCommand);

// Replaces what receives the documents, so tests see what would have been opened; an empty
// function gives the desktop's handler back.
using DocumentOpener = std::function<void(const std::string& file)>;
void SetDocumentOpener(DocumentOpener opener);

} // namespace platform::shell
