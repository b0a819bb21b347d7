#include "playback/date_time_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

LocalDateTime Date(int year, int month, int day, int hour = 10, int minute = 20, int second = 30) {
  LocalDateTime when;
  when.year = year;
  when.month = month;
  when.day = day;
  when.hour = hour;
  when.minute = minute;
  when.second = second;
  return when;
}

LocalDateTime Time(int hour, int minute, int second) { return Date(2001, 6, 15, hour, minute, second); }

// Runs every format of a table and compares with the expected texts in order.
void ExpectDates(const LocalDateTime& when, bool leadingZeros, int offset, const std::vector<std::string>& expected) {
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kDateFormatCount));
  for (int format = 1; format <= kDateFormatCount; ++format) {
    EXPECT_EQ(DateText(when, format, leadingZeros, offset), expected[format - 1])
        << "format " << format << " " << DateFormatNames[format - 1];
  }
}

void ExpectTimes(const LocalDateTime& when, bool leadingZeros, const std::vector<std::string>& expected) {
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kTimeFormatCount));
  for (int format = 1; format <= kTimeFormatCount; ++format) {
    EXPECT_EQ(TimeText(when, format, leadingZeros), expected[format - 1])
        << "format " << format << " " << TimeFormatNames[format - 1];
  }
}

TEST(DateText, EveryFormatWithLeadingZeros) {
  ExpectDates(Date(1998, 3, 5), true, 0,
              {"03/05/98",      "03-05-98",      "03.05.98",       "03/05/1998",     "03-05-1998",   "03.05.1998",
               "05/03/98",      "05-03-98",      "05.03.98",       "05/03/1998",     "05-03-1998",   "05.03.1998",
               "98/03/05",      "98-03-05",      "98.03.05",       "1998/03/05",     "1998-03-05",   "1998.03.05",
               "MAR 1998",      "Mar 1998",      "05 MAR 98",      "05 Mar 98",      "05 MAR 1998",  "05 Mar 1998",
               "05 March 98",   "05 March 1998", "Mar 05 98",      "Mar 05, 98",     "Mar 05 1998",  "Mar 05, 1998",
               "March 05 98",   "March 05, 98",  "March 05 1998",  "March 05, 1998", "030598",       "03051998",
               "050398",        "05031998",      "980305",         "19980305",       "05",           "03",
               "Mar",           "MAR",           "March",          "98",             "1998",         "Thu",
               "THU",           "Thursday",      "THURSDAY"});
}

TEST(DateText, EveryFormatWithoutLeadingZeros) {
  ExpectDates(Date(1998, 3, 5), false, 0,
              {"3/5/98",      "3-5-98",      "3.5.98",      "3/5/1998",     "3-5-1998",   "3.5.1998",
               "5/3/98",      "5-3-98",      "5.3.98",      "5/3/1998",     "5-3-1998",   "5.3.1998",
               "98/3/5",      "98-3-5",      "98.3.5",      "1998/3/5",     "1998-3-5",   "1998.3.5",
               "MAR 1998",    "Mar 1998",    "5 MAR 98",    "5 Mar 98",     "5 MAR 1998", "5 Mar 1998",
               "5 March 98",  "5 March 1998", "Mar 5 98",   "Mar 5, 98",    "Mar 5 1998", "Mar 5, 1998",
               "March 5 98",  "March 5, 98", "March 5 1998", "March 5, 1998", "3598",     "351998",
               "5398",        "531998",      "9835",        "199835",       "5",          "3",
               "Mar",         "MAR",         "March",       "98",           "1998",       "Thu",
               "THU",         "Thursday",    "THURSDAY"});
}

TEST(DateText, TwoDigitMonthAndDayAreTheSameWithOrWithoutTheFlag) {
  const LocalDateTime when = Date(2012, 11, 23);
  for (int format = 1; format <= kDateFormatCount; ++format) {
    EXPECT_EQ(DateText(when, format, false, 0), DateText(when, format, true, 0)) << format;
  }
  EXPECT_EQ(DateText(when, 34, true, 0), "November 23, 2012");
  EXPECT_EQ(DateText(when, 51, true, 0), "FRIDAY");
}

TEST(DateText, YearComponents) {
  // YY is always two characters; YYYY is padded only with leading zeros on.
  EXPECT_EQ(DateText(Date(2005, 7, 1), 46, false, 0), "05");
  EXPECT_EQ(DateText(Date(2005, 7, 1), 46, true, 0), "05");
  EXPECT_EQ(DateText(Date(987, 7, 1), 47, true, 0), "0987");
  EXPECT_EQ(DateText(Date(987, 7, 1), 47, false, 0), "987");
  EXPECT_EQ(DateText(Date(987, 7, 1), 46, false, 0), "87");
  EXPECT_EQ(DateText(Date(2000, 1, 9), 1, false, 0), "1/9/00");
}

TEST(DateText, ExamplesOfTheDateTags) {
  EXPECT_EQ(DateText(Date(1998, 3, 5), 23, true, 0), "05 MAR 1998");
  EXPECT_EQ(DateText(Date(1998, 3, 5), 23, false, 0), "5 MAR 1998");
  EXPECT_EQ(DateText(Date(2005, 10, 10), 46, false, 0), "05");
  // 2 March 2026 is a Monday; one day in the past is Sunday.
  ASSERT_EQ(DayOfWeek(2026, 3, 2), 1);
  EXPECT_EQ(DateText(Date(2026, 3, 2), 50, true, -1), "Sunday");
}

TEST(DateText, OffsetsCrossMonthAndYearEnds) {
  EXPECT_EQ(DateText(Date(2000, 1, 1), 17, true, -1), "1999-12-31");
  EXPECT_EQ(DateText(Date(1999, 12, 31), 17, true, 1), "2000-01-01");
  EXPECT_EQ(DateText(Date(2000, 2, 28), 17, true, 1), "2000-02-29");  // leap year
  EXPECT_EQ(DateText(Date(1900, 2, 28), 17, true, 1), "1900-03-01");  // not a leap year
  EXPECT_EQ(DateText(Date(2100, 3, 1), 17, true, -1), "2100-02-28");
  EXPECT_EQ(DateText(Date(2024, 3, 1), 17, true, -1), "2024-02-29");
  EXPECT_EQ(DateText(Date(2023, 4, 30), 17, true, 1), "2023-05-01");
  EXPECT_EQ(DateText(Date(2023, 1, 31), 17, true, 30), "2023-03-02");
  EXPECT_EQ(DateText(Date(2023, 1, 1), 17, true, 999), "2025-09-26");
  EXPECT_EQ(DateText(Date(2023, 1, 1), 17, true, -999), "2020-04-07");
  EXPECT_EQ(DateText(Date(2023, 12, 31), 33, false, 1), "January 1 2024");
  EXPECT_EQ(DateText(Date(2024, 1, 1), 50, true, -1), "Sunday");  // 31 Dec 2023
}

TEST(DateText, OutOfRangeFormatTypesNothing) {
  EXPECT_EQ(DateText(Date(2000, 1, 1), 0, true, 0), "");
  EXPECT_EQ(DateText(Date(2000, 1, 1), 52, true, 0), "");
  EXPECT_EQ(TimeText(Time(1, 2, 3), 0, true), "");
  EXPECT_EQ(TimeText(Time(1, 2, 3), 27, true), "");
}

TEST(DayOfWeek, KnownDates) {
  EXPECT_EQ(DayOfWeek(1899, 12, 30), 6);  // Saturday
  EXPECT_EQ(DayOfWeek(1970, 1, 1), 4);    // Thursday
  EXPECT_EQ(DayOfWeek(2000, 1, 1), 6);    // Saturday
  EXPECT_EQ(DayOfWeek(1776, 7, 4), 4);    // Thursday
  EXPECT_EQ(DayOfWeek(2026, 12, 7), 1);   // Monday
}

TEST(AddDays, KeepsTheTimeOfDay) {
  const LocalDateTime moved = AddDays(Date(2023, 12, 31, 23, 59, 58), 1);
  EXPECT_EQ(moved.year, 2024);
  EXPECT_EQ(moved.month, 1);
  EXPECT_EQ(moved.day, 1);
  EXPECT_EQ(moved.hour, 23);
  EXPECT_EQ(moved.minute, 59);
  EXPECT_EQ(moved.second, 58);
}

TEST(TimeText, EveryFormatInTheAfternoonWithLeadingZeros) {
  ExpectTimes(Time(13, 5, 9), true,
              {"13:05",       "13.05",       "13,05",       "1305",     "13:05:09",    "13.05.09",    "13,05,09",
               "130509",      "13",          "05",          "09",       "01:05 pm",    "01.05 pm",    "01,05 pm",
               "01:05:09 pm", "01.05.09 pm", "01,05,09 pm", "01:05 PM", "01.05 PM",    "01,05 PM",    "01:05:09 PM",
               "01.05.09 PM", "01,05,09 PM", "01:05p",      "01.05p",   "01,05p"});
}

TEST(TimeText, EveryFormatInTheMorningWithoutLeadingZeros) {
  ExpectTimes(Time(9, 30, 0), false,
              {"9:30",       "9.30",       "9,30",       "930",     "9:30:00",    "9.30.00",    "9,30,00",
               "93000",      "9",          "30",         "00",      "9:30 am",    "9.30 am",    "9,30 am",
               "9:30:00 am", "9.30.00 am", "9,30,00 am", "9:30 AM", "9.30 AM",    "9,30 AM",    "9:30:00 AM",
               "9.30.00 AM", "9,30,00 AM", "9:30a",      "9.30a",   "9,30a"});
}

TEST(TimeText, MidnightAndNoon) {
  EXPECT_EQ(TimeText(Time(0, 0, 0), 1, true), "00:00");
  EXPECT_EQ(TimeText(Time(0, 0, 0), 1, false), "0:00");
  EXPECT_EQ(TimeText(Time(0, 0, 0), 12, false), "12:00 am");
  EXPECT_EQ(TimeText(Time(0, 0, 0), 24, true), "12:00a");
  EXPECT_EQ(TimeText(Time(11, 59, 59), 21, true), "11:59:59 AM");
  EXPECT_EQ(TimeText(Time(12, 0, 0), 18, true), "12:00 PM");
  EXPECT_EQ(TimeText(Time(12, 0, 0), 24, false), "12:00p");
  EXPECT_EQ(TimeText(Time(23, 59, 59), 15, false), "11:59:59 pm");
  EXPECT_EQ(TimeText(Time(23, 59, 59), 8, false), "235959");
}

TEST(TimeText, ExamplesOfTheTimeTags) {
  EXPECT_EQ(TimeText(Time(0, 7, 9), 15, false), "12:07:09 am");
  EXPECT_EQ(TimeText(Time(13, 5, 0), 24, true), "01:05p");
  EXPECT_EQ(TimeText(Time(9, 30, 0), 9, false), "9");
  EXPECT_EQ(TimeText(Time(9, 5, 0), 1, true), "09:05");
}

TEST(FormatNames, TablesHaveTheirNamesInOrder) {
  EXPECT_EQ(DateFormatNames[0], "MM/DD/YY");
  EXPECT_EQ(DateFormatNames[22], "DD MMM YYYY");
  EXPECT_EQ(DateFormatNames[50], "Day of Week 4");
  EXPECT_EQ(TimeFormatNames[0], "hh:mm");
  EXPECT_EQ(TimeFormatNames[14], "hh:mm:ss am");
  EXPECT_EQ(TimeFormatNames[25], "hh,mma");
  for (const auto name : DateFormatNames) EXPECT_LE(name.size(), 15u);
  for (const auto name : TimeFormatNames) EXPECT_LE(name.size(), 15u);
}

}  // namespace
}  // namespace tavrix
