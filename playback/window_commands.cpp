#include "playback/window_commands.h"

#include "playback/window_lookup.h"

namespace tavrix {

namespace {

// Between two looks for a launched window the program keeps handling its
// messages; this is how long each such breather lasts.
constexpr std::uint32_t kLaunchPollMilliseconds = 100;
constexpr double kSecondsPerDay = 86400.0;

std::string CutToLength(std::string_view text, std::size_t length) { return std::string(text.substr(0, length)); }

}  // namespace

CommandOutcome WindowCommands::Activate(std::string_view title) {
  if (title == kCurrentWindowTitle) {
    const WindowId front = desktop_.ForegroundWindow();
    if (front == 0) return CommandOutcome::EndText;
    BringWindowForward(desktop_, front, targetWindow_);
    return CommandOutcome::Continue;
  }
  return ActivateIt(desktop_, title, targetWindow_) ? CommandOutcome::Continue : CommandOutcome::EndText;
}

void WindowCommands::Launch(const LaunchCommand& command) {
  desktop_.LaunchProgram(CutToLength(command.program, kMaxTitleLength),
                         CutToLength(command.parameters, kMaxTitleLength));
}

CommandOutcome WindowCommands::LaunchAndWait(int seconds, std::string_view title, const LaunchCommand& command) {
  StoreLaunchTitle(title);
  Launch(command);
  if (!WaitForLaunchedWindow()) return CommandOutcome::EndText;
  if (seconds > 0) desktop_.Wait(static_cast<std::uint32_t>(seconds) * 1000u);
  return CommandOutcome::Continue;
}

CommandOutcome WindowCommands::ActivateOrLaunch(int seconds, std::string_view title,
                                                const LaunchCommand& command) {
  StoreLaunchTitle(title);
  if (ActivateIt(desktop_, launchTitle_, targetWindow_)) return CommandOutcome::Continue;
  return LaunchAndWait(seconds, title, command);
}

void WindowCommands::ChangeWindowState(WindowStateCommand command, std::string_view title) {
  const std::optional<WindowId> window = WindowForTag(desktop_, title);
  if (!window) return;
  switch (command) {
    case WindowStateCommand::Shut: desktop_.PostQuit(*window); break;
    case WindowStateCommand::Hide: desktop_.ShowWindow(*window, ShowCommand::Hide); break;
    case WindowStateCommand::Show: desktop_.ShowWindow(*window, ShowCommand::Show); break;
    case WindowStateCommand::Maximize: desktop_.SendSysCommand(*window, SysCommand::Maximize); break;
    case WindowStateCommand::Minimize: desktop_.SendSysCommand(*window, SysCommand::Minimize); break;
    case WindowStateCommand::Restore: desktop_.SendSysCommand(*window, SysCommand::Restore); break;
    case WindowStateCommand::Close: desktop_.SendSysCommand(*window, SysCommand::Close); break;
  }
}

void WindowCommands::ResizeWindow(int width, int height, std::string_view title) {
  if (const std::optional<WindowId> window = WindowForTag(desktop_, title)) desktop_.ResizeWindow(*window, width, height);
}

void WindowCommands::MoveWindow(int left, int top, std::string_view title) {
  if (const std::optional<WindowId> window = WindowForTag(desktop_, title)) desktop_.MoveWindowTo(*window, left, top);
}

void WindowCommands::StoreLaunchTitle(std::string_view title) { launchTitle_ = CutToLength(title, kMaxLaunchTitleLength); }

// Looks for the launch title until a window has it or 30 seconds have passed
// on the time-of-day clock (counted across midnight).
bool WindowCommands::WaitForLaunchedWindow() {
  const double start = SecondsOfDay();
  const double limit = kLaunchWaitMilliseconds / 1000.0;
  // Every breather lasts at least its 100 ms, so this many tries cannot end
  // the wait early; it only guards against a clock that has stopped.
  constexpr std::uint32_t kMostTries = kLaunchWaitMilliseconds / kLaunchPollMilliseconds + 1;
  for (std::uint32_t tries = 0;; ++tries) {
    if (ActivateIt(desktop_, launchTitle_, targetWindow_)) return true;
    double elapsed = SecondsOfDay() - start;
    // Only a clock that went back by more than a moment has passed midnight:
    // the same instant read twice can differ in its last bits (the 32-bit
    // build's x87 keeps a fresh result more precisely than the stored start).
    if (elapsed < -1.0) elapsed += kSecondsPerDay;
    if (elapsed >= limit || tries >= kMostTries) return false;
    desktop_.Wait(kLaunchPollMilliseconds);
  }
}

double WindowCommands::SecondsOfDay() {
  const LocalDateTime now = desktop_.Now();
  return now.hour * 3600.0 + now.minute * 60.0 + now.second + now.millisecond / 1000.0;
}

}  // namespace tavrix
