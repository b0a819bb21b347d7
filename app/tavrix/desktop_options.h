// The options that set up the simulated desktop for "play" and "resolve":
// --window "TITLE=PROGRAM.EXE" (repeatable; the first one given is in front),
// --hidden (makes the next --window hidden) and --screen WxH. Header only,
// so that test programs which compile a command file in need nothing more.
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

inline constexpr const char* DesktopOptionsUsage = "[--screen WxH] [[--hidden] --window \"TITLE=PROGRAM.EXE\"]...";

namespace desktop_options_detail {

// A screen dimension: 1 to 5 digits, at least 1 pixel.
inline std::optional<int> Pixels(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1) return std::nullopt;
  return value;
}

}  // namespace desktop_options_detail

// When arguments[i] is one of the desktop options, takes it (and its value,
// moving i on) and returns true; `error` is set when its value is unusable.
inline bool TakeDesktopOption(const Arguments& arguments, std::size_t& i, DesktopOptions& options, std::string& error) {
  const std::string& name = arguments[i];
  if (name == "--hidden") {
    options.hiddenPending = true;
    return true;
  }
  if (name != "--window" && name != "--screen") return false;
  if (i + 1 >= arguments.size()) {
    error = name + " needs a value";
    return true;
  }
  const std::string& value = arguments[++i];
  if (name == "--window") {
    // Titles may hold "=", program file names do not: split at the last one.
    const std::size_t equals = value.rfind('=');
    if (equals == std::string::npos) {
      error = "--window wants \"TITLE=PROGRAM.EXE\", not \"" + value + "\"";
      return true;
    }
    options.windows.push_back(WindowOption{value.substr(0, equals), value.substr(equals + 1), options.hiddenPending});
    options.hiddenPending = false;
    return true;
  }
  const std::size_t x = value.find('x');
  using desktop_options_detail::Pixels;
  const std::optional<int> width = x == std::string::npos ? std::nullopt : Pixels(value.substr(0, x));
  const std::optional<int> height = x == std::string::npos ? std::nullopt : Pixels(value.substr(x + 1));
  if (!width || !height) {
    error = "--screen wants a size as WxH (for example 1024x768), not \"" + value + "\"";
    return true;
  }
  options.screenWidth = *width;
  options.screenHeight = *height;
  return true;
}

// An error when the options ended badly (a --hidden with no --window after it).
inline std::optional<std::string> CheckDesktopOptions(const DesktopOptions& options) {
  if (options.hiddenPending) return "--hidden must come before the --window it hides";
  return std::nullopt;
}

// Screen size, and the windows with the first one given in front.
inline void SetUpDesktop(SimDesktop& desktop, const DesktopOptions& options) {
  desktop.SetScreenSize(options.screenWidth, options.screenHeight);
  // Every window added goes in front of the others, so the first one given is added last.
  for (auto window = options.windows.rbegin(); window != options.windows.rend(); ++window) {
    const WindowId id = desktop.AddWindow(window->title, window->program);
    if (window->hidden) desktop.SetHidden(id, true);
  }
}

}  // namespace tavrix::tool
