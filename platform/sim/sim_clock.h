// The simulated wall clock and tick count: both move only when the simulated
// desktop waits, so a playback's timing is exact and instant.
#pragma once

#include <cstdint>

#include "platform/desktop.h"

namespace tavrix {

class SimClock {
 public:
  SimClock();
  void Set(const LocalDateTime& now);
  LocalDateTime Now() const;
  std::uint32_t TickCount() const { return tick_; }
  void SetTickCount(std::uint32_t tick) { tick_ = tick; }
  void Advance(std::uint32_t milliseconds);
  // Milliseconds since 1 January 1970, local time.
  std::int64_t Milliseconds() const { return milliseconds_; }

 private:
  std::int64_t milliseconds_ = 0;
  std::uint32_t tick_ = 0;
};

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day);

}  // namespace tavrix
