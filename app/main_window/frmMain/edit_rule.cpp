#include "edit_rule.h"

#include "app/project_store/project_paths.h"

namespace quorvel {

bool EditMayWrite(const std::string& faction)
{
    return !ActiveProject().empty() && !faction.empty();
}

} // namespace quorvel
