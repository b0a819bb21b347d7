// "Modify Hot Key" (`TModHotKeys`): a whole macro edited as plain macro text,
// with buttons that insert keystroke tags and commands at the caret, and the
// nickname, scope, icon and activation controls of the script editor. Its
// Update writes the macro into the record it was given; its caller saves the
// record.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editing/file_checks.h"
#include "editing/macro_editor_header.h"
#include "editing/macro_icon.h"
#include "platform/desktop.h"
#include "editing/text_insertion.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_record.h"

namespace tavrix {

// A command button: its caption and the kind of line its dialog starts
// with (0: "SYMBOLS", the symbol dialog).
struct CommandButtonInfo {
  const char* caption;
  int kind;
};
// The command buttons in their order, "DATE" to "FILE COMMANDS".
std::span<const CommandButtonInfo> CommandButtons();

class TModHotKeys : public Form {
 public:
  static constexpr const char* kName = "TModHotKeys";
  enum ActivationKind { HotKeyMacro = 1, TimedMacro = 2, WordletMacro = 3 };

  TModHotKeys(Ui& ui, Desktop& desktop, FileChecks& files, MacroRecord& record);

  // --- Set by the caller before showing ------------------------------------
  int activationKind = HotKeyMacro;
  bool editingExisting = true;
  bool globalNotAllowed = false;
  // The main window's part in Update: a new macro is counted in the shared
  // table (and the library told), and the typed Wordlet characters are
  // forgotten. Either may be empty.
  std::function<void()> countNewMacro;
  std::function<void()> clearTypedWordlet;
  // --- Read by the caller after closing -------------------------------------
  bool saved = false;

  // Fills the form from the record (an existing macro) or with a new macro's
  // defaults, and shows the panel of the activation.
  void FormShow(const TextMeasure& measure) override;

  // Every button inserts through here: at the start of the selection, the
  // caret after it, the text box focused; refused past the size limit.
  FormReply InsertText(std::string_view text);
  FormReply KeystrokeClick(std::size_t index);
  // "ok" beside "Miscellaneous": the selected entry's key; nothing without one.
  FormReply MiscOkClick();
  // A command button: its dialog, and what the dialog returned.
  FormReply CommandClick(std::size_t index);
  FormReply InsertReturnedText(const std::string& returned);
  FormReply UpdateClick();

  Label hotKeyLabel{*this, "HotKeyLabel", {8, 8, 150, 16}};
  Label timerLabel{*this, "TimerLabel", {8, 8, 150, 16}};
  Button setSchedule{*this, "SetSchedule", {8, 28, 100, 25}, "Set Schedule"};
  Edit wordletName{*this, "WordletName", {8, 30, 100, 21}, 10};
  Label nickNameLabel{*this, "NickNameLabel", {170, 8, 60, 16}, "Nickname"};
  Edit nickName{*this, "NickName", {232, 4, 250, 21}, 50};
  RadioButton global{*this, "Global", {170, 34, 70, 17}, "Global"};
  RadioButton specific{*this, "Specific", {244, 34, 70, 17}, "Window"};
  RadioButton progExe{*this, "ProgExe", {318, 34, 70, 17}, "Program"};
  Button chooseWinProg{*this, "ChooseWinProg", {396, 30, 75, 25}, "Select"};
  Label iconLabel{*this, "IconLabel", {490, 34, 30, 16}, "Icon"};
  Button mySpeed{*this, "MySpeed", {524, 30, 25, 25}, ""};
  // The macro's icon on `mySpeed`; set its `icons` before showing.
  MacroIconButton icon;
  // Fills and stores the controls above; the caption names the scope.
  MacroEditorHeader header;
  Label newFormatLabel{*this, "NewFormatLabel", {8, 64, 200, 16}, "Enter Keystrokes"};
  Edit newFormat{*this, "NewFormat", {8, 82, 400, 218}};
  // The keystroke buttons (in the order of KeystrokeButtons) and the command
  // buttons (in the order of CommandButtons).
  std::vector<std::unique_ptr<Button>> keystrokeButtons =
      MakeKeystrokeButtons(*this, 310, [this](std::size_t index) { return KeystrokeClick(index); });
  std::vector<std::unique_ptr<Button>> commandButtons = MakeCommandButtons();
  Label miscLabel{*this, "MiscLabel", {8, 396, 100, 16}, "Miscellaneous"};
  ComboBox miscBox{*this, "MiscBox", {8, 414, 160, 21}};
  Button miscOk{*this, "MiscOk", {174, 412, 40, 25}, "ok"};
  Button updateButton{*this, "UpdateButton", {400, 412, 75, 25}, "&Update"};
  Button cancelButton{*this, "CancelButton", {483, 412, 75, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {566, 412, 75, 25}, "&Help", ButtonRole::Help};

 private:
  // Made in their place among the fields, so the tab order follows the form
  // from top to bottom.
  std::vector<std::unique_ptr<Button>> MakeCommandButtons();

  Ui& ui_;
  Desktop& desktop_;
  FileChecks& files_;
  MacroRecord& record_;
};

// What a user types into a shown "Modify Hot Key" before pressing "&Update"
// (the add-macro dialog's tool hands its new macro over this way).
struct DirectEntry {
  std::string nickName;
  int scope = 1;  // 1 Global, 2 Window, 3 Program; a disabled Global stays as the form put it
  std::string text;
};
// Types `entry` into the form (after its FormShow) and presses "&Update";
// a refusal leaves the form open.
FormReply EnterAndUpdate(TModHotKeys& form, const DirectEntry& entry);

}  // namespace tavrix
