#include "distinct_names.h"

#include "names.h"

namespace platform::files {

bool IsDistinctName(std::string_view raw)
{
    return Cp1252ToUtf8(Utf8ToCp1252(raw)) == raw;
}

} // namespace platform::files
