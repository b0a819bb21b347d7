#include "activation/scheduler_dialogs.h"

#include <optional>

#include "base/ascii_text.h"

namespace tavrix {
namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kInvalidDay = "Invalid day of month specified.";
constexpr const char* kElapsed = "Specified date has already elapsed.";
constexpr const char* kInvalidMinutes = "Invalid minutes specified.";
constexpr const char* kInvalidInterval = "Invalid minutes specified.  Must be between 1 and 720.";

constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Trimmed(std::string_view text, char blank = ' ') {
  const auto first = text.find_first_not_of(blank);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blank);
  return std::string(text.substr(first, last - first + 1));
}

// A whole number of digits only (after trimming); nothing otherwise.
std::optional<int> NumberIn(std::string_view text) {
  const std::string digits = Trimmed(text);
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

int MonthLength(int month, int year) {
  constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && year % 4 == 0) return 29;
  return month >= 1 && month <= 12 ? kLengths[month - 1] : 0;
}

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value); }

}  // namespace

// --- TWordletOptions ----------------------------------------------------------------

TWordletOptions::TWordletOptions() : Form("TWordletOptions", "Wordlet Options", 264, 152) {
  activeControl = &okButton;
  prefixBox.onClick = [this] {
    prefixKeys.enabled = prefixBox.checked;
    return FormReply::Stay();
  };
  prefixKeys.onChange = [this] { return PrefixKeysChange(); };
  okButton.onClick = [this] { return OkButtonClick(); };
}

void TWordletOptions::Load(const WordletOptions& options) {
  solitaryBox.checked = options.solitary;
  prefixBox.checked = !options.useSuffix;
  caseBox.checked = options.caseSensitive;
  prefixKeys.text = options.prefixKeys;
  prefixKeys.enabled = prefixBox.checked;
}

FormReply TWordletOptions::PrefixKeysChange() {
  for (char c : prefixKeys.text)
    if (c != ' ' && !IsWordletChar(c)) return FormReply::Refuse(kErrorTitle, kPrefixKeysInvalid, prefixKeys);
  return FormReply::Stay();
}

FormReply TWordletOptions::OkButtonClick() {
  if (FormReply reply = PrefixKeysChange(); reply.kind == FormReply::Kind::Refuse) return reply;
  return FormReply::Close(ModalResult::Ok);
}

WordletOptions TWordletOptions::Result() const {
  WordletOptions options;
  options.solitary = solitaryBox.checked;
  options.useSuffix = !prefixBox.checked;
  options.caseSensitive = caseBox.checked;
  options.prefixKeys = Trimmed(prefixKeys.text).substr(0, 2);
  return options;
}

// --- Time fields ----------------------------------------------------------------------

void ReadScheduleTime(std::string_view text, MacroRecord& record) {
  const std::string time = Trimmed(text);
  const std::size_t colon = time.find(':');
  // Without a colon the hour is the first character and the minute follows it.
  const std::size_t hourEnd = colon == std::string::npos ? 1 : colon;
  const std::size_t minuteStart = colon == std::string::npos ? 1 : colon + 1;
  const auto part = [&](std::size_t from, std::size_t length) {
    return from < time.size() ? time.substr(from, length) : std::string();
  };
  int hour = NumberIn(part(0, hourEnd)).value_or(0);
  int minute = NumberIn(part(minuteStart, 2)).value_or(0);
  bool pm = ToUpperAscii(part(minuteStart + 2, 2)) == "PM";
  if (hour > 23) hour = 0;
  if (hour > 12) {
    hour -= 12;
    pm = true;
  }
  if (minute > 59) minute = 0;
  record.SetSchedHour(Byte(hour));
  record.SetSchedMinute(Byte(minute));
  record.SetSchedPM(pm ? 1 : 0);
}

std::string ScheduleTimeText(const MacroRecord& record) {
  return TwoDigits(record.SchedHour()) + ":" + TwoDigits(record.SchedMinute()) + (record.SchedPM() != 0 ? "PM" : "AM");
}

// --- TDoSchedule ----------------------------------------------------------------------

TDoSchedule::TDoSchedule(MacroRecord& record_, const LocalDateTime& today_)
    : Form("TDoSchedule", "Set Schedule", 370, 206), record(record_), today(today_) {
  panels_ = {
      {&onceAtLabel, &onceTime, &onceOnLabel, &onceMonth, &onceDay, &onceYear},
      {&hourlyAtLabel, &hourlyMinutes, &hourlyUnitLabel},
      {&dailyAtLabel, &dailyTime},
      {&weeklyAtLabel, &weeklyTime, &weeklyEveryLabel, &weeklyDayOfWeek},
      {&monthlyAtLabel, &monthlyTime, &monthlyOnLabel, &monthlyDay, &monthlyUnitLabel},
      {&otherLabel, &otherEveryLabel, &otherMinutes, &otherUnitLabel},
  };
  for (CheckBox& box : dayBoxes) panels_[kScheduleDaily - 1].push_back(&box);
  kindRadios_ = {&startupRadio, &onceRadio, &hourlyRadio, &dailyRadio, &weeklyRadio, &monthlyRadio, &otherRadio};
  for (RadioButton* radio : kindRadios_) {
    radio->group = 1;
    radio->onClick = [this] {
      ShowPanel();
      return FormReply::Stay();
    };
  }
  onceMonth.items.assign(std::begin(kMonths), std::end(kMonths));
  weeklyDayOfWeek.items.assign(std::begin(kWeekdays), std::end(kWeekdays));

  // The record's values.
  const int kind = record.SchedKind();
  if (kind >= 0 && kind < static_cast<int>(kindRadios_.size())) kindRadios_[static_cast<std::size_t>(kind)]->checked = true;
  const std::string time = ScheduleTimeText(record);
  onceTime.text = dailyTime.text = weeklyTime.text = monthlyTime.text = time;
  onceMonth.itemIndex = record.SchedMonth() >= 1 && record.SchedMonth() <= 12 ? record.SchedMonth() - 1 : 0;
  onceDay.text = std::to_string(record.SchedDay());
  monthlyDay.text = std::to_string(record.SchedDay());
  onceYear.text = std::to_string(record.SchedYear());
  hourlyMinutes.text = std::to_string(record.SchedPastHour());
  otherMinutes.text = std::to_string(record.SchedInterval());
  weeklyDayOfWeek.itemIndex = record.SchedWeekday() >= 1 && record.SchedWeekday() <= 7 ? record.SchedWeekday() - 1 : 0;
  for (int i = 0; i < 6; ++i) dayBoxes[static_cast<std::size_t>(i)].checked = record.SchedMon(i) != 0;
  dayBoxes[6].checked = record.SchedSun() != 0;
  activeControl = &updateButton;
  updateButton.onClick = [this] { return UpdateButtonClick(); };
  ShowPanel();
}

void TDoSchedule::ShowPanel() {
  for (std::size_t k = 0; k < panels_.size(); ++k) {
    const bool shown = kindRadios_[k + 1]->checked;
    for (Control* control : panels_[k]) control->visible = control->enabled = shown;
  }
}

FormReply TDoSchedule::UpdateButtonClick() {
  int kind = 0;
  for (std::size_t k = 0; k < kindRadios_.size(); ++k)
    if (kindRadios_[k]->checked) kind = static_cast<int>(k);
  record.SetSchedKind(static_cast<std::int16_t>(kind));
  for (int i = 0; i < 6; ++i) record.SetSchedMon(i, dayBoxes[static_cast<std::size_t>(i)].checked ? 1 : 0);
  record.SetSchedSun(dayBoxes[6].checked ? 1 : 0);

  switch (kind) {
    case kScheduleOnce: {
      const int year = NumberIn(onceYear.text).value_or(0);
      const int month = onceMonth.itemIndex + 1;
      const std::optional<int> day = NumberIn(onceDay.text);
      record.SetSchedYear(static_cast<std::uint16_t>(year > 65535 ? 65535 : year));
      record.SetSchedMonth(Byte(month));
      record.SetSchedDay(Byte(day.value_or(0)));
      if (!day || *day < 1 || *day > MonthLength(month, year)) return FormReply::Refuse(kErrorTitle, kInvalidDay, onceDay);
      if (year != today.year) {
        if (year < today.year) return FormReply::Refuse(kErrorTitle, kElapsed, onceYear);
      } else if (month != today.month) {
        if (month < today.month) return FormReply::Refuse(kErrorTitle, kElapsed, onceMonth);
      } else if (*day < today.day) {
        return FormReply::Refuse(kErrorTitle, kElapsed, onceDay);
      }
      ReadScheduleTime(onceTime.text, record);
      break;
    }
    case kScheduleHourly: {
      const std::optional<int> minutes = NumberIn(hourlyMinutes.text);
      if (minutes) record.SetSchedPastHour(Byte(*minutes));
      if (!minutes || *minutes >= 60) return FormReply::Refuse(kErrorTitle, kInvalidMinutes, hourlyMinutes);
      break;
    }
    case kScheduleDaily: ReadScheduleTime(dailyTime.text, record); break;
    case kScheduleWeekly:
      ReadScheduleTime(weeklyTime.text, record);
      record.SetSchedWeekday(Byte(weeklyDayOfWeek.itemIndex + 1));
      break;
    case kScheduleMonthly: {
      ReadScheduleTime(monthlyTime.text, record);
      const std::optional<int> day = NumberIn(monthlyDay.text);
      if (day) record.SetSchedDay(Byte(*day));
      if (!day || *day < 1 || *day > 31) return FormReply::Refuse(kErrorTitle, kInvalidDay, monthlyDay);
      break;
    }
    case kScheduleEveryMinutes: {
      const std::optional<int> minutes = NumberIn(otherMinutes.text);
      if (minutes) record.SetSchedInterval(static_cast<std::uint16_t>(*minutes > 65535 ? 65535 : *minutes));
      if (!minutes || *minutes < 1 || *minutes > 720) return FormReply::Refuse(kErrorTitle, kInvalidInterval, otherMinutes);
      break;
    }
    default: break;
  }
  return FormReply::Close(ModalResult::Ok);
}

void SetScheduleOf(Ui& ui, MacroRecord& record, const LocalDateTime& today) {
  if (record.Activation() != kTimedActivation) {
    record.SetDefaultSchedule(today);
    record.SetActivation(kTimedActivation);
  }
  TDoSchedule dialog(record, today);
  ui.RunForm(dialog);
}

}  // namespace tavrix
