// The dispatcher on its own, with a host that stands in for the parts that
// join the road of a hot key: capture, the popup menus and network sharing.
#include "activation/activation_dispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/private_messages.h"
#include "playback/desktop_playback_commands.h"
#include "playback/pause_box.h"
#include "playback/player.h"
#include "store/macro_file.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

using test_support::Lines;
using test_support::LinesStartingWith;
using test_support::TypedText;
using test_support::Macro;

class StandInHost : public ActivationHost {
 public:
  explicit StandInHost(SimTrace& trace) : trace_(trace) {}
  void ActivateMe() override { trace_.Add("host ActivateMe"); }
  void StartClearTimer() override { trace_.Add("host StartClearTimer"); }
  void StartCaptureFromHotKey() override { trace_.Add("host StartCapture"); }
  void ShowMenuForTopMostWindow() override { trace_.Add("host TopMostMenu"); }
  int ShowPopupMenu(const MacroRecord& menu) override {
    trace_.Add("host PopupMenu " + menu.NickName() + (dispatcher->PopupShown() ? " shown" : " not shown"));
    return choice;
  }
  bool ReloadIfNetworkFileChanged() override {
    if (networkChanged && reload) reload();
    return networkChanged;
  }

  ActivationDispatcher* dispatcher = nullptr;
  int choice = 0;
  bool networkChanged = false;
  std::function<void()> reload;

 private:
  SimTrace& trace_;
};

constexpr std::uint16_t kCtrlA = 0;
constexpr std::uint16_t kCtrlB = 1;
constexpr std::uint16_t kCtrlAltShiftF1 = 276;  // "Ctrl+Alt+Shift+F1"
constexpr std::uint16_t kAltShiftLMouse = 705;   // "Shift+Alt+LMouse"
constexpr std::uint16_t kCtrlShiftM = 108;
constexpr std::uint16_t kResumePauseKey = 264;  // the system entry "3" below: "Ctrl+Alt+Shift+Y"

class DispatcherTest : public ::testing::Test, protected test_support::SimWorld {
 protected:
  DispatcherTest() { host.dispatcher = &dispatcher; }

  // The system entries 1..4 (their keys 262..265), then `macros` from 5 on.
  void Load(const std::vector<MacroRecord>& macros) {
    std::vector<MacroRecord> records;
    for (int digit = 1; digit <= 4; ++digit) records.push_back(test_support::SystemMacro(digit, "System", 0, 0));
    records.insert(records.end(), macros.begin(), macros.end());
    const std::string path = folder_.File("TEST.TVX");
    test_support::WriteMacroFile(path, records);
    file.LoadFile(path);
    desktop.Trace().Clear();
  }

  Lines HostLines() const { return test_support::LinesStartingWith(Trace(), "host "); }
  Lines InputLines() const {
    Lines found;
    for (const auto& line : desktop.Trace().Lines())
      if (line.rfind("key ", 0) == 0 || line.rfind("mouse ", 0) == 0 || line.rfind("wait ", 0) == 0)
        found.push_back(line);
    return found;
  }

  std::size_t LinesStartingWithWait() const {
    std::size_t found = 0;
    for (const auto& line : desktop.Trace().Lines()) found += line.rfind("wait ", 0) == 0;
    return found;
  }

  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2024, 5, 1, 9, 0, 0, 0}; }};
  DesktopPlaybackCommands commands{desktop};
  WindowlessPlayerHost playerHost;
  Player player{desktop, ui, playerHost, commands};
  StandInHost host{desktop.Trace()};
  ActivationDispatcher dispatcher{desktop, ui, hooks, file, player, host};

 private:
  test_support::ScratchFolder folder_;
};

TEST_F(DispatcherTest, SystemActivationsReachTheirParts) {
  Load({});
  dispatcher.Fire(262, 0);
  dispatcher.Fire(263, 0);
  dispatcher.Fire(264, 0);
  dispatcher.Fire(265, 0);
  EXPECT_EQ(HostLines(), (Lines{"host ActivateMe", "host StartCapture", "host TopMostMenu"}));
  EXPECT_TRUE(InputLines().empty());
}

TEST_F(DispatcherTest, APopupMenuRunsTheChosenMacroWithThePopupMarkedMeanwhile) {
  MacroRecord menu = Macro("The menu", kCtrlA, "", kScopePopupMenu);
  menu.SetPopupMenuList({6});
  Load({menu, Macro("Chosen", kCtrlB, "c")});
  host.choice = 6;
  dispatcher.Fire(kCtrlA, 0);
  EXPECT_EQ(HostLines(), (Lines{"host PopupMenu The menu shown", "host StartClearTimer"}));
  EXPECT_FALSE(dispatcher.PopupShown());
  EXPECT_EQ(dispatcher.RunBuffer().NickName(), "Chosen");
  EXPECT_EQ(InputLines(), (Lines{"key 67 down", "key 67 up", "key 43 down", "key 43 up"}));
}

TEST_F(DispatcherTest, ACancelledPopupMenuRunsNothing) {
  MacroRecord menu = Macro("The menu", kCtrlA, "", kScopePopupMenu);
  menu.SetPopupMenuList({6});
  Load({menu, Macro("Chosen", kCtrlB, "c")});
  dispatcher.Fire(kCtrlA, 0);
  EXPECT_EQ(HostLines(), (Lines{"host PopupMenu The menu shown"}));
  EXPECT_EQ(hooks.CountOf("TvxUpInUse"), 0u);
}

// Another copy changed the file: the key plays the macro of the reloaded
// file, and nothing replays the hot key as synthetic input.
TEST_F(DispatcherTest, AChangedNetworkFileIsReloadedAndTheHotKeyPlaysTheFreshMacro) {
  Load({Macro("new", kCtrlAltShiftF1, "new")});
  dispatcher.Fire(kCtrlAltShiftF1, 0);
  const Lines fresh = InputLines();

  Load({Macro("old", kCtrlAltShiftF1, "old")});
  host.networkChanged = true;
  host.reload = [this] { Load({Macro("new", kCtrlAltShiftF1, "new")}); };
  dispatcher.Fire(kCtrlAltShiftF1, 0);
  EXPECT_EQ(InputLines(), fresh);
  EXPECT_EQ(hooks.CountOf("TvxUpInUse"), 2u);  // set once for each run
  EXPECT_EQ(dispatcher.LastCode(), kCtrlAltShiftF1);
}

TEST_F(DispatcherTest, AChangedNetworkFileSendsNoSyntheticMouseHotKey) {
  Load({Macro("A", kAltShiftLMouse, "a")});
  host.networkChanged = true;
  dispatcher.Fire(kAltShiftLMouse, 0);
  for (const std::string& line : InputLines()) EXPECT_EQ(line.rfind("mouse ", 0), std::string::npos) << line;
  EXPECT_FALSE(InputLines().empty());  // the macro played
}

TEST_F(DispatcherTest, TheCodeLosesTheCapsLockBitAndTheFocusWindowBecomesTheTarget) {
  Load({Macro("A", kCtrlB, "b")});
  dispatcher.Fire(kCtrlB | kActivationCapsLockBit, 0x5150);
  EXPECT_EQ(dispatcher.LastCode(), kCtrlB);
  EXPECT_EQ(player.State().targetWindow, 0x5150u);
  EXPECT_EQ(dispatcher.PlayingMacro(), 0);  // back to none after the playback
}

TEST_F(DispatcherTest, TheDirectRunMaskKeepsTheMacroNumber) {
  Load({Macro("A", kCtrlA, "a"), Macro("B", kCtrlB, "b")});
  dispatcher.Fire(kActivationDirectMacroBit | 6, 0x77);
  EXPECT_EQ(dispatcher.RunBuffer().NickName(), "B");
  EXPECT_EQ(player.State().targetWindow, 0x77u);
}

// A hot key pressed during a wait of a playing macro plays its macro inside
// that playback. The interrupted macro then goes on as if nothing had
// happened: its repeat passes and counter, and Caps Lock held off once for
// both (the inner playback finds it off already).
TEST_F(DispatcherTest, AMacroStartedDuringAnotherLeavesTheInterruptedOnesRepeatAsItWas) {
  struct Case {
    std::string outer;
    std::string inner;  // empty: the outer macro's own key again
    bool capsLock;
    std::string typed;
  };
  const Case cases[] = {
      {"<REPEAT:0003>r<I><DELAY:01.00><ENDREP>.", "", false, "r1r1r2r3.r2r3."},
      {"<REPEAT:0002>a<I><DELAY:00.10><ENDREP>b", "<REPEAT:0002>i<I><ENDREP>", false, "a1i1i2a2b"},
      {"a<DELAY:00.10>b", "<REPEAT:0002>i<ENDREP>", true, "aiib"},
  };
  for (const Case& c : cases) {
    Load({Macro("Outer", kCtrlA, c.outer), Macro("Inner", kCtrlB, c.inner)});
    desktop.SetCapsLock(c.capsLock);
    bool fired = false;
    desktop.SetMessageHandler([&] {
      if (fired || LinesStartingWithWait() == 0) return;
      fired = true;
      dispatcher.Fire(c.inner.empty() ? kCtrlA : kCtrlB, 0);
    });
    dispatcher.Fire(kCtrlA | (c.capsLock ? kActivationCapsLockBit : 0u), 0);
    desktop.SetMessageHandler({});
    file.index().table().SetInUse(0);
    const Lines lines = desktop.Trace().Lines();
    EXPECT_TRUE(fired) << c.outer;
    EXPECT_EQ(TypedText(lines), c.typed) << c.outer;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "key 20 down"), c.capsLock ? 2 : 0) << c.outer;
    EXPECT_EQ(desktop.CapsLockOn(), c.capsLock) << c.outer;
  }
}

// The interrupted macro also keeps its speed, its target window and its name
// in the pause box.
TEST_F(DispatcherTest, AMacroStartedDuringAnotherLeavesTheInterruptedOnesSettingsAsTheyWere) {
  Load({Macro("Outer", kCtrlA, "<SPEED:00002>a<DELAY:00.10>b<DELAY:00.10><PAUSE>"), Macro("Inner", kCtrlB, "i")});
  ui.AnswerForm(TPauseMacro::kName, ui.Answer("ResumeButton"));
  const WindowId outerWindow = desktop.AddWindow("Outer window");
  const WindowId innerWindow = desktop.AddWindow("Inner window");
  bool fired = false;
  desktop.SetMessageHandler([&] {
    if (fired || LinesStartingWithWait() == 0) return;
    fired = true;
    dispatcher.Fire(kCtrlB, innerWindow);
  });
  dispatcher.Fire(kCtrlA, outerWindow);
  desktop.SetMessageHandler({});
  const Lines lines = desktop.Trace().Lines();
  EXPECT_EQ(TypedText(lines), "aib");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "wait 200"), 2);
  std::vector<SimUi::ShownForm> pauses = ui.Shown(TPauseMacro::kName);
  ASSERT_EQ(pauses.size(), 1u);
  EXPECT_EQ(pauses[0].texts["NicknameLabel"], "Outer");
  EXPECT_EQ(pauses[0].caption, "Pause (" + std::to_string(kCtrlA) + ")");
  const Lines foreground = LinesStartingWith(lines, "foreground ");
  ASSERT_FALSE(foreground.empty());
  EXPECT_EQ(foreground.back(), "foreground Outer window");
}

// The key that resumes a pause (the paused macro's own, or the system key
// "Resume Pause") is still held when the box closes: the keys after the
// pause wait until its modifiers are up, as at the start of a macro.
TEST_F(DispatcherTest, AResumeByHotKeyWaitsUntilItsModifiersAreReleased) {
  struct Case {
    std::uint16_t key;
    std::vector<std::uint8_t> modifiers;
  };
  const Case cases[] = {{kCtrlShiftM, {17, 16}}, {kResumePauseKey, {17, 18, 16}}};
  for (const Case& c : cases) {
    Load({Macro("Paused", kCtrlShiftM, "<PAUSE>xyz")});
    int waits = 0;
    ui.AnswerForm(TPauseMacro::kName, [&](Form&) {
      for (const std::uint8_t vk : c.modifiers) desktop.SendKey(vk, false);  // the user holds the hot key
      desktop.SetMessageHandler([&] {
        if (++waits != 3) return;
        for (const std::uint8_t vk : c.modifiers) desktop.SendKey(vk, true);
      });
      dispatcher.Fire(c.key, 0);
    });
    dispatcher.Fire(kCtrlShiftM, 0);
    desktop.SetMessageHandler({});
    EXPECT_FALSE(player.Paused());
    const Lines lines = desktop.Trace().Lines();
    const auto released = std::find(lines.begin(), lines.end(), "key 16 up");
    const auto firstKey = std::find(lines.begin(), lines.end(), "key 88 down");
    EXPECT_LT(std::distance(lines.begin(), released), std::distance(lines.begin(), firstKey)) << c.key;
    Lines afterRelease(released + 1, lines.end());
    EXPECT_EQ(TypedText(afterRelease), "xyz") << c.key;
  }
}

}  // namespace
}  // namespace tavrix
