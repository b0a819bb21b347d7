#include "activation/scheduler.h"

#include <algorithm>
#include <chrono>

#include "store/date_time.h"

namespace tavrix {
namespace {

constexpr long long kMsPerMinute = 60000;
constexpr long long kMsPerDay = 86400000;

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kWeekdayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kDayShortNames[] = {",Sun", ",Mon", ",Tue", ",Wed", ",Thu", ",Fri", ",Sat"};

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

// 9:05AM: the stored hour without a leading zero.
std::string TimeText(const MacroRecord& r) {
  return std::to_string(r.SchedHour()) + ":" + TwoDigits(r.SchedMinute()) + (r.SchedPM() != 0 ? "PM" : "AM");
}

std::string MonthName(int month) {
  return month >= 1 && month <= 12 ? kMonthNames[month - 1] : std::to_string(month);
}

std::string WeekdayName(int weekday) {
  return weekday >= 1 && weekday <= 7 ? kWeekdayNames[weekday - 1] : std::to_string(weekday);
}

// The day flag of `weekday` (1 Sunday .. 7 Saturday).
std::uint8_t DayFlag(const MacroRecord& r, int weekday) {
  return weekday == 1 ? r.SchedSun() : r.SchedMon(weekday - 2);
}

bool TimeValid(const MacroRecord& r) { return r.SchedHour() <= 12 && r.SchedMinute() <= 59; }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

long long MsSinceBase(const LocalDateTime& t) {
  using namespace std::chrono;
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
  const long long days = (sys_days{date} - sys_days{year{1899} / December / 30}).count();
  return days * kMsPerDay + ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

int MsWithinHour(const LocalDateTime& t) { return (t.minute * 60 + t.second) * 1000 + t.millisecond; }

}  // namespace

std::string GetSched(const MacroRecord& r) {
  switch (r.SchedKind()) {
    case kScheduleAtStartUp: return "At Startup";
    case kScheduleOnce:
      return "Once at " + TimeText(r) + " on " + std::to_string(r.SchedDay()) + " " + MonthName(r.SchedMonth()) +
             " " + std::to_string(r.SchedYear());
    case kScheduleHourly: return "Hourly at " + std::to_string(r.SchedPastHour()) + " minutes past the hour";
    case kScheduleDaily: {
      std::string text = "Daily at " + TimeText(r);
      for (int weekday = 1; weekday <= 7; ++weekday)
        if (DayFlag(r, weekday) != 0) text += kDayShortNames[weekday - 1];
      return text;
    }
    case kScheduleWeekly: return "Weekly at " + TimeText(r) + " " + WeekdayName(r.SchedWeekday());
    case kScheduleMonthly:
      return "Monthly at " + TimeText(r) + " on day " + std::to_string(r.SchedDay()) + " of each month";
    case kScheduleEveryMinutes: return "every " + std::to_string(r.SchedInterval()) + " minutes";
    default: return "";
  }
}

bool ScheduleFieldsValid(const MacroRecord& r) {
  switch (r.SchedKind()) {
    case kScheduleAtStartUp: return true;
    case kScheduleOnce:
      return TimeValid(r) && InRange(r.SchedMonth(), 1, 12) && InRange(r.SchedDay(), 1, 31) && r.SchedYear() > 0;
    case kScheduleHourly: return r.SchedPastHour() <= 59;
    case kScheduleDaily: return TimeValid(r);
    case kScheduleWeekly: return TimeValid(r) && InRange(r.SchedWeekday(), 1, 7);
    case kScheduleMonthly: return TimeValid(r) && InRange(r.SchedDay(), 1, 31);
    case kScheduleEveryMinutes: return InRange(r.SchedInterval(), 1, 720);
    default: return false;
  }
}

int CheckIntervalSeconds(int timerSeconds) { return timerSeconds < 1 || timerSeconds > 60 ? 10 : timerSeconds; }

int CheckMoment::timeOfDayMs() const { return static_cast<int>(ms % kMsPerDay); }

CheckMoment MomentOf(const LocalDateTime& time) {
  CheckMoment moment;
  moment.time = time;
  moment.ms = MsSinceBase(time);
  moment.weekday = DayOfWeek(time);
  return moment;
}

int ScheduleMinuteOfDay(const MacroRecord& r) {
  int hour = r.SchedHour();
  if (r.SchedPM() != 0) {
    if (hour != 12) hour += 12;
  } else if (hour == 12) {
    hour = 0;
  }
  return hour * 60 + r.SchedMinute();
}

void Scheduler::CheckAndSetTime(const MacroFile& file, const LocalDateTime& now) {
  const MacroIndex& index = file.index();
  std::vector<MacroRecord> records(static_cast<std::size_t>(index.Count()));
  for (int n = 1; n <= index.Count(); ++n) {
    if (index.table().Active(n) == 0 || index.table().Activation(n) != kTimedActivation) continue;
    if (!file.ReadRecord(n, records[static_cast<std::size_t>(n - 1)])) records[static_cast<std::size_t>(n - 1)] = {};
  }
  Build(records, now);
}

void Scheduler::Build(const std::vector<MacroRecord>& records, const LocalDateTime& now) {
  entries_.clear();
  const long long base = MsSinceBase(now);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const MacroRecord& r = records[i];
    if (r.Active() == 0 || r.Activation() != kTimedActivation) continue;
    if (r.SchedKind() == kScheduleAtStartUp || !ScheduleFieldsValid(r)) continue;
    TimerEntry entry;
    entry.macro = static_cast<int>(i) + 1;
    entry.kind = r.SchedKind();
    for (int weekday = 1; weekday <= 7; ++weekday) entry.dayFlags[weekday - 1] = DayFlag(r, weekday);
    entry.month = r.SchedMonth();
    entry.day = r.SchedDay();
    entry.pastHour = r.SchedPastHour();
    entry.interval = r.SchedInterval();
    entry.weekday = r.SchedWeekday();
    entry.year = r.SchedYear();
    entry.timeOfDayMs = ScheduleMinuteOfDay(r) * static_cast<int>(kMsPerMinute);
    entry.baseMs = base;
    entries_.push_back(entry);
  }
}

bool Scheduler::Due(TimerEntry& e, const CheckMoment& now) const {
  const CheckMoment& prev = previous_;
  const bool sameDayOfMonth = prev.time.day == now.time.day;
  const bool sameWeekday = prev.weekday == now.weekday;
  const int P = prev.timeOfDayMs();
  const int N = now.timeOfDayMs();
  const int T = e.timeOfDayMs;
  // The moment T passed since the previous check (on a new day: since midnight).
  const auto passed = [&](bool sameDay) { return sameDay ? P < T && T <= N : T <= N; };

  switch (e.kind) {
    case kScheduleOnce:
      return now.time.year == e.year && now.time.month == e.month && now.time.day == e.day && passed(sameDayOfMonth);
    case kScheduleHourly:
      if (e.pastHour == 0) return prev.time.hour != now.time.hour;
      return MsWithinHour(prev.time) < e.pastHour * kMsPerMinute && e.pastHour * kMsPerMinute <= MsWithinHour(now.time);
    case kScheduleDaily:
      return (e.dayFlags[now.weekday - 1] != 0 || e.dayFlags[prev.weekday - 1] != 0) && passed(sameWeekday);
    case kScheduleWeekly:
      return (e.weekday == now.weekday || e.weekday == prev.weekday) && passed(sameWeekday);
    case kScheduleMonthly:
      return (e.day == now.time.day || e.day == prev.time.day) && passed(sameDayOfMonth);
    case kScheduleEveryMinutes: {
      const long long interval = e.interval * kMsPerMinute;
      const long long sinceBase = now.ms - e.baseMs;
      const bool due = sameDayOfMonth ? prev.ms - e.baseMs < interval && sinceBase >= interval : sinceBase >= interval;
      // However many intervals passed since the base (a long playback, a
      // computer asleep), the macro plays once and the next interval starts
      // from the last whole one, so the schedule goes on as before.
      if (due) e.baseMs += std::max(1LL, sinceBase / interval) * interval;
      return due;
    }
    default: return false;
  }
}

std::vector<int> Scheduler::CheckOutTimerMacros(const LocalDateTime& nowTime,
                                                const std::function<void(int)>& play) {
  std::vector<int> played;
  if (checking_) return played;
  struct Running {
    bool& flag;
    explicit Running(bool& f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
  } running(checking_);
  const CheckMoment now = MomentOf(nowTime);
  // A macro that plays may rebuild the table: its size is read on every step.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (!Due(entries_[i], now)) continue;
    const int macro = entries_[i].macro;
    played.push_back(macro);
    if (play) play(macro);
  }
  previous_ = now;
  return played;
}

}  // namespace tavrix
