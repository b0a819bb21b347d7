// The foreground-change watcher: a window event hook where the system
// delivers EVENT_SYSTEM_FOREGROUND, and a light poll of the foreground window
// where it does not (Wine never fires the event). Runs on the hook thread.
#pragma once

#include <cstdint>

#include <windows.h>

namespace tavrix::hook {

// Starts a watcher; `window` is the hook thread's message window, which gets
// the poll timer. Returns the watcher's handle for the program.
std::uintptr_t startForegroundWatch(HWND window);
// Stops the watcher of that handle.
void stopForegroundWatch(HWND window, std::uintptr_t handle);
// The poll: called on the hook thread's timer.
void pollForeground();

inline constexpr UINT_PTR kForegroundPollTimer = 1;
inline constexpr UINT kForegroundPollMs = 250;

}  // namespace tavrix::hook
