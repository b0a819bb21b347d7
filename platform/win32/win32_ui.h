// The Ui of the real Windows: message boxes, the forms (through one binding,
// platform/win32/form_window.*) and the common file dialogs.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/ui.h"

namespace tavrix {

class FormWindow;

class Win32Ui : public Ui {
 public:
  // The program's main window, disabled while a form is open. 0 until the
  // window exists.
  void SetMainWindow(WindowId window) { mainWindow_ = window; }
  // The help file that the forms' Help buttons open at their keyword.
  void SetHelpFile(std::string path) { helpFile_ = std::move(path); }

  // Whether a form of the program is open.
  bool FormOpen() const { return !openForms_.empty(); }

  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  ModalResult RunForm(Form& form) override;
  void EndForm(Form& form, ModalResult result) override;
  void EndAllForms() override;
  std::optional<std::string> AskFileName(const FileDialogRequest& request) override;
  Bounds FormWindowSize(const Form& form) const override;

 private:
  // The window a plain message box belongs to: the program's active window,
  // else the main window.
  WindowId MessageOwner() const;

  WindowId mainWindow_ = 0;
  std::string helpFile_;
  std::vector<FormWindow*> openForms_;
};

}  // namespace tavrix
