#include "store/date_time.h"

#include <chrono>
#include <cmath>

namespace tavrix {
namespace {

using namespace std::chrono;

constexpr double kMillisecondsPerDay = 86400000.0;
// Far enough for any real date, small enough that the day count fits an int.
constexpr double kLargestDayCount = 3000000.0;

sys_days BaseDate() { return sys_days{year{1899} / December / 30}; }

long long DaysSinceBase(const LocalDateTime& t) {
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
  return (sys_days{date} - BaseDate()).count();
}

}  // namespace

double ToDateTimeValue(const LocalDateTime& t) {
  const long long days = DaysSinceBase(t);
  const double milliseconds = ((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond;
  const double fraction = milliseconds / kMillisecondsPerDay;
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

LocalDateTime FromDateTimeValue(double value) {
  if (!std::isfinite(value) || std::fabs(value) > kLargestDayCount) value = 0.0;
  long long days = static_cast<long long>(std::trunc(value));
  long long milliseconds = std::llround(std::fabs(value - static_cast<double>(days)) * kMillisecondsPerDay);
  if (milliseconds >= static_cast<long long>(kMillisecondsPerDay)) {
    milliseconds -= static_cast<long long>(kMillisecondsPerDay);
    days += 1;  // the time of day always counts forwards
  }
  const year_month_day date{BaseDate() + std::chrono::days{days}};
  LocalDateTime t;
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.millisecond = static_cast<int>(milliseconds % 1000);
  const long long seconds = milliseconds / 1000;
  t.second = static_cast<int>(seconds % 60);
  t.minute = static_cast<int>((seconds / 60) % 60);
  t.hour = static_cast<int>(seconds / 3600);
  return t;
}

int DayOfWeek(const LocalDateTime& date) {
  const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)}, day{static_cast<unsigned>(date.day)}};
  return static_cast<int>(weekday{sys_days{ymd}}.c_encoding()) + 1;
}

}  // namespace tavrix
