#include "hook/hook_pipeline.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/hot_key_table.h"
#include "base/private_messages.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {
namespace {

constexpr std::uint32_t kMain = 0x1000;
constexpr std::uint32_t kEntry = 0x2000;

std::uint16_t code(const char* name) { return FindHotKey(name).value(); }

// The one post of an outcome, if any; more than one is a failure here.
std::optional<HookPost> onlyPost(const HookOutcome& outcome) {
  EXPECT_LE(outcome.posts.size(), 1u);
  if (outcome.posts.empty()) return std::nullopt;
  return outcome.posts[0];
}

class HookPipelineTest : public ::testing::Test {
 protected:
  HookPipelineTest() {
    settings.mainWindow = kMain;
    settings.entryWindow = kMain;
  }

  void use(const char* name) { settings.hotKeyUsed[code(name)] = 1; }

  HookOutcome down(std::uint16_t vk, bool marked = false) {
    return pipeline.decide(InputEvent::key(vk, false, marked), settings);
  }
  HookOutcome up(std::uint16_t vk, bool marked = false) {
    return pipeline.decide(InputEvent::key(vk, true, marked), settings);
  }
  HookOutcome click(std::uint8_t button, bool marked = false) {
    return pipeline.decide(InputEvent::click(button, false, marked), settings);
  }
  HookOutcome release(std::uint8_t button, bool marked = false) {
    return pipeline.decide(InputEvent::click(button, true, marked), settings);
  }
  // Presses the modifiers, which pass untouched.
  void hold(std::initializer_list<std::uint16_t> modifiers) {
    for (auto m : modifiers) {
      const HookOutcome outcome = down(m);
      EXPECT_FALSE(outcome.swallowed()) << m;
      EXPECT_FALSE(onlyPost(outcome).has_value()) << m;
    }
  }

  static HookPost activation(std::uint32_t wParam) { return {kMain, kMsgActivation, wParam, 0, true}; }

  HookSettings settings;
  HookPipeline pipeline;
};

TEST_F(HookPipelineTest, UsedHotKeyFiresAndItsPressAndReleaseAreSwallowed) {
  use("Ctrl+Shift+H");
  hold({vk::kLeftControl, vk::kRightShift});
  const HookOutcome press = down('H');
  EXPECT_TRUE(press.swallowed());
  EXPECT_EQ(onlyPost(press), activation(code("Ctrl+Shift+H")));
  EXPECT_FALSE(press.sendMenuBlocker);
  const HookOutcome release = up('H');
  EXPECT_TRUE(release.swallowed());
  EXPECT_FALSE(onlyPost(release).has_value());
  EXPECT_FALSE(up(vk::kRightShift).swallowed());
  EXPECT_FALSE(up(vk::kLeftControl).swallowed());
}

TEST_F(HookPipelineTest, UnusedCodesAndPlainKeysPass) {
  use("Ctrl+Shift+H");
  hold({vk::kLeftControl});
  EXPECT_FALSE(down('H').swallowed());  // Ctrl+H: not used
  EXPECT_FALSE(up('H').swallowed());
  up(vk::kLeftControl);
  hold({vk::kLeftShift});
  EXPECT_FALSE(down('H').swallowed());  // a capital H
  EXPECT_FALSE(up('H').swallowed());
}

// With nothing in use, no key of any combination is touched: typing, editing
// and shortcuts of other programs go on as if the hooks were not there.
TEST_F(HookPipelineTest, WithNoHotKeyInUseNothingIsSwallowedOrPosted) {
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
      ASSERT_FALSE(press.swallowed() || release.swallowed()) << key;
      ASSERT_FALSE(onlyPost(press).has_value() || onlyPost(release).has_value()) << key;
    }
    for (auto m : set) {
      if (m != 0) up(m);
    }
  }
}

TEST_F(HookPipelineTest, TavrixOwnKeysNeverFire) {
  use("Ctrl+Shift+H");
  use("F1");
  hold({vk::kLeftControl, vk::kLeftShift});
  EXPECT_FALSE(down('H', true).swallowed());
  EXPECT_FALSE(up('H', true).swallowed());
  up(vk::kLeftControl);
  up(vk::kLeftShift);
  const HookOutcome press = down(112, true);
  EXPECT_FALSE(press.swallowed());
  EXPECT_FALSE(onlyPost(press).has_value());
  EXPECT_FALSE(up(112, true).swallowed());
}

// The program's marked modifiers count for the key state like any others:
// they are down in the system as well.
TEST_F(HookPipelineTest, MarkedModifiersCountForTheKeyState) {
  use("Ctrl+Shift+H");
  down(vk::kControl, true);
  down(vk::kShift, true);
  EXPECT_EQ(onlyPost(down('H')), activation(code("Ctrl+Shift+H")));
}

TEST_F(HookPipelineTest, AutoRepeatFiresOnceAndTheNextPressFiresAgain) {
  use("F1");
  EXPECT_TRUE(onlyPost(down(112)).has_value());
  for (int i = 0; i < 3; ++i) {
    const HookOutcome repeat = down(112);
    EXPECT_TRUE(repeat.swallowed());
    EXPECT_FALSE(onlyPost(repeat).has_value());
  }
  EXPECT_TRUE(up(112).swallowed());
  EXPECT_TRUE(onlyPost(down(112)).has_value());
}

TEST_F(HookPipelineTest, CapsLockIsReportedAndMarksTheActivation) {
  use("F1");
  const HookOutcome on = down(vk::kCapital);
  EXPECT_FALSE(on.swallowed());
  EXPECT_EQ(onlyPost(on), (HookPost{kMain, kMsgCapsLock, 1, 0, false}));
  EXPECT_FALSE(onlyPost(down(vk::kCapital)).has_value());  // auto-repeat
  up(vk::kCapital);
  EXPECT_EQ(onlyPost(down(112)), activation(code("F1") | kActivationCapsLockBit));
  up(112);

  const HookOutcome off = down(vk::kCapital);
  EXPECT_EQ(onlyPost(off), (HookPost{kMain, kMsgCapsLock, 0, 0, false}));
  up(vk::kCapital);
  EXPECT_EQ(onlyPost(down(112)), activation(code("F1")));
}

// The program presses Caps Lock itself to play a macro in capitals: the state
// follows, but it is not the user's change to report.
TEST_F(HookPipelineTest, MarkedCapsLockChangesTheStateSilently) {
  use("F1");
  EXPECT_FALSE(onlyPost(down(vk::kCapital, true)).has_value());
  up(vk::kCapital, true);
  EXPECT_EQ(onlyPost(down(112)), activation(code("F1") | kActivationCapsLockBit));
}

TEST_F(HookPipelineTest, EntryModeSendsEveryCodeToTheEntryWindow) {
  use("Ctrl+Shift+H");
  settings.entryActive = true;
  settings.entryWindow = kEntry;
  hold({vk::kLeftControl});
  const HookOutcome unused = down('Q');
  EXPECT_TRUE(unused.swallowed());
  EXPECT_EQ(onlyPost(unused), (HookPost{kEntry, kMsgHotKeyEntry, code("Ctrl+Q"), 0, false}));
  EXPECT_TRUE(up('Q').swallowed());
  hold({vk::kLeftShift});
  EXPECT_EQ(onlyPost(down('H')), (HookPost{kEntry, kMsgHotKeyEntry, code("Ctrl+Shift+H"), 0, false}));
  up('H');
  up(vk::kLeftShift);
  up(vk::kLeftControl);
  EXPECT_FALSE(down('Q').swallowed());  // no code: typed as usual
}

TEST_F(HookPipelineTest, AltAndWinHotKeysAskForTheMenuBlocker) {
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

TEST_F(HookPipelineTest, TheMenuBlockerItselfPasses) {
  hold({vk::kLeftMenu});
  const HookOutcome blocker = down(vk::kUnassigned, true);
  EXPECT_FALSE(blocker.swallowed());
  EXPECT_FALSE(onlyPost(blocker).has_value());
  EXPECT_FALSE(up(vk::kUnassigned, true).swallowed());
}

TEST_F(HookPipelineTest, EndOfMacroMarkerClearsInUseAndGoesNoFurther) {
  const HookOutcome press = down(kEndOfMacroKey, true);
  EXPECT_TRUE(press.swallowed());
  EXPECT_EQ(onlyPost(press), (HookPost{kMain, kMsgClearInUse, 0, 0, false}));
  EXPECT_TRUE(press.macroEnded);
  const HookOutcome release = up(kEndOfMacroKey, true);
  EXPECT_TRUE(release.swallowed());
  EXPECT_FALSE(onlyPost(release).has_value());
  EXPECT_FALSE(release.macroEnded);
  // The same key from anyone else is just a key.
  const HookOutcome users = down(kEndOfMacroKey);
  EXPECT_FALSE(users.swallowed() || users.macroEnded || onlyPost(users).has_value());
}

TEST_F(HookPipelineTest, PauseAbortsOnlyWhileAMacroIsInUse) {
  EXPECT_FALSE(down(vk::kPause).swallowed());
  up(vk::kPause);
  settings.inUse = true;
  const HookOutcome press = down(vk::kPause);
  EXPECT_TRUE(press.swallowed());
  EXPECT_EQ(onlyPost(press), (HookPost{kMain, kMsgAbort, 0, 0, false}));
  EXPECT_TRUE(up(vk::kPause).swallowed());
  // Ctrl+Pause/Break arrives as VK_CANCEL.
  hold({vk::kRightControl});
  EXPECT_EQ(onlyPost(down(vk::kCancel)), (HookPost{kMain, kMsgAbort, 0, 0, false}));
  EXPECT_TRUE(up(vk::kCancel).swallowed());
  up(vk::kRightControl);
  // Never from the program's own input.
  EXPECT_FALSE(down(vk::kPause, true).swallowed());
  EXPECT_FALSE(up(vk::kPause, true).swallowed());
}

TEST_F(HookPipelineTest, NothingIsSwallowedWithoutAWindowToTell) {
  use("F1");
  settings.mainWindow = 0;
  settings.inUse = true;
  EXPECT_FALSE(down(112).swallowed());
  up(112);
  EXPECT_FALSE(down(vk::kPause).swallowed());
  up(vk::kPause);
  settings.entryActive = true;
  settings.entryWindow = 0;
  EXPECT_FALSE(down(112).swallowed());
}

// A press whose release the hook never saw would otherwise count as held and
// its next press as an auto-repeat.
TEST_F(HookPipelineTest, ForgottenSwallowsLetTheKeyFireAgain) {
  use("F1");
  use("F2");
  ASSERT_TRUE(onlyPost(down(112)).has_value());
  ASSERT_TRUE(onlyPost(down(113)).has_value());
  pipeline.forgetReleasedSwallows([](std::uint16_t vk) { return vk == 113; });
  EXPECT_TRUE(onlyPost(down(112)).has_value());
  EXPECT_FALSE(onlyPost(down(113)).has_value());  // still held: a repeat
  EXPECT_TRUE(up(113).swallowed());
}

TEST_F(HookPipelineTest, MouseButtonsFireOnlyWhenTheUserChoseThem) {
  EXPECT_FALSE(click(1).swallowed());  // ordinary clicks stay clicks
  EXPECT_FALSE(release(1).swallowed());
  use("LMouse");
  use("Alt+RMouse");
  const HookOutcome press = click(1);
  EXPECT_TRUE(press.swallowed());
  EXPECT_EQ(onlyPost(press), activation(code("LMouse")));
  EXPECT_FALSE(press.sendMenuBlocker);
  EXPECT_TRUE(release(1).swallowed());
  EXPECT_FALSE(click(2).swallowed());  // plain right click: not used
  release(2);
  hold({vk::kLeftMenu});
  const HookOutcome altRight = click(2);
  EXPECT_EQ(onlyPost(altRight), activation(code("Alt+RMouse")));
  EXPECT_TRUE(altRight.sendMenuBlocker);
  EXPECT_TRUE(release(2).swallowed());
  EXPECT_FALSE(click(1, true).swallowed());  // the program's own clicks
  EXPECT_FALSE(release(1, true).swallowed());
}

TEST_F(HookPipelineTest, SwappedButtonsAreTakenAsTheUserSeesThem) {
  use("LMouse");
  settings.mouseSwapped = true;
  EXPECT_EQ(onlyPost(click(2)), activation(code("LMouse")));
  EXPECT_TRUE(release(2).swallowed());
  EXPECT_FALSE(click(1).swallowed());
  EXPECT_FALSE(release(1).swallowed());
}

TEST_F(HookPipelineTest, EntryModeTakesOnlyModifiedClicks) {
  settings.entryActive = true;
  settings.entryWindow = kEntry;
  EXPECT_FALSE(click(1).swallowed());
  EXPECT_FALSE(release(1).swallowed());
  hold({vk::kLeftControl});
  const HookOutcome press = click(3);
  EXPECT_TRUE(press.swallowed());
  EXPECT_EQ(onlyPost(press), (HookPost{kEntry, kMsgHotKeyEntry, code("Ctrl+MMouse"), 0, false}));
  EXPECT_TRUE(release(3).swallowed());
}

}  // namespace
}  // namespace tavrix::hook

// --- The chain itself, with stages made for the test -----------------------

namespace tavrix::hook {
namespace {

// A stage that writes down what it saw and answers as told.
class ScriptedStage final : public HookStage {
 public:
  ScriptedStage(std::string name, std::string& log, bool ownInput = false)
      : name_(std::move(name)), log_(log), ownInput_(ownInput) {}

  HookVerdict verdict = HookVerdict::Pass;
  InputEvent replacement;
  int posts = 0;

  bool seesOwnInput() const override { return ownInput_; }
  HookVerdict decide(const InputEvent& event, const HookContext&, HookOutcome& outcome) override {
    log_ += name_ + ":" + std::to_string(event.vk) + (event.up ? "^ " : " ");
    for (int i = 0; i < posts; ++i) outcome.posts.add({1, 1024u + name_[0], event.vk, 0, false});
    if (verdict == HookVerdict::Replace) outcome.replacement = replacement;
    return verdict;
  }

 private:
  std::string name_;
  std::string& log_;
  bool ownInput_;
};

class HookChainTest : public ::testing::Test {
 protected:
  ScriptedStage& add(const char* name, bool ownInput = false) {
    auto stage = std::make_unique<ScriptedStage>(name, log, ownInput);
    ScriptedStage& added = *stage;
    stages.push_back(std::move(stage));
    return added;
  }
  HookPipeline& build() {
    pipeline = std::make_unique<HookPipeline>(std::move(stages));
    return *pipeline;
  }
  HookOutcome key(std::uint16_t vk, bool up, bool marked = false) {
    return pipeline->decide(InputEvent::key(vk, up, marked), settings);
  }

  std::string log;
  HookStages stages;
  std::unique_ptr<HookPipeline> pipeline;
  HookSettings settings;
};

// One event feeds several features: every stage sees it in order, and their
// posts arrive in that order.
TEST_F(HookChainTest, StagesSeeTheEventInOrderAndTheirPostsAddUp) {
  add("a").posts = 1;
  add("b").posts = 0;
  add("c").posts = 2;
  build();
  const HookOutcome outcome = key('X', false);
  EXPECT_EQ(log, "a:88 b:88 c:88 ");
  EXPECT_EQ(outcome.verdict, HookVerdict::Pass);
  ASSERT_EQ(outcome.posts.size(), 3u);
  EXPECT_EQ(outcome.posts[0].message, 1024u + 'a');
  EXPECT_EQ(outcome.posts[2].message, 1024u + 'c');
}

TEST_F(HookChainTest, ASwallowEndsTheChainAndTakesTheRepeatsAndReleaseWithIt) {
  add("a");
  add("b").verdict = HookVerdict::Swallow;
  add("c");
  build();
  EXPECT_TRUE(key('X', false).swallowed());
  EXPECT_TRUE(key('X', false).swallowed());  // auto-repeat: no stage asked
  EXPECT_TRUE(key('X', true).swallowed());
  EXPECT_EQ(log, "a:88 b:88 ");
  // The next press is new again.
  key('X', false);
  EXPECT_EQ(log, "a:88 b:88 a:88 b:88 ");
}

TEST_F(HookChainTest, AReplacementGoesOnToTheLaterStages) {
  add("a");
  ScriptedStage& swap = add("b");
  swap.verdict = HookVerdict::Replace;
  swap.replacement = InputEvent::key('Y', false);
  add("c");
  build();
  const HookOutcome outcome = key('X', false);
  EXPECT_EQ(log, "a:88 b:88 c:89 ");
  EXPECT_EQ(outcome.verdict, HookVerdict::Replace);
  EXPECT_EQ(outcome.replacement, InputEvent::key('Y', false));
}

TEST_F(HookChainTest, OnlyStagesThatAskForItSeeTheProgramsOwnInput) {
  add("a", true);
  add("b");
  build();
  key('X', false, true);
  key('X', true);
  EXPECT_EQ(log, "a:88 a:88^ b:88^ ");
}

// The list of posts lives in place; a stage that overfills it loses only
// what does not fit.
TEST_F(HookChainTest, PostsBeyondTheRoomAreLeftOut) {
  add("a").posts = static_cast<int>(HookPosts::kCapacity) + 3;
  build();
  EXPECT_EQ(key('X', false).posts.size(), HookPosts::kCapacity);
}

}  // namespace
}  // namespace tavrix::hook
