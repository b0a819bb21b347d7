// "Enter Keystrokes" (`TModText`): the keystrokes of a text line, typed as
// macro text.
#pragma once

#include "editing/command_dialog.h"

namespace tavrix {

class TModText : public CommandDialog {
 public:
  TModText();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  Label textLabel{*this, "TextLabel", {8, 8, 200, 16}, "Keystrokes"};
  Edit textEdit{*this, "TextEdit", {8, 26, 400, 21}, 5000};
  DialogButtons buttons{*this, 58};
};

}  // namespace tavrix
