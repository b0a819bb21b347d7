// The repeat prompt (`TRepeatPrompt`): asks how many times a repeat block
// plays. It only closes on a whole number.
#pragma once

#include <cstdint>

#include "platform/win32/modal_box.h"

namespace tavrix {

class TRepeatPrompt : public ModalBox {
 public:
  static constexpr int kClientWidth = 167;
  static constexpr int kClientHeight = 56;

  // Shows the prompt modally; the accepted count (0 when the program is
  // quitting meanwhile).
  std::uint16_t ShowModal(HWND owner);

 protected:
  void OnCommand(int id) override;
  void OnClose() override;

 private:
  // Ok and the close box both accept the text only when it is a number.
  void OkButtonClick();

  HWND edit_ = nullptr;
  std::uint16_t count_ = 0;
};

}  // namespace tavrix
