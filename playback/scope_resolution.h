// Which of the macros bound to one hot key applies now (`GetMacro`): a
// window or program macro whose window or program is in front, else one
// whose window or program is open (it is brought forward), else the last
// global one.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "store/shared_macro_table.h"

namespace tavrix {

// Whether a window or program macro's scope name (upper-cased) names the
// window title or program name `within` (upper-cased): it occurs in it. An
// empty scope name names no window and no program, so such a macro never
// beats a global one.
bool ScopeNameMatches(const std::string& within, const std::string& scopeName);

// The macro number for hot key code `code`, 0 for none. Reads the table's
// per-macro fields, `FrontProgram` and `Programs`; only active macros count.
// The target window becomes the window the chosen macro acts in.
int GetMacro(const SharedMacroTable& table, Desktop& desktop, int code, WindowId& targetWindow);

}  // namespace tavrix
