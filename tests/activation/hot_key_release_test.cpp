// Which modifiers a hot key waits for, and that the wait is bounded.
#include "activation/hot_key_release.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"

namespace tavrix {
namespace {

constexpr int kCtrlA = 0;
constexpr int kAltA = 48;
constexpr int kShiftF1 = 300;
constexpr int kWinA = 554;
constexpr int kF1 = 288;

TEST(HotKeyRelease, OnlyTheHotKeysOwnModifiersCount) {
  SimDesktop desktop;
  desktop.SendKey(17, false);  // Ctrl held
  EXPECT_TRUE(HotKeyModifiersDown(desktop, kCtrlA));
  EXPECT_FALSE(HotKeyModifiersDown(desktop, kAltA));
  EXPECT_FALSE(HotKeyModifiersDown(desktop, kF1));
  EXPECT_FALSE(HotKeyModifiersDown(desktop, 10000));  // a timed macro has no hot key
  desktop.SendKey(17, true);
  desktop.SendKey(16, false);
  EXPECT_TRUE(HotKeyModifiersDown(desktop, kShiftF1));
  desktop.SendKey(16, true);
  desktop.SendKey(92, false);  // the right Windows key counts as Win too
  EXPECT_TRUE(HotKeyModifiersDown(desktop, kWinA));
}

TEST(HotKeyRelease, ReturnsAtOnceWhenNothingIsHeld) {
  SimDesktop desktop;
  EXPECT_TRUE(WaitForHotKeyRelease(desktop, kCtrlA, 2000, 10));
  EXPECT_TRUE(desktop.Trace().Lines().empty());
}

TEST(HotKeyRelease, GivesUpAfterTheLimit) {
  SimDesktop desktop;
  desktop.SendKey(18, false);
  desktop.Trace().Clear();
  EXPECT_FALSE(WaitForHotKeyRelease(desktop, kAltA, 100, 30));
  // 0, 30, 60, 90 waited, then the limit.
  EXPECT_EQ(desktop.Trace().Lines(), (std::vector<std::string>{"wait 30", "wait 30", "wait 30", "wait 30"}));
}

TEST(HotKeyRelease, AZeroStepStillEnds) {
  SimDesktop desktop;
  desktop.SendKey(18, false);
  EXPECT_FALSE(WaitForHotKeyRelease(desktop, kAltA, 5, 0));
}

}  // namespace
}  // namespace tavrix
