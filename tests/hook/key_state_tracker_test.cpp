#include "hook/key_state_tracker.h"

#include <gtest/gtest.h>

#include <set>

#include "base/virtual_keys.h"

namespace tavrix::hook {
namespace {

TEST(KeyStateTracker, EachModifierFromItsGenericLeftAndRightCodes) {
  struct Case {
    std::uint16_t code;
    Modifiers expected;
  };
  const Case cases[] = {
      {vk::kShift, {true, false, false, false}},      {vk::kLeftShift, {true, false, false, false}},
      {vk::kRightShift, {true, false, false, false}}, {vk::kControl, {false, true, false, false}},
      {vk::kLeftControl, {false, true, false, false}}, {vk::kRightControl, {false, true, false, false}},
      {vk::kMenu, {false, false, true, false}},       {vk::kLeftMenu, {false, false, true, false}},
      {vk::kRightMenu, {false, false, true, false}},  {vk::kLeftWin, {false, false, false, true}},
      {vk::kRightWin, {false, false, false, true}},
  };
  for (const Case& c : cases) {
    KeyStateTracker keys;
    keys.observe(c.code, false);
    EXPECT_EQ(keys.modifiers(), c.expected) << c.code;
    keys.observe(c.code, true);
    EXPECT_EQ(keys.modifiers(), Modifiers{}) << c.code;
  }
}

TEST(KeyStateTracker, OneSideReleasedLeavesTheOtherSideDown) {
  KeyStateTracker keys;
  keys.observe(vk::kLeftShift, false);
  keys.observe(vk::kRightShift, false);
  keys.observe(vk::kLeftShift, true);
  EXPECT_TRUE(keys.modifiers().shift);
  keys.observe(vk::kRightShift, true);
  EXPECT_FALSE(keys.modifiers().shift);
}

TEST(KeyStateTracker, GenericReleaseReleasesBothSides) {
  KeyStateTracker keys;
  keys.observe(vk::kLeftControl, false);
  keys.observe(vk::kRightControl, false);
  keys.observe(vk::kControl, true);
  EXPECT_FALSE(keys.modifiers().ctrl);
}

TEST(KeyStateTracker, OtherKeysLeaveTheModifiersAlone) {
  KeyStateTracker keys;
  keys.observe(vk::kLeftMenu, false);
  keys.observe('X', false);
  keys.observe('X', true);
  keys.observe(300, false);  // out of range: ignored
  EXPECT_EQ(keys.modifiers(), (Modifiers{false, false, true, false}));
}

TEST(KeyStateTracker, CapsLockTogglesOnItsFirstPressOnly) {
  KeyStateTracker keys;
  EXPECT_TRUE(keys.observe(vk::kCapital, false));
  EXPECT_TRUE(keys.capsLockOn());
  EXPECT_FALSE(keys.observe(vk::kCapital, false));  // auto-repeat
  EXPECT_TRUE(keys.capsLockOn());
  EXPECT_FALSE(keys.observe(vk::kCapital, true));
  EXPECT_TRUE(keys.observe(vk::kCapital, false));
  EXPECT_FALSE(keys.capsLockOn());
}

TEST(KeyStateTracker, CapsLockStartsFromTheSystemState) {
  KeyStateTracker keys;
  keys.setCapsLock(true);
  keys.observe(vk::kCapital, false);
  EXPECT_FALSE(keys.capsLockOn());
}

// A release the hook never saw (the secure desktop, a lost hook) is put right
// from the system's own state.
TEST(KeyStateTracker, ResyncTakesTheModifiersFromTheSystem) {
  KeyStateTracker keys;
  keys.observe(vk::kLeftControl, false);
  keys.observe(vk::kMenu, false);
  const std::set<std::uint16_t> systemDown{vk::kRightShift};
  keys.resyncModifiers([&](std::uint16_t code) { return systemDown.count(code) != 0; });
  EXPECT_EQ(keys.modifiers(), (Modifiers{true, false, false, false}));
}

}  // namespace
}  // namespace tavrix::hook
