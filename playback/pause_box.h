// The pause box (`TPauseMacro`): shown while a macro waits for the user;
// Resume continues the macro, Abort or the close box stops it. A stay-on-top
// box 224 pixels wide and 94 high, taller by its message label when the
// pause has a message.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/form.h"

namespace tavrix {

class TPauseMacro : public Form {
 public:
  static constexpr const char* kName = "TPauseMacro";
  // The window's outer size; its client area keeps these proportions within
  // a dialog frame 6 pixels wide and 25 high.
  static constexpr int kWidth = 224;
  static constexpr int kBasicHeight = 94;

  // Height of the message label: a 19-pixel line for every 30 characters
  // begun, 0 without a message.
  static int MessageHeight(std::string_view message);

  // `place` is the pause tag's top and left; without it the box is centred
  // on a screen of the given size. A box with a message stays on the screen.
  TPauseMacro(std::string caption, std::string nickname, std::string message, std::optional<Point> place,
              int screenWidth, int screenHeight);

  bool Resumed() const { return modalResult == ModalResult::Ok; }

  Label titleLabel;
  Label nicknameLabel;
  Label messageLabel;
  Button resumeButton;
  Button abortButton;
};

}  // namespace tavrix
