#include "editing/direct_editor.h"

#include <array>

#include "editing/command_dialog_factory.h"
#include "editing/command_names.h"
#include "editing/input_dialogs.h"
#include "editing/script_editor.h"
#include "editing/text_insertion.h"
#include "store/date_time.h"

namespace tavrix {
namespace {

namespace lk = line_kind;

constexpr std::array<CommandButtonInfo, 20> kCommandButtons{{
    {"DATE", lk::Date},
    {"TIME", lk::Time},
    {"SYMBOLS", lk::None},
    {"DELAY", lk::Delay},
    {"PAUSE", lk::Pause},
    {"REPEAT", lk::RepeatStart},
    {"SPEED", lk::KeystrokeSpeed},
    {"ACTIVATE", lk::ActivateWindow},
    {"SOUND", lk::SoundBeep},
    {"SWAP FILE", lk::LoadMacroFile},
    {"LOAD TEXT", lk::LoadTextFile},
    {"SIZE / POS", lk::ResizeWindow},
    {"SYSTEM", lk::MaximizeWindow},
    {"MOUSE", lk::LeftMouseButton},
    {"CLIPBOARD", lk::ClipboardStartCopy},
    {"REMARK", lk::Remark},
    {"KEY UP / DOWN", lk::ControlKey},
    {"WEB SITE", lk::WebSite},
    {"INTERNET FTP", lk::WebFtp},
    {"FILE COMMANDS", lk::ChangeFolder},
}};

// The command buttons sit in two columns beside the text box.
constexpr Bounds CommandBounds(std::size_t index) {
  return {416 + static_cast<int>(index % 2) * 114, 82 + static_cast<int>(index / 2) * 22, 110, 21};
}

}  // namespace

std::span<const CommandButtonInfo> CommandButtons() { return kCommandButtons; }

std::vector<std::unique_ptr<Button>> TModHotKeys::MakeCommandButtons() {
  std::vector<std::unique_ptr<Button>> buttons;
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
    buttons.push_back(std::make_unique<Button>(*this, std::string("Command") + kCommandButtons[i].caption,
                                               CommandBounds(i), kCommandButtons[i].caption));
    buttons.back()->onClick = [this, i] { return CommandClick(i); };
  }
  return buttons;
}

TModHotKeys::TModHotKeys(Ui& ui, Desktop& desktop, FileChecks& files, MacroRecord& record)
    : Form(kName, "Modify Hot Key", 648, 448),
      icon(ui, mySpeed),
      header(*this, "Modify Hot Key",
             {hotKeyLabel, timerLabel, setSchedule, wordletName, nickName, global, specific, progExe, chooseWinProg, icon},
             ui, desktop, record),
      ui_(ui),
      desktop_(desktop),
      files_(files),
      record_(record) {
  newFormat.multiLine = true;
  helpKeyword = "Modify Hot Key";
  miscBox.dropDownCount = 19;
  miscOk.onClick = [this] { return MiscOkClick(); };
  updateButton.onClick = [this] { return UpdateClick(); };
  activeControl = &nickName;
  // The menus run the buttons' own handlers.
  menu.push_back({"&File", {TwinOf(updateButton), TwinOf(cancelButton, "E&xit")}});
  menu.push_back(TextEditMenu());
  menu.push_back(ButtonsMenu(*this, "&Keys", keystrokeButtons, 0, kFirstFunctionKey));
  menu.push_back(ButtonsMenu(*this, "FKe&ys", keystrokeButtons, kFirstFunctionKey, keystrokeButtons.size()));
  menu.push_back(ButtonsMenu(*this, "&Actions", commandButtons, 0, commandButtons.size()));
}

void TModHotKeys::FormShow(const TextMeasure&) {
  miscBox.items.clear();
  for (const KeyTag& key : MiscellaneousKeys()) miscBox.items.emplace_back(key.caption);
  miscBox.itemIndex = -1;
  newFormat.text = editingExisting ? record_.MacroText() : std::string();
  newFormat.selStart = newFormat.selLength = 0;
  header.Show(editingExisting, globalNotAllowed, activationKind);
}

FormReply TModHotKeys::InsertText(std::string_view text) {
  InsertAtCaret(ui_, newFormat, text);
  return FormReply::Focus(newFormat);
}

FormReply TModHotKeys::KeystrokeClick(std::size_t index) {
  const auto keys = KeystrokeButtons();
  if (index >= keys.size()) return FormReply::Stay();
  return InsertText(keys[index].tag);
}

FormReply TModHotKeys::MiscOkClick() {
  const auto keys = MiscellaneousKeys();
  if (miscBox.itemIndex < 0 || miscBox.itemIndex >= static_cast<int>(keys.size())) return FormReply::Stay();
  return InsertText(keys[static_cast<std::size_t>(miscBox.itemIndex)].tag);
}

FormReply TModHotKeys::CommandClick(std::size_t index) {
  if (index >= kCommandButtons.size()) return FormReply::Stay();
  const int kind = kCommandButtons[index].kind;
  std::unique_ptr<CommandDialog> dialog;
  if (kind == lk::None) {
    dialog = std::make_unique<TDoSpecial>(ui_);
  } else {
    dialog = CommandDialogFor(kind, true, ui_, desktop_, files_);
    if (PresetForNewLine(kind)) dialog->Preset(kind);
  }
  // The dialog's tag text is all the editor takes: it never parses it.
  const bool accepted = ui_.RunForm(*dialog) == ModalResult::Ok;
  return InsertReturnedText(accepted ? dialog->tagText : std::string());
}

FormReply TModHotKeys::InsertReturnedText(const std::string& returned) {
  if (returned.empty()) return FormReply::Focus(newFormat);
  return InsertText(returned);
}

FormReply TModHotKeys::UpdateClick() {
  std::string wordlet;
  if (auto refusal = header.CheckWordlet(activationKind, wordlet)) return *refusal;
  std::string text = TabsAsTags(newFormat.text);
  saved = true;
  if (!editingExisting) {
    if (countNewMacro) countNewMacro();
    record_.SetActive(1);
  }
  header.Store(wordlet);
  CutToMacroLimit(ui_, text);
  record_.SetMacroText(text);
  record_.SetLastModified(ToDateTimeValue(desktop_.Now()));
  if (clearTypedWordlet) clearTypedWordlet();
  return FormReply::Close(ModalResult::Ok);
}

FormReply EnterAndUpdate(TModHotKeys& form, const DirectEntry& entry) {
  form.nickName.text = entry.nickName;
  RadioButton* radio = entry.scope == 1 ? &form.global : entry.scope == 2 ? &form.specific : &form.progExe;
  if (radio->enabled) form.Click(*radio);
  form.newFormat.text = entry.text;
  form.newFormat.selStart = static_cast<int>(entry.text.size());
  form.newFormat.selLength = 0;
  return form.Click(form.updateButton);
}

}  // namespace tavrix
