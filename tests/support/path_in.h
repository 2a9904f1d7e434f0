#pragma once

#include "platform/files/path.h"
#include "tests/support/temp_folder.h"

#include <string>

namespace testing_support {

// Where `rel` ("sub/b.ini") lies in `folder`, with the letter case of the program's names.
inline platform::files::Path In(const TempFolder& folder, const std::string& rel)
{
    platform::files::Path path = platform::files::Path::Native(folder.path());
    std::size_t from = 0;
    for (std::size_t slash; (slash = rel.find('/', from)) != std::string::npos; from = slash + 1)
        path = path / rel.substr(from, slash - from);
    return path / rel.substr(from);
}

} // namespace testing_support
