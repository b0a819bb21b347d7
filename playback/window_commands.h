// The window and program tags of a macro text: activation, launching a
// program (and waiting for its window), and hiding, showing, closing, sizing
// and moving windows named by their titles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/desktop.h"
#include "playback/playback_commands.h"

namespace tavrix {

// The window-state tags: "<WSHUT:", "<WHIDE:", "<WSHOW:", "<WMAX:", "<WMIN:",
// "<WRES:", "<WCLS:".
enum class WindowStateCommand { Shut, Hide, Show, Maximize, Minimize, Restore, Close };

// A launch command: the program (or document) and the parameters that
// followed its "<PARAM>".
struct LaunchCommand {
  std::string_view program;
  std::string_view parameters;
};

// The launch title is kept to its first 30 characters.
constexpr std::size_t kMaxLaunchTitleLength = 30;
// How long a launch waits for its window, on the time-of-day clock, unscaled.
constexpr std::uint32_t kLaunchWaitMilliseconds = 30000;

// Executes the window and program tags on one desktop. The target window and
// the launch title are the playback's own and are changed in place.
class WindowCommands {
 public:
  WindowCommands(Desktop& desktop, WindowId& targetWindow, std::string& launchTitle)
      : desktop_(desktop), targetWindow_(targetWindow), launchTitle_(launchTitle) {}

  // "<ACTIVATE:": the text ends when no window has the title.
  CommandOutcome Activate(std::string_view title);
  // "<LAUNCH:": starts the program; whether it started is not known.
  void Launch(const LaunchCommand& command);
  // "<LAUNCHNO:": launch, wait up to 30 s for the window titled `title`,
  // then `seconds` more; the text ends when the window never came.
  CommandOutcome LaunchAndWait(int seconds, std::string_view title, const LaunchCommand& command);
  // "<LAUNCHYES:": the same, unless the window is already there, which is
  // then brought forward with no launch and no wait.
  CommandOutcome ActivateOrLaunch(int seconds, std::string_view title, const LaunchCommand& command);
  // The seven window-state tags. An empty title or a missing window does nothing.
  void ChangeWindowState(WindowStateCommand command, std::string_view title);
  // "<WSIZE:" and "<WPOS:", with the same title rules.
  void ResizeWindow(int width, int height, std::string_view title);
  void MoveWindow(int left, int top, std::string_view title);

 private:
  void StoreLaunchTitle(std::string_view title);
  bool WaitForLaunchedWindow();
  double SecondsOfDay();

  Desktop& desktop_;
  WindowId& targetWindow_;
  std::string& launchTitle_;
};

}  // namespace tavrix
