// The texts that the date and time tags type: the 51 date formats and the 26
// time formats by their number (position in the table, from 1), built from a
// local date and time. English names only; the system locale plays no part.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "playback/date_time_formats.h"

namespace tavrix {

constexpr int kDateFormatCount = static_cast<int>(DateFormatNames.size());
constexpr int kTimeFormatCount = static_cast<int>(TimeFormatNames.size());

// 0 = Sunday ... 6 = Saturday, for a date of the proleptic Gregorian calendar.
int DayOfWeek(int year, int month, int day);

// The date `days` whole days after (negative: before) `when`; the time of day
// is kept.
LocalDateTime AddDays(const LocalDateTime& when, int days);

// What a date tag types: format 1..51 applied to `now` moved by `dayOffset`
// days. `leadingZeros` pads MM and DD to 2 digits and YYYY to 4. Empty for a
// format number out of range.
std::string DateText(const LocalDateTime& now, int format, bool leadingZeros, int dayOffset);

// What a time tag types: format 1..26 applied to `now`. `leadingZeros` pads
// the hour to 2 digits; minutes and seconds always have 2. Empty for a format
// number out of range.
std::string TimeText(const LocalDateTime& now, int format, bool leadingZeros);

}  // namespace tavrix
