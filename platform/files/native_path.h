#pragma once

#include <string>

// Internal to the file layer: pieces of native paths as the resolver builds them.
namespace platform::files::detail {

// `folder` + "/" + `name`, without doubling a "/" that ends `folder`.
std::string Join(const std::string& folder, const std::string& name);
// The folder holding `native` ("." for a bare name, "/" for the root's entries).
std::string ParentOf(const std::string& native);
// The last component of `native`.
std::string BaseNameOf(const std::string& native);

} // namespace platform::files::detail
