// The program's control names and the ids its windows give them: each
// control's id is its 1-based place in its window's control list.
#pragma once

#include <string>

namespace e2e {

// 0 for a name the window does not have.
int mainControlId(const std::string& name);
int aboutControlId(const std::string& name);

}  // namespace e2e
