// The program's icon, drawn at run time: a white "T" on a blue key cap.
#pragma once

#include "platform/win32/windows_api.h"

namespace tavrix {

// An icon of `size` x `size` pixels; the caller destroys it (DestroyIcon).
HICON CreateProgramIcon(int size);

}  // namespace tavrix
