// The top-most message window (`TOnTopMessage`): the program's message for
// anything raised while another program is in front.
#pragma once

#include "platform/win32/modal_box.h"

namespace tavrix {

class TOnTopMessage : public ModalBox {
 public:
  static constexpr int kClientWidth = 235;
  static constexpr int kClientHeight = 130;

  // Shows the message modally, centred and top-most, until Ok.
  void ShowModal(const std::string& caption, const std::string& text, HWND owner);

 protected:
  void OnCommand(int id) override;
  void OnClose() override;
};

}  // namespace tavrix
