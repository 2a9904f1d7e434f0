#pragma once

#include "platform/files/path.h"
#include "tests/support/temp_folder.h"

#include <string>

namespace testing_support {

// `rel` ("sub/b.ini") below `root`, one component per name.
inline platform::files::Path Below(platform::files::Path root, const std::string& rel)
{
    std::size_t from = 0;
    for (std::size_t slash; (slash = rel.find('/', from)) != std::string::npos; from = slash + 1)
        root = root / rel.substr(from, slash - from);
    return root / rel.substr(from);
}

// Where `rel` lies in `folder`, with the letter case of the program's names.
inline platform::files::Path In(const TempFolder& folder, const std::string& rel)
{
    return Below(platform::files::Path::Native(folder.path()), rel);
}

} // namespace testing_support
