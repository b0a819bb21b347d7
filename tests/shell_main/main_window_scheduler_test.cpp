// The main window's timed macros and Wordlets: the check timer runs while
// timed macros exist and plays those due, the caption shows the date and
// time, and the typed characters of the hook library play a Wordlet.
#include "activation/scheduler_dialogs.h"
#include "base/private_messages.h"
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

MacroRecord DailyAt(const std::string& nick, const std::string& text, int hour, int minute, bool pm) {
  MacroRecord r = Macro(nick, kTimedActivation, text);
  r.SetSchedKind(kScheduleDaily);
  for (int i = 0; i < 6; ++i) r.SetSchedMon(i, 1);
  r.SetSchedSun(1);
  r.SetSchedHour(static_cast<std::uint8_t>(hour));
  r.SetSchedMinute(static_cast<std::uint8_t>(minute));
  r.SetSchedPM(pm ? 1 : 0);
  return r;
}

MacroRecord WordletMacro(const std::string& wordlet, const std::string& text) {
  MacroRecord r = Macro("W " + wordlet, kWordletActivation, text);
  r.SetWordletText(wordlet);
  return r;
}

class SchedulerWindowTest : public MainWindowTest {
 protected:
  SchedulerWindowTest() { desktop.SetClock({2026, 12, 7, 9, 59, 50, 0}); }
  void TickAt(int hour, int minute, int second) {
    desktop.SetClock({2026, 12, 7, hour, minute, second, 0});
    window->OnTimer(MainTimer::Scheduler);
  }
  void Type(const std::string& text) {
    for (char c : text) window->OnPrivateMessage(kMsgWordletChar, 0, static_cast<unsigned char>(c));
  }
};

TEST_F(SchedulerWindowTest, ADueMacroPlaysOnceAtTheFirstCheckAfterItsTime) {
  configuration.timerSeconds = 90;  // out of range: every 10 seconds
  ASSERT_TRUE(Start(WithSystemEntries({DailyAt("Ten", "t", 10, 0, false), DailyAt("Eleven", "e", 11, 0, false)})));
  EXPECT_TRUE(host.Saw("StartTimer 3 10000"));
  TickAt(9, 59, 59);
  EXPECT_EQ(TypedLetters(Trace()), "");
  TickAt(10, 0, 5);
  TickAt(10, 0, 15);
  EXPECT_EQ(TypedLetters(Trace()), "t");
  // Timed macros play without the in-use mark and the end-of-macro key.
  EXPECT_FALSE(window->InUse());
  EXPECT_TRUE(LinesStartingWith(Trace(), "key 43 ").empty());
}

TEST_F(SchedulerWindowTest, TheCheckTimerRunsOnlyWhileTimedMacrosExist) {
  MacroRecord off = DailyAt("Off", "o", 10, 0, false);
  off.SetActive(0);
  ASSERT_TRUE(Start(WithSystemEntries({off, StartUpMacro("At start", "s")})));
  EXPECT_FALSE(host.TimerRunning(MainTimer::Scheduler));
}

TEST_F(SchedulerWindowTest, CapsLockOnAndTheAlarmComeBeforeATimedMacro) {
  configuration.useWaveFile = true;
  configuration.waveFile = "C:\\ALARM.WAV";
  ASSERT_TRUE(Start(WithSystemEntries({DailyAt("Ten", "t", 10, 0, false)})));
  window->OnCapsLockState(true);
  desktop.Trace().Clear();
  TickAt(10, 0, 5);
  const Lines lines = Trace();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "sound C:\\ALARM.WAV nowait");
  EXPECT_FALSE(LinesStartingWith(lines, "key 20 ").empty());
  EXPECT_EQ(TypedLetters(lines), "t");
}

TEST_F(SchedulerWindowTest, ShowDateAndTimePutsThemInTheCaptionAndEachCheckRefreshesIt) {
  ASSERT_TRUE(Start(WithSystemEntries({DailyAt("Ten", "t", 10, 0, false)})));
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)");
  window->OnCommand(Command::ShowDateTime);
  EXPECT_TRUE(configuration.showDate);
  EXPECT_TRUE(host.menu[Command::ShowDateTime].checked);
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)     12/7/2026  9:59:50 AM");
  TickAt(13, 5, 9);
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)     12/7/2026  1:05:09 PM");
  window->OnCommand(Command::ShowDateTime);
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)");
}

TEST_F(SchedulerWindowTest, ATypedWordletErasesItselfAndPlays) {
  configuration.prefixKeys = ";";
  ASSERT_TRUE(Start(WithSystemEntries({WordletMacro("sig", "x")})));
  desktop.Trace().Clear();
  Type(";sig");
  const Lines keys = LinesStartingWith(Trace(), "key ");
  EXPECT_EQ(LinesStartingWith(keys, "key 8 down").size(), 4u);
  EXPECT_EQ(TypedLetters(Trace()), "x");
  EXPECT_TRUE(window->InUse());
}

TEST_F(SchedulerWindowTest, AnotherWindowInFrontStartsTheTypedTextOver) {
  ASSERT_TRUE(Start(WithSystemEntries({WordletMacro("sig", "x")})));
  Type("si");
  window->OnForegroundChanged(desktop.AddWindow("Other", "OTHER.EXE"));
  Type("g");
  window->OnPrivateMessage(kMsgWordletChar, kWordletReset, 0);
  EXPECT_EQ(TypedLetters(Trace()), "");
}


TEST_F(SchedulerWindowTest, WordletOptionsAreKeptAndSaved) {
  ASSERT_TRUE(Start(WithSystemEntries({WordletMacro("sig", "x")})));
  const std::size_t writes = profile.writes;
  ui.AnswerForm("TWordletOptions", [this](Form& form) {
    auto& options = static_cast<TWordletOptions&>(form);
    EXPECT_TRUE(options.prefixBox.checked);
    ui.Click(form, options.prefixBox);
    ui.Click(form, options.okButton);
  });
  window->OnCommand(Command::Wordlets);
  EXPECT_TRUE(configuration.useSuffix);
  EXPECT_GT(profile.writes, writes);
  Type("sig");
  EXPECT_EQ(TypedLetters(Trace()), "");
  Type(" ");
  EXPECT_EQ(TypedLetters(Trace()), "x");
}

TEST_F(SchedulerWindowTest, TheAlarmDialogNeedsAnExistingWaveFile) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const std::string wave = folder.File("ALARM.WAV");
  test_support::WriteFileText(wave, "RIFF");
  ui.AnswerForm("TDoSound", [&](Form& form) {
    EXPECT_EQ(form.caption, "Scheduler Alarm");
    EXPECT_EQ(form.Find("BeepRadio")->text, "None");
    EXPECT_FALSE(form.Find("HelpButton")->visible);
    ui.Click(form, *form.Find("WaveRadio"));
    form.Find("PathEdit")->text = folder.File("MISSING.WAV");
    ui.Click(form, *form.Find("OkButton"));
    EXPECT_FALSE(form.Closed());
    form.Find("PathEdit")->text = " " + wave + " ";
    ui.Click(form, *form.Find("WaitBox"));
    ui.Click(form, *form.Find("OkButton"));
  });
  window->OnCommand(Command::Alarm);
  EXPECT_EQ(Messages(), (Lines{"message Error: Specified WAV File does not exist.  Please correct."}));
  EXPECT_TRUE(configuration.useWaveFile);
  EXPECT_EQ(configuration.waveFile, wave);
  EXPECT_TRUE(configuration.waveFileWait);
}

TEST_F(SchedulerWindowTest, TheTimerIntervalDialogSetsTheCheckTimer) {
  ASSERT_TRUE(Start(WithSystemEntries({DailyAt("Ten", "t", 10, 0, false)})));
  ui.AnswerForm("TDoDelay", [&](Form& form) {
    EXPECT_EQ(form.caption, "Scheduler Frequency");
    EXPECT_EQ(form.Find("ValueEdit")->text, "10");
    form.Find("ValueEdit")->text = "61";
    ui.Click(form, *form.Find("OkButton"));
    EXPECT_FALSE(form.Closed());
    form.Find("ValueEdit")->text = "30";
    ui.Click(form, *form.Find("OkButton"));
  });
  window->OnCommand(Command::TimerInterval);
  EXPECT_EQ(Messages(), (Lines{"message Error: Value must be between 1 and 60."}));
  EXPECT_EQ(configuration.timerSeconds, 30);
  EXPECT_TRUE(host.Saw("StartTimer 3 30000"));
}

}  // namespace
}  // namespace tavrix::testing
