// The row of buttons above the macro list: the toolbar (tool buttons with
// hints) or the letter panel (captioned buttons), whichever "Use Speed"
// chooses. Each button sends its command as its menu entry does and follows
// the entry's state.
#pragma once

#include <map>
#include <string>

#include "platform/win32/windows_api.h"
#include "shell/main_commands.h"

namespace tavrix {

class MainButtonBar {
 public:
  MainButtonBar() = default;
  MainButtonBar(const MainButtonBar&) = delete;
  MainButtonBar& operator=(const MainButtonBar&) = delete;

  void Create(HWND parent, HINSTANCE instance);
  // The toolbar (true) or the letter panel.
  void Show(bool toolbar);
  // Lays the visible row out along the top of `width`; its height.
  int LayOut(int width);

  void SetEnabled(Command command, bool enabled);
  // The menu entry of `command` now reads `menuCaption`.
  void SetCaption(Command command, const std::string& menuCaption);
  // WM_NOTIFY asking for a tool button's hint: true when answered.
  bool OnNotify(NMHDR& header);
  HWND Toolbar() const { return toolbar_; }

 private:
  HWND toolbar_ = nullptr;
  std::map<Command, HWND> panel_;
  std::map<Command, std::string> hints_;
  std::wstring wideHint_;
  bool showToolbar_ = false;
};

}  // namespace tavrix
