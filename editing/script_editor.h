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
  // Opens the program's help at the editor's page ("&Help").
  std::function<void()> showHelp;
  // --- Read by the caller after closing -------------------------------------
  bool saved = false;
  // The rest of the editor's state.
  bool compiled = false;
  int insertionMode = AddAtEnd;
  int currentIndex = 0;
  bool dialogAccepted = false;
  std::string iconName = "MAIN";

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
  FormReply ChooseWinProgClick();
  // "Set Schedule" on the record itself: a macro that was not yet timed
  // becomes one with the default schedule first.
  FormReply SetScheduleClick();
  FormReply OkButtonClick();
  // The Up, Down, Copy, Edit and Delete buttons follow the selection.
  void UpdateButtons();
  // The caption names the scope.
  void UpdateCaption();

  Label commandsLabel{*this, "CommandsLabel", {8, 92, 120, 16}, "Co&mmands"};
  ListBox optionBox{*this, "OptionBox", {8, 110, 160, 300}};
  Button addButton{*this, "AddButton", {176, 150, 75, 25}, "&Add"};
  Button insertBefore{*this, "InsertBefore", {176, 182, 75, 25}, "I&nsert"};
  Button insertAfter{*this, "InsertAfter", {176, 214, 75, 25}, "&Insert"};
  Label scriptLabel{*this, "ScriptLabel", {259, 92, 260, 16}, "Macro &Script"};
  ListBox script{*this, "Script", {259, 110, 260, 300}};
  Button doUp{*this, "DoUp", {527, 110, 60, 25}, "&Up"};
  Button doDown{*this, "DoDown", {527, 142, 60, 25}, "&Down"};
  Button doEdit{*this, "DoEdit", {527, 190, 60, 25}, "&Edit"};
  Button doCopy{*this, "DoCopy", {527, 222, 60, 25}, "Cop&y"};
  Button doDelete{*this, "DoDelete", {527, 254, 60, 25}, "De&lete"};
  Label nickNameLabel{*this, "NickNameLabel", {176, 8, 60, 16}, "Nickname"};
  Edit nickName{*this, "NickName", {240, 4, 280, 21}, 50};
  RadioButton global{*this, "Global", {176, 34, 70, 17}, "&Global"};
  RadioButton specific{*this, "Specific", {250, 34, 70, 17}, "&Window"};
  RadioButton progExe{*this, "ProgExe", {324, 34, 70, 17}, "&Program"};
  Button chooseWinProg{*this, "ChooseWinProg", {400, 30, 75, 25}, "&Select"};
  Label hotKeyLabel{*this, "HotKeyLabel", {8, 8, 160, 16}};
  Label timerLabel{*this, "TimerLabel", {8, 8, 160, 16}};
  Button setSchedule{*this, "SetSchedule", {8, 30, 100, 25}, "Se&t Schedule"};
  Edit wordletName{*this, "WordletName", {8, 30, 100, 21}, 10};
  Label iconLabel{*this, "IconLabel", {176, 64, 30, 16}, "Icon"};
  Button mySpeed{*this, "MySpeed", {210, 60, 20, 20}, ""};
  Button wizard{*this, "Wizard", {176, 300, 75, 60}, "Wi&zard"};
  Button okButton{*this, "OkButton", {527, 320, 60, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {527, 352, 60, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {527, 384, 60, 25}, "&Help"};

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

// Whether every character of a Wordlet name is allowed.
bool IsWordletName(std::string_view name);

}  // namespace tavrix
