#pragma once

#include <string>

// Internal to the file layer: finding a name without regard to case without reading the
// whole folder again for every missing or differently spelled name.
namespace platform::files::detail {

// The entry of the native folder `folder` that the CP1252 name `component` names without
// regard to case (of several, the first in byte order); "" when none.
std::string FindIgnoringCase(const std::string& folder, const std::string& component);

// Drops what is remembered of the folder holding `native` and of `native` itself with
// everything below it; called after this program changed them.
void ForgetListing(const std::string& native);

} // namespace platform::files::detail
