// "Enter Keystrokes" (`TModText`): the keystrokes of a text line, typed as
// macro text into a text box of several lines, with the keystroke buttons,
// "Symbols" and the "Miscellaneous" keys of "Modify Hot Key".
#pragma once

#include <memory>
#include <vector>

#include "editing/command_dialog.h"
#include "editing/text_insertion.h"
#include "platform/ui.h"

namespace tavrix {

class TModText : public CommandDialog {
 public:
  explicit TModText(Ui& ui);
  void Load(int kind, const ScriptRecord& record) override;
  // "&Update": tabs become "<TAB>", a text past the limit is cut after the
  // message, and the result is the new keystroke run (none when empty).
  FormReply OkButtonClick() override;

  FormReply InsertText(std::string_view text);
  FormReply SymbolsClick();
  FormReply MiscOkClick();

  Label textLabel{*this, "TextLabel", {8, 8, 200, 16}, "Keystrokes"};
  Edit textEdit{*this, "TextEdit", {8, 26, 632, 150}};
  std::vector<std::unique_ptr<Button>> keystrokeButtons =
      MakeKeystrokeButtons(*this, 184, [this](std::size_t index) { return InsertText(KeystrokeButtons()[index].tag); });
  Button symbolsButton{*this, "SymbolsButton", {8, 270, 75, 25}, "Symbols"};
  Label miscLabel{*this, "MiscLabel", {92, 274, 80, 16}, "Miscellaneous"};
  ComboBox miscBox{*this, "MiscBox", {176, 270, 160, 21}};
  Button miscOk{*this, "MiscOk", {342, 268, 40, 25}, "ok"};
  DialogButtons buttons{*this, 306};

 private:
  Ui& ui_;
};

}  // namespace tavrix
