// Window, program and clipboard commands of macro texts played on the real
// desktop against another program: Wine's notepad.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/win32/playback_test_support.h"

namespace tavrix {
namespace {

using playtest::EditorWindow;
using playtest::Notepad;
using playtest::TextArrived;

class PlaybackCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    wintest::TakeQuit();
    ASSERT_TRUE(notepad_.ready()) << "notepad did not start";
    SendMessageA(notepad_.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  }
  void TearDown() override { EXPECT_EQ(wintest::TakeQuit(), -1); }

  // Our own window in front, as the window the macro was triggered in.
  void StartFromOwnWindow() {
    ASSERT_TRUE(playtest::BringForwardWithFocus(rig_.desktop, own_.handle(), own_.edit()));
    rig_.player.State().targetWindow = own_.id();
  }
  void StartFromNotepad() {
    ASSERT_TRUE(playtest::BringForwardWithFocus(rig_.desktop, notepad_.window(), notepad_.edit()));
    rig_.player.State().targetWindow = notepad_.id();
  }
  void Play(const std::string& text) { rig_.player.IntoProgram(text); }

  EditorWindow own_{"Tavrix commands start"};
  Notepad notepad_;
  playtest::PlaybackRig rig_;
};

TEST_F(PlaybackCommands, ActivateFindsNotepadByPartOfItsTitleInAnyCaseAndTypesIntoIt) {
  StartFromOwnWindow();
  ASSERT_EQ(FindWindowA(nullptr, "notepad"), nullptr);  // no exact match: the lookup must search
  Play("<ACTIVATE:notepad>Typed (into) <Notepad>!");
  EXPECT_EQ(GetForegroundWindow(), notepad_.window());
  EXPECT_EQ(rig_.player.State().targetWindow, notepad_.id());
  EXPECT_EQ(TextArrived(notepad_.edit(), "Typed (into) <Notepad>!"), "Typed (into) <Notepad>!");
  EXPECT_EQ(own_.text(), "");
}

TEST_F(PlaybackCommands, ActivateOfAMissingWindowEndsTheTextButMissingWindowCommandsGoOn) {
  StartFromOwnWindow();
  Play("<WMIN:tavrix no such window>kept <ACTIVATE:tavrix no such window>lost");
  EXPECT_EQ(TextArrived(own_.edit(), "kept "), "kept ");
  EXPECT_EQ(GetForegroundWindow(), own_.handle());
  EXPECT_EQ(rig_.player.State().targetWindow, own_.id());
  EXPECT_EQ(notepad_.text(), "");
}

// While the macro is paused the user works in another window; Resume sends
// the rest of the keys to the window the macro had activated.
TEST_F(PlaybackCommands, AfterAPauseTheKeysGoBackToTheActivatedWindow) {
  StartFromOwnWindow();
  int step = 0;
  wintest::TimerScript user([&] {
    HWND box = wintest::FindOwnWindow("Pause");
    if (box == nullptr) return false;
    // The user turns away only once the box is in front.
    if (step == 0 && GetForegroundWindow() != box) return false;
    if (step == 0) {
      SetForegroundWindow(own_.handle());
      step = 1;
      return false;
    }
    // Wine may hand the foreground back to the box when the focus events of
    // the display arrive late: the user clicks the window again.
    if (GetForegroundWindow() != own_.handle()) {
      SetForegroundWindow(own_.handle());
      return false;
    }
    wintest::PostClick(wintest::FindChild(box, "Button", "&Resume"));
    return true;
  });
  rig_.player.SetMacro("Timed", TimedMacroActivation);
  // Wine hands keys to a program only when it reads them, and drops those
  // still unread when it loses the focus: the delay lets notepad read "one ".
  Play("<ACTIVATE:notepad>one <DELAY:00.30><PAUSE>two");
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(TextArrived(notepad_.edit(), "one two"), "one two");
  EXPECT_EQ(GetForegroundWindow(), notepad_.window());
  EXPECT_EQ(own_.text(), "");
}

// The keys typed just before a switch to another window reach the window
// they were typed for, also under Wine, which drops the keys a window has not
// read yet when it loses the focus.
TEST_F(PlaybackCommands, KeysTypedJustBeforeASwitchReachTheirWindow) {
  StartFromOwnWindow();
  Play("<ACTIVATE:notepad>hello there<ACTIVATE:Tavrix commands start>world");
  EXPECT_EQ(TextArrived(own_.edit(), "world"), "world");
  EXPECT_EQ(TextArrived(notepad_.edit(), "hello there"), "hello there");
}

// A longer text takes notepad longer to read than a short fixed wait.
TEST_F(PlaybackCommands, ALongerTextTypedJustBeforeASwitchArrivesWhole) {
  StartFromOwnWindow();
  const std::string line = "The quick brown fox jumps over the lazy dog, 0123456789 times.";
  Play("<ACTIVATE:notepad>" + line + "<ACTIVATE:Tavrix commands start>done");
  EXPECT_EQ(TextArrived(own_.edit(), "done"), "done");
  EXPECT_EQ(TextArrived(notepad_.edit(), line), line);
}

TEST_F(PlaybackCommands, SizeOfTheCurrentWindowAndPositionOfNotepadByTitle) {
  StartFromNotepad();
  const RECT before = notepad_.rect();
  Play("<WSIZE:0640,0480\"CURRENT\">");
  RECT sized = notepad_.rect();
  EXPECT_EQ(sized.right - sized.left, 640);
  EXPECT_EQ(sized.bottom - sized.top, 480);
  EXPECT_EQ(sized.left, before.left);
  EXPECT_EQ(sized.top, before.top);

  StartFromOwnWindow();
  Play("<WSIZE:0500,0400notepad><WPOS:0050,0060NOTEPAD>still mine");
  const RECT moved = notepad_.rect();
  EXPECT_EQ(moved.left, 50);
  EXPECT_EQ(moved.top, 60);
  EXPECT_EQ(moved.right - moved.left, 500);
  EXPECT_EQ(moved.bottom - moved.top, 400);
  // Neither command changes the foreground or the target: the keys after
  // the move still go to the window they went to before.
  EXPECT_EQ(GetForegroundWindow(), own_.handle());
  EXPECT_EQ(rig_.player.State().targetWindow, own_.id());
  EXPECT_EQ(TextArrived(own_.edit(), "still mine"), "still mine");
  EXPECT_EQ(notepad_.text(), "");
}

TEST_F(PlaybackCommands, HideAndShowNotepadByTitle) {
  StartFromOwnWindow();
  Play("<WHIDE:Untitled - Notepad>");
  EXPECT_FALSE(IsWindowVisible(notepad_.window()));
  Play("<WSHOW:untitled>");
  EXPECT_TRUE(IsWindowVisible(notepad_.window()));
}

TEST_F(PlaybackCommands, ClipboardBlockFillsTheClipboardAndPasteBringsItIntoNotepad) {
  StartFromOwnWindow();
  Play("<ACTIVATE:notepad><BEGCLIP>some <b> text\r\nline two<ENDCLIP><CLIPP>.");
  EXPECT_EQ(playtest::ClipboardText(), "some <b> text\r\nline two");
  EXPECT_EQ(TextArrived(notepad_.edit(), "some <b> text\r\nline two."), "some <b> text\r\nline two.");
  EXPECT_EQ(own_.text(), "");
}

TEST_F(PlaybackCommands, CopyTakesNotepadsSelection) {
  SendMessageA(notepad_.edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("copy this, not that"));
  SendMessageA(notepad_.edit(), EM_SETSEL, 0, 9);
  StartFromNotepad();
  rig_.desktop.SetClipboardText("old");
  Play("<CLIPC>");
  EXPECT_TRUE(wintest::PumpUntil([] { return playtest::ClipboardText() == "copy this"; }, 3000))
      << playtest::ClipboardText();
}

TEST_F(PlaybackCommands, LaunchAndWaitStartsTheProgramWithItsParametersAndTypesIntoItsWindow) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string name = "tvx_launch_" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string path = std::string(temp) + name;
  { std::ofstream(path, std::ios::binary) << "from file|"; }
  const std::string title = name + " - Notepad";
  // Whatever happens, the launched notepad (even one that shows up late)
  // and the file go, so that no later test finds them.
  bool seen = false;
  struct CleanUp {
    const std::string& path;
    const std::string& title;
    const bool& seen;
    ~CleanUp() {
      HWND late = nullptr;
      wintest::PumpUntil([&] { return (late = FindWindowA(nullptr, title.c_str())) != nullptr; }, seen ? 0 : 2000);
      if (late != nullptr) playtest::EndProcessOfWindow(late);
      DeleteFileA(path.c_str());
    }
  } cleanUp{path, title, seen};
  StartFromOwnWindow();
  const int notepadsBefore = playtest::VisibleNotepadCount();

  Play("<LAUNCHNO:00" + name + "<LAUNCH:notepad.exe<PARAM>\"" + path + "\">typed");

  HWND launched = FindWindowA(nullptr, title.c_str());
  seen = launched != nullptr;
  ASSERT_NE(launched, nullptr) << "the launched notepad is not there; target: \""
                               << rig_.desktop.WindowTitle(rig_.player.State().targetWindow) << "\"";
  EXPECT_NE(launched, notepad_.window());
  EXPECT_EQ(GetForegroundWindow(), launched);
  EXPECT_EQ(rig_.player.State().targetWindow, WindowIdOf(launched));
  EXPECT_EQ(rig_.player.State().launchTitle, name);
  EXPECT_EQ(playtest::VisibleNotepadCount(), notepadsBefore + 1);
  HWND edit = FindWindowExA(launched, nullptr, "Edit", nullptr);
  // The keys go to the launched window, at the caret where notepad put it.
  const std::string text = TextArrived(edit, "from file|typed");
  EXPECT_NE(text.find("typed"), std::string::npos) << text;
  EXPECT_NE(text.find("from file|"), std::string::npos) << text;
  EXPECT_EQ(own_.text(), "");
  playtest::EndProcessOfWindow(launched);
}

TEST_F(PlaybackCommands, ActivateOrLaunchBringsAnOpenWindowForwardWithoutLaunchingOrWaiting) {
  StartFromOwnWindow();
  const int notepadsBefore = playtest::VisibleNotepadCount();
  // The five seconds are waited only after a launch.
  Play("<LAUNCHYES:05Notepad<LAUNCH:notepad.exe>here");
  EXPECT_TRUE(rig_.desktop.launches.empty());
  EXPECT_LT(rig_.desktop.waitedMs, 5000u);
  EXPECT_EQ(GetForegroundWindow(), notepad_.window());
  EXPECT_EQ(TextArrived(notepad_.edit(), "here"), "here");
  EXPECT_EQ(playtest::VisibleNotepadCount(), notepadsBefore);
}

}  // namespace
}  // namespace tavrix
