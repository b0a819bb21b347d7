// The main window's file commands: remove a macro (`DoClear`), new file
// (`DoNew`), open file (`DoOpen`), open a recent file (`OpenSaveFile`) and
// the recent files list (`DoLastFiles`). The steps that belong to other parts
// of the program (the macro list, the scheduler, the popup tray icons, the
// caption, the network lock) are taken through FileCommandListener.
#pragma once

#include <string>

#include "platform/ui.h"
#include "store/key_swap_file.h"
#include "store/macro_file.h"
#include "store/network_lock.h"
#include "store/recent_files.h"

namespace tavrix {

// Network sharing: the file-in-use check before a change (false stops the
// command) and its release, saying whether the file was changed, come from
// FileLockHolder; commands take them through a SyncFileHold.
class FileCommandListener : public FileLockHolder {
 public:
  // A different macro file became current (configuration, lock file name).
  virtual void MacroFilePathChanged(const std::string& /*path*/) {}
  virtual void RemovePopupTrayIcons() {}
  virtual void BuildPopupTrayIcons() {}
  virtual void RefillMacroList() {}
  // After a removal: select the row of macro `n`, or the last row.
  virtual void SelectAfterRemove(int /*n*/) {}
  // The caption shows the macro file's name without folder and extension.
  virtual void SetCaption(const std::string& /*fileTitle*/) {}
  virtual void SetListButtons(bool /*anyMacro*/) {}
  virtual void RearmScheduler() {}
  // The key-swap tables were reloaded (key remapping may switch its hook).
  virtual void KeySwapStateChanged() {}
  // The recent files changed; rebuild their menu entries (`SetMenuLastFiles`).
  virtual void RecentFilesChanged(const RecentFiles& /*files*/) {}
};

// The file name without folder and extension ("C:\A\MINE.TVX" gives "MINE").
std::string FileTitle(const std::string& path);

class MacroFileCommands {
 public:
  MacroFileCommands(MacroFile& file, Ui& ui, FileCommandListener& listener, SwapTables swapTables);

  RecentFiles& recentFiles() { return recent_; }
  const RecentFiles& recentFiles() const { return recent_; }

  // Removes macro `selected` (0 when no row is selected) after asking.
  // True when it was removed.
  bool DoClear(int selected);
  void DoNew();
  void DoOpen();
  // Opens recent file k (1..5).
  void OpenSaveFile(int k);
  void DoLastFiles(const std::string& previous, const std::string& next);
  // Loads or creates the current file's key-swap file into the tables. A
  // key-swap file that cannot be created is reported once per macro file.
  void RebuildKeySwapState();

 private:
  std::string ActivationText(int n) const;
  bool AskRemove(int n);
  void AfterLoad();
  // The dialog of New or Open, then the switch to the chosen file.
  void ChooseAndSwitch(const FileDialogRequest& request, bool buildTrayIcons);

  MacroFile& file_;
  Ui& ui_;
  FileCommandListener& listener_;
  SwapTables swapTables_;
  RecentFiles recent_;
  std::string swapFailureReported_;
};

}  // namespace tavrix
