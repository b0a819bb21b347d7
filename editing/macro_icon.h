// The icon button of the macro editors ("MySpeed"): it shows the macro's
// icon, the program's own ("MAIN") or a file of the program's Icons folder;
// a left click loads another icon, a right click offers the program's back.
#pragma once

#include <string>

#include "activation/popup_menu.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace tavrix {

class MacroIconButton {
 public:
  // Wires `button`'s clicks. Without `icons` (no Icons folder) the macro
  // keeps the program's icon.
  MacroIconButton(Ui& ui, Button& button);

  IconFiles* icons = nullptr;
  // The icon name the record stores.
  const std::string& Name() const { return name_; }
  // The record's icon; one whose file has gone from the Icons folder is the
  // program's again.
  void Load(const std::string& recorded);
  void UseProgramIcon();

 private:
  void Show();

  Ui& ui_;
  Button& button_;
  std::string name_ = kProgramIconName;
};

}  // namespace tavrix
