#include "hook/hot_key_decider.h"

#include <gtest/gtest.h>

#include "base/hot_key_table.h"
#include "base/private_messages.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {
namespace {

constexpr std::uint32_t kMain = 0x1000;
constexpr std::uint32_t kEntry = 0x2000;

std::uint16_t code(const char* name) { return FindHotKey(name).value(); }

class HotKeyDeciderTest : public ::testing::Test {
 protected:
  HotKeyDeciderTest() {
    settings.mainWindow = kMain;
    settings.entryWindow = kMain;
  }

  void use(const char* name) { settings.hotKeyUsed[code(name)] = 1; }

  HookOutcome down(std::uint16_t vk, bool marked = false) {
    return decider.onKey(KeyEvent{vk, false, marked}, settings);
  }
  HookOutcome up(std::uint16_t vk, bool marked = false) {
    return decider.onKey(KeyEvent{vk, true, marked}, settings);
  }
  HookOutcome click(std::uint8_t button, bool marked = false) {
    return decider.onButton(ButtonEvent{button, false, marked}, settings);
  }
  HookOutcome release(std::uint8_t button, bool marked = false) {
    return decider.onButton(ButtonEvent{button, true, marked}, settings);
  }
  // Presses the modifiers, which pass untouched.
  void hold(std::initializer_list<std::uint16_t> modifiers) {
    for (auto m : modifiers) {
      const HookOutcome outcome = down(m);
      EXPECT_FALSE(outcome.swallow) << m;
      EXPECT_FALSE(outcome.post.has_value()) << m;
    }
  }

  static HookPost activation(std::uint32_t wParam) { return {kMain, kMsgActivation, wParam, true}; }

  HookSettings settings;
  HotKeyDecider decider;
};

TEST_F(HotKeyDeciderTest, UsedHotKeyFiresAndItsPressAndReleaseAreSwallowed) {
  use("Ctrl+Shift+H");
  hold({vk::kLeftControl, vk::kRightShift});
  const HookOutcome press = down('H');
  EXPECT_TRUE(press.swallow);
  EXPECT_EQ(press.post, activation(code("Ctrl+Shift+H")));
  EXPECT_FALSE(press.sendMenuBlocker);
  const HookOutcome release = up('H');
  EXPECT_TRUE(release.swallow);
  EXPECT_FALSE(release.post.has_value());
  EXPECT_FALSE(up(vk::kRightShift).swallow);
  EXPECT_FALSE(up(vk::kLeftControl).swallow);
}

TEST_F(HotKeyDeciderTest, UnusedCodesAndPlainKeysPass) {
  use("Ctrl+Shift+H");
  hold({vk::kLeftControl});
  EXPECT_FALSE(down('H').swallow);  // Ctrl+H: not used
  EXPECT_FALSE(up('H').swallow);
  up(vk::kLeftControl);
  hold({vk::kLeftShift});
  EXPECT_FALSE(down('H').swallow);  // a capital H
  EXPECT_FALSE(up('H').swallow);
}

// With nothing in use, no key of any combination is touched: typing, editing
// and shortcuts of other programs go on as if the hooks were not there.
TEST_F(HotKeyDeciderTest, WithNoHotKeyInUseNothingIsSwallowedOrPosted) {
  const std::uint16_t modifierSets[][2] = {{0, 0},
                                           {vk::kLeftShift, 0},
                                           {vk::kLeftControl, 0},
                                           {vk::kRightMenu, 0},
                                           {vk::kLeftWin, 0},
                                           {vk::kLeftControl, vk::kLeftMenu}};
  for (const auto& set : modifierSets) {
    for (auto m : set) {
      if (m != 0) down(m);
    }
    for (std::uint16_t key = 1; key < 256; ++key) {
      if (key == vk::kCapital || vk::isModifier(key)) continue;
      const HookOutcome press = down(key);
      const HookOutcome release = up(key);
      ASSERT_FALSE(press.swallow || release.swallow) << key;
      ASSERT_FALSE(press.post.has_value() || release.post.has_value()) << key;
    }
    for (auto m : set) {
      if (m != 0) up(m);
    }
  }
}

TEST_F(HotKeyDeciderTest, TavrixOwnKeysNeverFire) {
  use("Ctrl+Shift+H");
  use("F1");
  hold({vk::kLeftControl, vk::kLeftShift});
  EXPECT_FALSE(down('H', true).swallow);
  EXPECT_FALSE(up('H', true).swallow);
  up(vk::kLeftControl);
  up(vk::kLeftShift);
  const HookOutcome press = down(112, true);
  EXPECT_FALSE(press.swallow);
  EXPECT_FALSE(press.post.has_value());
  EXPECT_FALSE(up(112, true).swallow);
}

// The program's marked modifiers count for the key state like any others:
// they are down in the system as well.
TEST_F(HotKeyDeciderTest, MarkedModifiersCountForTheKeyState) {
  use("Ctrl+Shift+H");
  down(vk::kControl, true);
  down(vk::kShift, true);
  EXPECT_EQ(down('H').post, activation(code("Ctrl+Shift+H")));
}

TEST_F(HotKeyDeciderTest, AutoRepeatFiresOnceAndTheNextPressFiresAgain) {
  use("F1");
  EXPECT_TRUE(down(112).post.has_value());
  for (int i = 0; i < 3; ++i) {
    const HookOutcome repeat = down(112);
    EXPECT_TRUE(repeat.swallow);
    EXPECT_FALSE(repeat.post.has_value());
  }
  EXPECT_TRUE(up(112).swallow);
  EXPECT_TRUE(down(112).post.has_value());
}

TEST_F(HotKeyDeciderTest, CapsLockIsReportedAndMarksTheActivation) {
  use("F1");
  const HookOutcome on = down(vk::kCapital);
  EXPECT_FALSE(on.swallow);
  EXPECT_EQ(on.post, (HookPost{kMain, kMsgCapsLock, 1, false}));
  EXPECT_FALSE(down(vk::kCapital).post.has_value());  // auto-repeat
  up(vk::kCapital);
  EXPECT_EQ(down(112).post, activation(code("F1") | kActivationCapsLockBit));
  up(112);

  const HookOutcome off = down(vk::kCapital);
  EXPECT_EQ(off.post, (HookPost{kMain, kMsgCapsLock, 0, false}));
  up(vk::kCapital);
  EXPECT_EQ(down(112).post, activation(code("F1")));
}

// The program presses Caps Lock itself to play a macro in capitals: the state
// follows, but it is not the user's change to report.
TEST_F(HotKeyDeciderTest, MarkedCapsLockChangesTheStateSilently) {
  use("F1");
  EXPECT_FALSE(down(vk::kCapital, true).post.has_value());
  up(vk::kCapital, true);
  EXPECT_EQ(down(112).post, activation(code("F1") | kActivationCapsLockBit));
}

TEST_F(HotKeyDeciderTest, EntryModeSendsEveryCodeToTheEntryWindow) {
  use("Ctrl+Shift+H");
  settings.entryActive = true;
  settings.entryWindow = kEntry;
  hold({vk::kLeftControl});
  const HookOutcome unused = down('Q');
  EXPECT_TRUE(unused.swallow);
  EXPECT_EQ(unused.post, (HookPost{kEntry, kMsgHotKeyEntry, code("Ctrl+Q"), false}));
  EXPECT_TRUE(up('Q').swallow);
  hold({vk::kLeftShift});
  EXPECT_EQ(down('H').post, (HookPost{kEntry, kMsgHotKeyEntry, code("Ctrl+Shift+H"), false}));
  up('H');
  up(vk::kLeftShift);
  up(vk::kLeftControl);
  EXPECT_FALSE(down('Q').swallow);  // no code: typed as usual
}

TEST_F(HotKeyDeciderTest, AltAndWinHotKeysAskForTheMenuBlocker) {
  use("Alt+X");
  use("Win+A");
  use("Ctrl+Alt+F5");
  use("Ctrl+Shift+H");
  hold({vk::kLeftMenu});
  EXPECT_TRUE(down('X').sendMenuBlocker);
  up('X');
  up(vk::kLeftMenu);
  hold({vk::kRightWin});
  EXPECT_TRUE(down('A').sendMenuBlocker);
  up('A');
  up(vk::kRightWin);
  hold({vk::kLeftControl, vk::kLeftMenu});
  EXPECT_TRUE(down(116).sendMenuBlocker);
  up(116);
  up(vk::kLeftMenu);
  hold({vk::kLeftShift});
  EXPECT_FALSE(down('H').sendMenuBlocker);
}

TEST_F(HotKeyDeciderTest, TheMenuBlockerItselfPasses) {
  hold({vk::kLeftMenu});
  const HookOutcome blocker = down(vk::kUnassigned, true);
  EXPECT_FALSE(blocker.swallow);
  EXPECT_FALSE(blocker.post.has_value());
  EXPECT_FALSE(up(vk::kUnassigned, true).swallow);
}

TEST_F(HotKeyDeciderTest, EndOfMacroMarkerClearsInUseAndGoesNoFurther) {
  const HookOutcome press = down(kEndOfMacroKey, true);
  EXPECT_TRUE(press.swallow);
  EXPECT_EQ(press.post, (HookPost{kMain, kMsgClearInUse, 0, false}));
  EXPECT_TRUE(press.macroEnded);
  const HookOutcome release = up(kEndOfMacroKey, true);
  EXPECT_TRUE(release.swallow);
  EXPECT_FALSE(release.post.has_value());
  EXPECT_FALSE(release.macroEnded);
  // The same key from anyone else is just a key.
  const HookOutcome users = down(kEndOfMacroKey);
  EXPECT_FALSE(users.swallow || users.macroEnded || users.post.has_value());
}

TEST_F(HotKeyDeciderTest, PauseAbortsOnlyWhileAMacroIsInUse) {
  EXPECT_FALSE(down(vk::kPause).swallow);
  up(vk::kPause);
  settings.inUse = true;
  const HookOutcome press = down(vk::kPause);
  EXPECT_TRUE(press.swallow);
  EXPECT_EQ(press.post, (HookPost{kMain, kMsgAbort, 0, false}));
  EXPECT_TRUE(up(vk::kPause).swallow);
  // Ctrl+Pause/Break arrives as VK_CANCEL.
  hold({vk::kRightControl});
  EXPECT_EQ(down(vk::kCancel).post, (HookPost{kMain, kMsgAbort, 0, false}));
  EXPECT_TRUE(up(vk::kCancel).swallow);
  up(vk::kRightControl);
  // Never from the program's own input.
  EXPECT_FALSE(down(vk::kPause, true).swallow);
  EXPECT_FALSE(up(vk::kPause, true).swallow);
}

TEST_F(HotKeyDeciderTest, NothingIsSwallowedWithoutAWindowToTell) {
  use("F1");
  settings.mainWindow = 0;
  settings.inUse = true;
  EXPECT_FALSE(down(112).swallow);
  up(112);
  EXPECT_FALSE(down(vk::kPause).swallow);
  up(vk::kPause);
  settings.entryActive = true;
  settings.entryWindow = 0;
  EXPECT_FALSE(down(112).swallow);
}

// A press whose release the hook never saw would otherwise count as held and
// its next press as an auto-repeat.
TEST_F(HotKeyDeciderTest, ForgottenSwallowsLetTheKeyFireAgain) {
  use("F1");
  use("F2");
  ASSERT_TRUE(down(112).post.has_value());
  ASSERT_TRUE(down(113).post.has_value());
  decider.forgetReleasedSwallows([](std::uint16_t vk) { return vk == 113; });
  EXPECT_TRUE(down(112).post.has_value());
  EXPECT_FALSE(down(113).post.has_value());  // still held: a repeat
  EXPECT_TRUE(up(113).swallow);
}

TEST_F(HotKeyDeciderTest, MouseButtonsFireOnlyWhenTheUserChoseThem) {
  EXPECT_FALSE(click(1).swallow);  // ordinary clicks stay clicks
  EXPECT_FALSE(release(1).swallow);
  use("LMouse");
  use("Alt+RMouse");
  const HookOutcome press = click(1);
  EXPECT_TRUE(press.swallow);
  EXPECT_EQ(press.post, activation(code("LMouse")));
  EXPECT_FALSE(press.sendMenuBlocker);
  EXPECT_TRUE(release(1).swallow);
  EXPECT_FALSE(click(2).swallow);  // plain right click: not used
  release(2);
  hold({vk::kLeftMenu});
  const HookOutcome altRight = click(2);
  EXPECT_EQ(altRight.post, activation(code("Alt+RMouse")));
  EXPECT_TRUE(altRight.sendMenuBlocker);
  EXPECT_TRUE(release(2).swallow);
  EXPECT_FALSE(click(1, true).swallow);  // the program's own clicks
  EXPECT_FALSE(release(1, true).swallow);
}

TEST_F(HotKeyDeciderTest, SwappedButtonsAreTakenAsTheUserSeesThem) {
  use("LMouse");
  settings.mouseSwapped = true;
  EXPECT_EQ(click(2).post, activation(code("LMouse")));
  EXPECT_TRUE(release(2).swallow);
  EXPECT_FALSE(click(1).swallow);
  EXPECT_FALSE(release(1).swallow);
}

TEST_F(HotKeyDeciderTest, EntryModeTakesOnlyModifiedClicks) {
  settings.entryActive = true;
  settings.entryWindow = kEntry;
  EXPECT_FALSE(click(1).swallow);
  EXPECT_FALSE(release(1).swallow);
  hold({vk::kLeftControl});
  const HookOutcome press = click(3);
  EXPECT_TRUE(press.swallow);
  EXPECT_EQ(press.post, (HookPost{kEntry, kMsgHotKeyEntry, code("Ctrl+MMouse"), false}));
  EXPECT_TRUE(release(3).swallow);
}

}  // namespace
}  // namespace tavrix::hook
