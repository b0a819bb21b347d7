// Processing the thread's window messages outside the main loop: during
// playback steps, inside waits and inside the program's own modal boxes, so
// the hook library's messages and timers keep arriving. Every loop here gives
// keys meant for a dialog (a #32770 window or a top-level window with
// WS_EX_CONTROLPARENT) to IsDialogMessage, so Tab, Enter and Escape work in
// every open dialog of the program.
#pragma once

#include <cstdint>

namespace tavrix {

// A top-level window holding this property (an accelerator table, HACCEL)
// has its shortcut keys translated into menu commands before its controls
// or IsDialogMessage see them.
inline constexpr char kFormShortcutsProperty[] = "TavrixFormShortcuts";

// Dispatches every pending message once. A WM_QUIT is posted again so the
// main loop still ends; the answer is then false.
bool PumpPendingMessages();

// Sleeps until a message arrives or `timeoutMs` has passed.
void WaitForMessages(std::uint32_t timeoutMs);

// Processes messages until the tick count has advanced by `milliseconds`.
void WaitPumping(std::uint32_t milliseconds);

// The program's main loop: dispatches until WM_QUIT, whose wParam it returns.
int RunMessageLoop();

}  // namespace tavrix
