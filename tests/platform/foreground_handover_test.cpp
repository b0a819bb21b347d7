// The one owner of the foreground hand-over: the window in front reads the
// keys sent to it before anything moves, the program's windows step aside
// for a form, and the focus goes back with no Alt release left to open a
// menu.
#include <gtest/gtest.h>

#include "platform/foreground_handover.h"
#include "platform/on_top_message.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "tests/support/trace_filter.h"

namespace tavrix {
namespace {

using test_support::Lines;
using test_support::LinesStartingWith;

class TracedWindows : public ProgramWindows {
 public:
  explicit TracedWindows(SimTrace& trace) : trace_(trace) {}
  bool InTrayMode() override { return tray; }
  void ShowTaskbarWindow(bool visible) override { trace_.Add(visible ? "taskbar shown" : "taskbar hidden"); }
  bool ProgramMinimized() override { return minimized; }
  void RestoreProgram() override { trace_.Add("restore"); }
  void MinimizeProgram() override { trace_.Add("minimize"); }
  void ShowMainWindow() override { trace_.Add("main shown"); }
  void HideMainWindow() override { trace_.Add("main hidden"); }
  bool tray = false;
  bool minimized = false;

 private:
  SimTrace& trace_;
};

class HandoverTest : public ::testing::Test {
 protected:
  HandoverTest() {
    notepad = desktop.AddWindow("Untitled - Notepad");
    other = desktop.AddWindow("Other");
    desktop.BringToForeground(notepad);
    desktop.Trace().Clear();
  }
  Lines Trace() const { return desktop.Trace().Lines(); }

  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
  TracedWindows windows{desktop.Trace()};
  ForegroundHandover handover{desktop, ui, windows};
  WindowId notepad = 0;
  WindowId other = 0;
};

TEST_F(HandoverTest, AroundAFormTheKeysAreReadFirstAndTheFocusComesBack) {
  struct Case {
    bool tray;
    bool minimized;
    Lines expected;
  };
  const Case cases[] = {
      {false, false,
       {"key 65 down", "key 65 up", "keys read", "main hidden", "message Notice: hi", "main shown",
        "foreground Untitled - Notepad"}},
      {false, true,
       {"key 65 down", "key 65 up", "keys read", "restore", "main hidden", "message Notice: hi", "main shown",
        "foreground Untitled - Notepad"}},
      {true, false,
       {"key 65 down", "key 65 up", "keys read", "taskbar shown", "message Notice: hi", "taskbar hidden",
        "foreground Untitled - Notepad"}},
  };
  for (const Case& c : cases) {
    desktop.Trace().Clear();
    windows.tray = c.tray;
    windows.minimized = c.minimized;
    desktop.SendKey(65, false);
    desktop.SendKey(65, true);
    TOnTopMessage box("Notice", "hi");
    handover.ShowModal(box);
    EXPECT_EQ(Trace(), c.expected) << c.tray << c.minimized;
    EXPECT_EQ(handover.RestoredProgram(), c.minimized);
  }
}

TEST_F(HandoverTest, TheFocusGoesToTheWindowAskedForElseToTheOneThatWasInFront) {
  TOnTopMessage first("Notice", "one");
  handover.ShowModal(first, other);
  EXPECT_EQ(desktop.ForegroundWindow(), other);
  TOnTopMessage second("Notice", "two");
  handover.ShowModal(second);
  EXPECT_EQ(desktop.ForegroundWindow(), other);
}

// Answered with Alt+R (or a hot key with Alt), Alt is still down when the
// focus goes back: a key in between keeps its release from opening a menu.
TEST_F(HandoverTest, AnAltStillHeldGetsAKeyInBetweenBeforeTheFocusGoesBack) {
  ui.AnswerFormAlways(TOnTopMessage::kName, [&](Form& box) {
    desktop.UserKey(18, false);
    ui.Answer("OkButton")(box);
  });
  TOnTopMessage box("Notice", "hi");
  handover.ShowModal(box);
  EXPECT_EQ(Trace(), (Lines{"main hidden", "message Notice: hi", "user key 18 down", "main shown", "key 232 down",
                            "key 232 up", "keys read", "foreground Untitled - Notepad"}));
}

TEST_F(HandoverTest, ASecondMessageWhileOneIsOpenIsDropped) {
  ui.AnswerFormAlways(TOnTopMessage::kName, [&](Form& box) {
    EXPECT_TRUE(handover.MessageOpen());
    handover.DoAMessage("Second", "dropped");
    ui.Answer("OkButton")(box);
  });
  handover.DoAMessage("Macro Abort", "Tavrix macro has been aborted.");
  EXPECT_EQ(LinesStartingWith(Trace(), "message "), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
  EXPECT_FALSE(handover.MessageOpen());
}

TEST_F(HandoverTest, BringingAWindowForwardReadsTheKeysFirstAndNothingForNoWindow) {
  desktop.SendKey(66, false);
  handover.BringToFront(0);
  handover.BringToFront(other);
  handover.BringToFront(notepad);  // nothing sent since: no second wait
  EXPECT_EQ(Trace(), (Lines{"key 66 down", "keys read", "foreground Other", "foreground Untitled - Notepad"}));
}

}  // namespace
}  // namespace tavrix
