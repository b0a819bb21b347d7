#include "editing/timing_dialogs.h"

#include "editing/command_names.h"
#include "editing/script_compile.h"

namespace tavrix {

namespace lk = line_kind;

namespace {
constexpr const char* kSecondsRange = "Value must be greater than zero and no larger than 60.";
constexpr const char* kAboveZero = "Value must be greater than zero.";
}  // namespace

// --- TDoDelay2 -------------------------------------------------------------------

TDoDelay2::TDoDelay2() : CommandDialog("TDoDelay2", "Set Delay", 260, 124) {
  helpKeyword = "Delays";
  secondsRadio.checked = true;
  activeControl = &timeEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoDelay2::Load(int, const ScriptRecord& values) {
  const auto& delay = std::get<DelayRecord>(values);
  const bool seconds = delay.unit == 1.0;
  CheckIndex({&secondsRadio, &millisecondsRadio}, seconds ? 1 : 2);
  timeEdit.text = NumberText(delay.amount, seconds);
}

FormReply TDoDelay2::OkButtonClick() {
  if (secondsRadio.checked) {
    const std::optional<double> seconds = DecimalIn(timeEdit.text);
    if (!seconds || *seconds <= 0.0 || *seconds > 60.0) return FormReply::Refuse("Error", kSecondsRange, timeEdit);
    return Accept("<DELAY:" + TwoDecimals5(*seconds) + ">", lk::Delay, DelayRecord{1.0, *seconds});
  }
  const std::optional<long long> milliseconds = WholeNumberIn(timeEdit.text);
  if (!milliseconds || *milliseconds < 1) return FormReply::Refuse("Error", kAboveZero, timeEdit);
  // 9999 itself is accepted, whatever the message says.
  if (*milliseconds > 9999) return FormReply::Refuse("Error", "Value must be less than 9999.", timeEdit);
  return Accept("<MSD:" + Padded(*milliseconds, 4) + ">", lk::Delay,
                DelayRecord{2.0, static_cast<double>(*milliseconds)});
}

// --- TDoDelay --------------------------------------------------------------------

TDoDelay::TDoDelay(Mode mode) : CommandDialog("TDoDelay", "Set Delay", 260, 78), mode(mode) {
  switch (mode) {
    case Mode::Seconds:
      valueLabel.text = "Seconds To Delay";
      break;
    case Mode::Keypad:
      caption = "Alt Keypad Sequence";
      valueLabel.text = "Keypad Numbers";
      valueEdit.maxLength = 4;
      break;
    case Mode::Scheduler:
      caption = "Scheduler Frequency";
      valueLabel.text = "Check Every";
      unitLabel.text = "Seconds";
      valueEdit.maxLength = 2;
      break;
  }
  activeControl = &valueEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoDelay::Load(int, const ScriptRecord& values) {
  if (const auto* delay = std::get_if<DelayRecord>(&values)) valueEdit.text = NumberText(delay->amount, true);
}

FormReply TDoDelay::OkButtonClick() {
  switch (mode) {
    case Mode::Seconds: {
      const std::optional<double> seconds = DecimalIn(valueEdit.text);
      if (!seconds || *seconds <= 0.0 || *seconds > 60.0) return FormReply::Refuse("Error", kSecondsRange, valueEdit);
      return Accept("<DELAY:" + TwoDecimals5(*seconds) + ">", lk::Delay, DelayRecord{1.0, *seconds});
    }
    case Mode::Keypad: {
      const std::string digits = TrimmedText(valueEdit.text);
      if (!WholeNumberIn(digits) || digits.size() > 4) {
        return FormReply::Refuse("Error", "Value must be numeric.", valueEdit);
      }
      // One to three digits make a three-digit code, four digits stay four.
      const std::string tag = digits.size() == 4 ? "<ALT4:" + digits + ">"
                                                 : "<ALT:" + std::string(3 - digits.size(), '0') + digits + ">";
      return Accept(tag, lk::Text, TextRecord{tag});
    }
    case Mode::Scheduler: {
      const std::optional<long long> seconds = WholeNumberIn(valueEdit.text);
      if (!seconds || *seconds < 1 || *seconds > 60) {
        return FormReply::Refuse("Error", "Value must be between 1 and 60.", valueEdit);
      }
      schedulerSeconds = static_cast<int>(*seconds);
      return FormReply::Close(ModalResult::Ok);
    }
  }
  return FormReply::Stay();
}

// --- TDoSpeed --------------------------------------------------------------------

TDoSpeed::TDoSpeed() : CommandDialog("TDoSpeed", "Speed", 260, 146) {
  helpKeyword = "Keyboard and Mouse Speed";
  keyboardRadio.checked = true;
  for (RadioButton* radio : {&keyboardRadio, &mouseRadio, &macroRadio}) {
    radio->onClick = [this] {
      ShowLabel();
      return FormReply::Stay();
    };
  }
  activeControl = &valueEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoSpeed::ShowLabel() { valueLabel.text = macroRadio.checked ? "Playback Factor" : "Delay in Milliseconds"; }

void TDoSpeed::Load(int, const ScriptRecord& values) {
  const auto& speed = std::get<SpeedRecord>(values);
  CheckIndex({&keyboardRadio, &mouseRadio, &macroRadio}, speed.speedKind);
  valueEdit.text = speed.speedKind == 3 ? NumberText(speed.factor, true) : std::to_string(speed.milliseconds);
  ShowLabel();
}

FormReply TDoSpeed::OkButtonClick() {
  constexpr const char* kNotNegative = "Value must be zero or greater.";
  if (macroRadio.checked) {
    const std::optional<double> factor = DecimalIn(valueEdit.text);
    if (!factor) return FormReply::Refuse("Error", kNotNegative, valueEdit);
    return Accept("<SPEED:" + TwoDecimals5(*factor) + ">", lk::PlaybackSpeed, SpeedRecord{3, 0, *factor});
  }
  const std::optional<long long> milliseconds = WholeNumberIn(valueEdit.text);
  if (!milliseconds) return FormReply::Refuse("Error", kNotNegative, valueEdit);
  const bool keys = keyboardRadio.checked;
  return Accept(std::string(keys ? "<SPKEY:" : "<SPMSE:") + Padded(*milliseconds, 4) + ">",
                keys ? lk::KeystrokeSpeed : lk::MouseSpeed,
                SpeedRecord{keys ? 1 : 2, static_cast<int>(*milliseconds), 1.0});
}

// --- TDoRepeat -------------------------------------------------------------------

TDoRepeat::TDoRepeat() : CommandDialog("TDoRepeat", "Repeat Options", 260, 168) {
  startRadio.checked = true;
  for (RadioButton* radio : {&startRadio, &endRadio, &counterRadio, &promptRadio}) {
    radio->onClick = [this] {
      ShowLabel();
      return FormReply::Stay();
    };
  }
  countEdit.text = "1";
  activeControl = &countEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoRepeat::ShowLabel() {
  countLabel.text = counterRadio.checked ? "Counter Width" : "Repeat Count";
  const bool needsNumber = startRadio.checked || counterRadio.checked;
  countLabel.enabled = needsNumber;
  countEdit.enabled = needsNumber;
}

void TDoRepeat::Load(int, const ScriptRecord& values) {
  const auto& repeat = std::get<RepeatRecord>(values);
  // The radios stand in the order start, end, counter, prompt.
  static constexpr int kRadioOfKind[] = {0, 1, 4, 2, 3};
  CheckIndex({&startRadio, &endRadio, &counterRadio, &promptRadio},
             repeat.repeatKind >= 1 && repeat.repeatKind <= 4 ? kRadioOfKind[repeat.repeatKind] : 1);
  countEdit.text = std::to_string(repeat.number);
  ShowLabel();
}

FormReply TDoRepeat::OkButtonClick() {
  if (endRadio.checked) return Accept("<ENDREP>", lk::RepeatEnd, RepeatRecord{3, 0});
  if (promptRadio.checked) return Accept("<PROMPTREP>", lk::RepeatPromptStart, RepeatRecord{2, 0});
  const std::optional<long long> number = WholeNumberIn(countEdit.text);
  if (counterRadio.checked) {
    if (!number || *number < 1 || *number > 4) {
      return FormReply::Refuse("Error", "Width must be between 1 and 4.", countEdit);
    }
    const int width = static_cast<int>(*number);
    return Accept("<" + std::string(static_cast<std::size_t>(width), 'I') + ">", lk::RepeatCounter,
                  RepeatRecord{4, width});
  }
  if (!number || *number < 1) return FormReply::Refuse("Error", kAboveZero, countEdit);
  return Accept("<REPEAT:" + Padded(*number, 4) + ">", lk::RepeatStart, RepeatRecord{1, static_cast<int>(*number)});
}

// --- TDoPausePos -----------------------------------------------------------------

TDoPausePos::TDoPausePos() : CommandDialog("TDoPausePos", "Pause Window", 280, kBasicHeight) {
  helpKeyword = "Macro Pause";
  basicRadio.checked = true;
  for (RadioButton* radio : {&basicRadio, &complexRadio}) {
    radio->onClick = [this] {
      ShowKind();
      return FormReply::Stay();
    };
  }
  topEdit.text = "0";
  leftEdit.text = "0";
  activeControl = &basicRadio;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
  ShowKind();
}

void TDoPausePos::ShowKind() {
  const bool complex = complexRadio.checked;
  clientHeight = complex ? kComplexHeight : kBasicHeight;
  for (Control* control : {static_cast<Control*>(&topLabel), static_cast<Control*>(&topEdit),
                           static_cast<Control*>(&leftLabel), static_cast<Control*>(&leftEdit),
                           static_cast<Control*>(&messageLabel), static_cast<Control*>(&messageEdit)}) {
    control->visible = complex;
  }
  const int buttonsTop = complex ? 200 : 40;
  for (Button* button : {&buttons.ok, &buttons.cancel, &buttons.help}) button->bounds.top = buttonsTop;
}

void TDoPausePos::Load(int, const ScriptRecord& values) {
  const auto& pause = std::get<PauseRecord>(values);
  CheckIndex({&basicRadio, &complexRadio}, pause.pauseKind == 1 ? 1 : 2);
  topEdit.text = std::to_string(pause.top);
  leftEdit.text = std::to_string(pause.left);
  messageEdit.text = pause.message;
  ShowKind();
}

FormReply TDoPausePos::OkButtonClick() {
  if (basicRadio.checked) return Accept("<PAUSE>", lk::Pause, PauseRecord{1, 0, 0, {}});
  const std::optional<long long> top = WholeNumberIn(topEdit.text);
  if (!top) return FormReply::Refuse("Error", "Invalid Top Window Coordinate entered.  Please correct.", topEdit);
  const std::optional<long long> left = WholeNumberIn(leftEdit.text);
  if (!left) return FormReply::Refuse("Error", "Invalid Left Window Coordinate entered.  Please correct.", leftEdit);
  const std::string message = TrimmedText(messageEdit.text).substr(0, kRecordStringCapacity);
  return Accept("<PAUSE:" + Padded(*top, 3) + "," + Padded(*left, 3) + message + ">", lk::Pause,
                PauseRecord{2, static_cast<int>(*top), static_cast<int>(*left), message});
}

}  // namespace tavrix
