// The pause box (`TPauseMacro`): shown while a macro waits for the user;
// Resume continues the macro, Abort or closing the box stops it.
#pragma once

#include "platform/ui.h"
#include "platform/win32/modal_box.h"

namespace tavrix {

// Height of the message label: a 19-pixel line for every 30 characters
// begun, 0 without a message.
int PauseMessageHeight(const std::string& message);

class TPauseMacro : public ModalBox {
 public:
  static constexpr int kWidth = 224;
  static constexpr int kBasicHeight = 94;
  static constexpr int kResumeButton = 101;
  static constexpr int kAbortButton = 102;

  explicit TPauseMacro(const PauseRequest& request);

  // Shows the box modally; true for Resume.
  bool ShowModal(HWND owner);
  // Closes the box as if Resume had been clicked.
  void Resume();

 protected:
  void OnCommand(int id) override;
  void OnClose() override;

 private:
  void Finish(bool resumed);

  PauseRequest request_;
  HWND resumeButton_ = nullptr;
  bool resumed_ = false;
};

}  // namespace tavrix
