// Pauses, the abort, Caps Lock, the end of a playback and the release of
// modifiers when a playback ends early.
#include <algorithm>

#include "tests/playback/player_fixture.h"

namespace tavrix {
namespace {

// The trace line of a basic pause box of hot key 0 on a 1024 x 768 screen.
const std::string kPauseShown = "form TPauseMacro \"Pause (Ctrl+Shift+0)\" at 400,337";

using PlayerPause = PlayerTest;
using PlayerAbort = PlayerTest;
using PlayerEnd = PlayerTest;

TEST_F(PlayerPause, BasicPauseIsCentredOnTheScreen) {
  Play("<PAUSE>");
  desktop.SetScreenSize(801, 601);
  Play("<PAUSE>");
  ASSERT_EQ(Pauses().size(), 2u);
  EXPECT_EQ(Pauses()[0].position->left, 400);
  EXPECT_EQ(Pauses()[0].position->top, 337);
  EXPECT_EQ(Pauses()[1].position->left, 288);
  EXPECT_EQ(Pauses()[1].position->top, 253);
  EXPECT_EQ(Pauses()[1].texts["MessageLabel"], "");
}

TEST_F(PlayerPause, MessagePauseStaysOnTheScreen) {
  const std::string message(65, 'm');
  Play("<PAUSE:999,999" + message + ">");
  ASSERT_EQ(Pauses().size(), 1u);
  EXPECT_EQ(Pauses()[0].position->top, 768 - 151);
  EXPECT_EQ(Pauses()[0].position->left, 1024 - 224);
  EXPECT_EQ(Pauses()[0].texts["MessageLabel"], message);
}

TEST_F(PlayerPause, MessagePauseAtItsOwnPlaceWhenItFits) {
  Play("<PAUSE:010,020Hello>");
  EXPECT_EQ(Pauses()[0].position->top, 10);
  EXPECT_EQ(Pauses()[0].position->left, 20);
  desktop.Trace().Clear();
  Play("<PAUSE:700,000>");  // an empty message takes no room
  EXPECT_EQ(Pauses()[1].position->top, 674);
}

TEST_F(PlayerPause, CaptionNamesTheHotKeyExceptForTimedMacrosAndWordlets) {
  player.SetMacro("Greeting", 42);
  Play("<PAUSE>");
  EXPECT_EQ(Pauses()[0].caption, "Pause (Ctrl+Shift+42)");
  EXPECT_EQ(Pauses()[0].texts["NicknameLabel"], "Greeting");
  player.SetMacro("Timed", TimedMacroActivation);
  Play("<PAUSE>");
  EXPECT_EQ(Pauses()[1].caption, "Pause");
  player.SetMacro("Word", WordletActivation);
  Play("<PAUSE>");
  EXPECT_EQ(Pauses()[2].caption, "Pause");
}

TEST_F(PlayerPause, ThePausedFlagIsSetOnlyWhileTheBoxIsOpen) {
  bool pausedWhileOpen = false;
  ui.AnswerForm(TPauseMacro::kName, [&](Form& box) {
    pausedWhileOpen = player.Paused();
    ui.Answer("ResumeButton")(box);
  });
  Play("<PAUSE>");
  EXPECT_TRUE(pausedWhileOpen);
  EXPECT_FALSE(player.Paused());
}

TEST_F(PlayerPause, ResumeGoesOnAndTheEndStepsReturnTheFocus) {
  const WindowId target = desktop.AddWindow("Untitled - Notepad");
  player.State().targetWindow = target;
  const Lines lines = Play("a<PAUSE>b");
  EXPECT_EQ(TypedText(lines), "ab");
  // The window in front reads "a" before the main window steps aside, and
  // "b" before the end steps move the focus.
  EXPECT_EQ(OtherLines(lines), (Lines{"keys read", "host main window hidden", kPauseShown, "host main window shown",
                                      "foreground Untitled - Notepad", "host main window shown", "keys read",
                                      "foreground Untitled - Notepad"}));
}

TEST_F(PlayerPause, TheEndStepsFocusTheTargetsTopLevelWindow) {
  const WindowId main = desktop.AddWindow("Editor");
  player.State().targetWindow = desktop.AddChildWindow(main, "Edit field");
  Play("<PAUSE>");
  EXPECT_EQ(player.State().targetWindow, main);
  EXPECT_EQ(desktop.Trace().Lines().back(), "foreground Editor");
}

TEST_F(PlayerPause, AMinimisedProgramIsRestoredForThePauseAndMinimisedAgain) {
  host.minimized = true;
  Play("<PAUSE>x");
  EXPECT_EQ(OtherLines(desktop.Trace().Lines()),
            (Lines{"host restore", "host main window hidden", kPauseShown, "host main window shown",
                   "host main window shown", "host minimize"}));
  EXPECT_TRUE(player.State().programWasMinimized);
}

TEST_F(PlayerPause, InTrayModeTheTaskbarWindowIsShownForThePause) {
  host.trayMode = true;
  player.State().targetWindow = desktop.AddWindow("Target");
  // The focus goes back to the target in tray mode too.
  EXPECT_EQ(OtherLines(Play("<PAUSE>")),
            (Lines{"host taskbar shown", kPauseShown, "host taskbar hidden", "foreground Target"}));
}

// While the pause box has the keyboard, Caps Lock may come on again (the
// user presses it, or the system gives the box the lock state the keyboard
// shows). The macro still types with it off after the box, and leaves it on
// as the user had it.
TEST_F(PlayerPause, CapsLockStaysOffAcrossThePauseBox) {
  struct Case {
    bool onAtStart;   // the trigger reported Caps Lock on
    bool onInTheBox;  // Caps Lock came on while the box was open
    bool resume;
    int presses;
  };
  const Case cases[] = {
      {true, true, true, 3}, {true, true, false, 3}, {true, false, true, 2},
      {false, true, true, 2}, {false, false, true, 0},
  };
  for (const Case& c : cases) {
    desktop.Trace().Clear();
    desktop.SetCapsLock(c.onAtStart);
    player.State().capsLockToggled = c.onAtStart;
    bool boxClosed = false;
    bool onAfterTheBox = false;
    ui.AnswerForm(TPauseMacro::kName, [&](Form& box) {
      if (c.onInTheBox) desktop.SetCapsLock(true);
      boxClosed = true;
      ui.Answer(c.resume ? "ResumeButton" : "AbortButton")(box);
    });
    desktop.SetMessageHandler([&] { onAfterTheBox = onAfterTheBox || (boxClosed && desktop.CapsLockOn()); });
    const Lines lines = Play("a<PAUSE>b");
    EXPECT_EQ(TypedText(lines), c.resume ? "ab" : "a");
    EXPECT_FALSE(onAfterTheBox) << c.onAtStart << c.onInTheBox << c.resume;
    EXPECT_EQ(desktop.CapsLockOn(), c.onAtStart || c.onInTheBox) << c.onAtStart << c.onInTheBox << c.resume;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "key 20 down"), c.presses);
  }
}

TEST_F(PlayerPause, AbortStopsThePlaybackWithoutAMessage) {
  player.State().targetWindow = desktop.AddWindow("Target");
  AnswerPause(false);
  const Lines lines = Play("a<PAUSE>b");
  EXPECT_EQ(TypedText(lines), "a");
  EXPECT_EQ(OtherLines(lines), (Lines{"keys read", "host main window hidden", kPauseShown, "host main window shown",
                                      "foreground Target", "host main window shown", "foreground Target"}));
}

TEST_F(PlayerPause, AbortInsideARepeatPassEndsTheWholePlayback) {
  AnswerPause(true);
  AnswerPause(false);
  EXPECT_EQ(Typed("<REPEAT:0005>x<PAUSE>y<ENDREP>z"), "xyx");
}

TEST_F(PlayerPause, AbortInsideATextFileEndsTheWholePlayback) {
  desktop.AddFile("inner.txt", "a<PAUSE>b");
  AnswerPause(false);
  EXPECT_EQ(Typed("<TFILE:inner.txt>c"), "a");
}

TEST_F(PlayerAbort, AbortIsHonouredAtTheNextStepWithOneMessage) {
  AbortAfterKey(66, 1);
  const Lines lines = Play("abcd");
  EXPECT_EQ(TypedText(lines), "ab");
  EXPECT_EQ(Messages(), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
}

TEST_F(PlayerAbort, AbortInANestedTextShowsTheMessageOnce) {
  desktop.AddFile("deep.txt", "xy<TFILE:deeper.txt>");
  desktop.AddFile("deeper.txt", "uvw");
  AbortAfterKey(85, 1);  // "u"
  const Lines lines = Play("a<TFILE:deep.txt>b");
  EXPECT_EQ(TypedText(lines), "axyu");
  EXPECT_EQ(Messages(), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
}

// A playback started inside another (a hot key pressed during a wait) and
// aborted stops both: the abort is one request, and the user is told once,
// with the keys of both macros let go.
TEST_F(PlayerAbort, AnAbortInsideANestedPlaybackStopsBothWithOneMessage) {
  bool started = false;
  desktop.SetMessageHandler([&] {
    if (LinesStartingWith(desktop.Trace().Lines(), "wait ").empty()) return;
    if (started) {
      player.RequestAbort();
      return;
    }
    started = true;
    const NestedPlayback nested(player);
    player.IntoProgram("i<DELAY:00.10>j");
  });
  const Lines lines = Play("<CTLD>a<DELAY:00.10>b");
  EXPECT_EQ(TypedText(lines), "^a^i");
  EXPECT_EQ(LinesStartingWith(lines, "message "), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
  // The Ctrl the interrupted macro held is let go before the box opens.
  EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
            (Lines{"key 17 up", "keys read", "host main window hidden",
                   "message Macro Abort: Tavrix macro has been aborted.", "host main window shown"}));
}

TEST_F(PlayerAbort, ANewPlaybackClearsAnOldAbortRequest) {
  player.RequestAbort();
  EXPECT_EQ(Typed("ok"), "ok");
}

// Before the "Macro Abort" box opens, the keys and mouse buttons the macro
// left down are released and Caps Lock is on again: the box is modal, and
// what the user presses meanwhile must not arrive with the macro's keys held.
TEST_F(PlayerAbort, TheKeyboardAndMouseArePutRightBeforeTheAbortBoxOpens) {
  desktop.AddFile("held.txt", "<SHFD>xy");
  const std::string box = "message Macro Abort: Tavrix macro has been aborted.";
  struct Case {
    const char* text;
    int abortAfterVk;
    bool capsLock;
    Lines trace;
  };
  const Case cases[] = {
      {"<CTLD><SHFD><WIND>ab",
       65,
       false,
       {"key 17 down", "key 16 down", "key 91 down", "key 65 down", "key 65 up", "key 16 up", "key 17 up",
        "key 232 down", "key 232 up", "key 91 up", box}},
      {"<CTLD><SHIFT><LDN><RDN><ALTD>x",
       18,
       true,
       {"key 20 down", "key 20 up", "key 17 down", "key 16 down", "mouse 2 0 0 0", "mouse 8 0 0 0", "key 18 down",
        "key 16 up", "key 17 up", "key 232 down", "key 232 up", "key 18 up", "mouse 4 0 0 0", "mouse 16 0 0 0",
        "key 20 down", "key 20 up", box}},
      // A one-shot still waiting for its key. Alt and Win let go with no key
      // between would open a menu: the unassigned key 232 comes between.
      {"a<ALT>b", 18, false, {"key 65 down", "key 65 up", "key 18 down", "key 232 down", "key 232 up", "key 18 up", box}},
      {"ab", 65, true, {"key 20 down", "key 20 up", "key 65 down", "key 65 up", "key 20 down", "key 20 up", box}},
      // Inside a repeat pass and inside a text file.
      {"<CTLD><REPEAT:0003>a<ENDREP>",
       65,
       false,
       {"key 17 down", "key 65 down", "key 65 up", "key 17 up", box}},
      {"<TFILE:held.txt>z", 88, false, {"key 16 down", "key 88 down", "key 88 up", "key 16 up", box}},
  };
  for (const Case& c : cases) {
    desktop.Trace().Clear();
    desktop.SetCapsLock(c.capsLock);
    player.State().capsLockToggled = c.capsLock;
    AbortAfterKey(c.abortAfterVk, 1);
    // The box itself: the window in front reads the keys, the main window
    // steps aside for the box and comes back.
    Lines expected = c.trace;
    expected.insert(expected.end() - 1, {"keys read", "host main window hidden"});
    expected.push_back("host main window shown");
    EXPECT_EQ(Play(c.text), expected) << c.text;
    for (const int vk : {16, 17, 18, 91}) EXPECT_FALSE(desktop.IsKeyDown(static_cast<std::uint8_t>(vk))) << vk;
    EXPECT_EQ(desktop.CapsLockOn(), c.capsLock) << c.text;
  }
}

TEST_F(PlayerAbort, ModifiersAlreadyReleasedAreLeftAlone) {
  AbortAfterKey(66, 1);
  const Lines lines = Play("<CTLD>a<CTLU>bc");
  EXPECT_EQ(lines.back(), "host main window shown");  // after the message: no key
}

TEST_F(PlayerAbort, AnAbortedPauseReleasesModifiersToo) {
  AnswerPause(false);
  const Lines lines = Play("<SHFD><PAUSE>x");
  EXPECT_EQ(lines.back(), "key 16 up");
  EXPECT_FALSE(desktop.IsKeyDown(16));
}

TEST_F(PlayerAbort, CapsLockIsRestoredOnceAfterAnAbortedPause) {
  desktop.SetCapsLock(true);
  player.State().capsLockToggled = true;
  AnswerPause(false);
  const Lines lines = Play("<PAUSE>");
  int presses = 0;
  for (const auto& line : lines) presses += line == "key 20 down";
  EXPECT_EQ(presses, 2);
  EXPECT_TRUE(desktop.CapsLockOn());
}

TEST_F(PlayerEnd, CapsLockIsOffWhileTypingAndOnAgainAfterwards) {
  desktop.SetCapsLock(true);
  player.State().capsLockToggled = true;
  bool capsOnWhileTyping = true;
  desktop.SetMessageHandler([&] { capsOnWhileTyping = desktop.CapsLockOn(); });
  const Lines lines = Play("a<TFILE:x>");
  EXPECT_FALSE(capsOnWhileTyping);
  EXPECT_TRUE(desktop.CapsLockOn());
  EXPECT_EQ(lines, (Lines{"key 20 down", "key 20 up", "key 65 down", "key 65 up", "key 20 down", "key 20 up"}));
}

TEST_F(PlayerEnd, CapsLockComingOnDuringThePlaybackIsTurnedOffBeforeTheNextLetter) {
  struct Case {
    bool onAtStart;
    const char* text;
    int presses;
  };
  // Caps Lock comes on once the first "a" is out.
  const Case cases[] = {{true, "ab1", 3}, {false, "ab1", 2}, {false, "a12", 0}};
  for (const Case& c : cases) {
    desktop.Trace().Clear();
    desktop.SetCapsLock(c.onAtStart);
    player.State().capsLockToggled = c.onAtStart;
    bool cameOn = false;
    desktop.SetMessageHandler([&] {
      if (cameOn) return;
      cameOn = true;
      desktop.SetCapsLock(true);
    });
    const Lines lines = Play(c.text);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "key 20 down"), c.presses) << c.text;
    // Either way the user has Caps Lock on afterwards, as last set.
    EXPECT_TRUE(desktop.CapsLockOn()) << c.text;
  }
}

TEST_F(PlayerEnd, NestedTextsDoNotRunTheEndSteps) {
  desktop.SetCapsLock(true);
  player.State().capsLockToggled = true;
  desktop.AddFile("f.txt", "b");
  const Lines lines = Play("<TFILE:f.txt><REPEAT:0002><I><ENDREP>");
  int presses = 0;
  for (const auto& line : lines) presses += line == "key 20 down";
  EXPECT_EQ(presses, 2);
}

TEST_F(PlayerEnd, AKeyHeldOnPurposeStaysHeldAfterANormalEnd) {
  const Lines lines = Play("<CTLD>a");
  EXPECT_EQ(lines.back(), "key 65 up");
  EXPECT_TRUE(desktop.IsKeyDown(17));
}

TEST_F(PlayerEnd, NoPauseNoFocusChange) {
  player.State().targetWindow = desktop.AddWindow("Target");
  EXPECT_TRUE(OtherLines(Play("abc")).empty());
}

// A window command that fails ends the text as if it had ended: the end
// steps run, and what the macro held down is released.
class FailingWindowCommands : public RecordingCommands {
 public:
  using RecordingCommands::RecordingCommands;
  CommandOutcome Execute(const MacroElement& element, PlaybackState& state) override {
    RecordingCommands::Execute(element, state);
    return element.kind == ElementKind::Activate ? CommandOutcome::EndText : CommandOutcome::Continue;
  }
};

TEST_F(PlayerEnd, AFailedActivationEndsTheTextWithTheEndSteps) {
  FailingWindowCommands failing([this](std::string line) { desktop.Trace().Add(std::move(line)); });
  Player failingPlayer(desktop, ui, host, failing);
  desktop.SetCapsLock(true);
  failingPlayer.State().capsLockToggled = true;
  failingPlayer.IntoProgram("<CTLD>a<ACTIVATE:Nowhere>b");
  EXPECT_EQ(desktop.Trace().Lines(),
            (Lines{"key 20 down", "key 20 up", "key 17 down", "key 65 down", "key 65 up", "keys read",
                   "activate Nowhere", "key 17 up", "key 20 down", "key 20 up"}));
}

TEST_F(PlayerEnd, AnEarlyEndReleasesTheMouseButtonsTheMacroHeldButANormalEndKeepsThem) {
  FailingWindowCommands failing([this](std::string line) { desktop.Trace().Add(std::move(line)); });
  Player failingPlayer(desktop, ui, host, failing);
  failingPlayer.IntoProgram("<LDN><RDN><RUP><MDN><ACTIVATE:Nowhere>b");
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"mouse 2 0 0 0", "mouse 8 0 0 0", "mouse 16 0 0 0", "mouse 32 0 0 0",
                                            "activate Nowhere", "mouse 4 0 0 0", "mouse 64 0 0 0"}));
  desktop.Trace().Clear();
  failingPlayer.IntoProgram("<LDN>a");
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"mouse 2 0 0 0", "key 65 down", "key 65 up"}));
}

TEST_F(PlayerEnd, AFailedActivationInATextFileEndsOnlyThatText) {
  FailingWindowCommands failing([this](std::string line) { desktop.Trace().Add(std::move(line)); });
  Player failingPlayer(desktop, ui, host, failing);
  desktop.AddFile("f.txt", "a<ACTIVATE:Nowhere>b");
  failingPlayer.IntoProgram("<TFILE:f.txt>c");
  EXPECT_EQ(TypedText(desktop.Trace().Lines()), "ac");
}

TEST_F(PlayerEnd, DoMacroCanBeCalledDirectly) {
  player.State().speedFactor = 0;
  player.DoMacro("a<DELAY:01.00>");
  EXPECT_EQ(desktop.Trace().Lines(), (Lines{"key 65 down", "key 65 up"}));
}

}  // namespace
}  // namespace tavrix
