// The schedule rules on a simulated clock: each case builds the table, sets
// the previous check and runs one check, and says whether the macro plays.
#include "activation/scheduler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tavrix {
namespace {

// "2026-12-07 13:45:10.250"
LocalDateTime At(const char* text) {
  LocalDateTime t;
  int ms = 0;
  const int read = std::sscanf(text, "%d-%d-%d %d:%d:%d.%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                               &t.second, &ms);
  EXPECT_GE(read, 6) << text;
  t.millisecond = ms;
  return t;
}

struct Sched {
  std::int16_t kind = kScheduleDaily;
  int hour = 12, minute = 0, pm = 1;
  std::uint8_t days = 0x7F;  // bit 0 Sunday .. bit 6 Saturday
  int month = 1, day = 1, year = 2026, pastHour = 15, interval = 15, weekday = 1;
};

MacroRecord Timed(const Sched& s) {
  MacroRecord r;
  r.SetActive(1);
  r.SetActivation(kTimedActivation);
  r.SetScope(kScopeGlobal);
  r.SetSchedKind(s.kind);
  r.SetSchedSun(s.days & 1);
  for (int i = 0; i < 6; ++i) r.SetSchedMon(i, (s.days >> (i + 1)) & 1);
  r.SetSchedHour(static_cast<std::uint8_t>(s.hour));
  r.SetSchedMinute(static_cast<std::uint8_t>(s.minute));
  r.SetSchedPM(static_cast<std::uint8_t>(s.pm));
  r.SetSchedMonth(static_cast<std::uint8_t>(s.month));
  r.SetSchedDay(static_cast<std::uint8_t>(s.day));
  r.SetSchedYear(static_cast<std::uint16_t>(s.year));
  r.SetSchedPastHour(static_cast<std::uint8_t>(s.pastHour));
  r.SetSchedInterval(static_cast<std::uint16_t>(s.interval));
  r.SetSchedWeekday(static_cast<std::uint8_t>(s.weekday));
  return r;
}

std::vector<int> OneCheck(const std::vector<MacroRecord>& records, const char* built, const char* prev,
                          const char* now) {
  Scheduler scheduler;
  scheduler.Build(records, At(built));
  scheduler.SetPreviousCheck(At(prev));
  return scheduler.CheckOutTimerMacros(At(now), {});
}

struct DueCase {
  const char* name;
  Sched sched;
  const char* prev;
  const char* now;
  bool plays;
};

class DueTest : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueTest, PlaysExactlyWhenItsMomentPassed) {
  const DueCase& c = GetParam();
  const std::vector<int> played = OneCheck({Timed(c.sched)}, c.prev, c.prev, c.now);
  EXPECT_EQ(played == std::vector<int>{1}, c.plays) << c.name;
}

// 2026-12-07 is a Monday; 2026-11 has 30 days; 2028 is a leap year.
const DueCase kDueCases[] = {
    {"once at 10:00, started 09:55", {kScheduleOnce, 10, 0, 0, 0, 12, 7, 2026}, "2026-12-07 09:55:00", "2026-12-07 10:00:00", true},
    {"once at 10:00, started 10:05", {kScheduleOnce, 10, 0, 0, 0, 12, 7, 2026}, "2026-12-07 10:05:00", "2026-12-07 10:05:10", false},
    {"once on another day", {kScheduleOnce, 10, 0, 0, 0, 12, 8, 2026}, "2026-12-07 09:55:00", "2026-12-07 10:00:10", false},
    {"once in another year", {kScheduleOnce, 10, 0, 0, 0, 12, 7, 2027}, "2026-12-07 09:55:00", "2026-12-07 10:00:10", false},
    {"once at 12:00 AM across midnight", {kScheduleOnce, 12, 0, 0, 0, 12, 8, 2026}, "2026-12-07 23:59:55", "2026-12-08 00:00:05", true},
    {"once 29 February of a leap year", {kScheduleOnce, 8, 30, 0, 0, 2, 29, 2028}, "2028-02-29 08:29:59", "2028-02-29 08:30:00", true},
    {"once 12:30 PM is half past noon", {kScheduleOnce, 12, 30, 1, 0, 12, 7, 2026}, "2026-12-07 00:29:00", "2026-12-07 00:31:00", false},
    {"once 12:30 PM at noon", {kScheduleOnce, 12, 30, 1, 0, 12, 7, 2026}, "2026-12-07 12:29:00", "2026-12-07 12:31:00", true},
    {"hourly :00 on a new hour", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 0}, "2026-12-07 10:59:58", "2026-12-07 11:00:08", true},
    {"hourly :00 within the hour", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 0}, "2026-12-07 11:00:08", "2026-12-07 11:00:18", false},
    {"hourly :30 reached", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 30}, "2026-12-07 10:29:55", "2026-12-07 10:30:05", true},
    {"hourly :30 already passed", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 30}, "2026-12-07 10:30:05", "2026-12-07 10:30:15", false},
    {"hourly :03 across the hour from :58", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 3}, "2026-12-07 10:58:00", "2026-12-07 11:05:00", false},
    {"hourly :30 across midnight", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 30}, "2026-12-07 23:20:00", "2026-12-08 00:40:00", true},
    {"daily on Monday, Monday", {kScheduleDaily, 9, 5, 0, 0b0000010}, "2026-12-07 09:04:58", "2026-12-07 09:05:08", true},
    {"daily on Tuesday, Monday", {kScheduleDaily, 9, 5, 0, 0b0000100}, "2026-12-07 09:04:58", "2026-12-07 09:05:08", false},
    {"daily Monday 12 AM, check across midnight into Tuesday", {kScheduleDaily, 12, 0, 0, 0b0000010}, "2026-12-07 23:59:55", "2026-12-08 00:00:05", true},
    {"daily Sunday 12 AM, across midnight into Sunday", {kScheduleDaily, 12, 0, 0, 0b0000001}, "2026-12-12 23:59:55", "2026-12-13 00:00:05", true},
    {"daily on a day without a flag", {kScheduleDaily, 12, 0, 0, 0}, "2026-12-07 23:59:55", "2026-12-08 00:00:05", false},
    {"weekly Monday 5 PM", {kScheduleWeekly, 5, 0, 1, 0, 1, 1, 2026, 0, 15, 2}, "2026-12-07 16:59:59", "2026-12-07 17:00:00", true},
    {"weekly Tuesday, Monday", {kScheduleWeekly, 5, 0, 1, 0, 1, 1, 2026, 0, 15, 3}, "2026-12-07 16:59:59", "2026-12-07 17:00:00", false},
    {"monthly day 7", {kScheduleMonthly, 6, 15, 1, 0, 1, 7}, "2026-12-07 18:14:55", "2026-12-07 18:15:05", true},
    {"monthly day 31 on 30 November", {kScheduleMonthly, 6, 15, 1, 0, 1, 31}, "2026-11-30 18:14:55", "2026-11-30 18:15:05", false},
    {"monthly day 31 on 1 December, midnight", {kScheduleMonthly, 12, 0, 0, 0, 1, 31}, "2026-11-30 23:59:55", "2026-12-01 00:00:05", false},
    {"monthly day 31 across midnight into the 1st", {kScheduleMonthly, 12, 0, 0, 0, 1, 31}, "2026-12-31 23:59:55", "2027-01-01 00:00:05", true},
    {"monthly day 29 in February of a leap year", {kScheduleMonthly, 7, 0, 0, 0, 1, 29}, "2028-02-29 06:59:55", "2028-02-29 07:00:05", true},
    {"every 15 minutes, 15 passed", {kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 15}, "2026-12-07 10:00:00", "2026-12-07 10:15:00", true},
    {"every 15 minutes, 14:59 passed", {kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 15}, "2026-12-07 10:00:00", "2026-12-07 10:14:59", false},
    {"every 720 minutes across midnight", {kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 720}, "2026-12-07 20:00:00", "2026-12-08 08:00:00", true},
    // Fields out of range never play, whatever the moment.
    {"daily at hour 77", {kScheduleDaily, 77, 0, 0}, "2026-12-07 00:00:00", "2026-12-07 23:59:59", false},
    {"daily at minute 99", {kScheduleDaily, 1, 99, 0}, "2026-12-07 00:00:00", "2026-12-07 23:59:59", false},
    {"monthly day 0", {kScheduleMonthly, 12, 0, 0, 0, 1, 0}, "2026-12-07 23:59:55", "2026-12-08 00:00:05", false},
    {"monthly day 32", {kScheduleMonthly, 12, 0, 0, 0, 1, 32}, "2026-12-07 23:59:55", "2026-12-08 00:00:05", false},
    {"every 0 minutes", {kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 0}, "2026-12-07 10:00:00", "2026-12-07 10:00:10", false},
    {"every 5000 minutes", {kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 5000}, "2026-12-01 10:00:00", "2026-12-07 10:00:10", false},
    {"hourly at minute 60", {kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 60}, "2026-12-07 10:59:00", "2026-12-07 11:01:00", false},
    {"weekly on weekday 8", {kScheduleWeekly, 12, 0, 0, 0, 1, 1, 2026, 0, 15, 8}, "2026-12-07 00:00:00", "2026-12-07 23:59:59", false},
    {"an unknown kind", {9}, "2026-12-07 00:00:00", "2026-12-07 23:59:59", false},
};

INSTANTIATE_TEST_SUITE_P(Rules, DueTest, ::testing::ValuesIn(kDueCases));

TEST(SchedulerTable, HoldsActiveTimedMacrosOtherThanStartUpInFileOrder) {
  MacroRecord inactive = Timed({});
  inactive.SetActive(0);
  MacroRecord hotKey = Timed({});
  hotKey.SetActivation(5);
  Scheduler scheduler;
  scheduler.Build({Timed({}), inactive, hotKey, Timed({kScheduleAtStartUp}), Timed({kScheduleHourly})},
                  At("2026-12-07 10:00:00"));
  ASSERT_EQ(scheduler.Count(), 2);
  EXPECT_EQ(scheduler.Entries()[0].macro, 1);
  EXPECT_EQ(scheduler.Entries()[1].macro, 5);
}

TEST(SchedulerTable, DueMacrosPlayInTableOrderAndTheNextCheckStartsFromThisOne) {
  const Sched noon{kScheduleDaily, 12, 0, 1};
  Scheduler scheduler;
  scheduler.Build({Timed(noon), Timed({kScheduleHourly}), Timed(noon)}, At("2026-12-07 11:00:00"));
  scheduler.SetPreviousCheck(At("2026-12-07 11:59:55"));
  std::vector<int> order;
  EXPECT_EQ(scheduler.CheckOutTimerMacros(At("2026-12-07 12:00:05"), [&](int n) { order.push_back(n); }),
            (std::vector<int>{1, 3}));
  EXPECT_EQ(order, (std::vector<int>{1, 3}));
  EXPECT_TRUE(scheduler.CheckOutTimerMacros(At("2026-12-07 12:00:15"), {}).empty());
}

TEST(SchedulerTable, ACheckDuringACheckReturnsAtOnce) {
  Scheduler scheduler;
  scheduler.Build({Timed({kScheduleDaily, 12, 0, 1}), Timed({kScheduleDaily, 12, 0, 1})}, At("2026-12-07 11:00:00"));
  scheduler.SetPreviousCheck(At("2026-12-07 11:59:55"));
  std::vector<std::vector<int>> inner;
  scheduler.CheckOutTimerMacros(At("2026-12-07 12:00:05"), [&](int) {
    inner.push_back(scheduler.CheckOutTimerMacros(At("2026-12-07 12:00:15"), {}));
  });
  EXPECT_EQ(inner, (std::vector<std::vector<int>>{{}, {}}));
  EXPECT_FALSE(scheduler.Checking());
}

// Every 15 minutes from 10:00: a check at 10:50 (a long playback) plays once;
// the next interval counts from 10:45, so 11:00 plays again.
TEST(SchedulerTable, EveryNMinutesKeepsGoingAfterSeveralIntervalsPassed) {
  Scheduler scheduler;
  scheduler.Build({Timed({kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 15})}, At("2026-12-07 10:00:00"));
  scheduler.SetPreviousCheck(At("2026-12-07 10:00:00"));
  EXPECT_EQ(scheduler.CheckOutTimerMacros(At("2026-12-07 10:50:00"), {}), std::vector<int>{1});
  EXPECT_TRUE(scheduler.CheckOutTimerMacros(At("2026-12-07 10:59:59"), {}).empty());
  EXPECT_EQ(scheduler.CheckOutTimerMacros(At("2026-12-07 11:00:00"), {}), std::vector<int>{1});
  EXPECT_TRUE(scheduler.CheckOutTimerMacros(At("2026-12-07 11:10:00"), {}).empty());
  EXPECT_EQ(scheduler.CheckOutTimerMacros(At("2026-12-07 11:15:00"), {}), std::vector<int>{1});
}

TEST(SchedulerTable, RebuildingRestartsEveryOtherInterval) {
  const MacroRecord every15 = Timed({kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 15});
  Scheduler scheduler;
  scheduler.Build({every15}, At("2026-12-07 10:00:00"));
  scheduler.SetPreviousCheck(At("2026-12-07 10:10:00"));
  scheduler.Build({every15}, At("2026-12-07 10:10:00"));
  EXPECT_TRUE(scheduler.CheckOutTimerMacros(At("2026-12-07 10:15:00"), {}).empty());
  EXPECT_EQ(scheduler.CheckOutTimerMacros(At("2026-12-07 10:25:00"), {}), std::vector<int>{1});
}

TEST(GetSched, DescribesEveryKind) {
  MacroRecord daily = Timed({kScheduleDaily, 9, 5, 0, 0b1000011});
  const struct {
    MacroRecord record;
    const char* text;
  } cases[] = {
      {Timed({kScheduleAtStartUp}), "At Startup"},
      {Timed({kScheduleOnce, 9, 5, 0, 0, 2, 29, 2028}), "Once at 9:05AM on 29 February 2028"},
      {Timed({kScheduleHourly, 0, 0, 0, 0, 1, 1, 2026, 7}), "Hourly at 7 minutes past the hour"},
      {daily, "Daily at 9:05AM,Sun,Mon,Sat"},
      {Timed({kScheduleDaily, 12, 0, 1, 0}), "Daily at 12:00PM"},
      {Timed({kScheduleWeekly, 11, 30, 1, 0, 1, 1, 2026, 0, 15, 4}), "Weekly at 11:30PM Wednesday"},
      {Timed({kScheduleMonthly, 6, 0, 0, 0, 1, 31}), "Monthly at 6:00AM on day 31 of each month"},
      {Timed({kScheduleEveryMinutes, 12, 0, 1, 0, 1, 1, 2026, 15, 720}), "every 720 minutes"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetSched(c.record), c.text);
}

TEST(CheckIntervalSeconds, OutOfRangeGivesTen) {
  const int cases[][2] = {{0, 10}, {90, 10}, {-3, 10}, {1, 1}, {60, 60}, {61, 10}, {25, 25}};
  for (const auto& c : cases) EXPECT_EQ(CheckIntervalSeconds(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace tavrix
