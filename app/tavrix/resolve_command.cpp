// tavrix resolve: which macro of a macro file a hot key plays on a given
// simulated desktop, as the program's scope resolution decides it.
#include <ostream>
#include <string>

#include "app/tavrix/command.h"
#include "app/tavrix/desktop_options.h"
#include "app/tavrix/store_tool_support.h"
#include "platform/sim/sim_desktop.h"
#include "playback/scope_resolution.h"
#include "playback/window_lookup.h"
#include "store/macro_record.h"

namespace tavrix::tool {

namespace {

const std::string Usage = std::string("resolve FILE CODE ") + DesktopOptionsUsage +
                          "   the macro number hot key CODE (0..719) runs on that desktop (a SYSTEM macro's when one has "
                          "the code), 0 for none";

std::optional<int> HotKeyCode(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value >= kHotKeyCount) return std::nullopt;
  return value;
}

std::string FileNameOnly(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// What the dispatcher publishes after each foreground change: the program in
// front and the running programs (upper case, only names with ".EXE", at
// most 200).
void PublishPrograms(SimDesktop& desktop, SharedMacroTable& table) {
  const WindowId front = desktop.ForegroundWindow();
  std::string frontProgram;
  for (const ProcessEntry& process : desktop.RunningProcesses()) {
    if (front != 0 && process.id == desktop.WindowProcess(front)) {
      frontProgram = UpperCaseText(FileNameOnly(process.moduleName));
    }
  }
  table.SetFrontProgram(frontProgram);
  int count = 0;
  for (const ProcessEntry& process : desktop.RunningProcesses()) {
    const std::string name = UpperCaseText(FileNameOnly(process.moduleName));
    if (name.find(".EXE") == std::string::npos || count >= kMaxPrograms) continue;
    table.SetPrograms(++count, name);
  }
  table.SetProgramCount(count);
}

int Resolve(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::string> positional;
  DesktopOptions desktopOptions;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string error;
    if (TakeDesktopOption(arguments, i, desktopOptions, error)) {
      if (!error.empty()) {
        err << "tavrix resolve: " << error << "\n";
        return 1;
      }
      continue;
    }
    if (arguments[i].rfind("--", 0) == 0) {
      err << "tavrix resolve: unknown option \"" << arguments[i] << "\"\n";
      return 1;
    }
    positional.push_back(arguments[i]);
  }
  if (const auto problem = CheckDesktopOptions(desktopOptions)) {
    err << "tavrix resolve: " << *problem << "\n";
    return 1;
  }
  if (positional.size() != 2) {
    err << "usage: tavrix " << Usage << "\n";
    return 1;
  }
  const std::optional<int> code = HotKeyCode(positional[1]);
  if (!code) {
    err << "tavrix resolve: CODE wants a hot key code from 0 to 719, not \"" << positional[1] << "\"\n";
    return 1;
  }

  StoreSession session(err);
  if (!session.file.LoadReadOnly(positional[0])) {
    err << "tavrix resolve: cannot read the macro file \"" << positional[0] << "\"\n";
    return 1;
  }
  SimDesktop desktop;
  SetUpDesktop(desktop, desktopOptions);
  SharedMacroTable& table = session.index.table();
  PublishPrograms(desktop, table);
  // As a hot key does: a SYSTEM activation on the code runs before any
  // scope is looked at.
  if (const int system = SystemActivationUsing(session.index, static_cast<std::uint16_t>(*code)); system != 0) {
    out << system << "\n";
    return 0;
  }
  WindowId target = desktop.ForegroundWindow();
  out << GetMacro(table, desktop, *code, target) << "\n";
  return 0;
}

}  // namespace

TAVRIX_COMMAND("resolve", Usage, Resolve);

}  // namespace tavrix::tool
