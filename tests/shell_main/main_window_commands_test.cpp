// The main window's commands through its one entry, the window's own events,
// and closing while a macro plays.
#include "base/private_messages.h"
#include "main_window_fixture.h"
#include "editing/direct_editor.h"
#include "editing/script_editor.h"
#include "playback/repeat_prompt.h"
#include "tests/support/record_builder.h"
#include "store/file_commands.h"

namespace tavrix::testing {
namespace {

constexpr int kFirst = 5;
constexpr const char* kAbortMessage = "message Macro Abort: Tavrix macro has been aborted.";

class CommandTest : public MainWindowTest {
 protected:
  std::size_t Saves() const { return profile.writes; }
  std::uint8_t ActiveOnDisk(int n) {
    MacroRecord record;
    EXPECT_TRUE(window->File().ReadRecord(n, record));
    return record.Active();
  }
};

TEST_F(CommandTest, ActivateMacroFlipsTheSelectedMacroOnDiskAndInTheMenu) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  host.selected = kFirst;
  window->OnListSelectionChanged();
  window->OnCommand(Command::ActivateMacro);
  EXPECT_EQ(Table().Active(kFirst), 0);
  EXPECT_EQ(ActiveOnDisk(kFirst), 0);
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCtrlA), 0);
  EXPECT_EQ(window->MenuState(Command::ActivateMacro).caption, "Acti&vate Macro");
  EXPECT_TRUE(host.Saw("RedrawList"));

  host.selected = 0;
  window->OnCommand(Command::ActivateMacro);
  EXPECT_EQ(Messages().back(), "message Error: No hot key selected.  Please select one.");
}

TEST_F(CommandTest, ScriptingEditorSavesTheSelectedMacro) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "ab")})));
  host.selected = kFirst;
  window->OnListSelectionChanged();
  ASSERT_TRUE(window->MenuState(Command::ScriptingEditor).enabled);
  // The user adds a one-second delay at the end and presses Ok.
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    auto& editor = static_cast<TDoScripting&>(form);
    EXPECT_EQ(editor.script.items, std::vector<std::string>{"Text: ab"});
    EXPECT_EQ(editor.hotKeyLabel.text, HotKeyName(kCtrlA));
    const auto& commands = editor.optionBox.items;
    editor.optionBox.itemIndex = static_cast<int>(std::find(commands.begin(), commands.end(), "Delay") - commands.begin());
    ui.AnswerForm("TDoDelay2", ui.Answer("OkButton", {{"TimeEdit", "1"}}));
    editor.Click(editor.addButton);
    editor.Click(editor.okButton);
  });
  window->OnCommand(Command::ScriptingEditor);
  MacroRecord record;
  ASSERT_TRUE(window->File().ReadRecord(kFirst, record));
  EXPECT_EQ(record.MacroText(), "ab<DELAY:01.00>");
  EXPECT_EQ(window->Index().table().Scope(kFirst), 1);
  EXPECT_TRUE(host.Saw("RedrawList"));

  // Cancel leaves the file alone, but the size the user gave the editor is
  // kept for the next time.
  const std::size_t saves = Saves();
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    EXPECT_EQ(form.window->width, 606);
    EXPECT_EQ(form.window->height, 446);
    form.window = Bounds{10, 20, 700, 500};
    ui.Click(form, *form.Find("CancelButton"));
  });
  window->OnCommand(Command::ScriptingEditor);
  ASSERT_TRUE(window->File().ReadRecord(kFirst, record));
  EXPECT_EQ(record.MacroText(), "ab<DELAY:01.00>");
  EXPECT_EQ(configuration.scriptPage.width, 700);
  EXPECT_EQ(configuration.scriptPage.top, 20);
  EXPECT_GT(Saves(), saves);  // the configuration was written
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    EXPECT_EQ(form.window->height, 500);
    ui.Click(form, *form.Find("CancelButton"));
  });
  window->OnCommand(Command::ScriptingEditor);
}

TEST_F(CommandTest, ModifyDirectlySavesTheTypedTextWithTheKeyboardHookOff) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "ab")})));
  host.selected = kFirst;
  window->OnListSelectionChanged();
  ASSERT_TRUE(window->MenuState(Command::ModifyDirectly).enabled);
  hooks.ClearCalls();
  // The user types a tab and a line into the box, adds Enter and updates.
  ui.AnswerForm(TModHotKeys::kName, [this](Form& form) {
    auto& editor = static_cast<TModHotKeys&>(form);
    EXPECT_EQ(CallNames(), std::vector<std::string>{"TvxUnHook"});  // the hook is off while the form is open
    EXPECT_EQ(editor.newFormat.text, "ab");
    EXPECT_EQ(editor.hotKeyLabel.text, HotKeyName(kCtrlA));
    editor.newFormat.text = "ab\tc\r\nd";
    editor.newFormat.selStart = 2;
    editor.Click(*editor.keystrokeButtons[6]);
    editor.Click(editor.updateButton);
  });
  window->OnCommand(Command::ModifyDirectly);
  // The hook is back before the saved macro is published.
  const std::vector<std::string> calls = CallNames();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
            (std::vector<std::string>{"TvxUnHook", "TvxHookKeyboard", "TvxUpKeyHook"}));
  EXPECT_NE(hooks.copy().KeyboardHook(), 0u);
  MacroRecord record;
  ASSERT_TRUE(window->File().ReadRecord(kFirst, record));
  EXPECT_EQ(record.MacroText(), "ab<ENTER><TAB>c\r\nd");
  EXPECT_TRUE(host.Saw("RedrawList"));

  // Escape (Cancel) writes nothing, and the hook is back as well.
  hooks.ClearCalls();
  ui.AnswerForm(TModHotKeys::kName, [](Form& form) {
    static_cast<TModHotKeys&>(form).newFormat.text = "lost";
    form.PressEscape();
  });
  window->OnCommand(Command::ModifyDirectly);
  ASSERT_TRUE(window->File().ReadRecord(kFirst, record));
  EXPECT_EQ(record.MacroText(), "ab<ENTER><TAB>c\r\nd");
  EXPECT_EQ(CallNames().back(), "TvxUpKeyHook");
}

TEST_F(CommandTest, RemoveMacroSelectsTheSameRowOrTheLast) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a"), Macro("B", kCtrlB, "b")})));
  ui.SetDefaultYesNo(true);
  host.selected = kFirst + 1;
  window->OnCommand(Command::RemoveMacro);
  EXPECT_EQ(window->Index().Count(), kFirst);
  EXPECT_EQ(host.selected, kFirst);
  EXPECT_TRUE(host.Saw("RefillList"));
}

TEST_F(CommandTest, SettingsTogglesAreSavedAtOnce) {
  ASSERT_TRUE(Start(SystemEntries()));
  const std::size_t saves = Saves();
  window->OnCommand(Command::PlaceInSystemTray);
  EXPECT_TRUE(configuration.useTray);
  EXPECT_TRUE(host.trayIcon);
  EXPECT_TRUE(window->MenuState(Command::PlaceInSystemTray).checked);
  EXPECT_TRUE(window->MenuState(Command::Hide).enabled);
  window->OnCommand(Command::DisableScreenSaver);
  EXPECT_FALSE(configuration.disableScreenSaver);
  EXPECT_FALSE(host.menu[Command::DisableScreenSaver].checked);
  EXPECT_GT(Saves(), saves);

  host.lines.clear();
  window->OnCommand(Command::Hide);
  EXPECT_EQ(host.lines, (Lines{"HideWindow", "ShowTaskbarWindow 0"}));
}

TEST_F(CommandTest, DisabledCommandsDoNothing) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")}), ParseCommandLine({"/B"})));
  host.selected = kFirst;
  ui.SetDefaultYesNo(true);
  host.lines.clear();
  for (const Command command : {Command::RemoveMacro, Command::ActivateMacro, Command::NewFile, Command::Hide,
                                Command::AddMacro, Command::Remap})
    window->OnCommand(command);
  EXPECT_EQ(window->Index().Count(), kFirst);
  EXPECT_EQ(Table().Active(kFirst), 1);
  EXPECT_TRUE(Trace().empty());
  EXPECT_TRUE(host.lines.empty());
}

TEST_F(CommandTest, ToolsAndHelpCommands) {
  ASSERT_TRUE(Start(SystemEntries()));
  window->OnCommand(Command::MouseLocator);
  const Lines launches = LinesStartingWith(Trace(), "launch ");
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_NE(launches[0].find("\\PTRSPOT.EXE"), std::string::npos);
  window->OnCommand(Command::TrayHelp);
  EXPECT_TRUE(host.Saw("ShowHelp " + folder.Path() + "\\TAVRIX.HLP"));
  window->OnCommand(Command::Tutorial);
  EXPECT_TRUE(host.Saw("ShowHelp " + folder.Path() + "\\TAVRIX.HLP at Tutorial / User Guide"));
  window->OnCommand(Command::About);
  EXPECT_EQ(LinesStartingWith(Messages(), "message About Tavrix: ").size(), 1u);
}

// A recent file entry opens the file it shows; a file that is gone is said so.
TEST_F(CommandTest, RecentFilesOpenWhatTheMenuShows) {
  const std::string other = folder.File("OTHER.TVX");
  WriteMacroFile(other, SystemEntries());
  configuration.lastFiles = {other, folder.File("GONE.TVX"), "", "", ""};
  ASSERT_TRUE(Start(SystemEntries()));
  window->Start(FirstShow::Normal);

  window->OnCommand(Command::RecentFile2);
  EXPECT_EQ(Messages().back(), "message Error: File does not exist.");
  EXPECT_EQ(window->File().Path(), macroPath);

  window->OnCommand(Command::RecentFile1);
  EXPECT_EQ(window->File().Path(), other);
  EXPECT_EQ(host.recentFiles[0], macroPath);
  EXPECT_EQ(host.recentFiles, window->FileCommands().recentFiles());
}

// "<SWAP:" changes the recent files in the middle of a playback; choosing an
// entry afterwards opens the file it names, never the one swapped in.
TEST_F(CommandTest, AfterASwapTheMenuNamesTheFilesItOpens) {
  const std::string second = folder.File("SECOND.TVX");
  WriteMacroFile(second, SystemEntries());
  configuration.lastFiles = {folder.File("GONE.TVX"), "", "", "", ""};
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Swap", kCtrlA, "<SWAP:" + second + ">")})));
  window->Start(FirstShow::Normal);
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  window->OnClearInUse();
  ASSERT_EQ(host.recentFiles, (RecentFiles{macroPath, folder.File("GONE.TVX"), "", "", ""}));

  window->OnCommand(Command::RecentFile2);
  EXPECT_EQ(Messages().back(), "message Error: File does not exist.");
  EXPECT_EQ(window->File().Path(), second);
}

// --- Closing ---------------------------------------------------------------------

TEST_F(CommandTest, TerminateClosesOnceAfterTheShutdownSteps) {
  ASSERT_TRUE(Start(SystemEntries()));
  window->OnCommand(Command::Terminate);
  EXPECT_TRUE(window->Closing());
  const Lines expected{"StoreWindowBounds", "Close"};
  EXPECT_EQ(Lines(host.lines.end() - 2, host.lines.end()), expected);
  EXPECT_EQ(hooks.CountOf("TvxUnHook"), 3u);
  // Nothing runs after the close.
  const std::size_t hostCalls = host.lines.size();
  window->OnCommand(Command::Terminate);
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  window->OnTimer(MainTimer::StartUp);
  EXPECT_EQ(host.lines.size(), hostCalls);
  EXPECT_EQ(hooks.CountOf("TvxUnHook"), 3u);
}

// A tray click or "Terminate and Unload" while the editor is open: the
// editor closes as with Cancel (nothing is saved); after Terminate the
// program closes as soon as the editor has gone.
TEST_F(CommandTest, TrayClickAndTerminateCloseTheOpenEditor) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "ab")})));
  host.selected = kFirst;
  window->OnListSelectionChanged();
  for (const bool terminate : {false, true}) {
    SCOPED_TRACE(terminate ? "terminate" : "tray click");
    bool closedInside = false;
    ui.AnswerForm(TDoScripting::kName, [&](Form& form) {
      auto& editor = static_cast<TDoScripting&>(form);
      editor.nickName.text = "changed";
      if (terminate) {
        window->OnCommand(Command::TrayTerminate);
      } else {
        window->OnTrayIconClick();
      }
      closedInside = host.Saw("Close");
      EXPECT_EQ(form.modalResult, ModalResult::Cancel);
    });
    window->OnCommand(Command::ScriptingEditor);
    EXPECT_EQ(test_support::RecordOnDisk(macroPath, kFirst).NickName(), "A");
    EXPECT_FALSE(closedInside);
    EXPECT_EQ(host.Saw("Close"), terminate);
  }
}

// "Terminate and Unload" while a macro types: the macro stops at its next
// step as the abort key stops it, without its message, keys it holds are
// released, and the program closes once the playback has returned.
TEST_F(CommandTest, TerminatingStopsAPlayingMacroFirst) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Long", kCtrlA, "ab<SHFD>cdefgh")})));
  int steps = 0;
  bool closedWhilePlaying = false;
  desktop.SetMessageHandler([&] {
    if (++steps == 3) window->OnCommand(Command::TrayTerminate);
    closedWhilePlaying = closedWhilePlaying || host.Saw("Close");
  });
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  desktop.SetMessageHandler({});

  EXPECT_FALSE(closedWhilePlaying);
  EXPECT_EQ(TypedLetters(Trace()), "ab");
  EXPECT_EQ(LinesStartingWith(Trace(), "key 16 ").back(), "key 16 up");
  EXPECT_TRUE(LinesStartingWith(Messages(), kAbortMessage).empty());
  EXPECT_EQ(host.lines.back(), "Close");
  EXPECT_EQ(hooks.CountOf("TvxUnHook"), 3u);
}

// A macro started while another one plays: terminating inside it stops both.
TEST_F(CommandTest, TerminatingInsideANestedPlaybackStopsTheOuterOneToo) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Outer", kCtrlA, "abcd"), Macro("Inner", kCtrlB, "xyz")})));
  int steps = 0;
  desktop.SetMessageHandler([&] {
    ++steps;
    if (steps == 1) window->OnPrivateMessage(kMsgActivation, kCtrlB, 0);
    if (steps == 2) window->OnCommand(Command::TrayTerminate);
  });
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  desktop.SetMessageHandler({});
  EXPECT_EQ(TypedLetters(Trace()), "ax");
  EXPECT_TRUE(LinesStartingWith(Messages(), kAbortMessage).empty());
  EXPECT_EQ(host.lines.back(), "Close");
}

// With the pause box or the repeat prompt open, terminating closes the box
// itself and types nothing that follows.
TEST_F(CommandTest, TerminatingWithABoxOpenDoesNotWaitForTheUser) {
  struct Case {
    const char* text;
    const char* box;
  };
  const Case cases[] = {{"ab<PAUSE>cd", TPauseMacro::kName}, {"ab<PROMPTREP>x<ENDREP>cd", TRepeatPrompt::kName}};
  for (const Case& c : cases) {
    ASSERT_TRUE(Start(WithSystemEntries({Macro("Boxed", kCtrlA, c.text)})));
    bool closedByTheProgram = false;
    ui.AnswerFormAlways(c.box, [&](Form& box) {
      window->OnCommand(Command::TrayTerminate);
      closedByTheProgram = box.Closed();
      if (!box.Closed()) ui.Answer("ResumeButton")(box);
    });
    window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
    EXPECT_TRUE(closedByTheProgram) << c.box;
    EXPECT_EQ(TypedLetters(Trace()), "ab") << c.box;
    EXPECT_TRUE(LinesStartingWith(Messages(), kAbortMessage).empty());
    EXPECT_EQ(host.lines.back(), "Close");
    desktop.Trace().Clear();
  }
}

TEST_F(CommandTest, TheAbortKeyStillSaysSo) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Long", kCtrlA, "abcd")})));
  desktop.SetMessageHandler([&] { window->OnPrivateMessage(kMsgAbort, 0, 0); });
  window->OnPrivateMessage(kMsgActivation, kCtrlA, 0);
  desktop.SetMessageHandler({});
  EXPECT_EQ(LinesStartingWith(Messages(), kAbortMessage).size(), 1u);
  EXPECT_FALSE(window->Closing());
}

TEST_F(CommandTest, TheSessionEndRunsTheShutdownStepsAtOnce) {
  ASSERT_TRUE(Start(SystemEntries()));
  window->OnEndSession();
  EXPECT_EQ(host.lines.back(), "Close");
  EXPECT_EQ(hooks.CountOf("TvxUnHook"), 3u);
  EXPECT_TRUE(window->Closing());
}

// --- The window's own events --------------------------------------------------------

TEST_F(CommandTest, TheFirstShowingFollowsTheModes) {
  struct Case {
    bool tray;
    std::vector<std::string> switches;
    Lines expected;
  };
  const Case cases[] = {
      {false, {}, {"ShowFirst 1"}},
      {false, {"/HIDE"}, {"ShowFirst 1", "HideWindow"}},
      {true, {}, {"ShowTaskbarWindow 0"}},
  };
  for (const Case& c : cases) {
    configuration.useTray = c.tray;
    ASSERT_TRUE(Start(SystemEntries(), ParseCommandLine(c.switches)));
    host.lines.clear();
    window->Start(FirstShow::Minimized);
    Lines shown;
    for (const std::string& line : host.lines)
      if (line.rfind("ShowFirst", 0) == 0 || line.rfind("ShowTaskbarWindow", 0) == 0 || line == "HideWindow")
        shown.push_back(line);
    EXPECT_EQ(shown, c.expected);
    EXPECT_EQ(host.trayIcon, c.tray);
  }
}

TEST_F(CommandTest, LosingTheActivationHidesTheWindowOnlyInTrayModeAndWhenNothingIsOpen) {
  configuration.useTray = true;
  ASSERT_TRUE(Start(SystemEntries()));
  host.boxOpen = true;
  window->OnAppDeactivate();
  EXPECT_TRUE(host.visible);
  host.boxOpen = false;
  host.minimized = true;
  window->OnAppDeactivate();
  EXPECT_FALSE(host.visible);
  EXPECT_TRUE(host.Saw("RestoreWindow"));

  EXPECT_TRUE(window->OnMinimize());
  configuration.useTray = false;
  host.visible = true;
  window->OnAppDeactivate();
  EXPECT_TRUE(host.visible);
  EXPECT_FALSE(window->OnMinimize());
}

TEST_F(CommandTest, ResizedColumnsAreSavedOnlyWhenTheyChanged) {
  ASSERT_TRUE(Start(SystemEntries()));
  const std::size_t saves = Saves();
  window->OnColumnsResized(configuration.columnWidths);
  EXPECT_EQ(Saves(), saves);
  window->OnColumnsResized({11, 22, 33});
  EXPECT_EQ(configuration.columnWidths, (std::array<std::int32_t, 3>{11, 22, 33}));
  EXPECT_GT(Saves(), saves);
}

}  // namespace
}  // namespace tavrix::testing
