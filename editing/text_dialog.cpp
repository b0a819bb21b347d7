#include "editing/text_dialog.h"

#include "editing/command_names.h"
#include "editing/input_dialogs.h"

namespace tavrix {

TModText::TModText(Ui& ui) : CommandDialog("TModText", "Enter Keystrokes", 648, 339), ui_(ui) {
  textEdit.multiLine = true;
  helpKeyword = "Text Insertion";
  miscBox.dropDownCount = 19;
  for (const KeyTag& key : MiscellaneousKeys()) miscBox.items.emplace_back(key.caption);
  buttons.ok.text = "&Update";
  buttons.ok.onClick = [this] { return OkButtonClick(); };
  symbolsButton.onClick = [this] { return SymbolsClick(); };
  miscOk.onClick = [this] { return MiscOkClick(); };
  activeControl = &textEdit;
  // No menu of its own for F1 to F12: its Keys menu holds them, after a line,
  // so every keystroke button has its menu twin here too.
  menu.push_back(TextEditMenu());
  FormMenu keys = ButtonsMenu(*this, "&Keys", keystrokeButtons, 0, keystrokeButtons.size());
  keys.items.insert(keys.items.begin() + kFirstFunctionKey, FormMenuItem{"-", {}, {}, EditAction::None});
  menu.push_back(std::move(keys));
}

void TModText::Load(int, const ScriptRecord& values) {
  textEdit.text = std::get<TextRecord>(values).text;
  textEdit.selStart = static_cast<int>(textEdit.text.size());
  textEdit.selLength = 0;
}

FormReply TModText::InsertText(std::string_view text) {
  InsertAtCaret(ui_, textEdit, text);
  return FormReply::Focus(textEdit);
}

FormReply TModText::SymbolsClick() {
  TDoSpecial dialog(ui_);
  if (ui_.RunForm(dialog) != ModalResult::Ok || dialog.tagText.empty()) return FormReply::Focus(textEdit);
  return InsertText(dialog.tagText);
}

FormReply TModText::MiscOkClick() {
  const auto keys = MiscellaneousKeys();
  if (miscBox.itemIndex < 0 || miscBox.itemIndex >= static_cast<int>(keys.size())) return FormReply::Stay();
  return InsertText(keys[static_cast<std::size_t>(miscBox.itemIndex)].tag);
}

// The keystrokes go in as typed: blanks are keystrokes too.
FormReply TModText::OkButtonClick() {
  std::string text = TabsAsTags(textEdit.text);
  CutToMacroLimit(ui_, text);
  if (text.empty()) return FormReply::Close(ModalResult::Cancel);
  tagText = text.substr(0, 255);
  lineKind = line_kind::Text;
  record = TextRecord{text};
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
