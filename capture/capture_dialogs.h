// The dialogs of a capture as form models: "Capture Defaults"
// (`TCaptureDefaults`), "Capture Macro" (`TCaptureKeys`) and "Capture
// Complete" (`TCapComplete`).
#pragma once

#include <functional>
#include <string>

#include "capture/capture_settings.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_index.h"
#include "store/macro_record.h"

namespace tavrix {

inline constexpr const char* kNoHotKeySelectedText = "No hot key selected.  Please select one.";
inline constexpr const char* kGlobalKeyInUseText =
    "A Global Hot Key is already in use for the selected hot key.  Please select a different one or choose the "
    "Program specific option.";
inline constexpr const char* kNoWordletEnteredText = "No Wordlet name entered.";
inline constexpr const char* kWordletInvalidText =
    "The Wordlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ "
    "= < > ? . ; , * - / +";

// The options both capture dialogs show, with their enabling rules: the
// mouse enables the screen and window radios and, with "&Window", the window
// size; keystrokes enable Double Alt; the time enables the four speeds.
class TCaptureOptionsForm : public Form {
 public:
  TCaptureOptionsForm(std::string name, std::string caption, int width, int height);


  void Load(const CaptureSettings& settings);
  // The controls' values over `settings` (the speed: Quadruple 4, else
  // Double 3, else Half 2, else 1).
  void Store(CaptureSettings& settings) const;
  int Speed() const;
  void ApplyEnabling();

  CheckBox keysBox{*this, "KeysBox", {12, 12, 220, 17}, "Capture &Keystrokes"};
  CheckBox doubleAltBox{*this, "DoubleAltBox", {28, 34, 220, 17}, "Capture &Double <ALT> for Menus"};
  CheckBox mouseBox{*this, "MouseBox", {12, 58, 220, 17}, "Capture &Mouse"};
  GroupBox relativeGroup{*this, "RelativeGroup", {28, 78, 200, 44}, "Relative to"};
  RadioButton screenRadio{*this, "ScreenRadio", {36, 96, 80, 17}, "Sc&reen", 1};
  RadioButton windowRadio{*this, "WindowRadio", {124, 96, 80, 17}, "&Window", 1};
  CheckBox windowSizeBox{*this, "WindowSizeBox", {28, 128, 220, 17}, "Capture Window Si&ze"};
  CheckBox timeBox{*this, "TimeBox", {12, 152, 220, 17}, "Captur&e At"};
  RadioButton actualRadio{*this, "ActualRadio", {28, 174, 130, 17}, "&Actual Speed", 2};
  RadioButton halfRadio{*this, "HalfRadio", {28, 194, 130, 17}, "&Half Speed", 2};
  RadioButton doubleRadio{*this, "DoubleRadio", {160, 174, 130, 17}, "Do&uble Speed", 2};
  RadioButton quadrupleRadio{*this, "QuadrupleRadio", {160, 194, 130, 17}, "&Quadruple Speed", 2};
  GroupBox scopeGroup{*this, "ScopeGroup", {12, 220, 280, 44}, "Scope"};
  RadioButton globalRadio{*this, "GlobalRadio", {20, 238, 100, 17}, "&Global", 3};
  RadioButton programRadio{*this, "ProgramRadio", {128, 238, 100, 17}, "&Program", 3};
};

class TCaptureDefaults : public TCaptureOptionsForm {
 public:
  TCaptureDefaults();
  CheckBox promptBox{*this, "PromptBox", {12, 272, 220, 17}, "P&rompt on Capture"};
  Button okButton{*this, "OkButton", {12, 300, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {95, 300, 75, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {178, 300, 75, 25}, "&Help", ButtonRole::Help};
};

// "Capture Macro": the options for one capture of a known macro. The opener
// sets the labels and flags before showing it; "&Start Capture" closes it
// with Ok, and the opener starts the capture.
class TCaptureKeys : public TCaptureOptionsForm {
 public:
  TCaptureKeys();
  // The options start from `defaults`; with `noGlobal` "&Global" is
  // disabled and "&Program" checked.
  void Prepare(const CaptureSettings& defaults);

  int macroNumber = 0;
  bool existingMacro = false;  // Recapture; clear for a new macro of the add dialog
  bool noGlobal = false;
  bool started = false;        // a capture of a new macro began (MacroCount was raised)

  Label hotKeyLabel{*this, "HotKeyLabel", {310, 12, 260, 24}};
  Label hotLabel2{*this, "HotLabel2", {310, 44, 260, 16}};
  Label hotLabel3{*this, "HotLabel3", {310, 64, 260, 16}};
  Label nickNameLabel{*this, "NickNameLabel", {310, 96, 80, 16}, "NickName"};
  Edit nickName{*this, "NickName", {310, 114, 260, 21}, 50};
  Button startButton{*this, "StartButton", {310, 238, 100, 25}, "&Start Capture", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {418, 238, 75, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {501, 238, 75, 25}, "&Help", ButtonRole::Help};
};

// "Capture Complete": the activation, nickname and scope of a macro just
// captured by a quick capture. "&Ok" writes them into `record`.
class TCapComplete : public Form {
 public:
  TCapComplete(Ui& ui, const MacroIndex& index, MacroRecord& record, std::string topProgram, bool globalDefault);

  // Hot key mode or Wordlet mode, as the radios say.
  void ShowMode();
  // A hot key pressed while the entry field has the focus (message 1).
  void HotKeyPressed(int code);
  FormReply OkButtonClick();

  Label titleLabel{*this, "TitleLabel", {12, 8, 300, 20}, "Macro Capture Complete"};
  Label assignLabel{*this, "AssignLabel", {12, 30, 330, 16}, "Please assign this macro to a hot key or wordlet."};
  Label nickNameLabel{*this, "NickNameLabel", {12, 56, 80, 16}, "NickName"};
  Edit nickName{*this, "NickName", {96, 52, 240, 21}, 50};
  GroupBox typeGroup{*this, "TypeGroup", {12, 80, 160, 46}, "Macro Type"};
  RadioButton hotKeysRadio{*this, "HotKeysRadio", {20, 98, 70, 17}, "&Hot Keys", 1};
  RadioButton wordletsRadio{*this, "WordletsRadio", {92, 98, 76, 17}, "&Wordlets", 1};
  GroupBox scopeGroup{*this, "ScopeGroup", {180, 80, 160, 46}, "Scope"};
  RadioButton globalRadio{*this, "GlobalRadio", {188, 98, 70, 17}, "&Global", 2};
  RadioButton programRadio{*this, "ProgramRadio", {262, 98, 74, 17}, "&Program", 2};
  Label selectLabel{*this, "SelectLabel", {12, 134, 200, 16}, "Select Hot Key"};
  Label placeLabel{*this, "PlaceLabel", {12, 152, 330, 16},
                   "Place cursor in field below and Press the Hot Key to select"};
  Edit hotKeyEntry{*this, "HotKeyEntry", {12, 172, 328, 21}};
  ListBox keyList{*this, "KeyList", {12, 200, 328, 212}};
  Label wordletLabel{*this, "WordletLabel", {12, 134, 100, 16}, "Wordlet Name"};
  Edit wordletName{*this, "WordletName", {12, 152, 120, 21}, 10};
  Button okButton{*this, "OkButton", {96, 420, 75, 25}, "&Ok", ButtonRole::Default};
  Button helpButton{*this, "HelpButton", {180, 420, 75, 25}, "&Help", ButtonRole::Help};

 private:
  FormReply KeyListClick();
  bool InGlobalUse(int code) const;

  Ui& ui_;
  const MacroIndex& index_;
  MacroRecord& record_;
  std::string topProgram_;
};

}  // namespace tavrix
