// Which of the macros bound to one hot key applies now (`GetMacro`): a
// window or program macro whose window or program is in front, else one
// whose window or program is open (it is brought forward), else the last
// global one.
#pragma once

#include "platform/desktop.h"
#include "store/shared_macro_table.h"

namespace tavrix {

// The macro number for hot key code `code`, 0 for none. Reads the table's
// per-macro fields, `FrontProgram` and `Programs`; only active macros count.
// The target window becomes the window the chosen macro acts in.
int GetMacro(const SharedMacroTable& table, Desktop& desktop, int code, WindowId& targetWindow);

}  // namespace tavrix
