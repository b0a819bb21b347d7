// Date-times as the macro records store them: days since 30 December 1899,
// the fraction being the time of day. Days before that date are negative
// with the time of day still counted forwards (so -1.25 is 29 December 1899
// at 06:00), the way the file format has always encoded them.
#pragma once

#include "platform/desktop.h"

namespace tavrix {

double ToDateTimeValue(const LocalDateTime& time);
// Milliseconds are rounded; a value that is not a finite number gives the
// base date 30 December 1899, 00:00.
LocalDateTime FromDateTimeValue(double value);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(const LocalDateTime& date);

}  // namespace tavrix
