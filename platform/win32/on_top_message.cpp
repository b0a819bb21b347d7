#include "platform/win32/on_top_message.h"

namespace tavrix {

void TOnTopMessage::ShowModal(const std::string& caption, const std::string& text, HWND owner) {
  if (!Create(caption, kClientWidth, kClientHeight, true)) return;
  AddLabel(text, 10, 10, kClientWidth - 20, 80);
  HWND ok = AddButton("&Ok", IDOK, (kClientWidth - 75) / 2, 98, 75, 25, true);
  CentreOnScreen();
  RunModal(ok, owner);
}

void TOnTopMessage::OnCommand(int id) {
  if (id == IDOK || id == IDCANCEL) EndModal();
}

void TOnTopMessage::OnClose() { EndModal(); }

}  // namespace tavrix
