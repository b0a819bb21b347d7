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

// Posted to the thread window by a procedure: press and release the unassigned
// key, marked as the program's own, outside the hook.
inline constexpr UINT kMenuBlockerRequest = WM_APP + 4;
void sendMenuBlocker();

// Posted to the thread window by a procedure whose pipeline replaced a key:
// wParam the virtual key, lParam 1 for a release. Sent marked, outside the
// hook.
inline constexpr UINT kReplacementKeyRequest = WM_APP + 6;
void sendReplacementKey(WPARAM vk, LPARAM up);

// Key swap: while a swap hook is installed the keyboard procedure applies the
// program's key-swap tables (read in place from its control block).
void setSwapActive(bool on);
// Reads the character tables of every installed keyboard layout (the swap
// and the Wordlets read typed characters with them); on the hook thread,
// before the keys come.
void readInstalledLayouts();
// Posted to the thread window when a remapped key types another character:
// wParam the character (in the system's ANSI code page). Typed marked,
// outside the hook.
inline constexpr UINT kTypeCharacterRequest = WM_APP + 7;
void typeCharacter(WPARAM character);

}  // namespace tavrix::hook
