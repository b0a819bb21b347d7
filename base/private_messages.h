// Private window messages between TVXHOOK.DLL and the program, and the mark
// the program puts on its own synthetic input. Shared by both sides; kept free
// of <windows.h> so the portable core can use the numbers too.
#pragma once

#include <cstdint>

namespace tavrix {

// The first message number Windows leaves to applications (WM_USER).
inline constexpr std::uint32_t kFirstPrivateMessage = 1024;

// Numbers the library posts (or, for hot key entry, sends to a dialog).
inline constexpr std::uint32_t kMsgHotKeyEntry = kFirstPrivateMessage + 1;       // wParam: hot key code
inline constexpr std::uint32_t kMsgActivation = kFirstPrivateMessage + 2;        // wParam: code, lParam: focus window
inline constexpr std::uint32_t kMsgCaptureChar = kFirstPrivateMessage + 3;       // wParam: macro, lParam: character
inline constexpr std::uint32_t kMsgCaptureComplete = kFirstPrivateMessage + 4;   // wParam: macro
inline constexpr std::uint32_t kMsgAbort = kFirstPrivateMessage + 5;
inline constexpr std::uint32_t kMsgWordletChar = kFirstPrivateMessage + 6;       // wParam: reset/Caps, lParam: character
inline constexpr std::uint32_t kMsgForegroundChanged = kFirstPrivateMessage + 7; // wParam: new foreground window
inline constexpr std::uint32_t kMsgDiagnostic = kFirstPrivateMessage + 8;        // lParam: character, 0 = line break
inline constexpr std::uint32_t kMsgCapsLock = kFirstPrivateMessage + 9;          // wParam: non-zero = on
inline constexpr std::uint32_t kMsgClearInUse = kFirstPrivateMessage + 12;

// Activation message wParam bits.
inline constexpr std::uint32_t kActivationCapsLockBit = 0x8000;
inline constexpr std::uint32_t kActivationDirectMacroBit = 0x4000;

// Wordlet message wParam values (anything else: Caps Lock off).
inline constexpr std::uint32_t kWordletReset = 1;
inline constexpr std::uint32_t kWordletCapsOn = 2;

// dwExtraInfo of every key and mouse event Tavrix synthesises, so the hooks
// can tell the program's own input from the user's and from other programs'.
inline constexpr std::uint32_t kSyntheticInputMarker = 0x54565821;  // "TVX!"

// The key the program presses and releases after a macro's input: when the
// hooks see it, everything the macro sent has passed, and they post
// kMsgClearInUse.
inline constexpr std::uint16_t kEndOfMacroKey = 43;

}  // namespace tavrix
