// The top of both macro editors: the activation panel (hot key name, "Timed
// Macros" with "Set Schedule", or the Wordlet field), the nickname, the scope
// radios with "Select", and the icon button. It fills them from the record,
// writes them back, and keeps the editor's caption naming the scope.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "editing/macro_icon.h"
#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_record.h"

namespace tavrix {

// How the edited macro is activated (the editors' activation kinds).
namespace macro_kind {
constexpr int HotKey = 1, Timed = 2, Wordlet = 3;
}

// The editor's own controls that the header works on.
struct MacroHeaderControls {
  Label& hotKeyLabel;
  Label& timerLabel;
  Button& setSchedule;
  Edit& wordletName;
  Edit& nickName;
  RadioButton& global;
  RadioButton& specific;
  RadioButton& progExe;
  Button& chooseWinProg;
  MacroIconButton& icon;
};

class MacroEditorHeader {
 public:
  // Wires the radios, "Select" and "Set Schedule". The caption is
  // `captionStart` followed by the scope.
  MacroEditorHeader(Form& form, std::string captionStart, MacroHeaderControls controls, Ui& ui, Desktop& desktop,
                    MacroRecord& record);

  // Fills the header from the record (an existing macro) or with a new
  // macro's defaults, which the record takes at once; a macro that may not
  // be global moves to Window.
  void Show(bool editingExisting, bool globalNotAllowed, int activationKind);
  // The trimmed Wordlet name of a Wordlet macro, or a refusal focused on
  // its field; empty for the other kinds.
  std::optional<FormReply> CheckWordlet(int activationKind, std::string& wordlet) const;
  // Nickname, icon, scope and Wordlet back into the record.
  void Store(const std::string& wordlet);
  void UpdateCaption();
  FormReply ChooseWinProgClick();

 private:
  int ScopeCode() const;

  Form& form_;
  std::string captionStart_;
  MacroHeaderControls c_;
  Ui& ui_;
  Desktop& desktop_;
  MacroRecord& record_;
};

}  // namespace tavrix
