#include "editing/macro_icon.h"

#include "activation/popup_menu_dialogs.h"

namespace tavrix {

MacroIconButton::MacroIconButton(Ui& ui, Button& button) : ui_(ui), button_(button) {
  button_.iconSize = 16;
  button_.onClick = [this] {
    if (icons == nullptr) return FormReply::Stay();
    if (const std::optional<std::string> chosen = ChooseIconFile(ui_, *icons)) {
      name_ = *chosen;
      Show();
    }
    return FormReply::Stay();
  };
  button_.onRightClick = [this] {
    if (ui_.AskYesNo("", kResetIconQuestion)) UseProgramIcon();
    return FormReply::Stay();
  };
  Show();
}

void MacroIconButton::Load(const std::string& recorded) {
  // Without the folder to look in, the record keeps the name it has.
  const bool gone = recorded.empty() ||
                    (icons != nullptr && recorded != kProgramIconName &&
                     !icons->Exists(JoinFolder(icons->Folder(), recorded)));
  name_ = gone ? kProgramIconName : recorded;
  Show();
}

void MacroIconButton::UseProgramIcon() {
  name_ = kProgramIconName;
  Show();
}

void MacroIconButton::Show() {
  button_.icon = name_ == kProgramIconName || icons == nullptr ? "program" : JoinFolder(icons->Folder(), name_);
}

}  // namespace tavrix
