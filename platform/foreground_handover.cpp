#include "platform/foreground_handover.h"

#include "base/virtual_keys.h"
#include "platform/on_top_message.h"

namespace tavrix {

void ForegroundHandover::BringToFront(WindowId window) {
  if (window == 0) return;
  LetFrontWindowTakeKeys();
  desktop_.BringToForeground(window);
}

// A user who answered with Alt+R, or with a hot key made with Alt, may still
// hold Alt when the focus goes back; a key between its press and its release
// keeps that release from opening the menu of the window that gets it.
void ForegroundHandover::MakeAltReleaseHarmless() {
  if (!desktop_.IsKeyDown(static_cast<std::uint8_t>(vk::kMenu))) return;
  desktop_.SendKey(static_cast<std::uint8_t>(vk::kUnassigned), false);
  desktop_.SendKey(static_cast<std::uint8_t>(vk::kUnassigned), true);
}

ModalResult ForegroundHandover::ShowModal(Form& form, WindowId focusAfter) {
  LetFrontWindowTakeKeys();
  const bool tray = windows_.InTrayMode();
  const WindowId wasInFront = desktop_.ForegroundWindow();
  restoredProgram_ = false;
  if (tray) {
    windows_.ShowTaskbarWindow(true);
  } else {
    if (windows_.ProgramMinimized()) {
      windows_.RestoreProgram();
      restoredProgram_ = true;
    }
    windows_.HideMainWindow();
  }

  const ModalResult result = ui_.RunForm(form);

  if (tray) {
    windows_.ShowTaskbarWindow(false);
  } else {
    windows_.ShowMainWindow();
  }
  MakeAltReleaseHarmless();
  BringToFront(focusAfter != 0 ? focusAfter : wasInFront);
  return result;
}

void ForegroundHandover::DoAMessage(const std::string& caption, const std::string& text) {
  if (messageOpen_) return;
  messageOpen_ = true;
  TOnTopMessage box(caption, text);
  ShowModal(box);
  messageOpen_ = false;
}

}  // namespace tavrix
