// The foreground hand-over around the program's forms on the real desktop:
// what happens to the main window, the taskbar window and the window the
// user was in.
#include <gtest/gtest.h>

#include "platform/on_top_message.h"
#include "playback/pause_box.h"
#include "playback/repeat_prompt.h"
#include "platform/win32/foreground_handover.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix {
namespace {

using wintest::FindChild;
using wintest::FindOwnWindow;
using wintest::PlainWindow;
using wintest::PostClick;
using wintest::TimerScript;

// A user answering the repeat prompt with "3", noting what the desktop
// looked like meanwhile.
struct PromptWatcher {
  HWND main = nullptr;
  HWND taskbar = nullptr;
  bool mainVisible = false;
  bool mainEnabled = true;
  bool taskbarVisible = false;
  bool promptInFront = false;

  bool Step() {
    HWND prompt = FindOwnWindow("Macro Repeat");
    if (prompt == nullptr) return false;
    if (main != nullptr) {
      mainVisible = IsWindowVisible(main) != FALSE;
      mainEnabled = IsWindowEnabled(main) != FALSE;
    }
    if (taskbar != nullptr) taskbarVisible = IsWindowVisible(taskbar) != FALSE;
    promptInFront = GetForegroundWindow() == prompt;
    SetWindowTextA(FindChild(prompt, "Edit"), "3");
    PostClick(FindChild(prompt, "Button", "&Ok"));
    return true;
  }
};

std::uint16_t AskRepeatCount(ForegroundHandover& handover) {
  TRepeatPrompt prompt;
  handover.ShowModal(prompt);
  return prompt.count;
}

class Handover : public ::testing::Test {
 protected:
  void SetUp() override {
    wintest::TakeQuit();
    desktop_.BringToForeground(user_.id());
    ASSERT_EQ(GetForegroundWindow(), user_.handle());
  }
  void TearDown() override { EXPECT_EQ(wintest::TakeQuit(), -1) << "a script gave up"; }

  Win32Desktop desktop_;
  Win32Ui ui_;
  PlainWindow main_{"Tavrix main window", true, 20, 20};
  PlainWindow user_{"Somebody's editor", true, 300, 200};
  wintest::TestProgramWindows windows_{main_.handle()};
  ForegroundHandover handover_{desktop_, ui_, windows_};
};

TEST_F(Handover, OutsideTrayModeTheMainWindowStepsAsideAndTheUserGetsTheFocusBack) {
  ui_.SetMainWindow(main_.id());
  PromptWatcher user{main_.handle()};
  TimerScript script([&] { return user.Step(); });
  EXPECT_EQ(AskRepeatCount(handover_), 3);
  ASSERT_TRUE(script.finished());
  EXPECT_FALSE(user.mainVisible);
  EXPECT_FALSE(user.mainEnabled);
  EXPECT_TRUE(user.promptInFront);
  EXPECT_TRUE(IsWindowVisible(main_.handle()));
  EXPECT_TRUE(IsWindowEnabled(main_.handle()));
  EXPECT_EQ(GetForegroundWindow(), user_.handle());
}

TEST_F(Handover, AMinimisedProgramIsRestoredForTheBox) {
  ShowWindow(main_.handle(), SW_SHOWMINNOACTIVE);
  desktop_.BringToForeground(user_.id());
  bool iconicDuring = true;
  bool visibleDuring = true;
  TOnTopMessage box("Notice", "restored");
  TimerScript script([&] {
    if (FindOwnWindow("Notice") == nullptr) return false;
    iconicDuring = IsIconic(main_.handle()) != FALSE;
    visibleDuring = IsWindowVisible(main_.handle()) != FALSE;
    ui_.EndForm(box, ModalResult::Ok);
    return true;
  });
  handover_.ShowModal(box);
  EXPECT_TRUE(handover_.RestoredProgram());
  EXPECT_FALSE(iconicDuring);
  EXPECT_FALSE(visibleDuring);
  EXPECT_TRUE(IsWindowVisible(main_.handle()));
  EXPECT_FALSE(IsIconic(main_.handle()));
  EXPECT_EQ(GetForegroundWindow(), user_.handle());
}

TEST_F(Handover, InTrayModeOnlyTheTaskbarWindowShowsForTheTimeOfTheBox) {
  PlainWindow taskbar("Tavrix taskbar", false);
  ShowWindow(main_.handle(), SW_HIDE);
  ui_.SetMainWindow(main_.id());
  wintest::TestProgramWindows trayWindows(main_.handle(), taskbar.handle(), true);
  ForegroundHandover trayHandover(desktop_, ui_, trayWindows);
  PromptWatcher user{main_.handle(), taskbar.handle()};
  TimerScript script([&] { return user.Step(); });
  EXPECT_EQ(AskRepeatCount(trayHandover), 3);
  ASSERT_TRUE(script.finished());
  EXPECT_TRUE(user.taskbarVisible);
  EXPECT_FALSE(user.mainVisible);
  EXPECT_TRUE(user.promptInFront);
  EXPECT_FALSE(IsWindowVisible(taskbar.handle()));
  EXPECT_FALSE(IsWindowVisible(main_.handle()));
  // The focus goes back to the user's window in tray mode too.
  EXPECT_EQ(GetForegroundWindow(), user_.handle());
}

TEST_F(Handover, AfterAPauseTheFocusReturnsToTheWindowThatHadIt) {
  ui_.SetMainWindow(main_.id());
  bool pauseInFront = false;
  TPauseMacro pause("Pause", "My Macro", "", std::nullopt, 1024, 768);
  TimerScript script([&] {
    HWND box = FindOwnWindow("Pause");
    if (box == nullptr) return false;
    pauseInFront = GetForegroundWindow() == box;
    ui_.EndForm(pause, ModalResult::Ok);
    return true;
  });
  EXPECT_EQ(handover_.ShowModal(pause), ModalResult::Ok);
  EXPECT_TRUE(pauseInFront);
  EXPECT_EQ(GetForegroundWindow(), user_.handle());
  EXPECT_TRUE(IsWindowVisible(main_.handle()));
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

TEST_F(Handover, TheFocusGoesBackToAnotherProgramAfterThePrompt) {
  desktop_.LaunchProgram("notepad.exe", "");
  HWND notepad = wintest::WaitForLaunchedNotepad();
  ASSERT_NE(notepad, nullptr);
  desktop_.BringToForeground(WindowIdOf(notepad));
  ASSERT_EQ(GetForegroundWindow(), notepad);

  ui_.SetMainWindow(main_.id());
  PromptWatcher user{main_.handle()};
  TimerScript script([&] { return user.Step(); });
  EXPECT_EQ(AskRepeatCount(handover_), 3);
  EXPECT_TRUE(user.promptInFront);
  EXPECT_EQ(GetForegroundWindow(), notepad);
  HWND edit = FindWindowExA(notepad, nullptr, "Edit", nullptr);
  EXPECT_TRUE(wintest::PumpUntil([&] { return FocusOf(notepad) == edit; }, 2000));

  PostMessageA(notepad, WM_CLOSE, 0, 0);
  EXPECT_TRUE(wintest::PumpUntil([&] { return !IsWindow(notepad); }, 5000));
}

TEST_F(Handover, GivingTheFocusBackToAClosedWindowDoesNothing) {
  HWND gone = nullptr;
  {
    PlainWindow closed("Tavrix closed meanwhile");
    gone = closed.handle();
  }
  handover_.BringToFront(WindowIdOf(gone));
  handover_.BringToFront(0);
  EXPECT_EQ(GetForegroundWindow(), user_.handle());
}

}  // namespace
}  // namespace tavrix
