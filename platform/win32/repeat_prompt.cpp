#include "platform/win32/repeat_prompt.h"

#include "platform/repeat_count_text.h"

namespace tavrix {

std::uint16_t TRepeatPrompt::ShowModal(HWND owner) {
  if (!Create("Macro Repeat", kClientWidth, kClientHeight, false)) return 0;
  AddLabel("Times To Repeat", 8, 10, 88, 16);
  edit_ = AddEdit(100, 6, 58, 21, 4);
  AddButton("&Ok", IDOK, 46, 30, 75, 24, true);
  CentreOnScreen();
  count_ = 0;
  if (!RunModal(edit_, owner)) return 0;
  return count_;
}

void TRepeatPrompt::OkButtonClick() {
  char text[16] = {};
  GetWindowTextA(edit_, text, sizeof text);
  if (auto count = RepeatCountFromText(text)) {
    count_ = *count;
    EndModal();
    return;
  }
  MessageBoxA(Window(), "Invalid numeric value entered.  Please Correct", "Error", MB_OK | MB_ICONERROR);
  SetFocus(edit_);
  SendMessageA(edit_, EM_SETSEL, 0, -1);
}

void TRepeatPrompt::OnCommand(int id) {
  if (id == IDOK || id == IDCANCEL) OkButtonClick();
}

void TRepeatPrompt::OnClose() { OkButtonClick(); }

}  // namespace tavrix
