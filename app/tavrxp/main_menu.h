// The main window's menu bar: its entries with their captions and command
// ids, the recent files under "&File", and the entries' state.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"
#include "store/recent_files.h"

namespace tavrix {

enum MenuCommand : UINT {
  kCmdNewFile = 100,
  kCmdOpenFile,
  kCmdRecentFile1,  // .. kCmdRecentFile1 + 4
  kCmdOutputMacroInformation = kCmdRecentFile1 + kRecentFileCount,
  kCmdPrintMacroList,
  kCmdPrinterFont,
  kCmdPrinterSetup,
  kCmdHide,
  kCmdTerminate,

  kCmdAddMacro = 200,
  kCmdCopyMacro,
  kCmdRenameMacro,
  kCmdImportMacros,
  kCmdExportMacros,
  kCmdScriptingEditor,
  kCmdModifyDirectly,
  kCmdRecaptureMacro,
  kCmdActivateMacro,
  kCmdQuickInfo,
  kCmdSort,
  kCmdRemoveMacro,

  kCmdRemap = 300,

  kCmdAppearance = 400,
  kCmdNetwork,
  kCmdWordlets,
  kCmdCapture,
  kCmdShowDateTime,
  kCmdAlarm,
  kCmdTimerInterval,
  kCmdDisableScreenSaver,
  kCmdPlaceInSystemTray,

  kCmdMouseLocator = 500,
  kCmdRestoreKeyboardHooks,
  kCmdRestoreMouseHooks,

  kCmdHelpContents = 600,
  kCmdTutorial,
  kCmdAbout,

  // The tray icon's menu.
  kCmdTrayOpen = 700,
  kCmdTrayHelp,
  kCmdTrayTerminate,
};

inline constexpr const char* kModifyDirectlyCaption = "Modify &Directly";
inline constexpr const char* kModifyPopupMenuCaption = "Mo&dify Popup Menu";

class MainMenu {
 public:
  // Builds the whole menu bar; entries whose commands are not available in
  // this program yet start disabled (and stay so).
  MainMenu();
  HMENU Bar() const { return bar_; }

  // Shows the recent files below "&Open File" ("&1   path" ..), with a
  // separator above them while any exists.
  void SetRecentFiles(const RecentFiles& files);

  void Enable(UINT command, bool enabled);
  void Check(UINT command, bool checked);
  void SetCaption(UINT command, const std::string& caption);
  bool IsEnabled(UINT command) const;
  bool IsChecked(UINT command) const;
  // Whether the program has this command at all (others stay disabled).
  static bool Available(UINT command);

 private:
  HMENU bar_ = nullptr;
  HMENU file_ = nullptr;
  int recentShown_ = 0;
  bool recentSeparator_ = false;
};

// The tray icon's menu ("&Open", "&Help", "&Terminate and Unload"); the
// caller destroys it.
HMENU CreateTrayMenu();

}  // namespace tavrix
