#include "playback/window_lookup.h"

#include <algorithm>
#include <vector>

#include "base/ascii_text.h"

namespace tavrix {

namespace {

// EnumProcesses is given room for 500 process identifiers.
constexpr std::size_t kMaxProcessesSeen = 500;

std::string_view CutToTitleLength(std::string_view text) { return text.substr(0, kMaxTitleLength); }

}  // namespace

std::string UpperCaseText(std::string_view text) {
  return ToUpperAscii(text);
}

std::string ReadWindowTitle(Desktop& desktop, WindowId window) {
  std::string title = desktop.WindowTitle(window);
  if (title.size() > kMaxTitleLength) title.resize(kMaxTitleLength);
  return title;
}

std::optional<WindowId> GetWinHandle(Desktop& desktop, std::string_view title) {
  const std::string text(CutToTitleLength(title));
  if (const WindowId exact = desktop.FindWindowByTitle(text); exact != 0) return exact;
  const std::string upperText = UpperCaseText(text);
  for (const WindowId window : desktop.TopLevelWindows()) {
    const std::string windowTitle = ReadWindowTitle(desktop, window);
    if (windowTitle.empty()) continue;
    if (UpperCaseText(windowTitle).find(upperText) != std::string::npos) return window;
  }
  return std::nullopt;
}

void BringWindowForward(Desktop& desktop, WindowId window, WindowId& targetWindow) {
  if (desktop.IsMinimized(window)) desktop.ShowWindow(window, ShowCommand::Restore);
  desktop.BringToForeground(window);
  targetWindow = window;
}

bool ActivateIt(Desktop& desktop, std::string_view title, WindowId& targetWindow) {
  const std::optional<WindowId> window = GetWinHandle(desktop, title);
  if (!window) return false;
  BringWindowForward(desktop, *window, targetWindow);
  return true;
}

std::optional<ProcessId> FindProgramProcess(Desktop& desktop, std::string_view programName) {
  const std::string upperName = UpperCaseText(CutToTitleLength(programName));
  const std::vector<ProcessEntry> processes = desktop.RunningProcesses();
  const std::size_t seen = std::min(processes.size(), kMaxProcessesSeen);
  for (std::size_t i = 0; i < seen; ++i) {
    if (UpperCaseText(processes[i].moduleName).find(upperName) != std::string::npos) return processes[i].id;
  }
  return std::nullopt;
}

bool ActivateProg(Desktop& desktop, std::string_view programName, WindowId& targetWindow) {
  const std::optional<ProcessId> process = FindProgramProcess(desktop, programName);
  if (!process) return false;
  for (const WindowId window : desktop.TopLevelWindows()) {
    if (desktop.WindowProcess(window) != *process) continue;
    if (ReadWindowTitle(desktop, window).empty()) continue;
    BringWindowForward(desktop, window, targetWindow);
    return true;
  }
  return false;
}

std::optional<WindowId> WindowForTag(Desktop& desktop, std::string_view title) {
  if (title.empty()) return std::nullopt;
  if (title == kCurrentWindowTitle) {
    const WindowId front = desktop.ForegroundWindow();
    if (front == 0) return std::nullopt;
    return front;
  }
  return GetWinHandle(desktop, title);
}

}  // namespace tavrix
