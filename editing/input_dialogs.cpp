#include "editing/input_dialogs.h"

#include "editing/command_names.h"
#include "editing/script_compile.h"
#include "editing/script_view.h"
#include "editing/timing_dialogs.h"
#include "playback/date_time_formats.h"

namespace tavrix {

namespace lk = line_kind;

// --- TDoMouse ---------------------------------------------------------------------

TDoMouse::TDoMouse() : CommandDialog("TDoMouse", "Mouse Commands", 370, 274) {
  leftClick.checked = true;
  screenRadio.checked = true;
  xEdit.text = "0";
  yEdit.text = "0";
  clicksEdit.text = "1";
  activeControl = &leftClick;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

RadioButton& TDoMouse::RadioOf(int action) {
  RadioButton* radios[] = {&move,        &leftClick,        &leftDoubleClick, &leftDown,   &leftUp,
                           &rightClick,  &rightDoubleClick, &rightDown,       &rightUp,    &middleClick,
                           &middleDoubleClick, &middleDown, &middleUp,        &wheelForward, &wheelBackward};
  return *radios[action >= 1 && action <= 15 ? action - 1 : 1];
}

void TDoMouse::Load(int, const ScriptRecord& values) {
  const auto& mouse = std::get<MouseRecord>(values);
  Click(RadioOf(mouse.action));
  CheckIndex({&screenRadio, &windowRadio}, mouse.windowRelative ? 2 : 1);
  xEdit.text = std::to_string(mouse.x);
  yEdit.text = std::to_string(mouse.y);
  clicksEdit.text = std::to_string(mouse.amount);
}

FormReply TDoMouse::OkButtonClick() {
  int action = 0;
  for (int a = 1; a <= 15 && action == 0; ++a) action = RadioOf(a).checked ? a : 0;
  if (action == mouse_action::Move) {
    const std::optional<long long> x = WholeNumberIn(xEdit.text);
    if (!x || *x > 30000) return FormReply::Refuse("Error", "Invalid X Position specified.  Please correct.", xEdit);
    const std::optional<long long> y = WholeNumberIn(yEdit.text);
    if (!y || *y > 30000) return FormReply::Refuse("Error", "Invalid Y Position specified.  Please correct.", yEdit);
    const bool window = windowRadio.checked;
    return Accept(std::string(window ? "<MMW:" : "<MMS:") + Padded(*x, 5) + "," + Padded(*y, 5) + ">", lk::MouseMove,
                  MouseRecord{static_cast<int>(*x), static_cast<int>(*y), 0, action, window});
  }
  if (action == mouse_action::WheelForward || action == mouse_action::WheelBackward) {
    const std::optional<long long> clicks = WholeNumberIn(clicksEdit.text);
    if (!clicks || *clicks < 1) {
      return FormReply::Refuse("Error", "Invalid number of wheel clicks specified.  Please correct.", clicksEdit);
    }
    const bool forward = action == mouse_action::WheelForward;
    return Accept(std::string(forward ? "<WFW:" : "<WBW:") + Padded(*clicks, 3) + ">", lk::MouseWheel,
                  MouseRecord{0, 0, static_cast<int>(*clicks), action, true});
  }
  static constexpr const char* kTags[] = {"<LCLK>", "<LDCLK>", "<LDN>",  "<LUP>",  "<RCLK>",  "<RDCLK>",
                                          "<RDN>",  "<RUP>",   "<MCLK>", "<MDCLK>", "<MDN>", "<MUP>"};
  const int kind = lk::LeftMouseButton + (action - mouse_action::LeftClick) / 4;
  return Accept(kTags[action - mouse_action::LeftClick], kind, MouseRecord{0, 0, 0, action, true});
}

// --- TDoKeyUpDown -----------------------------------------------------------------

TDoKeyUpDown::TDoKeyUpDown() : CommandDialog("TDoKeyUpDown", "Keys Up Or Down", 260, 194) {
  controlDown.checked = true;
  activeControl = &controlDown;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoKeyUpDown::Load(int, const ScriptRecord& values) {
  CheckIndex({&controlDown, &controlUp, &altDown, &altUp, &shiftDown, &shiftUp, &winDown, &winUp},
             std::get<KeyRecord>(values).keyCode);
}

FormReply TDoKeyUpDown::OkButtonClick() {
  static constexpr const char* kTags[] = {"<CTLD>", "<CTLU>", "<ALTD>", "<ALTU>",
                                          "<SHFD>", "<SHFU>", "<WIND>", "<WINU>"};
  int code = CheckedIndex({&controlDown, &controlUp, &altDown, &altUp, &shiftDown, &shiftUp, &winDown, &winUp});
  if (code == 0) code = 1;
  return Accept(kTags[code - 1], lk::ControlKey + (code - 1) / 2, KeyRecord{code});
}

// --- TDateOrTime ------------------------------------------------------------------

TDateOrTime::TDateOrTime(bool dates) : CommandDialog("TDateOrTime", dates ? "Dates" : "Times", 316, 300), dates(dates) {
  titleLabel.text = dates ? "Select Date Format" : "Select Time Format";
  helpKeyword = dates ? "Date Format" : "Time Format";
  if (dates) {
    for (int f = 1; f <= static_cast<int>(DateFormatNames.size()); ++f) {
      formatList.items.push_back(std::string(DateFormatNames[f - 1]) + "    " + DateFormatExample(f));
    }
  } else {
    for (int f = 1; f <= static_cast<int>(TimeFormatNames.size()); ++f) {
      formatList.items.push_back(std::string(TimeFormatNames[f - 1]) + "    " + TimeFormatExample(f));
    }
  }
  formatList.itemIndex = 0;
  daysEdit.text = "0";
  futureRadio.checked = true;
  for (Control* control : {static_cast<Control*>(&setDateLabel), static_cast<Control*>(&daysEdit),
                           static_cast<Control*>(&daysIntoLabel), static_cast<Control*>(&futureRadio),
                           static_cast<Control*>(&pastRadio)}) {
    control->visible = dates;
  }
  formatList.onDoubleClick = [this] { return OkButtonClick(); };
  activeControl = &formatList;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDateOrTime::Load(int, const ScriptRecord& values) {
  const auto& date = std::get<DateTimeRecord>(values);
  formatList.itemIndex = date.format >= 1 && date.format <= static_cast<int>(formatList.items.size()) ? date.format - 1 : 0;
  noZerosBox.checked = !date.leadingZeros;
  daysEdit.text = std::to_string(date.dayOffset);
  CheckIndex({&futureRadio, &pastRadio}, date.future ? 1 : 2);
}

FormReply TDateOrTime::OkButtonClick() {
  const int format = formatList.itemIndex >= 0 ? formatList.itemIndex + 1 : 1;
  const bool zeros = !noZerosBox.checked;
  if (!dates) {
    DateTimeRecord values{false, format, zeros, true, 0};
    return Accept(CompileLine(lk::Time, values), lk::Time, values);
  }
  const int days = static_cast<int>(WholeNumberIn(daysEdit.text).value_or(0));
  DateTimeRecord values{true, format, zeros, !pastRadio.checked, days};
  return Accept(CompileLine(lk::Date, values), lk::Date, values);
}

// --- TDoSpecial -------------------------------------------------------------------

TDoSpecial::TDoSpecial(Ui& ui) : CommandDialog("TDoSpecial", "Insert Symbol", 336, 244), ui_(ui) {
  for (int column = 0; column < 16; ++column) {
    for (int row = 0; row < 8; ++row) symbolGrid.items.emplace_back(1, static_cast<char>(128 + column * 8 + row));
  }
  symbolGrid.onDoubleClick = [this] { return OkButtonClick(); };
  keypadButton.onClick = [this] {
    TDoDelay keypad(TDoDelay::Mode::Keypad);
    if (ui_.RunForm(keypad) != ModalResult::Ok) return FormReply::Stay();
    return Accept(keypad.tagText, lk::Text, TextRecord{keypad.tagText});
  };
  activeControl = &symbolGrid;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoSpecial::Load(int, const ScriptRecord&) {}

FormReply TDoSpecial::OkButtonClick() {
  if (symbolGrid.itemIndex < 0) return FormReply::Close(ModalResult::Cancel);
  const std::string symbol = symbolGrid.items[static_cast<std::size_t>(symbolGrid.itemIndex)];
  return Accept(symbol, lk::Text, TextRecord{symbol});
}

}  // namespace tavrix
