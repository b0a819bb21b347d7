#include "editing/text_dialog.h"

#include "editing/command_names.h"

namespace tavrix {

TModText::TModText() : CommandDialog("TModText", "Enter Keystrokes", 416, 92) {
  activeControl = &textEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TModText::Load(int, const ScriptRecord& values) { textEdit.text = std::get<TextRecord>(values).text; }

// The keystrokes go in as typed: blanks are keystrokes too.
FormReply TModText::OkButtonClick() {
  if (textEdit.text.empty()) return FormReply::Close(ModalResult::Cancel);
  tagText = textEdit.text.substr(0, 255);
  lineKind = line_kind::Text;
  record = TextRecord{textEdit.text};
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
