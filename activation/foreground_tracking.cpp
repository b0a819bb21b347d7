#include "activation/foreground_tracking.h"

#include "playback/window_lookup.h"

namespace tavrix {
namespace {

// The file name without its folder, upper-cased.
std::string ProgramFileName(const std::string& moduleName) {
  const std::size_t folderEnd = moduleName.find_last_of("\\/:");
  return UpperCaseText(folderEnd == std::string::npos ? moduleName : moduleName.substr(folderEnd + 1));
}

}  // namespace

std::string ProgramOfWindow(Desktop& desktop, WindowId window) {
  const ProcessId process = desktop.WindowProcess(window);
  if (process == 0) return {};
  for (const ProcessEntry& entry : desktop.RunningProcesses())
    if (entry.id == process) return ProgramFileName(entry.moduleName);
  return {};
}

void TrackForeground(Desktop& desktop, SharedMacroTable& table, HookLibrary& hooks, WindowId window,
                     const std::string& ownProgram, ForegroundMemory& memory) {
  const std::string program = ProgramOfWindow(desktop, window);
  table.SetFrontProgram(program);
  hooks.TvxUpProg(table.bytes());

  if (window != 0 && !desktop.WindowTitle(window).empty()) {
    memory.lastForeground = window;
    if (program != UpperCaseText(ownProgram)) memory.lastForeignForeground = window;
  }
  RebuildPrograms(desktop, table, hooks);
}

void RebuildPrograms(Desktop& desktop, SharedMacroTable& table, HookLibrary& hooks) {
  int count = 0;
  for (const ProcessEntry& entry : desktop.RunningProcesses()) {
    if (count >= kMaxPrograms) break;
    const std::string name = ProgramFileName(entry.moduleName);
    if (name.find(".EXE") == std::string::npos) continue;
    table.SetPrograms(++count, name);
  }
  table.SetProgramCount(count);
  hooks.TvxUpProgs(table.bytes());
}

}  // namespace tavrix
