// The main window's menu bar and the tray icon's menu, built from the
// portable menu layout; command ids are the values of `Command`.
#pragma once

#include <array>
#include <string>

#include "platform/win32/windows_api.h"
#include "shell/main_commands.h"
#include "store/recent_files.h"

namespace tavrix {

class MainMenu {
 public:
  // Builds the whole menu bar, every entry disabled until the main window
  // says otherwise.
  MainMenu();
  HMENU Bar() const { return menus_[static_cast<std::size_t>(Menu::Bar)]; }

  // Shows the recent files below "&Open File" ("&1   path" ..), with a
  // separator above them while any exists.
  void SetRecentFiles(const RecentFiles& files);

  void Enable(Command command, bool enabled);
  void Check(Command command, bool checked);
  void SetCaption(Command command, const std::string& caption);

 private:
  HMENU Handle(Menu menu) const { return menus_[static_cast<std::size_t>(menu)]; }

  std::array<HMENU, kMenuCount> menus_{};
  int recentShown_ = 0;
  bool recentSeparator_ = false;
};

// The tray icon's menu ("&Open", "&Help", "&Terminate and Unload"); the
// caller destroys it.
HMENU CreateTrayMenu();

// The menu id of a command and back.
inline UINT MenuId(Command command) { return static_cast<UINT>(command); }
inline Command CommandOf(UINT id) { return static_cast<Command>(id); }

}  // namespace tavrix
