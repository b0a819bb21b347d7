#include "hook/hook_watchdog.h"

#include <gtest/gtest.h>

namespace tavrix::hook {
namespace {

constexpr std::uint32_t kPoll = 250;

// Polls every 250 ms for `duration` ms from `from` with the system's last
// input at `lastInput`; true when any poll finds the hooks lost.
bool lostWhilePolling(HookWatchdog& watchdog, std::uint32_t lastInput, std::uint32_t from,
                      std::uint32_t duration) {
  bool lost = false;
  for (std::uint32_t elapsed = 0; elapsed <= duration; elapsed += kPoll) {
    lost = watchdog.hooksLost(lastInput, from + elapsed) || lost;
  }
  return lost;
}

TEST(HookWatchdog, InputTheHooksSawIsNoAlarm) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  watchdog.sawInput(5000);
  EXPECT_FALSE(lostWhilePolling(watchdog, 5000, 5000, 15000));
  // The system's input time may run a little ahead of the hook's own reading.
  watchdog.sawInput(30000);
  EXPECT_FALSE(lostWhilePolling(watchdog, 30000 + HookWatchdog::kClockSlackMs, 30000, 10000));
}

TEST(HookWatchdog, QuietSystemIsNoAlarm) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  EXPECT_FALSE(lostWhilePolling(watchdog, 500, 1000, 60000));
}

TEST(HookWatchdog, InputUnseenForTheGracePeriodMeansLost) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  watchdog.sawInput(2000);
  // Input at 10000 never reaches the hooks.
  EXPECT_FALSE(watchdog.hooksLost(10000, 10100));
  EXPECT_FALSE(watchdog.hooksLost(10000, 10100 + HookWatchdog::kGraceMs - 1));
  EXPECT_TRUE(watchdog.hooksLost(10000, 10100 + HookWatchdog::kGraceMs));
}

// The user keeps typing into dead hooks: the newest input is always recent,
// but the hooks have seen none of it.
TEST(HookWatchdog, ContinuousUnseenInputIsFoundToo) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  watchdog.sawInput(2000);
  bool lost = false;
  std::uint32_t now = 2100;
  for (; now < 10000 && !lost; now += kPoll) lost = watchdog.hooksLost(now - 50, now);
  EXPECT_TRUE(lost);
  EXPECT_LE(now, 2100 + HookWatchdog::kGraceMs + 2 * kPoll);
}

// Input on its way, seen by the hooks before the grace period ends.
TEST(HookWatchdog, InputSeenLateIsNoAlarm) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  EXPECT_FALSE(watchdog.hooksLost(5000, 5010));
  watchdog.sawInput(5400);
  EXPECT_FALSE(lostWhilePolling(watchdog, 5000, 5500, 4000));
}

TEST(HookWatchdog, ReinstalledHooksStartAfresh) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  EXPECT_FALSE(watchdog.hooksLost(3000, 3100));
  EXPECT_TRUE(watchdog.hooksLost(3000, 3100 + HookWatchdog::kGraceMs));
  watchdog.restarted(5200);
  EXPECT_FALSE(lostWhilePolling(watchdog, 3000, 5200, 15000));
}

// The poll reports the hooks' last event, which after a reinstallation is
// still the one before the loss: the input that led to the reinstallation
// must not count as unseen again, or the hooks would be reinstalled over and
// over while the user is idle.
TEST(HookWatchdog, EventsBeforeARestartAreNoNews) {
  HookWatchdog watchdog;
  watchdog.restarted(1000);
  watchdog.sawInput(2000);
  EXPECT_FALSE(watchdog.hooksLost(3000, 3100));
  EXPECT_TRUE(watchdog.hooksLost(3000, 3100 + HookWatchdog::kGraceMs));
  const std::uint32_t repaired = 3100 + HookWatchdog::kGraceMs;
  watchdog.restarted(repaired);
  bool lost = false;
  for (std::uint32_t now = repaired; now < repaired + 20000; now += kPoll) {
    watchdog.sawInput(2000);
    lost = watchdog.hooksLost(3000, now) || lost;
  }
  EXPECT_FALSE(lost);
}

TEST(HookWatchdog, WorksAcrossTheTickWrap) {
  HookWatchdog watchdog;
  watchdog.restarted(0xFFFFF000u);
  watchdog.sawInput(0xFFFFFF00u);
  EXPECT_FALSE(lostWhilePolling(watchdog, 0xFFFFFF00u, 0xFFFFFF00u, 5000));
  const std::uint32_t unseen = 0x00000400u;  // after the wrap
  EXPECT_FALSE(watchdog.hooksLost(unseen, unseen + 10));
  EXPECT_TRUE(watchdog.hooksLost(unseen, unseen + 10 + HookWatchdog::kGraceMs));
}

}  // namespace
}  // namespace tavrix::hook
