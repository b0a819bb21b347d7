// The program's icon, drawn at run time: a white "T" on a blue key cap.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace tavrix {

// An icon of `size` x `size` pixels; the caller destroys it (DestroyIcon).
HICON CreateProgramIcon(int size);
// The menu icon of popup-menu macros: three lines on a white card.
HICON CreateMenuIcon(int size);
// "program" or "menu", as the forms' icon buttons name them.
HICON CreateNamedIcon(const std::string& name, int size);

}  // namespace tavrix
