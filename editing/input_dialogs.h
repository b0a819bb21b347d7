// The command dialogs of the mouse, of keys held down, of dates and times and
// of special characters.
#pragma once

#include "editing/command_dialog.h"
#include "platform/ui.h"

namespace tavrix {

// "Mouse Commands": a button action, a move or a turn of the wheel.
class TDoMouse : public CommandDialog {
 public:
  TDoMouse();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;
  // The radio of a mouse action (1..15).
  RadioButton& RadioOf(int action);

  RadioButton leftClick{*this, "LeftClickRadio", {8, 8, 170, 17}, "&Left Button Click", 1};
  RadioButton leftDoubleClick{*this, "LeftDoubleClickRadio", {8, 26, 170, 17}, "L&eft Button Double Click", 1};
  RadioButton leftDown{*this, "LeftDownRadio", {8, 44, 170, 17}, "Le&ft Button Down", 1};
  RadioButton leftUp{*this, "LeftUpRadio", {8, 62, 170, 17}, "Lef&t Button Up", 1};
  RadioButton rightClick{*this, "RightClickRadio", {8, 84, 170, 17}, "&Right Button Click", 1};
  RadioButton rightDoubleClick{*this, "RightDoubleClickRadio", {8, 102, 170, 17}, "Right Button Double Click", 1};
  RadioButton rightDown{*this, "RightDownRadio", {8, 120, 170, 17}, "Right Button Down", 1};
  RadioButton rightUp{*this, "RightUpRadio", {8, 138, 170, 17}, "Right Button Up", 1};
  RadioButton middleClick{*this, "MiddleClickRadio", {8, 160, 170, 17}, "Mi&ddle Button Click", 1};
  RadioButton middleDoubleClick{*this, "MiddleDoubleClickRadio", {8, 178, 170, 17}, "Middle Button Double Click", 1};
  RadioButton middleDown{*this, "MiddleDownRadio", {8, 196, 170, 17}, "Middle Button Down", 1};
  RadioButton middleUp{*this, "MiddleUpRadio", {8, 214, 170, 17}, "Middle Button Up", 1};
  RadioButton move{*this, "MoveRadio", {190, 8, 170, 17}, "Mouse Mo&ve", 1};
  RadioButton screenRadio{*this, "ScreenRadio", {206, 28, 150, 17}, "Relative To &Screen", 2};
  RadioButton windowRadio{*this, "WindowRadio", {206, 46, 150, 17}, "Relative To Wi&ndow", 2};
  Label xLabel{*this, "XLabel", {206, 70, 40, 16}, "X Pos"};
  Edit xEdit{*this, "XEdit", {250, 66, 60, 21}, 5};
  Label yLabel{*this, "YLabel", {206, 96, 40, 16}, "Y Pos"};
  Edit yEdit{*this, "YEdit", {250, 92, 60, 21}, 5};
  RadioButton wheelForward{*this, "WheelForwardRadio", {190, 130, 170, 17}, "Mouse &Wheel Forward", 1};
  RadioButton wheelBackward{*this, "WheelBackwardRadio", {190, 148, 170, 17}, "Mouse Wheel &Backward", 1};
  Label clicksLabel{*this, "ClicksLabel", {206, 172, 70, 16}, "Wheel Clicks"};
  Edit clicksEdit{*this, "ClicksEdit", {280, 168, 40, 21}, 3};
  DialogButtons buttons{*this, 240};
};

// "Keys Up Or Down".
class TDoKeyUpDown : public CommandDialog {
 public:
  TDoKeyUpDown();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton controlDown{*this, "ControlDownRadio", {8, 8, 150, 17}, "C&ontrol Key Down"};
  RadioButton controlUp{*this, "ControlUpRadio", {8, 26, 150, 17}, "Co&ntrol Key Up"};
  RadioButton altDown{*this, "AltDownRadio", {8, 44, 150, 17}, "&Alt Key Down"};
  RadioButton altUp{*this, "AltUpRadio", {8, 62, 150, 17}, "A&lt Key Up"};
  RadioButton shiftDown{*this, "ShiftDownRadio", {8, 80, 150, 17}, "&Shift Key Down"};
  RadioButton shiftUp{*this, "ShiftUpRadio", {8, 98, 150, 17}, "S&hift Key Up"};
  RadioButton winDown{*this, "WinDownRadio", {8, 116, 150, 17}, "&Win Key Down"};
  RadioButton winUp{*this, "WinUpRadio", {8, 134, 150, 17}, "W&in Key Up"};
  DialogButtons buttons{*this, 160};
};

// "Dates" or "Times": a format from the list, leading zeros, and for a date
// a number of days into the future or the past.
class TDateOrTime : public CommandDialog {
 public:
  explicit TDateOrTime(bool dates);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  const bool dates;
  Label titleLabel{*this, "TitleLabel", {8, 8, 200, 16}};
  ListBox formatList{*this, "FormatList", {8, 26, 300, 180}};
  CheckBox noZerosBox{*this, "NoZerosBox", {8, 212, 200, 17}, "Do not show leading zeros"};
  Label setDateLabel{*this, "SetDateLabel", {8, 238, 60, 16}, "Set date"};
  Edit daysEdit{*this, "DaysEdit", {72, 234, 40, 21}, 3};
  Label daysIntoLabel{*this, "DaysIntoLabel", {118, 238, 60, 16}, "days into"};
  RadioButton futureRadio{*this, "FutureRadio", {180, 236, 60, 17}, "&future"};
  RadioButton pastRadio{*this, "PastRadio", {244, 236, 60, 17}, "&past"};
  DialogButtons buttons{*this, 266};
};

// "Insert Symbol": one of the characters 128 to 255, or an Alt keypad
// sequence typed into `TDoDelay`.
class TDoSpecial : public CommandDialog {
 public:
  explicit TDoSpecial(Ui& ui);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  // The 16 x 8 grid is read column by column: cell (column, row) holds the
  // character 128 + column * 8 + row; the list holds them in that order.
  ListBox symbolGrid{*this, "SymbolGrid", {8, 8, 320, 160}};
  Button keypadButton{*this, "KeypadButton", {8, 176, 150, 25}, "&Alt Keypad Sequence"};
  DialogButtons buttons{*this, 210};

 private:
  Ui& ui_;
};

}  // namespace tavrix
