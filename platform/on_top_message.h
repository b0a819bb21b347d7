// The top-most message window (`TOnTopMessage`): the program's message for
// anything raised while another program is in front (`DoAMessage`).
#pragma once

#include "platform/form.h"

namespace tavrix {

class TOnTopMessage : public Form {
 public:
  static constexpr const char* kName = "TOnTopMessage";

  TOnTopMessage(std::string caption, std::string text);

  Label messageLabel;
  Button okButton;
};

}  // namespace tavrix
