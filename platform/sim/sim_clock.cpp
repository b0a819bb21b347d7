#include "platform/sim/sim_clock.h"

namespace tavrix {

namespace {

constexpr std::int64_t MillisecondsPerDay = 86400000;

struct CivilDate {
  int year;
  int month;
  int day;
};

// Howard Hinnant's days-to-civil conversion.
CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const auto year = static_cast<int>(static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2));
  return CivilDate{year, static_cast<int>(month), static_cast<int>(day)};
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

SimClock::SimClock() { Set(LocalDateTime{2024, 1, 1, 12, 0, 0, 0}); }

void SimClock::Set(const LocalDateTime& now) {
  milliseconds_ = DaysFromCivil(now.year, now.month, now.day) * MillisecondsPerDay +
                  ((now.hour * 60 + now.minute) * 60 + now.second) * 1000LL + now.millisecond;
}

LocalDateTime SimClock::Now() const {
  std::int64_t days = milliseconds_ / MillisecondsPerDay;
  std::int64_t rest = milliseconds_ % MillisecondsPerDay;
  if (rest < 0) {
    rest += MillisecondsPerDay;
    --days;
  }
  const CivilDate date = CivilFromDays(days);
  LocalDateTime now;
  now.year = date.year;
  now.month = date.month;
  now.day = date.day;
  now.hour = static_cast<int>(rest / 3600000);
  now.minute = static_cast<int>(rest / 60000 % 60);
  now.second = static_cast<int>(rest / 1000 % 60);
  now.millisecond = static_cast<int>(rest % 1000);
  return now;
}

void SimClock::Advance(std::uint32_t milliseconds) {
  milliseconds_ += milliseconds;
  tick_ += milliseconds;
}

}  // namespace tavrix
