// The life of the process: the named objects, the settings, the
// single-instance test, the main window and its message loop, and the end.
#pragma once

#include "platform/win32/windows_api.h"

namespace tavrix {

inline constexpr const char* kAlreadyRunningText = "Tavrix is already running.";
inline constexpr const char* kAlreadyRunningInTrayText =
    "Tavrix is already running.  Right Click on the Tavrix Icon in the system tray in the bottom right corner to "
    "active.";

// Runs the program; the answer is the process's exit code.
int RunTavrix(HINSTANCE instance, int showCommand);

}  // namespace tavrix
