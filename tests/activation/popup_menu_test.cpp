// Popup-menu macros: the "Choose A Macro" window's geometry, placement and
// choosing, the entries it offers, "Build Macro Menu"'s list operations,
// icon chooser and Ok, the top-most-window menu and the tray icon limit.
#include "activation/popup_menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "activation/popup_menu_dialogs.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/fake_icon_files.h"
#include "tests/support/sim_world.h"

namespace tavrix {
namespace {

using test_support::FakeIconFiles;
using test_support::Lines;
using test_support::Macro;

class PopupMenuTest : public ::testing::Test, protected test_support::SimWorld {
 protected:
  // The four system entries, then `macros` from 5 on.
  void Load(const std::vector<MacroRecord>& macros) {
    std::vector<MacroRecord> records;
    for (int digit = 1; digit <= 4; ++digit) records.push_back(test_support::SystemMacro(digit, "System"));
    records.insert(records.end(), macros.begin(), macros.end());
    path = folder_.File("TEST.TVX");
    test_support::WriteMacroFile(path, records);
    file.LoadFile(path);
  }
  // `count` global hot key macros "M<n>" on Ctrl+A.., texts "text<n>".
  static std::vector<MacroRecord> Plain(int count) {
    std::vector<MacroRecord> macros;
    for (int i = 0; i < count; ++i)
      macros.push_back(Macro("M" + std::to_string(i + 5), static_cast<std::uint16_t>(i), "text" + std::to_string(i + 5)));
    return macros;
  }
  static MacroRecord Menu(const std::string& options, const std::vector<std::uint16_t>& list,
                          const std::string& nick = "Menu") {
    MacroRecord menu = Macro(nick, 300, "", kScopePopupMenu);
    menu.SetWordletText(options);
    menu.SetIconName("MENU");
    menu.SetPopupMenuList(list);
    return menu;
  }
  static std::vector<std::uint16_t> Numbers(int from, int count) {
    std::vector<std::uint16_t> list;
    for (int i = 0; i < count; ++i) list.push_back(static_cast<std::uint16_t>(from + i));
    return list;
  }
  TDoAMenu Choose(const MacroRecord& menu, std::optional<int> clickX = std::nullopt) {
    return TDoAMenu(BuildChooseEntries(menu, file, &icons), PopupOptions::Read(menu.WordletText()), 1024, 768, clickX);
  }

  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2026, 12, 7, 9, 0, 0, 0}; }};
  FakeIconFiles icons;
  std::string path;

 private:
  test_support::ScratchFolder folder_;
};

TEST(ChooseLayout, ListAndIconGeometry) {
  const struct {
    PopupStyle style;
    int size, entries;
    int width, height, lists, list1Height, list2Height, iconRows;
  } cases[] = {
      {PopupStyle::NickNameAndScope, 16, 3, 300, 101, 1, 59, 0, 0},
      {PopupStyle::FirstPart, 16, 18, 300, 356, 1, 314, 0, 0},
      {PopupStyle::NickNameAndScope, 16, 19, 604, 356, 2, 314, 25, 0},
      {PopupStyle::NickNameAndScope, 16, 36, 604, 356, 2, 314, 314, 0},
      {PopupStyle::Icons, 32, 10, 324, 94, 0, 0, 0, 2},
      {PopupStyle::Icons, 32, 9, 324, 58, 0, 0, 0, 1},
      {PopupStyle::Icons, 16, 5, 100, 42, 0, 0, 0, 1},
      {PopupStyle::Icons, 64, 2, 272, 90, 0, 0, 0, 1},
      {PopupStyle::Icons, 24, 36, 252, 134, 0, 0, 0, 4},
  };
  for (const auto& c : cases) {
    const ChooseLayout layout = LayoutChooseWindow(c.style, c.size, c.entries);
    SCOPED_TRACE(std::to_string(static_cast<int>(c.style)) + " " + std::to_string(c.entries));
    EXPECT_EQ(layout.clientWidth, c.width);
    EXPECT_EQ(layout.clientHeight, c.height);
    EXPECT_EQ(layout.lists, c.lists);
    EXPECT_EQ(layout.cancel.top, c.height - 21);
    if (c.lists > 0) {
      EXPECT_EQ(layout.list1.height, c.list1Height);
      EXPECT_EQ(layout.list2.height, c.lists == 2 ? c.list2Height : 0);
      EXPECT_EQ(layout.message.top, c.height - 19);
    } else {
      ASSERT_EQ(static_cast<int>(layout.iconButtons.size()), c.entries);
      EXPECT_EQ(layout.iconButtons.back().Bottom(), c.iconRows * (c.size + 4));
      EXPECT_EQ(layout.iconButtons[std::min(c.entries, 9) - 1].Right(), std::min(c.entries, 9) * (c.size + 4));
    }
  }
}

TEST(ChoosePlacement, CentredOrAtTheTrayClick) {
  const struct {
    std::optional<int> clickX;
    int left, top;
  } cases[] = {
      {std::nullopt, 362, 284}, {100, 100, 568}, {1000, 700, 568}, {724, 724, 568}, {725, 425, 568}, {200, 200, 568},
  };
  for (const auto& c : cases) {
    const Point at = PlaceChooseWindow(300, 200, 1024, 768, c.clickX);
    EXPECT_EQ(at.left, c.left) << c.clickX.value_or(-1);
    EXPECT_EQ(at.top, c.top) << c.clickX.value_or(-1);
  }
  // Wider than the click's room on either side: never left of the screen.
  EXPECT_EQ(PlaceChooseWindow(604, 200, 800, 600, 500).left, 0);
}

TEST(ChooseLabels, DigitsThenLettersAndTypedChoices) {
  EXPECT_EQ(EntryLabel(0), "0");
  EXPECT_EQ(EntryLabel(9), "9");
  EXPECT_EQ(EntryLabel(10), "A");
  EXPECT_EQ(EntryLabel(18), "I");
  EXPECT_EQ(EntryLabel(35), "Z");
  const struct {
    char typed;
    int count, entry;
  } cases[] = {{'5', 3, -1}, {'2', 3, 2}, {'0', 1, 0}, {'b', 12, 11}, {'B', 12, 11}, {'c', 12, -1}, {' ', 36, -1},
               {'z', 36, 35}, {'Z', 35, -1}, {'!', 36, -1}, {'9', 10, 9}};
  for (const auto& c : cases) EXPECT_EQ(EntryForTypedCharacter(c.typed, c.count), c.entry) << c.typed << c.count;
}

TEST(PopupOptionsText, ReadsAndWritesTheThreeCharacters) {
  const struct {
    const char* text;
    bool tray;
    PopupStyle style;
    int size;
    const char* written;
  } cases[] = {{"Y24", true, PopupStyle::Icons, 64, "Y24"}, {"N10", false, PopupStyle::FirstPart, 16, "N10"},
               {"N3", false, PopupStyle::NickNameAndScope, 16, "N30"}, {"yx9", false, PopupStyle::NickNameAndScope, 16, "N39"},
               {"", false, PopupStyle::NickNameAndScope, 16, "N30"}, {"Y22", true, PopupStyle::Icons, 32, "Y22"}};
  for (const auto& c : cases) {
    const PopupOptions options = PopupOptions::Read(c.text);
    EXPECT_EQ(options.tray, c.tray) << c.text;
    EXPECT_EQ(options.style, c.style) << c.text;
    EXPECT_EQ(options.IconSize(), c.size) << c.text;
    EXPECT_EQ(options.Text(), c.written) << c.text;
  }
}

TEST(ShortenToFit, CutsFromTheEnd) {
  const auto upTo = [](std::size_t n) { return [n](std::string_view t) { return t.size() <= n; }; };
  EXPECT_EQ(ShortenToFit("Nickname", upTo(4)), "Nick");
  EXPECT_EQ(ShortenToFit("Nick", upTo(8)), "Nick");
  EXPECT_EQ(ShortenToFit("Nick", upTo(0)), "");
}

TEST_F(PopupMenuTest, NineteenEntriesFillTwoListsAndTypedCharactersChoose) {
  std::vector<MacroRecord> macros = Plain(19);
  macros.push_back(Menu("N30", Numbers(5, 19)));
  Load(macros);
  TDoAMenu form = Choose(macros.back());
  EXPECT_EQ(form.list1.items.size(), 18u);
  ASSERT_EQ(form.list2.items.size(), 1u);
  EXPECT_TRUE(form.list2.visible);
  EXPECT_EQ(form.list2.items[0], "I\tM23\tGLOBAL");
  EXPECT_EQ(form.list1.items[11], "B\tM16\tGLOBAL");
  EXPECT_EQ(form.caption, "Choose A Macro");
  EXPECT_TRUE(form.topMost && form.toolWindow);
  ASSERT_TRUE(form.position.has_value());
  EXPECT_EQ(form.position->left, (1024 - 604) / 2);

  EXPECT_EQ(form.TypedCharacter(' ').kind, FormReply::Kind::Stay);
  EXPECT_EQ(form.result, -1);
  EXPECT_EQ(form.TypedCharacter('i').kind, FormReply::Kind::Close);
  EXPECT_EQ(form.result, 23);
  EXPECT_EQ(form.modalResult, ModalResult::Ok);

  TDoAMenu clicked = Choose(macros.back());
  clicked.list2.itemIndex = 0;
  clicked.DoubleClicked(clicked.list2);
  EXPECT_EQ(clicked.result, 23);
  TDoAMenu cancelled = Choose(macros.back());
  cancelled.PressEscape();
  EXPECT_EQ(cancelled.result, -1);
  EXPECT_EQ(cancelled.modalResult, ModalResult::Cancel);
}

TEST_F(PopupMenuTest, RowsShowNameOrTextAndScope) {
  MacroRecord wordlet = Macro("  ", kWordletActivation, "w", kScopeWindow, "Untitled - Notepad and more");
  wordlet.SetWordletText("brb");
  MacroRecord timed = Macro("", kTimedActivation, "t", kScopeProgram, "NOTEPAD.EXE");
  MacroRecord hotKey = Macro(" Trimmed ", 2, "first part text");
  MacroRecord unnamed = Macro("", 3, "x");
  Load({wordlet, timed, hotKey, unnamed, Menu("N30", {5, 6, 7, 8, 10, 0, 99, 9}, "Inner"),
        Menu("N10", {5, 7, 9}, "Texts")});
  const TDoAMenu names = Choose(Menu("N30", {5, 6, 7, 8, 9, 99, 0}));
  EXPECT_EQ(names.list1.items, (Lines{"0\tbrb\tUntitled - Notepad a", "1\tTimed Macro\tNOTEPAD.EXE",
                                      "2\tTrimmed\tGLOBAL", "3\tCtrl+D\tGLOBAL", "4\tInner\tPopup Menu"}));
  EXPECT_EQ(names.heading1.text, "Name");
  EXPECT_TRUE(names.heading2.visible);
  EXPECT_FALSE(names.list2.visible);

  const TDoAMenu texts = Choose(Menu("N10", {5, 7, 9}));
  EXPECT_EQ(texts.list1.items, (Lines{"0\tw", "1\tfirst part text", "2\t"}));
  EXPECT_EQ(texts.heading1.text, "Macro Text");
  EXPECT_FALSE(texts.heading2.visible);
}

TEST_F(PopupMenuTest, IconStyleButtonsShowEachMacrosIconAndChooseByClick) {
  MacroRecord own = Macro("Own icon", 1, "x");
  own.SetIconName("STAR.ICO");
  MacroRecord missing = Macro("Missing", 2, "x");
  missing.SetIconName("GONE.ICO");
  MacroRecord missingMenu = Menu("N30", {5});
  missingMenu.SetIconName("GONE.ICO");
  MacroRecord menuIcon = Menu("N30", {5});
  Load({own, missing, missingMenu, menuIcon, Macro("Main", 3, "x")});
  icons.files.insert("C:\\TAVRIX\\Icons\\STAR.ICO");
  TDoAMenu form = Choose(Menu("Y22", {5, 6, 7, 8, 9, 5, 6, 7, 8, 9}));
  ASSERT_EQ(form.iconButtons.size(), 10u);
  const Lines shown = {form.iconButtons[0]->icon, form.iconButtons[1]->icon, form.iconButtons[2]->icon,
                       form.iconButtons[3]->icon, form.iconButtons[4]->icon};
  EXPECT_EQ(shown, (Lines{"STAR.ICO", "program", "menu", "menu", "program"}));
  EXPECT_EQ(form.iconButtons[0]->hint, "Own icon");
  EXPECT_EQ(form.iconButtons[9]->bounds.top, 36);
  EXPECT_EQ(form.clientWidth, 324);
  EXPECT_FALSE(form.list1.visible || form.messageLabel.visible);
  EXPECT_EQ(form.TypedCharacter('1').kind, FormReply::Kind::Stay);
  form.Click(*form.iconButtons[4]);
  EXPECT_EQ(form.result, 9);
}

TEST_F(PopupMenuTest, ATrayClickNearTheRightEdgePutsTheRightEdgeThere) {
  std::vector<MacroRecord> macros = Plain(2);
  Load(macros);
  const TDoAMenu form = Choose(Menu("Y30", {5, 6}), 1000);
  EXPECT_EQ(form.position->left + form.clientWidth, 1000);
  EXPECT_EQ(form.position->top + form.clientHeight, 768);
}

TEST_F(PopupMenuTest, MenusWithBadCountsOrNumbersShowOnlyValidEntries) {
  Load(Plain(40));
  MacroRecord menu = Menu("N30", Numbers(5, 40));
  EXPECT_EQ(BuildChooseEntries(menu, file, &icons).size(), 36u);
  menu.SetPopupMenuList({0, 5, 45, 44, 500});
  const std::vector<ChooseEntry> entries = BuildChooseEntries(menu, file, &icons);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].macro, 44);
  EXPECT_EQ(entries[1].label, "1");
  // A count word beyond what the area holds reads as a full area, not a crash.
  menu.bytes()[100] = 0xFF;
  menu.bytes()[101] = 0xFF;
  EXPECT_LE(BuildChooseEntries(menu, file, &icons).size(), 36u);
}

TEST_F(PopupMenuTest, TopWindowMenuListsMatchingWindowAndProgramMacros) {
  Load({Macro("Pad window", 1, "a", kScopeWindow, "notepad"), Macro("Global", 2, "b"),
        Macro("Pad program", 3, "c", kScopeProgram, "NOTEPAD.EXE"), Macro("Other", 4, "d", kScopeWindow, "Calc"),
        Macro("Empty", 5, "e", kScopeWindow, ""), Macro("Part", 6, "f", kScopeProgram, "pad")});
  const MacroRecord menu = BuildTopWindowMenu(index, "Untitled - Notepad", "notepad.exe", 3);
  EXPECT_EQ(menu.PopupMenuList(), (std::vector<std::uint16_t>{5, 7, 10}));
  EXPECT_EQ(menu.WordletText(), " 32");
  EXPECT_EQ(PopupOptions::Read(menu.WordletText()).IconSize(), 32);
  EXPECT_EQ(BuildTopWindowMenu(index, "Calculator", "CALC.EXE", 1).PopupMenuList(), (std::vector<std::uint16_t>{8}));
  EXPECT_EQ(BuildTopWindowMenu(index, "Calculator", "CALC.EXE", 9).WordletText(), " 12");
  EXPECT_TRUE(BuildTopWindowMenu(index, "Paint", "MSPAINT.EXE", 1).PopupMenuList().empty());
}

TEST_F(PopupMenuTest, AtMostFifteenTrayIconsInMacroNumberOrder) {
  std::vector<MacroRecord> macros;
  for (int i = 0; i < 18; ++i) {
    MacroRecord menu = Menu(i == 3 ? "N30" : "Y30", {1}, "Menu " + std::to_string(i));
    if (i == 4) menu.SetIconName("STAR.ICO");
    if (i == 5) menu.SetIconName("GONE.ICO");
    macros.push_back(menu);
  }
  Load(macros);
  icons.files.insert("C:\\TAVRIX\\Icons\\STAR.ICO");
  const std::vector<PopupTrayIcon> tray = PopupTrayIcons(file, &icons);
  ASSERT_EQ(tray.size(), 15u);
  EXPECT_EQ(tray[0].macro, 5);
  EXPECT_EQ(tray[0].tooltip, "Menu 0");
  EXPECT_EQ(tray[3].macro, 9);  // "Menu 3" has no tray icon
  EXPECT_EQ(tray[3].icon, "STAR.ICO");
  EXPECT_EQ(tray[4].icon, "menu");
  EXPECT_EQ(tray[14].macro, 20);
}

// --- Build Macro Menu ------------------------------------------------------------

class BuildMenuTest : public PopupMenuTest {
 protected:
  BuildMenuTest() {
    Load(Plain(5));  // macros 5..9
    record.SetActivation(300);
  }
  TDoBuildMenu& Open(bool existing = false) {
    form = std::make_unique<TDoBuildMenu>(record, existing, "F1", index, ui, &icons);
    return *form;
  }
  static std::vector<int> V(std::initializer_list<int> n) { return n; }

  MacroRecord record;
  std::unique_ptr<TDoBuildMenu> form;
};

TEST_F(BuildMenuTest, ListOperationsMoveMacrosBetweenTheLists) {
  TDoBuildMenu& f = Open();
  EXPECT_EQ(f.AvailableMacros(), V({5, 6, 7, 8, 9}));
  EXPECT_FALSE(f.addButton.enabled || f.removeButton.enabled || f.upButton.enabled);
  EXPECT_EQ(f.AddClick().message, kNoMacroSelected);

  f.availableList.itemIndex = 1;  // 6
  f.Click(f.insertAfterButton);   // empty menu: at the top
  EXPECT_EQ(f.MenuMacros(), V({6}));
  EXPECT_EQ(f.availableList.itemIndex, 1);  // now 7
  f.menuList.itemIndex = -1;
  f.Click(f.insertAfterButton);  // none selected: after the first entry
  f.availableList.itemIndex = 2;  // 9, the last
  f.menuList.itemIndex = -1;
  f.Click(f.insertBeforeButton);  // none selected: at the top
  EXPECT_EQ(f.MenuMacros(), V({9, 6, 7}));
  EXPECT_EQ(f.availableList.itemIndex, 1);  // the previous one, 8
  EXPECT_EQ(f.menuList.itemIndex, 0);
  f.menuList.itemIndex = 2;
  f.Click(f.insertBeforeButton);  // 8 before 7
  f.availableList.itemIndex = 0;
  f.DoubleClicked(f.availableList);  // 5 to the end
  EXPECT_EQ(f.MenuMacros(), V({9, 6, 8, 7, 5}));
  EXPECT_TRUE(f.AvailableMacros().empty());
  EXPECT_EQ(f.availableList.itemIndex, -1);
  EXPECT_FALSE(f.addButton.enabled);
  EXPECT_EQ(f.menuList.itemIndex, 4);
  EXPECT_FALSE(f.downButton.enabled);
  EXPECT_TRUE(f.upButton.enabled);

  f.Click(f.upButton);
  EXPECT_EQ(f.MenuMacros(), V({9, 6, 8, 5, 7}));
  f.menuList.itemIndex = 0;
  f.UpdateButtons();
  EXPECT_FALSE(f.upButton.enabled);
  f.Click(f.downButton);
  EXPECT_EQ(f.MenuMacros(), V({6, 9, 8, 5, 7}));
  f.Click(f.removeButton);  // 9 goes back in order
  EXPECT_EQ(f.AvailableMacros(), V({9}));
  f.menuList.itemIndex = 3;
  f.Click(f.removeButton);  // the last: the selection moves up
  EXPECT_EQ(f.MenuMacros(), V({6, 8, 5}));
  EXPECT_EQ(f.AvailableMacros(), V({7, 9}));
  EXPECT_EQ(f.menuList.itemIndex, 2);
  EXPECT_EQ(f.menuList.items[0], "Ctrl+B\tM6\tGLOBAL");
}

TEST_F(BuildMenuTest, ThirtySixEntriesTakeNoMore) {
  Load(Plain(40));
  TDoBuildMenu& f = Open();
  for (int i = 0; i < 36; ++i) {
    f.availableList.itemIndex = 0;
    f.UpdateButtons();
    ASSERT_TRUE(f.addButton.enabled) << i;
    f.AddClick();
  }
  f.availableList.itemIndex = 0;
  f.UpdateButtons();
  EXPECT_FALSE(f.addButton.enabled || f.insertBeforeButton.enabled || f.insertAfterButton.enabled);
  f.AddClick();
  EXPECT_EQ(f.MenuMacros().size(), 36u);
}

TEST_F(BuildMenuTest, OkWritesTheRecordAndTheTrayChange) {
  TDoBuildMenu& f = Open();
  EXPECT_EQ(f.caption, "Build Macro Menu");
  EXPECT_EQ(f.hotKeyLabel.text, "F1");
  EXPECT_TRUE(f.nickRadio.checked);
  EXPECT_EQ(f.mySpeed.icon, "menu");
  f.nickName.text = "Tools";
  f.Click(f.trayBox);
  f.Click(f.iconsRadio);
  f.iconSize.itemIndex = 3;
  f.availableList.itemIndex = 2;
  f.AddClick();
  EXPECT_EQ(f.PressEnter().kind, FormReply::Kind::Close);
  EXPECT_TRUE(f.ok && f.trayChanged);
  EXPECT_EQ(record.Scope(), kScopePopupMenu);
  EXPECT_EQ(record.Active(), 1);
  EXPECT_EQ(record.WordletText(), "Y23");
  EXPECT_EQ(record.IconName(), "MENU");
  EXPECT_EQ(record.NickName(), "Tools");
  EXPECT_EQ(record.PopupMenuList(), (std::vector<std::uint16_t>{7}));
  EXPECT_EQ(record.Activation(), 300);

  // Opened again as an existing menu, unchanged: no tray change.
  record.SetPopupMenuList({7, 99, 5});
  TDoBuildMenu& again = Open(true);
  EXPECT_EQ(again.MenuMacros(), V({7, 5}));
  EXPECT_EQ(again.AvailableMacros(), V({6, 8, 9}));
  EXPECT_TRUE(again.trayBox.checked && again.iconsRadio.checked);
  EXPECT_EQ(again.iconSize.itemIndex, 3);
  again.OkButtonClick();
  EXPECT_FALSE(again.trayChanged);
  EXPECT_EQ(record.PopupMenuList(), (std::vector<std::uint16_t>{7, 5}));
  Open(true).nickName.text = "Renamed";
  form->OkButtonClick();
  EXPECT_TRUE(form->trayChanged);
}

TEST_F(BuildMenuTest, IconChooserCopiesChecksAndResets) {
  const std::string inFolder = "C:\\TAVRIX\\Icons\\";
  icons.files = {"D:\\Art\\star.ico", "D:\\Art\\sun.ico", inFolder + "sun.ico", "D:\\Art\\pic.bmp",
                 inFolder + "longname.ico"};
  icons.shortNames[inFolder + "longname.ico"] = inFolder + "LONGNA~1.ICO";
  const struct {
    const char* chosen;
    const char* message;  // "" none
    const char* iconName;
    std::size_t copies;
  } cases[] = {
      {"D:\\Art\\pic.bmp", kInvalidIconType, "MENU", 0},
      {"D:\\Art\\star.ico", "", "star.ico", 1},
      {"D:\\Art\\sun.ico", kIconExistsText, "sun.ico", 0},
      {"C:\\TAVRIX\\ICONS\\longname.ico", "", "LONGNA~1.ICO", 0},
      {"D:\\Art\\none.ico", kIconNotOpened, "MENU", 0},
  };
  for (const auto& c : cases) {
    TDoBuildMenu& f = Open();
    icons.copies.clear();
    desktop.Trace().Clear();
    ui.QueueFileName(c.chosen);
    f.Click(f.mySpeed);
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(f.iconName, c.iconName);
    EXPECT_EQ(icons.copies.size(), c.copies);
    EXPECT_EQ(f.trayChanged, std::string(c.iconName) != "MENU");
    const Lines expected = *c.message ? Lines{std::string("message Error: ") + c.message} : Lines{};
    EXPECT_EQ(Messages(), expected);
  }
  TDoBuildMenu& f = Open();
  f.iconName = "star.ico";
  ui.QueueYesNo(true);
  f.RightClicked(f.mySpeed);
  EXPECT_EQ(f.iconName, "MENU");
  EXPECT_TRUE(f.trayChanged);
  EXPECT_EQ(Messages().back(), std::string("question : ") + kResetIconQuestion);
}

TEST_F(BuildMenuTest, RightClickOnARowShowsItsQuickInfo) {
  TDoBuildMenu& f = Open();
  f.quickInfo = [](int n) { return "info " + std::to_string(n); };
  f.availableList.itemIndex = 3;
  f.RightClicked(f.availableList);
  EXPECT_EQ(Messages(), (Lines{"message Quick Info: info 8"}));
}

TEST_F(BuildMenuTest, SavedNewMenuIsAppendedAndRefusalsFollowTheRules) {
  TDoBuildMenu& f = Open();
  f.availableList.itemIndex = 0;
  f.AddClick();
  f.OkButtonClick();
  EXPECT_EQ(SaveNewPopupMenu(file, record), 10);
  EXPECT_EQ(index.Count(), 10);
  EXPECT_EQ(test_support::RecordOnDisk(path, 10).PopupMenuList(), (std::vector<std::uint16_t>{5}));

  EXPECT_EQ(PopupMenuRefusal(index, 300, {5}).substr(0, 40), "Selected Hot Key is already either a GLO");
  EXPECT_EQ(PopupMenuRefusal(index, 0, {5}).substr(0, 20), "Selected Hot Key is ");  // GLOBAL M5
  EXPECT_EQ(PopupMenuRefusal(index, 400, {5, 6}), "");
  EXPECT_EQ(PopupMenuRefusal(index, 400, {5, 5}), "macro 5 is in the list twice");
  EXPECT_EQ(PopupMenuRefusal(index, 400, {1}), "macro 1 is not a macro a popup menu can list");
  EXPECT_EQ(PopupMenuRefusal(index, 400, {11}), "macro 11 is not a macro a popup menu can list");
  Load({});
  EXPECT_EQ(PopupMenuRefusal(index, 400, {}).substr(0, 34), "No macros have been defined yet.  ");
}

}  // namespace
}  // namespace tavrix
