#include "playback/date_time_text.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "base/ascii_text.h"

namespace tavrix {

namespace {

constexpr std::array<std::string_view, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kLongMonths = {"January", "February", "March",     "April",
                                                          "May",     "June",     "July",      "August",
                                                          "September", "October", "November", "December"};

constexpr int kFirstDayOfWeekFormat = 48;
constexpr int kFirst12HourFormat = 12;

// Days since 1 January 1970 of a Gregorian date (any year, negative too).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Decimal text of `value`, left-padded with zeros to `width` digits.
std::string Padded(int value, std::size_t width) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -static_cast<std::int64_t>(value) : value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::string Upper(std::string_view text) { return ToUpperAscii(text); }

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
  return text.substr(at, prefix.size()) == prefix;
}

struct DateParts {
  int year;
  int month;
  int day;
  bool leadingZeros;
};

// Replaces the component groups of a date format name; everything else in
// the name is a separator and is copied.
std::string FillDateName(std::string_view name, const DateParts& date) {
  const std::string fourDigitYear = Padded(date.year, 4);
  const std::size_t numberWidth = date.leadingZeros ? 2 : 1;
  const std::string_view shortMonth = kShortMonths[date.month - 1];
  struct Component {
    std::string_view token;
    std::string value;
  };
  // Longer spellings first: "YYYY" before "YY", "Mmmmm" before "Mmm", "MMM" before "MM".
  const std::array<Component, 7> components = {{
      {"YYYY", date.leadingZeros ? fourDigitYear : std::to_string(date.year)},
      {"YY", fourDigitYear.substr(fourDigitYear.size() - 2)},
      {"Mmmmm", std::string(kLongMonths[date.month - 1])},
      {"Mmm", std::string(shortMonth)},
      {"MMM", Upper(shortMonth)},
      {"MM", Padded(date.month, numberWidth)},
      {"DD", Padded(date.day, numberWidth)},
  }};
  std::string text;
  std::size_t at = 0;
  while (at < name.size()) {
    bool replaced = false;
    for (const Component& component : components) {
      if (StartsWith(name, at, component.token)) {
        text += component.value;
        at += component.token.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) text += name[at++];
  }
  return text;
}

struct TimeParts {
  std::string hour;
  std::string minute;
  std::string second;
  bool afternoon;
};

std::string FillTimeName(std::string_view name, const TimeParts& time) {
  std::string text;
  std::size_t at = 0;
  while (at < name.size()) {
    if (StartsWith(name, at, "hh")) {
      text += time.hour;
      at += 2;
    } else if (StartsWith(name, at, "mm")) {
      text += time.minute;
      at += 2;
    } else if (StartsWith(name, at, "ss")) {
      text += time.second;
      at += 2;
    } else if (StartsWith(name, at, "am")) {
      text += time.afternoon ? "pm" : "am";
      at += 2;
    } else if (StartsWith(name, at, "AM")) {
      text += time.afternoon ? "PM" : "AM";
      at += 2;
    } else if (StartsWith(name, at, "a")) {
      text += time.afternoon ? "p" : "a";
      at += 1;
    } else {
      text += name[at++];
    }
  }
  return text;
}

int TwelveHour(int hour) {
  if (hour == 0) return 12;
  return hour > 12 ? hour - 12 : hour;
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
  const std::int64_t days = DaysFromCivil(year, month, day);
  // 1 January 1970 was a Thursday.
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

LocalDateTime AddDays(const LocalDateTime& when, int days) {
  LocalDateTime moved = when;
  CivilFromDays(DaysFromCivil(when.year, when.month, when.day) + days, moved.year, moved.month, moved.day);
  return moved;
}

std::string DateText(const LocalDateTime& now, int format, bool leadingZeros, int dayOffset) {
  if (format < 1 || format > kDateFormatCount) return {};
  // Normalises the date too, so a day beyond the month's end cannot index past the names.
  const LocalDateTime date = AddDays(now, dayOffset);
  if (format >= kFirstDayOfWeekFormat) {
    const int weekday = DayOfWeek(date.year, date.month, date.day);
    switch (format - kFirstDayOfWeekFormat) {
      case 0: return std::string(kShortDays[weekday]);
      case 1: return Upper(kShortDays[weekday]);
      case 2: return std::string(kLongDays[weekday]);
      default: return Upper(kLongDays[weekday]);
    }
  }
  return FillDateName(DateFormatNames[format - 1], DateParts{date.year, date.month, date.day, leadingZeros});
}

std::string TimeText(const LocalDateTime& now, int format, bool leadingZeros) {
  if (format < 1 || format > kTimeFormatCount) return {};
  const int hour = format >= kFirst12HourFormat ? TwelveHour(now.hour) : now.hour;
  const TimeParts time{Padded(hour, leadingZeros ? 2 : 1), Padded(now.minute, 2), Padded(now.second, 2),
                       now.hour >= 12};
  return FillTimeName(TimeFormatNames[format - 1], time);
}

}  // namespace tavrix
