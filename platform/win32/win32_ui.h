// The Ui of the real Windows: message boxes, the forms (through one binding,
// platform/win32/form_window.*), the top-most message and the common file
// dialogs.
#pragma once

#include <vector>

#include "platform/desktop.h"
#include "platform/ui.h"

namespace tavrix {

class FormWindow;

class Win32Ui : public Ui {
 public:
  // The program's main window, hidden while one of the boxes below is shown
  // and disabled while it is modal. 0 until the window exists.
  void SetMainWindow(WindowId window) { mainWindow_ = window; }
  // In tray mode the main window stays as it is and the application's
  // taskbar window (when there is one) is shown for the time of a box.
  void SetTrayMode(bool trayMode) { trayMode_ = trayMode; }
  void SetTaskbarWindow(WindowId window) { taskbarWindow_ = window; }

  // Whether a form of the program is open.
  bool FormOpen() const { return !openForms_.empty(); }
  bool MessageOpen() const { return messageOpen_; }

  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void DoAMessage(const std::string& caption, const std::string& text) override;
  ModalResult RunForm(Form& form) override;
  void EndForm(Form& form, ModalResult result) override;
  std::optional<std::string> AskFileName(const FileDialogRequest& request) override;

 private:
  // The window a plain message box belongs to: the program's active window,
  // else the main window.
  WindowId MessageOwner() const;

  WindowId mainWindow_ = 0;
  WindowId taskbarWindow_ = 0;
  bool trayMode_ = false;
  std::vector<FormWindow*> openForms_;
  bool messageOpen_ = false;
};

}  // namespace tavrix
