// Timed macros: the one-line description of a schedule (`GetSched`), the
// table of the active timed macros (`CheckAndSetTime`) and one check of it
// (`CheckOutTimerMacros`), which plays every macro whose moment has passed
// since the previous check.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "store/macro_file.h"
#include "store/macro_record.h"

namespace tavrix {

// "At Startup", "Daily at 9:05AM,Mon,Fri", "every 15 minutes", ...
std::string GetSched(const MacroRecord& record);

// Whether the stored schedule fields of its kind are all in range. A record
// with a field out of range (written by hand or by a faulty program) takes no
// part in the scheduler rather than playing at a moment nobody chose.
bool ScheduleFieldsValid(const MacroRecord& record);

// "Timer Seconds" as the check timer uses it: 0 or above 60 gives 10.
int CheckIntervalSeconds(int timerSeconds);

// A point in time to the millisecond, with the parts the rules compare.
struct CheckMoment {
  LocalDateTime time;
  long long ms = 0;    // milliseconds since 30 December 1899
  int weekday = 1;     // 1 Sunday .. 7 Saturday
  int timeOfDayMs() const;
};
CheckMoment MomentOf(const LocalDateTime& time);

struct TimerEntry {
  int macro = 0;
  std::int16_t kind = 0;
  std::array<std::uint8_t, 7> dayFlags{};  // index 0 Sunday .. 6 Saturday
  int month = 0;
  int day = 0;
  int pastHour = 0;
  int interval = 0;  // minutes
  int weekday = 0;   // 1 Sunday .. 7 Saturday
  int year = 0;
  int timeOfDayMs = 0;
  long long baseMs = 0;  // Other: when the interval started counting
};

// The hour and minute of a schedule on a 24-hour clock, as minutes after
// midnight.
int ScheduleMinuteOfDay(const MacroRecord& record);

class Scheduler {
 public:
  // Rebuilds the table from the active timed macros of `file` (not those
  // "At Startup"); every Other schedule counts its interval from `now`.
  void CheckAndSetTime(const MacroFile& file, const LocalDateTime& now);
  // The same from records in hand (macro numbers 1..n), for tools and tests.
  void Build(const std::vector<MacroRecord>& records, const LocalDateTime& now);
  int Count() const { return static_cast<int>(entries_.size()); }
  const std::vector<TimerEntry>& Entries() const { return entries_; }

  // The previous check; at start-up the start-up moment.
  void SetPreviousCheck(const LocalDateTime& time) { previous_ = MomentOf(time); }
  const CheckMoment& PreviousCheck() const { return previous_; }

  // One check at `now`: `play` runs for each due macro in table order before
  // the next entry is looked at. A check that starts while one is running
  // (the playback pumps messages) returns at once. Answers the macros played.
  std::vector<int> CheckOutTimerMacros(const LocalDateTime& now, const std::function<void(int macro)>& play);
  bool Checking() const { return checking_; }

 private:
  bool Due(TimerEntry& entry, const CheckMoment& now) const;

  std::vector<TimerEntry> entries_;
  CheckMoment previous_;
  bool checking_ = false;
};

}  // namespace tavrix
