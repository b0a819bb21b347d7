// A listener of the file and transfer commands that writes down, in order,
// what the main window would be asked to do ("lock", "list", "select 5" ...).
// `lockFree` false makes the file-in-use check refuse.
#pragma once

#include <string>

#include "store/macro_transfer.h"
#include "tests/support/trace_filter.h"

namespace tavrix::test_support {

struct RecordingListener : TransferListener {
  Lines events;
  bool lockFree = true;
  bool TakeFileLock() override {
    events.push_back("lock");
    return lockFree;
  }
  void ReleaseFileLock(bool changed) override { events.push_back(changed ? "release changed" : "release"); }
  void MacroFilePathChanged(const std::string& path) override { events.push_back("path " + FileTitle(path)); }
  void RemovePopupTrayIcons() override { events.push_back("remove icons"); }
  void BuildPopupTrayIcons() override { events.push_back("build icons"); }
  void RefillMacroList() override { events.push_back("list"); }
  void SelectAfterRemove(int n) override { events.push_back("select " + std::to_string(n)); }
  void SelectMacro(int n) override { events.push_back("select " + std::to_string(n)); }
  void SetCaption(const std::string& title) override { events.push_back("caption " + title); }
  void SetListButtons(bool any) override { events.push_back(any ? "buttons on" : "buttons off"); }
  void RearmScheduler() override { events.push_back("scheduler"); }
  void KeySwapStateChanged() override { events.push_back("swap"); }
  void RecentFilesChanged(const RecentFiles&) override { events.push_back("recent"); }
};

}  // namespace tavrix::test_support
