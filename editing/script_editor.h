// The script editor (`TDoScripting`, "Macro Scripting Editor"): one macro as
// a list of script lines that the user builds from the command list through
// the command dialogs, arranges, and compiles back into the macro record on
// Ok. The editor changes only the record it is given; its caller saves it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/command_dialog.h"
#include "editing/file_checks.h"
#include "editing/macro_editor_header.h"
#include "editing/macro_icon.h"
#include "editing/script_records.h"
#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_record.h"

namespace tavrix {

inline constexpr std::size_t kMacroTextLimit = 5000;

class TDoScripting : public Form {
 public:
  static constexpr const char* kName = "TDoScripting";
  enum ActivationKind { HotKeyMacro = 1, TimedMacro = 2, WordletMacro = 3 };
  enum InsertionMode { AddAtEnd = 1, InsertBeforeSelection = 2, InsertAfterSelection = 3 };

  TDoScripting(Ui& ui, Desktop& desktop, FileChecks& files, MacroRecord& record);

  // --- Set by the caller before showing ------------------------------------
  int activationKind = HotKeyMacro;
  bool editingExisting = true;
  bool globalNotAllowed = false;
  // --- Read by the caller after closing -------------------------------------
  bool saved = false;
  // The rest of the editor's state.
  bool compiled = false;
  int insertionMode = AddAtEnd;
  int currentIndex = 0;
  bool dialogAccepted = false;

  // The script lines; the "Macro Script" list shows their display texts.
  const std::vector<ScriptLine>& Lines() const { return lines_; }

  // Fills the form from the record: the lines, nickname, scope, icon and the
  // panel of the activation.
  void FormShow(const TextMeasure& measure) override;

  FormReply AddButtonClick();
  FormReply InsertBeforeClick();
  FormReply InsertAfterClick();
  FormReply DoEditClick();
  FormReply DoCopyClick();
  FormReply DoDeleteClick();
  FormReply DoUpClick();
  FormReply DoDownClick();
  // "Wizard": lines added at the end, one command at a time.
  FormReply WizardClick();
  FormReply OkButtonClick();
  // The Up, Down, Copy, Edit and Delete buttons follow the selection.
  void UpdateButtons();
  // The user resized the editor.
  void FormResize() override;

  // Laid out for the default client size 598 by 418; FormResize moves the
  // right-hand buttons and sizes the lists for any other.
  Label commandsLabel{*this, "CommandsLabel", {8, 48, 142, 16}, "Co&mmands"};
  ListBox optionBox{*this, "OptionBox", {8, 66, 142, 346}};
  Button addButton{*this, "AddButton", {154, 100, 56, 25}, "&Add"};
  Button insertBefore{*this, "InsertBefore", {154, 130, 56, 25}, "I&nsert"};
  Button insertAfter{*this, "InsertAfter", {154, 160, 56, 25}, "&Insert"};
  Label scriptLabel{*this, "ScriptLabel", {216, 48, 313, 16}, "Macro &Script"};
  ListBox script{*this, "Script", {216, 66, 313, 346}};
  Button doUp{*this, "DoUp", {544, 66, 52, 25}, "&Up"};
  Button doDown{*this, "DoDown", {544, 96, 52, 25}, "&Down"};
  Button doEdit{*this, "DoEdit", {536, 140, 60, 25}, "&Edit"};
  Button doCopy{*this, "DoCopy", {536, 170, 60, 25}, "Cop&y"};
  Button doDelete{*this, "DoDelete", {536, 200, 60, 25}, "De&lete"};
  Label nickNameLabel{*this, "NickNameLabel", {216, 8, 58, 16}, "Nickname"};
  Edit nickName{*this, "NickName", {276, 4, 253, 21}, 50};
  RadioButton global{*this, "Global", {216, 28, 66, 17}, "&Global"};
  RadioButton specific{*this, "Specific", {284, 28, 70, 17}, "&Window"};
  RadioButton progExe{*this, "ProgExe", {356, 28, 72, 17}, "&Program"};
  Button chooseWinProg{*this, "ChooseWinProg", {430, 25, 60, 23}, "&Select"};
  Label hotKeyLabel{*this, "HotKeyLabel", {8, 8, 200, 16}};
  Label timerLabel{*this, "TimerLabel", {8, 8, 200, 16}};
  Button setSchedule{*this, "SetSchedule", {8, 24, 100, 23}, "Se&t Schedule"};
  Edit wordletName{*this, "WordletName", {8, 25, 100, 21}, 10};
  Label iconLabel{*this, "IconLabel", {540, 8, 30, 16}, "Icon"};
  Button mySpeed{*this, "MySpeed", {570, 6, 20, 20}, ""};
  // The macro's icon on `mySpeed`; set its `icons` before showing.
  MacroIconButton icon;
  // Fills and stores the controls above; the caption names the scope.
  MacroEditorHeader header;
  Button wizard{*this, "Wizard", {154, 300, 56, 60}, "Wi&zard"};
  Button okButton{*this, "OkButton", {540, 320, 56, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {540, 352, 56, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {540, 384, 56, 25}, "&Help", ButtonRole::Help};

 private:
  FormReply AddLine(int mode);
  // Runs the dialog of `kind` for a new line (`edit` false) or for the line
  // at the current index; true when it was accepted.
  bool RunCommandDialog(int kind, bool edit);
  std::unique_ptr<CommandDialog> DialogFor(int kind, bool newLine);
  void Insert(std::size_t index, ScriptLine line);
  void Select(int index);
  void Reindent();
  FormReply Refuse(const std::string& message, const Control& focus);

  Ui& ui_;
  Desktop& desktop_;
  FileChecks& files_;
  MacroRecord& record_;
  std::vector<ScriptLine> lines_;
  std::vector<int> optionKinds_;  // the kind of each entry of the sorted command list
};

// "Select": the window title or program name a macro is limited to, picked
// in `TDoSpecWind` from the windows or programs running; the record gets it
// (and its top-most flag) at once. True when one was chosen.
bool ChooseScopeName(Ui& ui, Desktop& desktop, MacroRecord& record, bool program);

// Whether every character of a Wordlet name is allowed.
bool IsWordletName(std::string_view name);
// What is wrong with a Wordlet name (already trimmed of blanks): the message
// the editors show, or null for a usable name.
const char* WordletNameProblem(std::string_view trimmedName);
// A text without its leading and trailing spaces.
std::string TrimmedSpaces(std::string_view text);

}  // namespace tavrix
