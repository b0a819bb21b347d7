// <windows.h> for the Win32 side of the program. Windows defines DeleteFile
// and CopyFile as macros, which would rename the Desktop methods of the same
// names in any file that includes both; they are undefined here, so call the
// ...A functions by their full names.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef DeleteFile
#undef CopyFile

#include <cstdint>

#include "platform/desktop.h"

namespace tavrix {

inline HWND HwndOf(WindowId window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }
inline WindowId WindowIdOf(HWND window) {
  return static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace tavrix
