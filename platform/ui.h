// Everything modal that a person answers: message boxes, questions, file
// dialogs and the forms (platform/form.h). The Windows side lives in
// platform/win32; platform/sim answers from a script that a test sets up in
// advance.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/form.h"

namespace tavrix {

// A common open or save file dialog.
struct FileDialogRequest {
  std::string title;             // "New Tavrix File", "Open Tavrix File"
  std::string filter;            // "Tavrix (*.TVX)|*.TVX"
  std::string defaultExtension;  // "TVX"
  bool save = false;             // save dialog (prompts before overwriting)
  std::string initialFolder;     // where the dialog starts; empty: the system's choice
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A plain message box with an Ok button ("Error", "Warning", "Notice",
  // "System Error" captions).
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // A Yes/No box; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // Shows any form modally until one of its handlers closes it; its modal
  // result (Cancel when the program quits meanwhile).
  virtual ModalResult RunForm(Form& form) = 0;
  // Closes `form` with `result` when it is open, as if a handler had closed
  // it (a hot key that resumes a paused macro).
  virtual void EndForm(Form& form, ModalResult result) = 0;
  // Closes every open form with Cancel, the innermost first (a click on the
  // tray icon, Terminate). Nothing is open on the command line.
  virtual void EndAllForms() {}
  // An open or save dialog: the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> AskFileName(const FileDialogRequest& request) = 0;
  // The outer size, in screen pixels, of the window that would show `form`
  // (its frame, its menu bar and the display's factor included), for a form
  // that places itself beside something on the screen. Without windows: the
  // client size.
  virtual Bounds FormWindowSize(const Form& form) const { return {0, 0, form.clientWidth, form.clientHeight}; }
};

}  // namespace tavrix
