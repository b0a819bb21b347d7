#include "playback/scope_resolution.h"

#include <algorithm>
#include <string>

#include "playback/window_lookup.h"
#include "store/macro_record.h"

namespace tavrix {

namespace {

// The caption of a pause box; while one is in front, only a scope that is
// open somewhere can pick a macro.
constexpr std::string_view kPauseBoxCaption = "PAUSE (";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int MacroCount(const SharedMacroTable& table) { return std::clamp(table.MacroCount(), 0, kMaxMacros); }

bool Bound(const SharedMacroTable& table, int n, int code) {
  return table.Active(n) != 0 && table.Activation(n) == code;
}

// The first pass: a window or program macro whose window or program is in front.
int MacroForFrontWindow(const SharedMacroTable& table, Desktop& desktop, int code, WindowId& targetWindow) {
  const WindowId front = desktop.ForegroundWindow();
  const std::string frontTitle = front != 0 ? UpperCaseText(ReadWindowTitle(desktop, front)) : std::string();
  if (Contains(frontTitle, std::string(kPauseBoxCaption))) return 0;
  const std::string frontProgram = UpperCaseText(table.FrontProgram());
  const int count = MacroCount(table);
  for (int n = 1; n <= count; ++n) {
    if (!Bound(table, n, code)) continue;
    const std::string scopeName = UpperCaseText(table.ScopeName(n));
    const std::int16_t scope = table.Scope(n);
    if ((scope == kScopeWindow && ScopeNameMatches(frontTitle, scopeName)) ||
        (scope == kScopeProgram && ScopeNameMatches(frontProgram, scopeName))) {
      targetWindow = front;
      return n;
    }
  }
  return 0;
}

bool ProgramIsRunning(const SharedMacroTable& table, const std::string& upperName) {
  const int count = std::clamp(table.ProgramCount(), 0, kMaxPrograms);
  for (int k = 1; k <= count; ++k) {
    if (Contains(UpperCaseText(table.Programs(k)), upperName)) return true;
  }
  return false;
}

}  // namespace

bool ScopeNameMatches(const std::string& within, const std::string& scopeName) {
  return !scopeName.empty() && Contains(within, scopeName);
}

int GetMacro(const SharedMacroTable& table, Desktop& desktop, int code, WindowId& targetWindow) {
  if (const int front = MacroForFrontWindow(table, desktop, code, targetWindow); front != 0) return front;

  // The second pass: a macro whose window or program is open anywhere wins at once;
  // otherwise the last global one.
  int globalCandidate = 0;
  const int count = MacroCount(table);
  for (int n = 1; n <= count; ++n) {
    if (!Bound(table, n, code)) continue;
    const std::int16_t scope = table.Scope(n);
    if (scope == kScopeGlobal || scope == kScopePopupMenu || scope == kScopeSystem) {
      globalCandidate = n;
      continue;
    }
    if (table.TopMostOnly(n) != 0 || table.ScopeName(n).empty()) continue;
    if (scope == kScopeWindow) {
      if (ActivateIt(desktop, table.ScopeName(n), targetWindow)) return n;
    } else if (scope == kScopeProgram) {
      const std::string name = UpperCaseText(table.ScopeName(n));
      if (ProgramIsRunning(table, name)) {
        ActivateProg(desktop, name, targetWindow);
        return n;
      }
    }
  }
  return globalCandidate;
}

}  // namespace tavrix
