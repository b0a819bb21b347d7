// The repeat prompt (`TRepeatPrompt`): asks how many times a repeat block
// plays. It closes only on a whole number (Ok, Enter, Escape or the close
// box all try the text). Client area 167 x 56, centred, larger when the
// system's font needs it: the layout follows the measured label.
#pragma once

#include <cstdint>

#include "platform/form.h"

namespace tavrix {

class TRepeatPrompt : public Form {
 public:
  static constexpr const char* kName = "TRepeatPrompt";
  static constexpr int kClientWidth = 167;
  static constexpr int kClientHeight = 56;

  TRepeatPrompt();

  void FormShow(const TextMeasure& measure) override;
  FormReply FormCloseQuery() override { return OkButtonClick(); }
  FormReply OkButtonClick();

  // The accepted count: the low 16 bits of the number entered.
  std::uint16_t count = 0;

  Label timesLabel;
  Edit countEdit;
  Button okButton;
};

}  // namespace tavrix
