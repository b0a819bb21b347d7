#include "editing/script_editor.h"

#include <algorithm>

#include "editing/command_dialog_factory.h"
#include "editing/command_names.h"
#include "editing/script_compile.h"
#include "editing/script_view.h"
#include "editing/script_wizard.h"
#include "editing/text_insertion.h"
#include "editing/window_dialogs.h"
#include "store/date_time.h"

namespace tavrix {

namespace lk = line_kind;

namespace {

constexpr const char* kNoSelection = "No script line selected.  Please select one.";
// The frame around the client of a resizable window, and the narrowest window.
constexpr int kFrameWidth = 8;
constexpr int kMinimumWidth = 320;

// The lines that need no dialog when they are added.
bool AddedAtOnce(int kind) {
  switch (kind) {
    case lk::RepeatEnd: case lk::RepeatPromptStart: case lk::ClipboardCopy: case lk::ClipboardPaste:
    case lk::ClipboardStartCopy: case lk::ClipboardEndCopy:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string TrimmedSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

const char* WordletNameProblem(std::string_view trimmedName) {
  if (trimmedName.empty()) return "No Wordlet name was entered.";
  if (!IsWordletName(trimmedName)) {
    return "The Wordlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # $ % "
           "^ & _ = < > ? . ; , * - / +";
  }
  return nullptr;
}

bool IsWordletName(std::string_view name) {
  constexpr std::string_view kPunctuation = "!#$%&*+,-./;<=>?@^_";
  return std::all_of(name.begin(), name.end(), [&](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           kPunctuation.find(c) != std::string_view::npos;
  });
}

TDoScripting::TDoScripting(Ui& ui, Desktop& desktop, FileChecks& files, MacroRecord& record)
    : Form(kName, "Macro Scripting Editor", 598, 418),
      icon(ui, mySpeed),
      header(*this, "Macro Scripting Editor",
             {hotKeyLabel, timerLabel, setSchedule, wordletName, nickName, global, specific, progExe, chooseWinProg, icon},
             ui, desktop, record),
      ui_(ui),
      desktop_(desktop),
      files_(files),
      record_(record) {
  optionBox.onDoubleClick = [this] { return AddButtonClick(); };
  script.onChange = [this] {
    UpdateButtons();
    return FormReply::Stay();
  };
  script.onDoubleClick = [this] { return DoEditClick(); };
  addButton.onClick = [this] { return AddButtonClick(); };
  insertBefore.onClick = [this] { return InsertBeforeClick(); };
  insertAfter.onClick = [this] { return InsertAfterClick(); };
  doUp.onClick = [this] { return DoUpClick(); };
  doDown.onClick = [this] { return DoDownClick(); };
  doEdit.onClick = [this] { return DoEditClick(); };
  doCopy.onClick = [this] { return DoCopyClick(); };
  doDelete.onClick = [this] { return DoDeleteClick(); };
  okButton.onClick = [this] { return OkButtonClick(); };
  helpKeyword = "Scripting Editor";
  wizard.onClick = [this] { return WizardClick(); };
  activeControl = &nickName;
  resizable = true;
  minimumClientWidth = kMinimumWidth - kFrameWidth;
  commandsLabel.accessKey = scriptLabel.accessKey = true;
}

void TDoScripting::FormResize() {
  // The rules speak of the window's width, its client plus the frame.
  const int width = clientWidth + kFrameWidth;
  for (Button* button : {&doUp, &doDown}) button->bounds.left = width - 62;
  for (Button* button : {&doEdit, &doCopy, &doDelete}) button->bounds.left = width - 70;
  for (Button* button : {&okButton, &helpButton, &cancelButton}) button->bounds.left = width - 66;
  script.bounds.width = scriptLabel.bounds.width = std::max(0, width - 293);
  optionBox.bounds.height = script.bounds.height = std::max(0, clientHeight - 72);
}

void TDoScripting::FormShow(const TextMeasure&) {
  // The command list, sorted for display, each entry keeping its kind.
  std::vector<std::pair<std::string, int>> commands;
  for (int kind = 1; kind <= kCommandCount; ++kind) commands.emplace_back(CommandName(kind), kind);
  std::sort(commands.begin(), commands.end());
  optionBox.items.clear();
  optionKinds_.clear();
  for (const auto& [name, kind] : commands) {
    optionBox.items.push_back(name);
    optionKinds_.push_back(kind);
  }
  currentIndex = 0;
  lines_.clear();
  if (editingExisting) lines_ = BuildTheScript(record_.MacroText());
  header.Show(editingExisting, globalNotAllowed, activationKind);
  script.itemIndex = -1;
  Reindent();
  UpdateButtons();
}

void TDoScripting::UpdateButtons() {
  const int selected = script.itemIndex;
  const bool any = selected >= 0 && selected < static_cast<int>(lines_.size());
  doCopy.enabled = doEdit.enabled = doDelete.enabled = any;
  doUp.enabled = any && selected > 0;
  doDown.enabled = any && selected < static_cast<int>(lines_.size()) - 1;
}

void TDoScripting::Reindent() {
  IndentScript(lines_);
  script.items.clear();
  for (const ScriptLine& line : lines_) script.items.push_back(line.display);
}

void TDoScripting::Select(int index) {
  script.itemIndex = index < static_cast<int>(lines_.size()) ? index : static_cast<int>(lines_.size()) - 1;
}

void TDoScripting::Insert(std::size_t index, ScriptLine line) {
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(std::min(index, lines_.size())), std::move(line));
}

FormReply TDoScripting::Refuse(const std::string& message, const Control& focus) {
  return FormReply::Refuse("Error", message, focus);
}

FormReply TDoScripting::AddButtonClick() { return AddLine(AddAtEnd); }
FormReply TDoScripting::InsertBeforeClick() { return AddLine(InsertBeforeSelection); }
FormReply TDoScripting::InsertAfterClick() { return AddLine(InsertAfterSelection); }

FormReply TDoScripting::AddLine(int mode) {
  if (optionBox.itemIndex < 0 || optionBox.itemIndex >= static_cast<int>(optionKinds_.size())) {
    return Refuse("No command selected.  Please select one.", optionBox);
  }
  insertionMode = mode;
  currentIndex = script.itemIndex >= 0 ? script.itemIndex : 0;
  const int kind = optionKinds_[static_cast<std::size_t>(optionBox.itemIndex)];
  if (AddedAtOnce(kind)) {
    const ScriptRecord values = RecordForKind(kind);
    const std::size_t at = mode == AddAtEnd ? lines_.size()
                           : mode == InsertBeforeSelection || lines_.empty() ? static_cast<std::size_t>(currentIndex)
                                                                             : static_cast<std::size_t>(currentIndex) + 1;
    Insert(at, {LineDisplay(kind, values, DisplayStyle::FromDialog), values});
  } else {
    RunCommandDialog(kind, false);
  }
  // The selection moves whether or not the dialog was accepted.
  if (mode == AddAtEnd) {
    script.itemIndex = static_cast<int>(lines_.size()) - 1;
  } else if (mode == InsertBeforeSelection) {
    Select(currentIndex);
  } else {
    Select(lines_.size() == 1 ? 0 : currentIndex + 1);
  }
  UpdateButtons();
  Reindent();
  return FormReply::Stay();
}

std::unique_ptr<CommandDialog> TDoScripting::DialogFor(int kind, bool newLine) {
  return CommandDialogFor(kind, newLine, ui_, desktop_, files_);
}

bool TDoScripting::RunCommandDialog(int kind, bool edit) {
  std::unique_ptr<CommandDialog> dialog = DialogFor(kind, !edit);
  if (edit) {
    dialog->Load(kind, lines_[static_cast<std::size_t>(currentIndex)].record);
  } else if (PresetForNewLine(kind)) {
    // A new line starts with the choice of its kind.
    dialog->Preset(kind);
  }
  dialogAccepted = ui_.RunForm(*dialog) == ModalResult::Ok && dialog->lineKind != lk::None;
  if (!dialogAccepted) return false;
  ScriptLine line{LineDisplay(dialog->lineKind, dialog->record, DisplayStyle::FromDialog), dialog->record};
  if (edit) {
    lines_[static_cast<std::size_t>(currentIndex)] = std::move(line);
    return true;
  }
  const std::size_t at = insertionMode == AddAtEnd ? lines_.size()
                         : insertionMode == InsertBeforeSelection || lines_.empty()
                             ? static_cast<std::size_t>(currentIndex)
                             : static_cast<std::size_t>(currentIndex) + 1;
  Insert(at, std::move(line));
  return true;
}

FormReply TDoScripting::WizardClick() {
  TDoWizard wizardForm(ui_, [this](int kind) {
    insertionMode = AddAtEnd;
    const bool accepted = RunCommandDialog(kind, false);
    script.itemIndex = static_cast<int>(lines_.size()) - 1;
    Reindent();
    UpdateButtons();
    return accepted;
  });
  ui_.RunForm(wizardForm);
  return FormReply::Stay();
}

FormReply TDoScripting::DoEditClick() {
  if (script.itemIndex < 0 || script.itemIndex >= static_cast<int>(lines_.size())) {
    return Refuse("No Item Selected.", script);
  }
  currentIndex = script.itemIndex;
  const int kind = LineKindOf(lines_[static_cast<std::size_t>(currentIndex)].display);
  if (kind == lk::None) return FormReply::Stay();
  RunCommandDialog(kind, true);
  script.itemIndex = currentIndex;
  Reindent();
  UpdateButtons();
  return FormReply::Stay();
}

FormReply TDoScripting::DoCopyClick() {
  if (script.itemIndex < 0 || script.itemIndex >= static_cast<int>(lines_.size())) return Refuse(kNoSelection, script);
  const auto at = static_cast<std::size_t>(script.itemIndex);
  Insert(at, lines_[at]);
  script.itemIndex = static_cast<int>(at) + 1;
  Reindent();
  UpdateButtons();
  return FormReply::Stay();
}

FormReply TDoScripting::DoDeleteClick() {
  if (script.itemIndex < 0 || script.itemIndex >= static_cast<int>(lines_.size())) return Refuse(kNoSelection, script);
  lines_.erase(lines_.begin() + script.itemIndex);
  Select(script.itemIndex);
  UpdateButtons();
  Reindent();
  return FormReply::Stay();
}

FormReply TDoScripting::DoUpClick() {
  const int selected = script.itemIndex;
  if (selected < 1 || selected >= static_cast<int>(lines_.size())) return FormReply::Stay();
  std::swap(lines_[static_cast<std::size_t>(selected)], lines_[static_cast<std::size_t>(selected - 1)]);
  script.itemIndex = selected - 1;
  UpdateButtons();
  Reindent();
  return FormReply::Stay();
}

FormReply TDoScripting::DoDownClick() {
  const int selected = script.itemIndex;
  if (selected < 0 || selected + 1 >= static_cast<int>(lines_.size())) return FormReply::Stay();
  std::swap(lines_[static_cast<std::size_t>(selected)], lines_[static_cast<std::size_t>(selected + 1)]);
  script.itemIndex = selected + 1;
  UpdateButtons();
  Reindent();
  return FormReply::Stay();
}

bool ChooseScopeName(Ui& ui, Desktop& desktop, MacroRecord& record, bool program) {
  TDoSpecWind dialog(ui, program);
  dialog.nameEdit.text = record.ScopeName();
  CheckIndex({&dialog.onTopRadio, &dialog.runningRadio}, record.TopMostOnly() != 0 ? 1 : 2);
  std::vector<std::string> names;
  if (program) {
    for (const ProcessEntry& process : desktop.RunningProcesses()) names.push_back(process.moduleName);
    dialog.list.items = RunningProgramNames(names);
  } else {
    for (const WindowId window : desktop.TopLevelWindows()) names.push_back(desktop.WindowTitle(window));
    dialog.list.items = RunningWindowTitles(names);
  }
  if (ui.RunForm(dialog) != ModalResult::Ok || dialog.scopeName.empty()) return false;
  record.SetScopeName(dialog.scopeName);
  record.SetTopMostOnly(dialog.topMostOnly ? 1 : 0);
  return true;
}

FormReply TDoScripting::OkButtonClick() {
  std::string wordlet;
  if (auto refusal = header.CheckWordlet(activationKind, wordlet)) return *refusal;
  std::string output = CompileScript(lines_);
  saved = true;
  if (!editingExisting) record_.SetActive(1);
  record_.SetLastModified(ToDateTimeValue(desktop_.Now()));
  header.Store(wordlet);
  CutToMacroLimit(ui_, output);
  record_.SetMacroText(output);
  compiled = true;
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
