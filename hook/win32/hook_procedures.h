// The hook procedures installed by the hook thread, and the thread's side of
// them. Everything here runs on the hook thread.
#pragma once

#include <windows.h>

#include "hook/hook_registry.h"

namespace tavrix::hook {

LRESULT CALLBACK keyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK swapHookProc(int code, WPARAM wParam, LPARAM lParam);

// Installs the system hook of a keyboard, mouse or swap hook with its
// procedure; null on failure (and for the foreground watcher).
HHOOK installInputHook(HookKind kind);

// Prepares the procedures' state when the thread starts (the hot key tables
// are built here, never on the hook path); `threadWindow` gets the requests
// the procedures cannot carry out inside a hook.
void startProcedures(HWND threadWindow);

// Takes the modifiers, and with `capsLock` also Caps Lock, from the system's
// key state, and forgets swallowed key presses whose keys are up by now.
void resyncKeyState(bool capsLock);

// Tick of the last event any of the procedures saw, and of the last key.
DWORD lastEventSeen();
DWORD lastKeySeen();

// What the procedures leave for after the hook (keys to send marked as the
// library's own, layouts to read) waits in the hook thread's own queue; the
// procedure posts this message to the thread window, which then runs it.
// Another program posting it only makes the thread look at that queue.
inline constexpr UINT kDeferredWorkRequest = WM_APP + 4;
void runDeferredWork();

// Key swap: while a swap hook is installed the keyboard procedure applies the
// library's copy of the key-swap tables.
void setSwapActive(bool on);
// Reads the character tables of every installed keyboard layout and of the
// window in front (the swap and the Wordlets read typed characters with
// them); on the hook thread, outside the hooks.
void readInstalledLayouts();
void readFrontLayout();

}  // namespace tavrix::hook
