// The road of a hot key through the main window: busy refusals, the pause,
// system activations, the scope resolution, the in-use mark and the keys a
// playback is framed with.
#include "activation/popup_menu.h"
#include "base/private_messages.h"
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

constexpr const char* kPopupMessage =
    "message Warning: A current Popup Menu macro is being displayed. Another macro cannot be executed until either a "
    "choice is made from the Popup Menu or it is cancelled.";
constexpr const char* kCaptureMessage =
    "message Warning: A macro is currently being recorded. Another macro cannot be executed until the recording is "
    "completed.";
constexpr const char* kPauseMessage =
    "message Warning: A current playback macro is in the middle of a PAUSE. Another macro cannot be executed until "
    "the PAUSE is either cancelled or resumed.";

// Macro numbers of the files below: the system entries are 1..4.
constexpr int kFirst = 5;

class DispatchTest : public MainWindowTest {};

TEST_F(DispatchTest, BusyStatesOnlyShowTheirMessage) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "abc")})));

  window->Dispatcher().SetPopupShown(true);
  window->OnActivation(kCtrlA, 0);
  window->Dispatcher().SetPopupShown(false);

  Table().SetCaptureOn(1);
  EXPECT_TRUE(window->Capturing());
  window->OnActivation(kCtrlA, 0);
  // Even a direct run waits for the recording to finish.
  window->OnActivation(kActivationDirectMacroBit | kFirst, 0);
  Table().SetCaptureOn(0);

  EXPECT_EQ(Messages(), (Lines{kPopupMessage, kCaptureMessage, kCaptureMessage}));
  EXPECT_EQ(TypedLetters(Trace()), "");
  EXPECT_EQ(hooks.CountOf("TvxUpInUse"), 0u);
}

TEST_F(DispatchTest, DuringAPauseOnlyResumeAndTheMacrosOwnKeyResume) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Paused one", kCtrlA, "a<PAUSE>b"), Macro("Other", kCtrlB, "z")})));
  WhilePaused([this] {
    EXPECT_TRUE(window->Paused());
    window->OnActivation(kCtrlB, 0);  // refused
    window->OnActivation(kCtrlA, 0);  // its own key: resumes
    desktop.SetCapsLock(true);        // the user turns Caps Lock on in the box
    window->OnActivation(kResumeKey | kActivationCapsLockBit, 0);  // Resume Pause, with Caps Lock
  });
  window->OnActivation(kCtrlA, 0);

  EXPECT_EQ(Messages(), (Lines{kPauseMessage}));
  EXPECT_EQ(ui.EndFormRequests(), 2);
  EXPECT_EQ(TypedLetters(Trace()), "ab");
  // The rest of the macro types with Caps Lock off; the user has it on again
  // afterwards.
  EXPECT_EQ(LinesStartingWith(Trace(), "key 20 "), (Lines{"key 20 down", "key 20 up", "key 20 down", "key 20 up"}));
  EXPECT_TRUE(desktop.CapsLockOn());
  EXPECT_FALSE(window->Paused());
}

TEST_F(DispatchTest, ADirectRunPlaysEvenWhilePaused) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Paused one", kCtrlA, "a<PAUSE>b"), Macro("Direct", kCtrlB, "xy")})));
  WhilePaused([this] { window->OnActivation(kActivationDirectMacroBit | (kFirst + 1), 0); });
  window->OnActivation(kCtrlA, 0);
  EXPECT_EQ(TypedLetters(Trace()), "axyb");
  EXPECT_TRUE(Messages().empty());

  // After the direct run the paused macro is still the one its key resumes.
  desktop.Trace().Clear();
  WhilePaused([this] { window->OnActivation(kCtrlA, 0); });
  const int before = ui.EndFormRequests();
  window->OnActivation(kActivationDirectMacroBit | kFirst, 0);
  EXPECT_EQ(ui.EndFormRequests(), before + 1);
}

TEST_F(DispatchTest, DirectRunOfANumberBeyondTheFileDoesNothing) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  window->OnActivation(kActivationDirectMacroBit | 77, 0);
  window->RunMacro(0);
  window->RunMacro(-3);
  EXPECT_EQ(TypedLetters(Trace()), "");
  EXPECT_FALSE(window->InUse());
}

TEST_F(DispatchTest, SystemActivationOneOpensTheProgram) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  host.visible = true;
  host.minimized = true;
  host.lines.clear();
  window->OnActivation(kOpenKey, 0);
  EXPECT_EQ(host.lines, (Lines{"RestoreWindow", "BringToFront"}));

  // Hidden (or in tray mode) it is shown first, with the configured column
  // widths and the row selected when it was hidden.
  configuration.columnWidths = {90, 80, 70};
  host.selected = 3;
  window->OnCommand(Command::PlaceInSystemTray);
  window->OnCommand(Command::Hide);
  host.selected = 0;
  host.lines.clear();
  window->OnActivation(kOpenKey, 0);
  EXPECT_EQ(host.lines, (Lines{"ShowWindow", "SetColumnWidths 90 80 70", "SelectMacro 3", "BringToFront"}));
  EXPECT_FALSE(window->InUse());
}

TEST_F(DispatchTest, OpeningTheProgramIsRefusedWhileBusy) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Paused one", kCtrlA, "<PAUSE>")})));
  WhilePaused([this] { window->ActivateMe(); });
  window->OnActivation(kCtrlA, 0);
  window->Dispatcher().SetPopupShown(true);
  window->ActivateMe();
  window->Dispatcher().SetPopupShown(false);
  Table().SetCaptureOn(1);
  window->ActivateMe();

  EXPECT_EQ(Messages(),
            (Lines{"message Warning: A current playback macro is in the middle of a PAUSE. Tavrix cannot be invoked "
                   "until the PAUSE is either cancelled or resumed.",
                   "message Warning: A Tavrix Popup Menu is currently being displayed. Tavrix cannot be invoked until "
                   "this menu has been cleared.",
                   "message Warning: A macro is currently being recorded. Tavrix cannot be invoked until the recording "
                   "is completed."}));
  EXPECT_FALSE(host.Saw("BringToFront"));
}

TEST_F(DispatchTest, CaptureMenuAndResumeSystemKeysPlayNothing) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Same key", kCaptureKey, "q")})));
  host.lines.clear();
  window->OnActivation(kMenuKey, 0);
  window->OnActivation(kResumeKey, 0);
  EXPECT_EQ(TypedLetters(Trace()), "");
  // No window- or program-specific macro fits the window in front: the menu
  // key only says so.
  EXPECT_EQ(Messages(), (Lines{std::string("message Warning: ") + kNoTopWindowMacrosText}));
  EXPECT_FALSE(window->InUse());
  // The capture key starts a capture instead of the macro that shares it.
  window->OnActivation(kCaptureKey, 0);
  EXPECT_EQ(TypedLetters(Trace()), "");
  EXPECT_TRUE(window->Capturing());
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].rfind("message Start Capture: ", 0), 0u);
  EXPECT_FALSE(window->InUse());
}

TEST_F(DispatchTest, ADeactivatedSystemEntryLeavesItsKeyToOtherMacros) {
  MacroRecord open = SystemEntry(1, kOpenKey);
  open.SetActive(0);
  ASSERT_TRUE(Start({open, SystemEntry(2, kCaptureKey), SystemEntry(3, kResumeKey), SystemEntry(4, kMenuKey),
                     Macro("Shares the key", kOpenKey, "s")}));
  host.lines.clear();
  window->OnActivation(kOpenKey, 0);
  EXPECT_EQ(TypedLetters(Trace()), "s");
  EXPECT_FALSE(host.Saw("BringToFront"));
}

TEST_F(DispatchTest, AWindowMacroInFrontBeatsTheGlobalOne) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Global", kCtrlA, "g"),
                                       Macro("Notepad only", kCtrlA, "w", kScopeWindow, "Notepad")})));
  const WindowId other = desktop.AddWindow("Calculator", "CALC.EXE");
  window->OnActivation(kCtrlA, other);
  EXPECT_EQ(TypedLetters(Trace()), "g");
  EXPECT_EQ(window->GetPlayer().State().targetWindow, other);

  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  desktop.Trace().Clear();
  window->OnActivation(kCtrlA, notepad);
  EXPECT_EQ(TypedLetters(Trace()), "w");
  EXPECT_EQ(window->GetPlayer().State().targetWindow, notepad);
}

TEST_F(DispatchTest, AnOpenProgramIsBroughtForwardForItsMacro) {
  MacroRecord program = Macro("Notepad program", kCtrlA, "p", kScopeProgram, "notepad.exe");
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Global", kCtrlA, "g"), program})));
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  const WindowId calculator = desktop.AddWindow("Calculator", "CALC.EXE");
  window->OnForegroundChanged(calculator);
  desktop.Trace().Clear();
  window->OnActivation(kCtrlA, calculator);
  EXPECT_EQ(TypedLetters(Trace()), "p");
  EXPECT_EQ(desktop.ForegroundWindow(), notepad);
}

TEST_F(DispatchTest, OfTwoGlobalMacrosTheLaterOneRuns) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("First", kCtrlA, "f"), Macro("Second", kCtrlA, "s")})));
  window->OnActivation(kCtrlA, 0);
  EXPECT_EQ(TypedLetters(Trace()), "s");
}

TEST_F(DispatchTest, ADeactivatedMacroIsNeverChosen) {
  MacroRecord inactiveGlobal = Macro("Later but off", kCtrlA, "x");
  inactiveGlobal.SetActive(0);
  MacroRecord inactiveWindow = Macro("Window but off", kCtrlA, "y", kScopeWindow, "Notepad");
  inactiveWindow.SetActive(0);
  ASSERT_TRUE(Start(WithSystemEntries({Macro("On", kCtrlA, "o"), inactiveWindow, inactiveGlobal})));
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  window->OnActivation(kCtrlA, notepad);
  EXPECT_EQ(TypedLetters(Trace()), "o");

  window->OnClearInUse();
  desktop.Trace().Clear();
  MacroRecord alone = Macro("Only one, off", kCtrlB, "z");
  alone.SetActive(0);
  ASSERT_TRUE(window->File().SaveRecord(kFirst, alone));
  window->OnActivation(kCtrlB, notepad);
  EXPECT_EQ(TypedLetters(Trace()), "");
  EXPECT_FALSE(window->InUse());
}

TEST_F(DispatchTest, ThePlaybackIsFramedByTheInUseMarkTheEndKeyAndTheClearTimer) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "ab")})));
  hooks.ClearCalls();
  bool inUseWhilePlaying = false;
  desktop.SetMessageHandler([&] { inUseWhilePlaying = inUseWhilePlaying || hooks.copy().InUse() == 1; });
  window->OnActivation(kCtrlA, 0);
  desktop.SetMessageHandler({});

  EXPECT_TRUE(inUseWhilePlaying);
  EXPECT_EQ(hooks.CountOf("TvxUpInUse"), 1u);
  const Lines keys = LinesStartingWith(Trace(), "key ");
  ASSERT_GE(keys.size(), 2u);
  EXPECT_EQ(Lines(keys.end() - 2, keys.end()), (Lines{"key 43 down", "key 43 up"}));
  EXPECT_EQ(TypedLetters(keys), "ab");
  EXPECT_EQ(host.lines.back(), "StartTimer 1 15000");
  EXPECT_TRUE(window->InUse());
}

TEST_F(DispatchTest, TheLibrarysClearMessageClearsOnlyTheProgramsCopy) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  window->OnActivation(kCtrlA, 0);
  const std::size_t published = hooks.CountOf("TvxUpInUse");
  window->OnClearInUse();
  EXPECT_FALSE(window->InUse());
  EXPECT_EQ(hooks.CountOf("TvxUpInUse"), published);
  EXPECT_EQ(hooks.copy().InUse(), 1);  // the library cleared its own already
}

TEST_F(DispatchTest, TheClearTimerClearsAndPublishes) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  window->OnActivation(kCtrlA, 0);
  ASSERT_TRUE(host.TimerRunning(MainTimer::Clear));
  window->OnTimer(MainTimer::Clear);
  EXPECT_FALSE(window->InUse());
  EXPECT_EQ(hooks.copy().InUse(), 0);
  EXPECT_FALSE(host.TimerRunning(MainTimer::Clear));  // one shot
}

TEST_F(DispatchTest, TheCapsLockFlagIsTakenOnlyWhileNothingIsInUse) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a"), Macro("B", kCtrlB, "b")})));
  const auto capsPresses = [this] { return LinesStartingWith(Trace(), "key 20 down").size(); };

  desktop.SetCapsLock(true);
  window->OnActivation(kCtrlA | kActivationCapsLockBit, 0);
  EXPECT_EQ(capsPresses(), 2u);  // off before the text, on again after it
  EXPECT_TRUE(window->GetPlayer().State().capsLockToggled);

  // Still in use: the second key keeps the flag the first one set.
  desktop.Trace().Clear();
  window->OnActivation(kCtrlB, 0);
  EXPECT_EQ(capsPresses(), 2u);

  window->OnClearInUse();
  desktop.Trace().Clear();
  desktop.SetCapsLock(false);  // the user has turned it off meanwhile
  window->OnActivation(kCtrlB, 0);
  EXPECT_EQ(capsPresses(), 0u);
  EXPECT_EQ(TypedLetters(Trace()), "b");
}

TEST_F(DispatchTest, TypingWaitsUntilTheHotKeysModifiersAreReleased) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  desktop.SendKey(17, false);  // the user still holds Ctrl
  int waits = 0;
  desktop.SetMessageHandler([&] {
    if (++waits == 3) desktop.SendKey(17, true);
  });
  desktop.Trace().Clear();
  window->OnActivation(kCtrlA, 0);
  desktop.SetMessageHandler({});

  const Lines lines = Trace();
  ASSERT_GE(lines.size(), 4u);
  const std::string step = "wait " + std::to_string(kModifierReleaseStepMs);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4), (Lines{step, step, step, "key 17 up"}));
  EXPECT_EQ(TypedLetters(lines), "a");
}

TEST_F(DispatchTest, AModifierHeldForeverDelaysTypingOnlyForABoundedTime) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kAltQ, "a")})));
  desktop.SendKey(18, false);
  desktop.SendKey(17, false);  // Ctrl is not part of Alt+Q and is not waited for
  desktop.Trace().Clear();
  window->OnActivation(kAltQ, 0);
  const Lines lines = Trace();
  EXPECT_EQ(LinesStartingWith(lines, "wait ").size(), kModifierReleaseLimitMs / kModifierReleaseStepMs);
  EXPECT_EQ(TypedLetters(lines), "a");
}

TEST_F(DispatchTest, APopupMenuMacroPlaysNothingWithoutItsMenu) {
  MacroRecord menu = Macro("Menu", kCtrlA, "", kScopePopupMenu);
  menu.SetPopupMenuList({kFirst + 1});
  ASSERT_TRUE(Start(WithSystemEntries({menu, Macro("Listed", kCtrlB, "l")})));
  window->OnActivation(kCtrlA, 0);
  EXPECT_EQ(TypedLetters(Trace()), "");
  EXPECT_FALSE(window->InUse());
  EXPECT_FALSE(window->PopupShown());
  EXPECT_EQ(window->Dispatcher().RunBuffer().NickName(), "Menu");
}

TEST_F(DispatchTest, TheAbortMessageStopsThePlayingMacro) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Long", kCtrlA, "abcdef")})));
  int steps = 0;
  desktop.SetMessageHandler([&] {
    if (++steps == 2) window->OnAbort();
  });
  window->OnActivation(kCtrlA, 0);
  desktop.SetMessageHandler({});
  EXPECT_EQ(TypedLetters(Trace()), "ab");
  EXPECT_EQ(Messages(), (Lines{"message Macro Abort: Tavrix macro has been aborted."}));
  // The end key still tells the library the macro's input has passed.
  EXPECT_EQ(LinesStartingWith(Trace(), "key 43 ").size(), 2u);
}

}  // namespace
}  // namespace tavrix::testing
