#pragma once

#include <string>

// Pieces of native paths as the resolver builds them, for the file layer and the INI layer's
// held writes, which check a file's folder as the file layer would.
namespace platform::files::detail {

// `folder` + "/" + `name`, without doubling a "/" that ends `folder`.
std::string Join(const std::string& folder, const std::string& name);
// The folder holding `native` ("." for a bare name, "/" for the root's entries).
std::string ParentOf(const std::string& native);
// The last component of `native`.
std::string BaseNameOf(const std::string& native);

} // namespace platform::files::detail
