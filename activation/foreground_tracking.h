// Keeping the hook library told which program is in front and which programs
// run (private message 7): the scope resolution and the library's own window
// and program checks read `FrontProgram` and `Programs`.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "store/hook_library.h"
#include "store/shared_macro_table.h"

namespace tavrix {

// The windows the popup menus return to.
struct ForegroundMemory {
  WindowId lastForeground = 0;         // last foreground window with a title
  WindowId lastForeignForeground = 0;  // the same, not one of the program's own
};

// The upper-case executable file name (no folder) of the process that owns
// `window`; empty when the process cannot be found.
std::string ProgramOfWindow(Desktop& desktop, WindowId window);

// Fills `FrontProgram` (`TvxUpProg`), remembers the window, and rebuilds
// `Programs` from the running processes: upper-case names containing ".EXE",
// the first 200 (`TvxUpProgs`). `ownProgram` is the program's own file name.
void TrackForeground(Desktop& desktop, SharedMacroTable& table, HookLibrary& hooks, WindowId window,
                     const std::string& ownProgram, ForegroundMemory& memory);

// Only the running-programs part of TrackForeground.
void RebuildPrograms(Desktop& desktop, SharedMacroTable& table, HookLibrary& hooks);

}  // namespace tavrix
