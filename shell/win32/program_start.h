// The life of the process: the named objects, the settings, the
// single-instance test, the main window and its message loop, and the end.
#pragma once

#include "platform/win32/windows_api.h"

namespace tavrix {

// Runs the program; the answer is the process's exit code.
int RunTavrix(HINSTANCE instance, int showCommand);

}  // namespace tavrix
