#include "hook/foreground_tracker.h"

#include <gtest/gtest.h>

namespace tavrix::hook {
namespace {

constexpr std::uintptr_t kMain = 0x10;

TEST(ForegroundTracker, ReportsEachChangeOnce) {
  ForegroundTracker tracker;
  EXPECT_EQ(tracker.observe(0xA, kMain), 0xAu);
  EXPECT_FALSE(tracker.observe(0xA, kMain));
  EXPECT_EQ(tracker.observe(0xB, kMain), 0xBu);
  EXPECT_EQ(tracker.observe(0xA, kMain), 0xAu);
}

TEST(ForegroundTracker, IgnoresTheEmptyForegroundOfASwitch) {
  ForegroundTracker tracker;
  tracker.observe(0xA, kMain);
  EXPECT_FALSE(tracker.observe(0, kMain));
  // Back to the same window after the gap: nothing changed.
  EXPECT_FALSE(tracker.observe(0xA, kMain));
}

TEST(ForegroundTracker, KeepsAChangePendingUntilThereIsAMainWindow) {
  ForegroundTracker tracker;
  EXPECT_FALSE(tracker.observe(0xA, 0));
  EXPECT_EQ(tracker.observe(0xA, kMain), 0xAu);
}

TEST(ForegroundTracker, ResetReportsTheCurrentWindowAgain) {
  ForegroundTracker tracker;
  tracker.observe(0xA, kMain);
  tracker.reset();
  EXPECT_EQ(tracker.observe(0xA, kMain), 0xAu);
}

}  // namespace
}  // namespace tavrix::hook
