// The options that set up the simulated desktop for "play" and "resolve":
// --window "TITLE=PROGRAM.EXE" (repeatable; the first one given is in front),
// --hidden (makes the next --window hidden) and --screen WxH.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/tavrix/command.h"
#include "platform/sim/sim_desktop.h"

namespace tavrix::tool {

struct WindowOption {
  std::string title;
  std::string program;  // module file name; empty for a window without a process
  bool hidden = false;
};

struct DesktopOptions {
  std::vector<WindowOption> windows;  // front first
  int screenWidth = 1024;
  int screenHeight = 768;
  bool hiddenPending = false;  // --hidden seen, its --window not yet
};

// When arguments[i] is one of the desktop options, takes it (and its value,
// moving i on) and returns true; `error` is set when its value is unusable.
bool TakeDesktopOption(const Arguments& arguments, std::size_t& i, DesktopOptions& options, std::string& error);

// An error when the options ended badly (a --hidden with no --window after it).
std::optional<std::string> CheckDesktopOptions(const DesktopOptions& options);

// Screen size, and the windows with the first one given in front.
void SetUpDesktop(SimDesktop& desktop, const DesktopOptions& options);

inline constexpr const char* DesktopOptionsUsage = "[--screen WxH] [[--hidden] --window \"TITLE=PROGRAM.EXE\"]...";

}  // namespace tavrix::tool
