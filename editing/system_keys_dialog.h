// "System Hot Keys" (`TSystemKeys`): the hot keys of the four system
// activations (open the program, start or stop a capture, resume a paused
// macro, the menu of the window in front) and the display style of that
// menu. Opened by "Rename Macro" on a SYSTEM macro; its caller holds the
// file-in-use check, publishes the hot keys and writes the configuration.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/form.h"
#include "platform/ui.h"
#include "store/macro_file.h"

namespace tavrix {

class TSystemKeys : public Form {
 public:
  static constexpr const char* kName = "TSystemKeys";

  // `focusDigit` (1..4) names the system activation whose field gets the
  // focus; `systemMenu` is the configuration's menu style (1, 2 or 3).
  TSystemKeys(MacroFile& file, int focusDigit, int systemMenu);

  static constexpr const char* kHelpKeyword = "SYSTEM Hot Keys";

  // --- Read after closing ----------------------------------------------------
  bool changed = false;
  int systemMenu = 1;

  void FormShow(const TextMeasure& measure) override;
  // Hot key `code` pressed in the field of system activation `digit`.
  FormReply KeyPressed(int digit, int code);
  FormReply OkButtonClick();

  // The key a field now shows (-1: no SYSTEM macro for it).
  int PendingKey(int digit) const { return pending_[static_cast<std::size_t>(digit - 1)]; }
  int MacroNumber(int digit) const { return numbers_[static_cast<std::size_t>(digit - 1)]; }
  Edit& Field(int digit) { return *fields_[static_cast<std::size_t>(digit - 1)]; }

  Label actProgLabel{*this, "ActProgLabel", {8, 12, 200, 16}, "Activate Program"};
  Edit actProg{*this, "ActProg", {210, 8, 180, 21}};
  Label startCapLabel{*this, "StartCapLabel", {8, 40, 200, 16}, "Start/Stop Capture"};
  Edit startCap{*this, "StartCap", {210, 36, 180, 21}};
  Label resumeLabel{*this, "ResumeLabel", {8, 68, 200, 16}, "Resume Pause"};
  Edit resume{*this, "Resume", {210, 64, 180, 21}};
  Label menuTopLabel{*this, "MenuTopLabel", {8, 92, 200, 32},
                     "Display Menu of all Hot Keys associated with top most Window"};
  Edit menuTop{*this, "MenuTop", {210, 96, 180, 21}};
  GroupBox styleGroup{*this, "StyleGroup", {8, 128, 382, 44}, "Menu Style"};
  RadioButton firstPartRadio{*this, "FirstPartRadio", {16, 146, 130, 17}, "First Part of Macro"};
  RadioButton iconsRadio{*this, "IconsRadio", {150, 146, 70, 17}, "Icons"};
  RadioButton nickNameRadio{*this, "NickNameRadio", {224, 146, 160, 17}, "Nickname and Scope"};
  Button okButton{*this, "OkButton", {120, 182, 80, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {206, 182, 80, 25}, "&Cancel", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {292, 182, 80, 25}, "&Help", ButtonRole::Help};

 private:
  MacroFile& file_;
  int focusDigit_;
  std::array<Edit*, 4> fields_{&actProg, &startCap, &resume, &menuTop};
  std::array<int, 4> numbers_{};  // the SYSTEM macro of each field (0: none)
  std::array<int, 4> start_{};    // each field's key when the dialog showed
  std::array<int, 4> pending_{};  // each field's key now
};

}  // namespace tavrix
