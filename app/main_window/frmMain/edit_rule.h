#pragma once

#include <string>

namespace quorvel {

// Whether an edit of a tab may write to faction `faction`: a project is loaded (deleting the
// loaded project unloads it) and a faction is named. Every write-through handler of the
// faction tabs asks this before writing and stops silently otherwise; without a project each
// path would be refused, and every keystroke would show the refusal.
bool EditMayWrite(const std::string& faction);

} // namespace quorvel
