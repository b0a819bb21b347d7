// The main window's timers and the messages that are not activations: the
// start-up macros, the foreground program, the screen saver and the menu
// commands that reinstall the hooks.
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

class TimersTest : public MainWindowTest {};

TEST_F(TimersTest, StartUpMacrosPlayInFileOrderOnceTheTimerFires) {
  MacroRecord daily = StartUpMacro("Daily", "d");
  daily.SetSchedKind(kScheduleDaily);
  MacroRecord inactive = StartUpMacro("Off", "o");
  inactive.SetActive(0);
  ASSERT_TRUE(Start(WithSystemEntries({StartUpMacro("One", "a"), daily, Macro("Hot key", kCtrlA, "h"), inactive,
                                       StartUpMacro("Two", "b")})));
  EXPECT_EQ(TypedLetters(Trace()), "");
  window->OnTimer(MainTimer::StartUp);
  EXPECT_EQ(TypedLetters(Trace()), "ab");
  EXPECT_TRUE(host.Saw("StopTimer 2"));
  // Start-up macros do not mark the table in use or send the end key.
  EXPECT_FALSE(window->InUse());
  EXPECT_TRUE(LinesStartingWith(Trace(), "key 43 ").empty());
}

TEST_F(TimersTest, AStartUpMacroWhoseWindowIsMissingStopsTheRest) {
  ASSERT_TRUE(Start(WithSystemEntries({StartUpMacro("First", "a"),
                                       StartUpMacro("Needs a window", "w", kScopeWindow, "Report Viewer"),
                                       StartUpMacro("Global after it", "g")})));
  window->OnTimer(MainTimer::StartUp);
  EXPECT_EQ(TypedLetters(Trace()), "a");
}

TEST_F(TimersTest, AStartUpMacroActivatesItsWindowAndPlaysTheAlarmFirst) {
  configuration.useWaveFile = true;
  configuration.waveFileWait = true;
  configuration.waveFile = "C:\\ALARM.WAV";
  ASSERT_TRUE(Start(WithSystemEntries({StartUpMacro("Report", "r", kScopeWindow, "Report Viewer")})));
  const WindowId viewer = desktop.AddWindow("Report Viewer", "VIEWER.EXE");
  desktop.AddWindow("Something else", "OTHER.EXE");
  desktop.Trace().Clear();
  // Caps Lock reported on: start-up macros ignore it.
  window->OnCapsLockState(true);
  window->OnTimer(MainTimer::StartUp);
  const Lines lines = Trace();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "foreground Report Viewer");
  EXPECT_EQ(lines[1], "sound C:\\ALARM.WAV wait");
  EXPECT_EQ(TypedLetters(lines), "r");
  EXPECT_TRUE(LinesStartingWith(lines, "key 20 ").empty());
  EXPECT_EQ(desktop.ForegroundWindow(), viewer);
  EXPECT_TRUE(window->Dispatcher().CapsLockOn());
}

TEST_F(TimersTest, AStartUpMacroPlaysAtNormalSpeed) {
  ASSERT_TRUE(Start(WithSystemEntries({StartUpMacro("Slow", "<SPEED:00000><DELAY:01.00>a"),
                                       StartUpMacro("Normal", "<DELAY:00.50>b")})));
  window->OnTimer(MainTimer::StartUp);
  EXPECT_EQ(TypedLetters(Trace()), "ab");
  EXPECT_EQ(LinesStartingWith(Trace(), "wait ").size(), 1u);  // only the second one's delay
}

TEST_F(TimersTest, ForegroundChangeFillsTheFrontProgramAndTheRunningPrograms) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "C:\\WINDOWS\\notepad.exe");
  desktop.AddProcess("helper.dll");
  desktop.AddProcess("VERYLONGNAMEOFAPROGRAM_123.EXE");
  hooks.ClearCalls();
  window->OnForegroundChanged(notepad);

  EXPECT_EQ(CallNames(), (std::vector<std::string>{"TvxUpProg", "TvxUpProgs"}));
  const SharedMacroTable& copy = hooks.copy();
  EXPECT_EQ(copy.FrontProgram(), "NOTEPAD.EXE");
  ASSERT_EQ(copy.ProgramCount(), 2);
  EXPECT_EQ(copy.Programs(1), "NOTEPAD.EXE");
  EXPECT_EQ(copy.Programs(2), "VERYLONGNAMEOFAPROGRAM_12");  // cut to 25
  EXPECT_EQ(window->Foreground().lastForeground, notepad);
  EXPECT_EQ(window->Foreground().lastForeignForeground, notepad);
}

TEST_F(TimersTest, OnlyTheFirst200ProgramsAreKept) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  for (int k = 1; k <= 230; ++k) desktop.AddProcess("P" + std::to_string(k) + ".EXE");
  const WindowId last = desktop.AddWindow("Last one", "LAST.EXE");
  window->OnForegroundChanged(last);
  EXPECT_EQ(hooks.copy().ProgramCount(), 200);
  EXPECT_EQ(hooks.copy().Programs(1), "P1.EXE");
  EXPECT_EQ(hooks.copy().Programs(200), "P200.EXE");
  EXPECT_EQ(hooks.copy().FrontProgram(), "LAST.EXE");
}

TEST_F(TimersTest, TheProgramsOwnWindowIsNotAForeignForeground) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  window->OnForegroundChanged(notepad);
  const WindowId own = desktop.AddWindow("Tavrix (TAVRX)", "tavrxp.exe");
  window->OnForegroundChanged(own);
  EXPECT_EQ(window->Foreground().lastForeground, own);
  EXPECT_EQ(window->Foreground().lastForeignForeground, notepad);

  // A window without a title changes the front program but is not remembered.
  const WindowId untitled = desktop.AddWindow("", "CALC.EXE");
  window->OnForegroundChanged(untitled);
  EXPECT_EQ(hooks.copy().FrontProgram(), "CALC.EXE");
  EXPECT_EQ(window->Foreground().lastForeground, own);
}

TEST_F(TimersTest, AWindowWithoutAProcessLeavesTheFrontProgramEmpty) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const WindowId notepad = desktop.AddWindow("Untitled - Notepad", "NOTEPAD.EXE");
  window->OnForegroundChanged(notepad);
  window->OnForegroundChanged(desktop.AddWindow("No process"));
  EXPECT_EQ(hooks.copy().FrontProgram(), "");
}

TEST_F(TimersTest, TheScreenSaverIsRefusedOnlyWhileAnActiveTimedMacroExists) {
  MacroRecord timed = StartUpMacro("Timed", "t");
  timed.SetSchedKind(kScheduleHourly);
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Hot key", kCtrlA, "h"), timed})));
  EXPECT_FALSE(window->AllowScreenSaver());

  configuration.disableScreenSaver = false;
  EXPECT_TRUE(window->AllowScreenSaver());

  configuration.disableScreenSaver = true;
  Table().SetActive(6, 0);
  EXPECT_TRUE(window->AllowScreenSaver());
}

TEST_F(TimersTest, RestoreKeyboardHooksAsksAndReinstalls) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const HookHandle old = Table().KeyboardHook();
  hooks.ClearCalls();

  window->MenuKeyHooksClick();  // the default answer is No
  EXPECT_TRUE(hooks.calls().empty());

  ui.QueueYesNo(true);
  window->MenuKeyHooksClick();
  const Lines questions = LinesStartingWith(Trace(), "question ");
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[1],
            "question Keyboard Hooks: It is possible for other programs which are run after Tavrix to improperly "
            "install themselves into the system wide Windows keyboard hooks.  This causes Tavrix to no longer be able "
            "to monitor keystrokes.  This option will reinstall the Windows keyboard hooks used by Tavrix so that "
            "Tavrix will have the first look at the keystrokes and will be able to monitor the keystrokes again.  "
            "Continue?");
  EXPECT_EQ(CallNames(), (std::vector<std::string>{"TvxUnHook", "TvxHookKeyboard", "TvxUpKeyHook"}));
  EXPECT_EQ(hooks.calls()[0].argument, old);
  EXPECT_EQ(hooks.copy().KeyboardHook(), hooks.calls()[1].argument);
  EXPECT_EQ(hooks.installedHooks().size(), 3u);
}

TEST_F(TimersTest, RestoreMouseHooksAsksAndReinstalls) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const HookHandle old = Table().MouseHook();
  hooks.ClearCalls();
  ui.QueueYesNo(true);
  window->MenuMouseHooksClick();
  const Lines questions = LinesStartingWith(Trace(), "question ");
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0],
            "question Mouse Hooks: It is possible for other programs which are run after Tavrix to improperly install "
            "themselves into the system wide Windows mouse hooks.  This causes Tavrix to no longer be able to monitor "
            "mouse movements and clicks.  This option will reinstall the Windows mouse hooks used by Tavrix so that "
            "Tavrix will have the first look at the mouse movements and will be able to monitor the mouse again.  "
            "Continue?");
  EXPECT_EQ(CallNames(), (std::vector<std::string>{"TvxUnHook", "TvxHookMouse", "TvxUpMouseHook"}));
  EXPECT_EQ(hooks.calls()[0].argument, old);
  EXPECT_EQ(hooks.copy().MouseHook(), hooks.calls()[1].argument);
}

TEST_F(TimersTest, AReinstallThatFailsIsReported) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  hooks.SetFailing("TvxHookMouse");
  ui.QueueYesNo(true);
  window->MenuMouseHooksClick();
  const Lines messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "message Error: The mouse hook of Tavrix could not be installed.");
  EXPECT_EQ(hooks.copy().MouseHook(), 0u);
  window->FormClose();
  EXPECT_TRUE(hooks.installedHooks().empty());
}

}  // namespace
}  // namespace tavrix::testing
