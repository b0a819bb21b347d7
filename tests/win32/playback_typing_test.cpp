// Macro texts played by the player on the real desktop into an editor
// window: what arrives is what the text says, and the pause box and the
// repeat prompt come up, take a user's answer and hand the keys back.
#include <gtest/gtest.h>

#include "tests/win32/playback_test_support.h"

namespace tavrix {
namespace {

using playtest::EditorWindow;
using playtest::TextArrived;
using wintest::FindChild;
using wintest::PostClick;
using wintest::TimerScript;

constexpr std::uint8_t kShift = 0x10;

// The pause box of a playing macro: "Pause", or "Pause (hot key)".
HWND FindPauseBox() {
  std::vector<HWND> all;
  EnumWindows(wintest::CollectOwnVisibleWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    const std::string title = wintest::TextOf(window);
    if (title == "Pause" || title.rfind("Pause (", 0) == 0) return window;
  }
  return nullptr;
}

class HotKeyHost : public WindowlessPlayerHost {
 public:
  std::string HotKeyName(std::uint16_t code) override { return code == 112 ? "F1" : "?"; }
};

class PlaybackTyping : public ::testing::Test {
 protected:
  void SetUp() override {
    wintest::TakeQuit();
    ASSERT_NE(target_.edit(), nullptr);
    ASSERT_TRUE(playtest::BringForwardWithFocus(desktop_, target_.handle(), target_.edit()))
        << "the editor did not come in front with the focus in its edit " << GetForegroundWindow() << " "
        << target_.handle() << " " << playtest::FocusOfThreadOf(target_.handle()) << " " << target_.edit() << " "
        << GetFocus();
    // The dispatcher notes the window in front when a macro is triggered.
    player_.State().targetWindow = target_.id();
  }
  void TearDown() override {
    EXPECT_EQ(wintest::TakeQuit(), -1) << "a user script gave up";
    EXPECT_FALSE(desktop_.IsKeyDown(kShift));
    if (desktop_.IsKeyDown(kShift)) desktop_.SendKey(kShift, true);  // spare the next test
  }

  void Play(const std::string& text) { player_.IntoProgram(text); }
  std::string Typed(const std::string& expected) { return TextArrived(target_.edit(), expected); }

  Win32Desktop desktop_;
  Win32Ui ui_;
  HotKeyHost host_;
  DesktopPlaybackCommands commands_{desktop_};
  Player player_{desktop_, ui_, host_, commands_};
  EditorWindow target_{"Tavrix playback target"};
};

TEST_F(PlaybackTyping, PlainTextArrivesAsWrittenWithShiftedPunctuationAndDigits) {
  // "<x>" is no tag, so it is typed as it stands.
  const std::string text = "Hello, World! (a+b) <x> {y} ~#$%^&*_|:\"? 0123456789 `-=[]\\;',./ @";
  Play(text);
  EXPECT_EQ(Typed(text), text);
}

TEST_F(PlaybackTyping, TabsEnterAndEditingKeys) {
  // A CR LF pair is one Enter; the multi-line edit shows it as CR LF.
  Play("a<TAB>b\tc\r\nsecond line<ENTER>third\r\nabx<BACKSPACE>c<LEFT ARROW><LEFT ARROW>X<END>!");
  const std::string expected = "a\tb\tc\r\nsecond line\r\nthird\r\naXbc!";
  EXPECT_EQ(Typed(expected), expected);
}

TEST_F(PlaybackTyping, OneShotShiftAppliesToTheNextKeyOnly) {
  Play("<SHIFT>ab <SHIFT>1x<SHFD>cd<SHFU>e");
  EXPECT_EQ(Typed("Ab !xCDe"), "Ab !xCDe");
}

TEST_F(PlaybackTyping, RepeatBlockTypesItsBodyWithTheCounter) {
  Play("<REPEAT:0003>x<I>,<ENDREP>;<REPEAT:0002>[<III>]<ENDREP>");
  EXPECT_EQ(Typed("x1,x2,x3,;[001][002]"), "x1,x2,x3,;[001][002]");
}

TEST_F(PlaybackTyping, PauseBoxWithMessageResumesAndTypingGoesOn) {
  player_.SetMacro("Greeting", 112);
  bool pausedWhileOpen = false;
  bool messageShown = false;
  RECT where{};
  TimerScript user([&] {
    HWND box = FindPauseBox();
    if (box == nullptr) return false;
    pausedWhileOpen = player_.Paused();
    messageShown = wintest::TextOf(box) == "Pause (F1)" && FindChild(box, "Static", "some message") != nullptr &&
                   FindChild(box, "Static", "Greeting") != nullptr;
    GetWindowRect(box, &where);
    PostClick(FindChild(box, "Button", "&Resume"));
    return true;
  });
  Play("before <PAUSE:100,120some message>after");
  EXPECT_TRUE(user.finished());
  EXPECT_TRUE(pausedWhileOpen);
  EXPECT_TRUE(messageShown);
  EXPECT_EQ(where.top, 100);
  EXPECT_EQ(where.left, 120);
  EXPECT_FALSE(player_.Paused());
  EXPECT_EQ(FindPauseBox(), nullptr);
  // The keys after the pause go back to the window the macro was typing into.
  EXPECT_EQ(Typed("before after"), "before after");
  EXPECT_EQ(GetForegroundWindow(), target_.handle());
}

TEST_F(PlaybackTyping, BasicPauseOfATimedMacroIsCentredAndAbortStopsTheRest) {
  player_.SetMacro("Timed", TimedMacroActivation);
  RECT where{};
  std::string caption;
  TimerScript user([&] {
    HWND box = FindPauseBox();
    if (box == nullptr) return false;
    caption = wintest::TextOf(box);
    GetWindowRect(box, &where);
    PostClick(FindChild(box, "Button", "&Abort"));
    return true;
  });
  // Shift held by the macro when it is aborted must not stay down for the
  // user's own typing.
  Play("<SHFD>ab<PAUSE>cd<SHFU>ef");
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(caption, "Pause");
  EXPECT_EQ(where.left, (GetSystemMetrics(SM_CXSCREEN) - 224) / 2);
  EXPECT_EQ(where.top, (GetSystemMetrics(SM_CYSCREEN) - 94) / 2);
  EXPECT_EQ(Typed("AB"), "AB");
  EXPECT_EQ(GetForegroundWindow(), target_.handle());
  Play("gh");
  EXPECT_EQ(Typed("ABgh"), "ABgh");
}

TEST_F(PlaybackTyping, ShiftHeldWhenAWindowIsNotFoundIsReleasedForTheNextTyping) {
  // The text ends at the failed activation, with Shift still down from it.
  Play("<SHFD>ab<ACTIVATE:tavrix no such window>cd");
  EXPECT_EQ(Typed("AB"), "AB");
  Play("ef");
  EXPECT_EQ(Typed("ABef"), "ABef");
}

TEST_F(PlaybackTyping, PauseInsideARepeatPassAbortedEndsThePlayback) {
  int pauses = 0;
  TimerScript user([&] {
    HWND box = FindPauseBox();
    if (box == nullptr) return false;
    ++pauses;
    PostClick(FindChild(box, "Button", pauses == 1 ? "&Resume" : "&Abort"));
    return pauses == 2;
  });
  Play("<REPEAT:0004>p<I><PAUSE>q<ENDREP>end");
  EXPECT_TRUE(user.finished());
  EXPECT_EQ(pauses, 2);
  EXPECT_EQ(Typed("p1qp2"), "p1qp2");
}

TEST_F(PlaybackTyping, RepeatPromptAsksTheCountAndTheBlockPlaysThatOften) {
  bool promptInFront = false;
  TimerScript user([&] {
    HWND prompt = wintest::FindOwnWindow("Macro Repeat");
    if (prompt == nullptr) return false;
    promptInFront = GetForegroundWindow() == prompt;
    SetWindowTextA(FindChild(prompt, "Edit"), "3");
    PostClick(FindChild(prompt, "Button", "&Ok"));
    return true;
  });
  Play("<PROMPTREP>x<ENDREP>.");
  EXPECT_TRUE(user.finished());
  EXPECT_TRUE(promptInFront);
  EXPECT_EQ(wintest::FindOwnWindow("Macro Repeat"), nullptr);
  EXPECT_EQ(Typed("xxx."), "xxx.");
  EXPECT_EQ(GetForegroundWindow(), target_.handle());
}

TEST_F(PlaybackTyping, ClipboardBlockIsPastedNotTyped) {
  Play("[<BEGCLIP>from <the> clipboard<ENDCLIP><CLIPP>]");
  EXPECT_EQ(Typed("[from <the> clipboard]"), "[from <the> clipboard]");
  EXPECT_EQ(playtest::ClipboardText(), "from <the> clipboard");
}

}  // namespace
}  // namespace tavrix
