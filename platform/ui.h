// Everything modal that a person answers. The real boxes live in
// platform/win32 (and the subsystems' win32/ folders); platform/sim answers
// from a script that a test sets up in advance.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavrix {

// What the pause box needs to show itself (`TPauseMacro`).
struct PauseRequest {
  int left = 0;
  int top = 0;
  std::string caption;   // "Pause" or "Pause (<hot key name>)"
  std::string nickname;  // the playing macro's nickname
  std::string message;   // empty for the basic pause
};

// A common open or save file dialog.
struct FileDialogRequest {
  std::string title;             // "New Tavrix File", "Open Tavrix File"
  std::string filter;            // "Tavrix (*.TVX)|*.TVX"
  std::string defaultExtension;  // "TVX"
  bool save = false;             // save dialog (prompts before overwriting)
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A plain message box with an Ok button ("Error", "Warning", "Notice",
  // "System Error" captions).
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // A Yes/No box; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // The top-most message window (`DoAMessage`); a second one is dropped while
  // one is open.
  virtual void DoAMessage(const std::string& caption, const std::string& text) = 0;
  // The pause box, modal; true for Resume, false for Abort or closing it.
  virtual bool ShowPause(const PauseRequest& request) = 0;
  // Closes an open pause box as if Resume had been clicked.
  virtual void ResumePause() = 0;
  // The repeat prompt (`TRepeatPrompt`), modal: the count the user entered
  // (the prompt itself refuses text that is not a whole number).
  virtual std::uint16_t AskRepeatCount() = 0;
  // An open or save dialog: the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> AskFileName(const FileDialogRequest& request) = 0;
};

}  // namespace tavrix
