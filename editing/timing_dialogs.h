// The command dialogs of waits, speeds, repeats and pauses.
#pragma once

#include "editing/command_dialog.h"

namespace tavrix {

// "Set Delay": seconds or milliseconds.
class TDoDelay2 : public CommandDialog {
 public:
  TDoDelay2();
  void Load(int kind, const ScriptRecord& record) override;
  void Preset(int) override {}  // seconds, and nothing typed yet
  FormReply OkButtonClick() override;

  RadioButton secondsRadio{*this, "SecondsRadio", {8, 8, 160, 17}, "Delay in Seconds"};
  RadioButton millisecondsRadio{*this, "MillisecondsRadio", {8, 30, 160, 17}, "Delay in Milliseconds"};
  Label timeLabel{*this, "TimeLabel", {8, 60, 70, 16}, "Delay Time"};
  Edit timeEdit{*this, "TimeEdit", {84, 56, 60, 21}, 5};
  DialogButtons buttons{*this, 90};
};

// "Set Delay" in one of three modes: a delay in seconds, an Alt keypad
// sequence (for the symbol dialog) or the scheduler's check interval.
class TDoDelay : public CommandDialog {
 public:
  enum class Mode { Seconds, Keypad, Scheduler };
  explicit TDoDelay(Mode mode);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  const Mode mode;
  int schedulerSeconds = 0;  // scheduler mode: the accepted interval

  Label valueLabel{*this, "ValueLabel", {8, 12, 110, 16}};
  Edit valueEdit{*this, "ValueEdit", {124, 8, 70, 21}, 10};
  Label unitLabel{*this, "UnitLabel", {200, 12, 50, 16}};
  DialogButtons buttons{*this, 44};
};

// "Speed": the key delay, the mouse delay or the playback factor.
class TDoSpeed : public CommandDialog {
 public:
  TDoSpeed();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton keyboardRadio{*this, "KeyboardRadio", {8, 8, 160, 17}, "&Keyboard Speed"};
  RadioButton mouseRadio{*this, "MouseRadio", {8, 30, 160, 17}, "&Mouse Speed"};
  RadioButton macroRadio{*this, "MacroRadio", {8, 52, 160, 17}, "M&acro Speed"};
  Label valueLabel{*this, "ValueLabel", {8, 82, 130, 16}, "Delay in Milliseconds"};
  Edit valueEdit{*this, "ValueEdit", {144, 78, 60, 21}, 4};
  DialogButtons buttons{*this, 112};

 private:
  void ShowLabel();
};

// "Repeat Options": start, end, counter or start with a prompt.
class TDoRepeat : public CommandDialog {
 public:
  TDoRepeat();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton startRadio{*this, "StartRadio", {8, 8, 200, 17}, "&Start Repeat"};
  RadioButton endRadio{*this, "EndRadio", {8, 30, 200, 17}, "&End Repeat"};
  RadioButton counterRadio{*this, "CounterRadio", {8, 52, 200, 17}, "&Incremental Counter"};
  RadioButton promptRadio{*this, "PromptRadio", {8, 74, 200, 17}, "Start Repeat with &Prompt"};
  Label countLabel{*this, "CountLabel", {8, 104, 90, 16}, "Repeat Count"};
  Edit countEdit{*this, "CountEdit", {104, 100, 60, 21}, 4};
  DialogButtons buttons{*this, 134};

 private:
  void ShowLabel();
};

// "Pause Window": the basic pause or one with a place and a message.
class TDoPausePos : public CommandDialog {
 public:
  static constexpr int kBasicHeight = 93;
  static constexpr int kComplexHeight = 242;
  TDoPausePos();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton basicRadio{*this, "BasicRadio", {8, 8, 130, 17}, "&Basic Pause"};
  RadioButton complexRadio{*this, "ComplexRadio", {144, 8, 130, 17}, "Complex &Pause"};
  DialogButtons buttons{*this, 40};
  Label topLabel{*this, "TopLabel", {8, 80, 100, 16}, "Top Coordinate"};
  Edit topEdit{*this, "TopEdit", {116, 76, 50, 21}, 3};
  Label leftLabel{*this, "LeftLabel", {8, 108, 100, 16}, "Left Coordinate"};
  Edit leftEdit{*this, "LeftEdit", {116, 104, 50, 21}, 3};
  Label messageLabel{*this, "MessageLabel", {8, 136, 100, 16}, "Message"};
  Edit messageEdit{*this, "MessageEdit", {8, 154, 260, 21}, 180};

  // The box's height and the coordinate fields follow the kind of pause.
  void ShowKind();
};

}  // namespace tavrix
