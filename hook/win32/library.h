// The library's process-wide state: the table copy the hooks decide from and
// the module handle the hooks are installed with.
#pragma once

#include <windows.h>

#include "hook/library_state.h"

namespace tavrix::hook {

LibraryState& libraryState();
HINSTANCE libraryModule();

}  // namespace tavrix::hook
