// The menus as the main window decides them: the layout and its captions,
// the browse modes, the entries that follow the selected macro, the settings
// shown checked, and the list's rows.
#include "main_window_fixture.h"
#include "shell/check_time_item.h"
#include "shell/macro_list_text.h"
#include "shell/window_placement.h"

namespace tavrix::testing {
namespace {

constexpr int kFirst = 5;  // the first macro after the system entries

std::string CaptionOf(Command command) {
  for (const MenuItem& item : MenuLayout())
    if (item.kind == MenuItem::Kind::Entry && item.command == command) return item.caption;
  return {};
}

TEST(MenuLayoutTest, EveryCommandHasOneEntryAndTheRecentFilesNone) {
  std::map<Command, int> seen;
  for (const MenuItem& item : MenuLayout())
    if (item.kind == MenuItem::Kind::Entry) ++seen[item.command];
  for (const auto& [command, count] : seen) EXPECT_EQ(count, 1) << static_cast<int>(command);
  EXPECT_EQ(seen.size(), 39u);
  for (int k = 1; k <= kRecentFileCount; ++k) {
    EXPECT_EQ(seen.count(RecentFileCommand(k)), 0u);
    EXPECT_EQ(RecentFileNumber(RecentFileCommand(k)), k);
  }
  EXPECT_EQ(RecentFileNumber(Command::OpenFile), 0);
  EXPECT_EQ(RecentFileNumber(Command::OutputMacroInformation), 0);
  EXPECT_EQ(CaptionOf(Command::TrayTerminate), "&Terminate and Unload");
  EXPECT_EQ(CaptionOf(Command::ShowDateTime), "&Show Date && Time");
}

// Which commands each browse mode takes away, for a sample of each group.
TEST(MenuLayoutTest, BrowseModesTakeAwayTheirCommands) {
  struct Case {
    Command command;
    bool browse;  // taken away by "/B"
    bool locked;  // taken away by "/BA"
  };
  const Case cases[] = {
      {Command::NewFile, true, true},          {Command::RemoveMacro, true, true},
      {Command::ActivateMacro, true, true},    {Command::DisableScreenSaver, true, true},
      {Command::Remap, true, true},            {Command::OpenFile, false, true},
      {Command::RecentFile3, false, true},     {Command::Hide, false, true},
      {Command::PlaceInSystemTray, false, true}, {Command::Sort, false, true},
      {Command::Terminate, false, false},      {Command::TrayTerminate, false, false},
      {Command::MouseLocator, false, false},   {Command::RestoreKeyboardHooks, false, false},
  };
  const StartupModes browse{false, true, false};
  const StartupModes locked{false, true, true};
  for (const Case& c : cases) {
    EXPECT_EQ(BrowseForbids(c.command, browse), c.browse) << static_cast<int>(c.command);
    EXPECT_EQ(BrowseForbids(c.command, locked), c.locked) << static_cast<int>(c.command);
    EXPECT_FALSE(BrowseForbids(c.command, StartupModes{}));
  }
}

// `CheckTimeItem` for each kind of selected macro.
TEST(CheckTimeItemTest, TheSelectedMacroDecidesTheCommands) {
  MacroIndex index;
  auto add = [&](std::uint16_t activation, std::int16_t scope, std::uint8_t active) {
    const int n = index.Count() + 1;
    index.SetCount(n);
    index.table().SetActivation(n, activation);
    index.table().SetScope(n, scope);
    index.table().SetActive(n, active);
    return n;
  };
  const int hotKey = add(kCtrlA, kScopeGlobal, 1);
  const int timed = add(kTimedActivation, kScopeWindow, 1);
  const int popup = add(kCtrlB, kScopePopupMenu, 0);
  const int system = add(kOpenKey, kScopeSystem, 1);

  struct Case {
    int selected;
    bool browse;
    std::string expected;  // recapture script copy modify remove activate, then the two captions
  };
  const Case cases[] = {
      {hotKey, false, "111111 Modify &Directly|Deacti&vate Macro"},
      {timed, false, "011111 Modify &Directly|Deacti&vate Macro"},
      {popup, false, "001111 Mo&dify Popup Menu|Acti&vate Macro"},
      {system, false, "000000 Modify &Directly|Deacti&vate Macro"},
      {hotKey, true, "000000 Modify &Directly|"},
      {0, false, "111111 |"},
      {0, true, "000000 |"},
  };
  for (const Case& c : cases) {
    const SelectedMacroCommands offered = CheckTimeItem(index, c.selected, c.browse);
    std::string got;
    for (const bool on : {offered.recapture, offered.scriptingEditor, offered.copy, offered.modifyDirectly,
                          offered.remove, offered.activate})
      got += on ? '1' : '0';
    got += " " + offered.modifyCaption + "|" + offered.activateCaption;
    EXPECT_EQ(got, c.expected) << "macro " << c.selected << (c.browse ? " in browse mode" : "");
  }
  EXPECT_EQ(CheckTimeItem(MacroIndex{}, 0, false).remove, false);  // nothing to remove in an empty list
}

TEST(MacroListRowTest, CellsAndStyleOfARow) {
  MacroIndex index;
  index.SetCount(2);
  index.table().SetActivation(1, kTimedActivation);
  index.table().SetScope(1, kScopeProgram);
  index.table().SetScopeName(1, "NOTEPAD.EXE");
  index.table().SetActive(1, 0);
  index.table().SetActivation(2, kF1);
  index.table().SetScope(2, kScopeGlobal);
  index.table().SetActive(2, 1);

  const MacroListRow timed = ListRow(index, 7, 1);
  EXPECT_EQ(timed.cells[0], "7");
  EXPECT_EQ(timed.cells[1], "Timed Macro");
  EXPECT_EQ(timed.cells[3], "Program: NOTEPAD.EXE");
  EXPECT_TRUE(timed.Upright(0));
  EXPECT_FALSE(timed.Upright(1));
  EXPECT_FALSE(timed.Upright(3));

  const MacroListRow global = ListRow(index, 1, 2);
  EXPECT_EQ(global.cells[1], "F1");
  EXPECT_EQ(global.cells[3], "GLOBAL");
  EXPECT_TRUE(global.Upright(2));
}

TEST(WindowPlacementTest, ASavedPositionOffTheScreenFallsBackToTheCorner) {
  const ScreenArea screen{0, 0, 1024, 768};
  struct Case {
    WindowBounds saved;
    std::optional<WindowBounds> expected;
  };
  const Case cases[] = {
      {{400, 300, 100, 50}, WindowBounds{400, 300, 100, 50}},
      {{400, 300, -250, 50}, WindowBounds{400, 300, 0, 0}},   // more than half off to the left
      {{400, 300, -200, 50}, WindowBounds{400, 300, -200, 50}},  // half of it still shows
      {{400, 300, 1004, 50}, WindowBounds{400, 300, 0, 0}},   // past the right edge
      {{400, 300, 100, 748}, WindowBounds{400, 300, 0, 0}},   // past the bottom edge
      {{400, 300, 100, -1}, WindowBounds{400, 300, 0, 0}},    // above the top
      {{0, 300, 100, 50}, std::nullopt},                      // nothing saved
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceOnScreen(c.saved, screen), c.expected) << c.saved.left << "," << c.saved.top;
}

// --- The menu of a running main window -------------------------------------------

class MainMenuTest : public MainWindowTest {
 protected:
  bool Enabled(Command command) {
    EXPECT_EQ(host.menu[command].enabled, window->MenuState(command).enabled) << static_cast<int>(command);
    return window->MenuState(command).enabled;
  }
};

TEST_F(MainMenuTest, OnlyTheCommandsTheProgramHasAreEnabled) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  for (const MenuItem& item : MenuLayout()) {
    if (item.kind != MenuItem::Kind::Entry || item.command == Command::Hide) continue;
    EXPECT_EQ(Enabled(item.command), CommandBuilt(item.command)) << item.caption;
  }
  EXPECT_FALSE(Enabled(Command::Hide));  // not in tray mode
  EXPECT_TRUE(host.menu[Command::DisableScreenSaver].checked);
}

TEST_F(MainMenuTest, SelectingAMacroFollowsItsKindAndState) {
  MacroRecord off = Macro("Off", kCtrlB, "b");
  off.SetActive(0);
  ASSERT_TRUE(Start(WithSystemEntries({Macro("On", kCtrlA, "a"), off})));

  host.selected = kFirst + 1;
  window->OnListSelectionChanged();
  EXPECT_EQ(host.menu[Command::ActivateMacro].caption, kActivateCaption);
  EXPECT_TRUE(Enabled(Command::RemoveMacro));

  host.selected = 1;  // a SYSTEM entry
  window->OnListSelectionChanged();
  EXPECT_FALSE(Enabled(Command::RemoveMacro));
  EXPECT_FALSE(Enabled(Command::ActivateMacro));
  EXPECT_EQ(host.menu[Command::ActivateMacro].caption, kDeactivateCaption);
}

TEST_F(MainMenuTest, BrowseModeKeepsTheCaptionAndOffersNoChange) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("On", kCtrlA, "a")}), ParseCommandLine({"/B"})));
  host.selected = kFirst;
  window->OnListSelectionChanged();
  EXPECT_EQ(window->MenuState(Command::ActivateMacro).caption, kActivateCaption);
  EXPECT_FALSE(Enabled(Command::RemoveMacro));
  EXPECT_FALSE(Enabled(Command::NewFile));
  EXPECT_TRUE(Enabled(Command::OpenFile));
  EXPECT_TRUE(Enabled(Command::Terminate));
}

TEST_F(MainMenuTest, RecentFileEntriesAreThereOnlyWithAPath) {
  configuration.lastFiles = {"A.TVX", "", "C.TVX", "", ""};
  ASSERT_TRUE(Start(SystemEntries()));
  window->Start(FirstShow::Normal);
  EXPECT_EQ(host.recentFiles, configuration.lastFiles);
  EXPECT_TRUE(Enabled(Command::RecentFile1));
  EXPECT_FALSE(Enabled(Command::RecentFile2));
  EXPECT_TRUE(Enabled(Command::RecentFile3));
}

}  // namespace
}  // namespace tavrix::testing
