// Start-up and shutdown of the main window: what reaches the hook library in
// which order, hooks that fail, the command line, the caption and the menu.
#include <algorithm>
#include <filesystem>

#include "main_window_fixture.h"
#include "store/key_swap_file.h"

namespace tavrix::testing {
namespace {

std::size_t IndexOf(const std::vector<std::string>& names, const std::string& name) {
  return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

TEST_F(MainWindowTest, EmptyFileGivesFourPublishedEntriesBeforeAnyHook) {
  Prepare({});
  std::filesystem::remove(macroPath);
  window->LoadMacroFileAtStart();

  EXPECT_EQ(hooks.copy().MacroCount(), 4);
  EXPECT_EQ(hooks.installedHooks().size(), 0u);
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(hooks.copy().Scope(n), kScopeSystem) << n;
  EXPECT_EQ(hooks.CountOf("TvxUpItem"), 4u);

  ASSERT_TRUE(window->FormCreate({}));
  const auto names = CallNames();
  // Everything the file load published comes before the library's first
  // full copy and before any hook.
  std::size_t lastItem = 0;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == "TvxUpItem" || names[i] == "TvxUpNumKeys") lastItem = i;
  EXPECT_LT(lastItem, IndexOf(names, "TvxUpInit"));
  EXPECT_LT(lastItem, IndexOf(names, "TvxHookCBT"));
}

TEST_F(MainWindowTest, FormCreateInstallsAndPublishesInItsOrder) {
  ASSERT_TRUE(Start(SystemEntries()));
  const auto all = CallNames();
  std::vector<std::string> created(all.begin() + static_cast<std::ptrdiff_t>(IndexOf(all, "TvxHookCBT")), all.end());
  const std::vector<std::string> expected = {
      "TvxHookCBT",     "TvxUpCapture", "TvxUpInit",       "TvxUpWindow",  "TvxUpWindow2",
      "TvxUpProg",      "TvxUpCaptureOn", "TvxUpProgs",    "TvxUpKeys",    "TvxHookKeyboard",
      "TvxHookMouse",   "TvxUpKeyHook", "TvxUpMouseHook"};
  EXPECT_EQ(created, expected);

  const SharedMacroTable& copy = hooks.copy();
  EXPECT_EQ(copy.MainWindow(), RecordingHost::kHandle);
  EXPECT_EQ(copy.EntryWindow(), RecordingHost::kHandle);
  EXPECT_EQ(copy.EntryActive(), 0);
  EXPECT_EQ(copy.IsNT(), 1);
  EXPECT_EQ(copy.CaptureOn(), 0);
  EXPECT_EQ(copy.ProgramCount(), 0);
  EXPECT_EQ(copy.FrontProgram(), "");
  EXPECT_EQ(copy.HotKeyUsed(kOpenKey), 1);
  EXPECT_EQ(copy.HotKeyUsed(kCtrlA), 0);
  EXPECT_NE(copy.KeyboardHook(), 0u);
  EXPECT_NE(copy.MouseHook(), 0u);
  EXPECT_EQ(hooks.installedHooks().size(), 3u);  // no key is remapped: no swap hook
}

TEST_F(MainWindowTest, StartUpClearsTheFieldsTheLibraryResetsAtStart) {
  Prepare(SystemEntries());
  window->LoadMacroFileAtStart();
  SharedMacroTable& table = Table();
  table.SetCaptureState765(7);
  table.SetCaptureState740(7);
  table.SetCaptureDoubleAlt(1);
  table.SetReserved4(9);
  table.SetStopKey(65);
  table.SetStopCtrl(1);
  table.SetReserved14296(3);
  table.SetPrograms(5, "OLD.EXE");
  ASSERT_TRUE(window->FormCreate({}));
  const SharedMacroTable& copy = hooks.copy();
  EXPECT_EQ(copy.CaptureState765(), 0);
  EXPECT_EQ(copy.CaptureState740(), 0);
  EXPECT_EQ(copy.CaptureDoubleAlt(), 0);
  EXPECT_EQ(copy.Reserved4(), 0);
  EXPECT_EQ(copy.StopKey(), 0);
  EXPECT_EQ(copy.StopCtrl(), 0);
  EXPECT_EQ(copy.Reserved14296(), 0);
  EXPECT_EQ(copy.Programs(5), "");
}

TEST_F(MainWindowTest, RemappedKeysInstallTheSwapHookFirst) {
  Prepare(SystemEntries());
  std::array<std::uint8_t, kSwapTablesSize> tables{};
  InitSwapKeys(tables);
  tables[0] = 'B';  // "A" types "B"
  ASSERT_EQ(SaveSwapKeys(SwapFileName(macroPath), tables), SwapSaveResult::Saved);
  window->LoadMacroFileAtStart();
  ASSERT_TRUE(window->FormCreate({}));
  const auto names = CallNames();
  EXPECT_LT(IndexOf(names, "TvxHookSwap"), IndexOf(names, "TvxHookCBT"));
  EXPECT_EQ(hooks.installedHooks().size(), 4u);

  window->FormClose();
  EXPECT_TRUE(hooks.installedHooks().empty());
}

TEST_F(MainWindowTest, AMissingKeySwapFileIsCreatedUnchanged) {
  ASSERT_TRUE(Start(SystemEntries()));
  std::array<std::uint8_t, kSwapTablesSize> tables{};
  ASSERT_TRUE(LoadSwapKeys(SwapFileName(macroPath), tables));
  EXPECT_FALSE(SwapsInUse(tables));
  EXPECT_EQ(hooks.CountOf("TvxHookSwap"), 0u);
}

TEST_F(MainWindowTest, AKeySwapFileThatCannotBeCreatedIsReportedAtStart) {
  Prepare(SystemEntries());
  // A link into a folder that does not exist: the key-swap file cannot be made.
  std::filesystem::create_symlink(folder.File("nowhere/TAVRX.TVS"), SwapFileName(macroPath));
  window->LoadMacroFileAtStart();
  ASSERT_TRUE(window->FormCreate({}));
  EXPECT_EQ(Messages(), Lines{"message Error: The key-swap file \"" + SwapFileName(macroPath) +
                              "\" could not be created.  Keys are not remapped for this macro file."});
  EXPECT_EQ(hooks.CountOf("TvxHookSwap"), 0u);
  window->FormClose();
}

TEST_F(MainWindowTest, AHookThatFailsIsReportedAndNothingStaysInstalled) {
  for (const char* failing : {"TvxHookCBT", "TvxHookKeyboard", "TvxHookMouse"}) {
    SCOPED_TRACE(failing);
    hooks.SetFailing(failing);
    desktop.Trace().Clear();
    EXPECT_FALSE(Start(SystemEntries()));
    const Lines messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("message Error: The ", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find("could not be installed"), std::string::npos);
    EXPECT_TRUE(hooks.installedHooks().empty());
    // Nothing of the rest of the start-up happened.
    EXPECT_FALSE(host.TimerRunning(MainTimer::StartUp));
  }
}

TEST_F(MainWindowTest, FormCloseRemovesEveryHookAndSavesTheConfiguration) {
  ASSERT_TRUE(Start(SystemEntries()));
  const HookHandle keyboard = Table().KeyboardHook();
  const HookHandle mouse = Table().MouseHook();
  configuration.syncMinutes = 42;
  hooks.ClearCalls();
  window->FormClose();

  EXPECT_TRUE(hooks.installedHooks().empty());
  ASSERT_EQ(hooks.CountOf("TvxUnHook"), 3u);
  EXPECT_EQ(hooks.calls()[0].argument, keyboard);
  EXPECT_EQ(hooks.calls()[1].argument, mouse);
  EXPECT_NE(profile.Text().find("Current File=" + macroPath), std::string::npos) << profile.Text();
  EXPECT_NE(profile.Text().find("42"), std::string::npos);

  // A second close (the window closing after "Terminate") removes nothing twice.
  window->FormClose();
  EXPECT_EQ(hooks.CountOf("TvxUnHook"), 3u);
}

TEST_F(MainWindowTest, CommandLineFileThatExistsIsLoaded) {
  const std::string other = folder.File("OTHER.TVX");
  WriteMacroFile(other, {Macro("Other one", kCtrlB, "b")});
  ASSERT_TRUE(Start(SystemEntries(), {{StartupSwitch::LoadFile, 0, other}}));
  EXPECT_EQ(window->File().Path(), other);
  EXPECT_EQ(configuration.currentFile, other);
  EXPECT_EQ(host.caption, "Tavrix (OTHER)");
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCtrlB), 1);
  EXPECT_EQ(hooks.copy().HotKeyUsed(kOpenKey), 1);  // the system entries it gained
  // The recent files stay those of the configured file.
  EXPECT_EQ(configuration.lastFiles[0], "");
}

TEST_F(MainWindowTest, CommandLineFileThatIsMissingLeavesTheConfiguredFile) {
  const std::string missing = folder.File("MISSING.TVX");
  ASSERT_TRUE(Start(SystemEntries(), {{StartupSwitch::LoadFile, 0, missing}}));
  EXPECT_EQ(window->File().Path(), macroPath);
  EXPECT_EQ(configuration.currentFile, macroPath);
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)");
}

TEST_F(MainWindowTest, SwitchesApplyInCommandLineOrder) {
  ASSERT_TRUE(Start(SystemEntries(), ParseCommandLine({"/sm", "98", "/S", "/N", "/SM", "0", "/b"})));
  EXPECT_EQ(configuration.syncMinutes, 98);
  EXPECT_TRUE(configuration.autoSync);
  EXPECT_TRUE(configuration.networkMode);
  EXPECT_TRUE(window->Modes().browse);
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)    (Browse Mode)");
}

TEST_F(MainWindowTest, LockedBrowseModeShowsInTheCaptionAndLocksTheTrayEntries) {
  configuration.useTray = true;
  ASSERT_TRUE(Start(SystemEntries(), ParseCommandLine({"/BA"})));
  EXPECT_EQ(host.caption, "Tavrix (TAVRX)    (Browse All Mode)");
  EXPECT_FALSE(host.menu[Command::RemoveMacro].enabled);  // browse mode changes no macro
  EXPECT_FALSE(host.menu[Command::Hide].enabled);
  EXPECT_FALSE(host.menu[Command::PlaceInSystemTray].enabled);
}

TEST_F(MainWindowTest, TimersStartAfterCreation) {
  ASSERT_TRUE(Start(SystemEntries()));
  EXPECT_TRUE(host.Saw("StartTimer 2 5000"));
  EXPECT_TRUE(host.TimerRunning(MainTimer::HookWatch));
  EXPECT_FALSE(host.TimerRunning(MainTimer::Clear));
}

TEST_F(MainWindowTest, TrayModeAndTheHideEntry) {
  // Tray mode on a platform with a tray: "Hide" stays enabled and the entry is checked.
  configuration.useTray = true;
  ASSERT_TRUE(Start(SystemEntries()));
  EXPECT_TRUE(window->TrayMode());
  EXPECT_TRUE(host.menu[Command::Hide].enabled);
  EXPECT_TRUE(host.menu[Command::PlaceInSystemTray].checked);
}

TEST_F(MainWindowTest, WithoutATrayTrayModeIsForcedOff) {
  configuration.useTray = true;
  trayAllowed = false;
  ASSERT_TRUE(Start(SystemEntries()));
  EXPECT_FALSE(window->TrayMode());
  EXPECT_FALSE(host.menu[Command::PlaceInSystemTray].enabled);
  EXPECT_FALSE(host.menu[Command::Hide].enabled);
  EXPECT_FALSE(host.menu[Command::PlaceInSystemTray].checked);
}

TEST_F(MainWindowTest, TheConfiguredRecentFilesAreKeptAndUpdatedBySwap) {
  configuration.lastFiles = {"A.TVX", "B.TVX", "", "", ""};
  const std::string other = folder.File("SECOND.TVX");
  WriteMacroFile(other, SystemEntries());
  ASSERT_TRUE(Start(WithSystemEntries({Macro("Swap", kCtrlA, "<SWAP:" + other + ">x")})));
  window->OnActivation(kCtrlA, 0);
  EXPECT_EQ(window->File().Path(), other);
  EXPECT_EQ(configuration.currentFile, other);
  EXPECT_EQ(host.caption, "Tavrix (SECOND)");
  EXPECT_EQ(configuration.lastFiles[0], macroPath);
  EXPECT_EQ(configuration.lastFiles[1], "A.TVX");
  EXPECT_EQ(configuration.lastFiles[2], "B.TVX");
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCtrlA), 0);  // the new file's activations are published
  // The menu shows the list as it is after the swap.
  EXPECT_EQ(host.recentFiles, configuration.lastFiles);
  EXPECT_TRUE(std::filesystem::exists(SwapFileName(other)));
  // The playback went on after the switch.
  EXPECT_EQ(TypedLetters(Trace()).back(), 'x');
}

}  // namespace
}  // namespace tavrix::testing
