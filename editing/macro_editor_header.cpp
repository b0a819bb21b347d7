#include "editing/macro_editor_header.h"

#include "activation/scheduler_dialogs.h"
#include "editing/command_dialog.h"
#include "editing/script_editor.h"

namespace tavrix {

MacroEditorHeader::MacroEditorHeader(Form& form, std::string captionStart, MacroHeaderControls controls, Ui& ui,
                                     Desktop& desktop, MacroRecord& record)
    : form_(form), captionStart_(std::move(captionStart)), c_(controls), ui_(ui), desktop_(desktop), record_(record) {
  for (RadioButton* radio : {&c_.global, &c_.specific, &c_.progExe}) {
    radio->onClick = [this] {
      c_.chooseWinProg.enabled = !c_.global.checked;
      UpdateCaption();
      return FormReply::Stay();
    };
  }
  c_.chooseWinProg.onClick = [this] { return ChooseWinProgClick(); };
  // A macro that was not yet timed becomes one with the default schedule.
  c_.setSchedule.onClick = [this] {
    SetScheduleOf(ui_, record_, desktop_.Now());
    return FormReply::Stay();
  };
}

void MacroEditorHeader::Show(bool editingExisting, bool globalNotAllowed, int activationKind) {
  const std::initializer_list<RadioButton*> radios{&c_.global, &c_.specific, &c_.progExe};
  if (editingExisting) {
    c_.nickName.text = record_.NickName();
    const int scope = record_.Scope();
    CheckIndex(radios, scope == 1 ? 1 : scope == 2 ? 2 : 3);
    c_.icon.Load(record_.IconName());
  } else {
    c_.nickName.text.clear();
    CheckIndex(radios, 1);
    record_.SetScopeName("");
    record_.SetTopMostOnly(1);
    record_.SetDefaultSchedule(desktop_.Now());
    c_.icon.UseProgramIcon();
  }
  if (globalNotAllowed) {
    if (c_.global.checked) CheckIndex(radios, 2);
    c_.global.enabled = false;
  }
  c_.chooseWinProg.enabled = !c_.global.checked;
  c_.hotKeyLabel.visible = activationKind == macro_kind::HotKey;
  c_.timerLabel.visible = activationKind != macro_kind::HotKey;
  c_.timerLabel.text = activationKind == macro_kind::Timed ? "Timed Macros" : "Wordlet";
  c_.setSchedule.visible = activationKind == macro_kind::Timed;
  c_.wordletName.visible = activationKind == macro_kind::Wordlet;
  if (activationKind == macro_kind::Wordlet) c_.wordletName.text = record_.WordletText();
  form_.activeControl = &c_.nickName;
  UpdateCaption();
}

std::optional<FormReply> MacroEditorHeader::CheckWordlet(int activationKind, std::string& wordlet) const {
  wordlet.clear();
  if (activationKind != macro_kind::Wordlet) return std::nullopt;
  wordlet = TrimmedSpaces(c_.wordletName.text);
  if (const char* problem = WordletNameProblem(wordlet)) return FormReply::Refuse("Error", problem, c_.wordletName);
  return std::nullopt;
}

void MacroEditorHeader::Store(const std::string& wordlet) {
  record_.SetNickName(c_.nickName.text.substr(0, 50));
  record_.SetIconName(c_.icon.Name());
  record_.SetScope(static_cast<std::int16_t>(ScopeCode()));
  record_.SetWordletText(wordlet);
}

int MacroEditorHeader::ScopeCode() const { return c_.global.checked ? 1 : c_.specific.checked ? 2 : 3; }

void MacroEditorHeader::UpdateCaption() {
  if (c_.progExe.checked) {
    form_.caption = captionStart_ + "  (Program: " + record_.ScopeName() + ")";
  } else if (c_.specific.checked) {
    form_.caption = captionStart_ + "  (Window Title: " + record_.ScopeName() + ")";
  } else {
    form_.caption = captionStart_ + "  (GLOBAL)";
  }
}

FormReply MacroEditorHeader::ChooseWinProgClick() {
  if (ChooseScopeName(ui_, desktop_, record_, c_.progExe.checked)) UpdateCaption();
  return FormReply::Stay();
}

}  // namespace tavrix
