// Finding windows by title and programs by file name, and bringing them to
// the foreground (`GetWinHandle`, `ActivateIt`, `ActivateProg`). Used by the
// window tags of a macro text and by the scope resolution of a hot key.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace tavrix {

// Titles, program names and paths longer than this are cut.
constexpr std::size_t kMaxTitleLength = 255;

// The window title that stands for the window in front at that moment.
constexpr std::string_view kCurrentWindowTitle = "\"CURRENT\"";

// ASCII upper case, as titles and program names are compared.
std::string UpperCaseText(std::string_view text);

// A window's title as the lookups read it: at most 255 characters.
std::string ReadWindowTitle(Desktop& desktop, WindowId window);

// The window a title names: first a top-level window whose title is the
// text apart from letter case, else the first top-level window (hidden ones too, in the order
// the system lists them) whose upper-case title contains the upper-case text.
// Changes nothing.
std::optional<WindowId> GetWinHandle(Desktop& desktop, std::string_view title);

// Restores the window if minimised, brings it to the foreground and makes it
// the target window.
void BringWindowForward(Desktop& desktop, WindowId window, WindowId& targetWindow);

// `GetWinHandle`, then `BringWindowForward`; false (nothing changed) when no
// window has that title.
bool ActivateIt(Desktop& desktop, std::string_view title, WindowId& targetWindow);

// The first running process whose upper-case module file name contains the
// upper-case name (only the first 500 processes the system lists are seen).
std::optional<ProcessId> FindProgramProcess(Desktop& desktop, std::string_view programName);

// Finds the program's process, then its first top-level window with a title,
// and brings that window forward; false when either is missing.
bool ActivateProg(Desktop& desktop, std::string_view programName, WindowId& targetWindow);

// The window a window-state tag acts on: none for an empty title, the window
// in front for "CURRENT" (with its quote marks), else `GetWinHandle`.
std::optional<WindowId> WindowForTag(Desktop& desktop, std::string_view title);

}  // namespace tavrix
