#include "playback/window_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_playback.h"

namespace tavrix {
namespace {

using Lines = std::vector<std::string>;
constexpr int kKeyA = 65;

class WindowCommandsTest : public ::testing::Test, public CommandPlayback {
 protected:
  void SetUp() override {
    notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
    paint = desktop.AddWindow("Paint", "MSPAINT.EXE");  // in front
    player.State().targetWindow = paint;
  }
  WindowId notepad = 0;
  WindowId paint = 0;
};

TEST_F(WindowCommandsTest, ActivateBringsTheWindowForwardAndPlaybackGoesOn) {
  Play("<ACTIVATE:notepad>a");
  EXPECT_EQ(Actions(), Lines{"foreground Untitled - Notepad"});
  EXPECT_TRUE(Typed(kKeyA));
  EXPECT_EQ(player.State().targetWindow, notepad);
  EXPECT_EQ(desktop.ForegroundWindow(), notepad);
}

TEST_F(WindowCommandsTest, ActivateOfAMissingWindowEndsTheText) {
  Play("<ACTIVATE:Wordpad>a");
  EXPECT_TRUE(Actions().empty());
  EXPECT_FALSE(Typed(kKeyA));
  EXPECT_EQ(player.State().targetWindow, paint);
}

TEST_F(WindowCommandsTest, ActivateCurrentTakesTheWindowInFront) {
  player.State().targetWindow = notepad;
  Play("<ACTIVATE:\"CURRENT\">a");
  EXPECT_EQ(Actions(), Lines{"foreground Paint"});
  EXPECT_EQ(player.State().targetWindow, paint);
  EXPECT_TRUE(Typed(kKeyA));
}

TEST_F(WindowCommandsTest, WindowStateTagsActOnTheNamedWindow) {
  Play("<WHIDE:notepad><WSHOW:notepad><WMAX:notepad><WMIN:notepad><WRES:notepad>");
  EXPECT_EQ(Actions(), (Lines{"show Untitled - Notepad SW_HIDE", "show Untitled - Notepad SW_SHOW",
                              "syscommand Untitled - Notepad SC_MAXIMIZE", "syscommand Untitled - Notepad SC_MINIMIZE",
                              "syscommand Untitled - Notepad SC_RESTORE"}));
  Play("<WCLS:Paint><WSHUT:notepad>");
  EXPECT_EQ(Actions(), (Lines{"syscommand Paint SC_CLOSE", "quit Untitled - Notepad"}));
  EXPECT_EQ(desktop.Window(notepad), nullptr);
  EXPECT_EQ(desktop.Window(paint), nullptr);
}

TEST_F(WindowCommandsTest, WindowTagsChangeNeitherTargetNorForeground) {
  player.State().targetWindow = notepad;
  Play("<WMAX:notepad><WPOS:0010,0020notepad>a");
  EXPECT_EQ(player.State().targetWindow, notepad);
  EXPECT_EQ(desktop.ForegroundWindow(), paint);
}

TEST_F(WindowCommandsTest, MissingWindowOrEmptyTitleDoesNothingAndPlaybackGoesOn) {
  Play("<WMIN:Wordpad><WMIN:><WHIDE:><WSHUT:><WSIZE:0640,0480><WPOS:0000,0000>a");
  EXPECT_TRUE(Actions().empty());
  EXPECT_TRUE(Typed(kKeyA));
  EXPECT_EQ(desktop.ForegroundWindow(), paint);
}

TEST_F(WindowCommandsTest, CurrentActsOnTheForegroundWindow) {
  Play("<WSIZE:0640,0480\"CURRENT\">");
  EXPECT_EQ(Actions(), Lines{"setsize Paint 640 480"});
  const Rect rect = desktop.WindowRect(paint);
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.top, 100);
  EXPECT_EQ(rect.right - rect.left, 640);
  EXPECT_EQ(rect.bottom - rect.top, 480);
  Play("<WMIN:\"CURRENT\">");
  EXPECT_EQ(Actions(), Lines{"syscommand Paint SC_MINIMIZE"});
}

TEST_F(WindowCommandsTest, PositionKeepsTheSize) {
  Play("<WPOS:0010,0020notepad>");
  EXPECT_EQ(Actions(), Lines{"setpos Untitled - Notepad 10 20"});
  const Rect rect = desktop.WindowRect(notepad);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right - rect.left, 640);
  EXPECT_EQ(rect.bottom - rect.top, 480);
}

TEST_F(WindowCommandsTest, LaunchStartsTheProgramWithItsParametersAndDoesNotWait) {
  Play("<LAUNCH:notepad.exe<PARAM>c:\\notes.txt><LAUNCH:calc.exe>a");
  EXPECT_EQ(Actions(), (Lines{"launch notepad.exe c:\\notes.txt", "launch calc.exe "}));
  EXPECT_EQ(Elapsed(), 0);
  EXPECT_TRUE(Typed(kKeyA));
}

TEST_F(WindowCommandsTest, LaunchAndWaitWaitsForTheWindowThenTheExtraSeconds) {
  desktop.OnLaunch("wordpad", "Document - WordPad", "WORDPAD.EXE", 3000);
  Play("<LAUNCHNO:05Document - WordPad<LAUNCH:wordpad.exe<PARAM>a.txt>a");
  EXPECT_EQ(Actions(), (Lines{"launch wordpad.exe a.txt", "foreground Document - WordPad"}));
  EXPECT_EQ(Elapsed(), 3000 + 5000);
  EXPECT_TRUE(Typed(kKeyA));
  EXPECT_EQ(desktop.WindowTitle(player.State().targetWindow), "Document - WordPad");
  EXPECT_EQ(player.State().launchTitle, "Document - WordPad");
}

TEST_F(WindowCommandsTest, LaunchAndWaitGivesUpAfterThirtySecondsAndEndsTheText) {
  Play("<LAUNCHNO:05Never There<LAUNCH:missing.exe>a");
  EXPECT_EQ(Actions(), Lines{"launch missing.exe "});
  EXPECT_EQ(Elapsed(), 30000);
  EXPECT_FALSE(Typed(kKeyA));
  EXPECT_EQ(player.State().targetWindow, paint);
}

TEST_F(WindowCommandsTest, TheThirtySecondsAreCountedAcrossMidnight) {
  desktop.SetClock(LocalDateTime{2024, 12, 31, 23, 59, 50, 0});
  Play("<LAUNCHNO:00Never There<LAUNCH:missing.exe>a");
  EXPECT_EQ(Elapsed(), 30000);
  EXPECT_FALSE(Typed(kKeyA));
}

TEST_F(WindowCommandsTest, TheLaunchWaitIsNotScaledBySpeed) {
  desktop.OnLaunch("wordpad", "Document - WordPad", "WORDPAD.EXE", 1000);
  Play("<SPEED:00.50><LAUNCHNO:02Document - WordPad<LAUNCH:wordpad.exe>");
  EXPECT_EQ(Elapsed(), 1000 + 2000);
  Play("<SPEED:00000><LAUNCHNO:00Never There<LAUNCH:missing.exe>");
  EXPECT_EQ(Elapsed(), 30000);
}

TEST_F(WindowCommandsTest, ActivateOrLaunchWithTheWindowOpenNeitherLaunchesNorWaits) {
  Play("<LAUNCHYES:05notepad<LAUNCH:notepad.exe>a");
  EXPECT_EQ(Actions(), Lines{"foreground Untitled - Notepad"});
  EXPECT_EQ(Elapsed(), 0);
  EXPECT_TRUE(Typed(kKeyA));
  EXPECT_EQ(player.State().targetWindow, notepad);
}

TEST_F(WindowCommandsTest, ActivateOrLaunchWithoutTheWindowLaunchesAndWaits) {
  desktop.OnLaunch("calc", "Calculator", "CALC.EXE", 500);
  Play("<LAUNCHYES:01Calculator<LAUNCH:calc.exe>a");
  EXPECT_EQ(Actions(), (Lines{"launch calc.exe ", "foreground Calculator"}));
  EXPECT_EQ(Elapsed(), 500 + 1000);
  EXPECT_TRUE(Typed(kKeyA));
}

TEST_F(WindowCommandsTest, ALongLaunchTitleIsMatchedByItsFirstThirtyCharacters) {
  const std::string title40 = "Quarterly Report 2024 - Spreadsheet Tool";  // 40 characters
  ASSERT_EQ(title40.size(), 40u);
  // Same first 30 characters, different after them.
  const WindowId sheet = desktop.AddWindow(title40.substr(0, 30) + " (read-only)", "CALCSHEET.EXE");
  desktop.AddWindow("Paint", "MSPAINT.EXE");
  Play("<LAUNCHYES:03" + title40 + "<LAUNCH:calcsheet.exe>");
  EXPECT_EQ(player.State().launchTitle, title40.substr(0, 30));
  EXPECT_EQ(player.State().targetWindow, sheet);
  EXPECT_EQ(Elapsed(), 0);
  for (const std::string& line : Actions()) EXPECT_NE(line.rfind("launch", 0), 0u) << line;
}

TEST(WindowCommands, DirectCallsUpdateTheGivenTargetAndLaunchTitle) {
  SimDesktop desktop;
  const WindowId editor = desktop.AddWindow("Editor", "EDIT.EXE");
  desktop.AddWindow("Front", "");
  WindowId target = 0;
  std::string launchTitle;
  WindowCommands commands(desktop, target, launchTitle);
  EXPECT_EQ(commands.ActivateOrLaunch(0, std::string(50, 'x'), LaunchCommand{"x.exe", ""}), CommandOutcome::EndText);
  EXPECT_EQ(launchTitle, std::string(30, 'x'));
  EXPECT_EQ(commands.Activate("editor"), CommandOutcome::Continue);
  EXPECT_EQ(target, editor);
}

}  // namespace
}  // namespace tavrix
