// The macro list in the running main window: its order and the header's
// right click, the kept selection, type-ahead search, Quick Info, the sort
// order and appearance dialogs, Output Macro Information and printing.
#include <filesystem>

#include "main_window_fixture.h"
#include "shell/list_dialogs.h"
#include "shell/macro_output.h"
#include "shell/quick_info.h"

namespace tavrix::testing {
namespace {

// Macros 5..8 after the system entries (whose hot keys sort first).
std::vector<MacroRecord> Listed() {
  MacroRecord timed = Macro("Alpha", kTimedActivation, "t");
  timed.SetSchedKind(kScheduleAtStartUp);
  MacroRecord wordlet = Macro("Delta", kWordletActivation, "w");
  wordlet.SetWordletText("sig");
  return WithSystemEntries({Macro("Zulu", kF1, "z"), timed, wordlet, Macro("Bravo", kCtrlA, "b")});
}

class MacroListWindowTest : public MainWindowTest {
 protected:
  void StartListed() {
    ASSERT_TRUE(Start(Listed()));
    window->Start(FirstShow::Normal);
    host.lines.clear();
    profile.writes = 0;
  }
  std::vector<int> Rows() const { return window->RowMap(); }
};

TEST_F(MacroListWindowTest, AHeaderRightClickSortsByItsColumnAndKeepsTheSelection) {
  StartListed();
  // Hot keys by name (Ctrl+A, the system entries' Ctrl+Alt+Shift+..., F1), the Wordlet, the timed macro.
  EXPECT_EQ(Rows(), (std::vector<int>{8, 1, 2, 3, 4, 5, 7, 6}));
  host.selected = 6;

  struct Case {
    int column;
    std::string primary;
    std::vector<int> rows;
    bool saved;
  };
  const Case cases[] = {
      {2, "213", {1, 6, 8, 7, 4, 3, 2, 5}, true},   // by nickname: Activate.., Alpha, Bravo, Delta, Menu.., ...
      {2, "213", {1, 6, 8, 7, 4, 3, 2, 5}, false},  // the same column again: nothing to do
      {3, "321", {6, 8, 7, 5, 1, 4, 3, 2}, true},   // GLOBAL first, then SYSTEM; each by nickname
      {1, "132", {8, 1, 2, 3, 4, 5, 7, 6}, true},
      {0, "132", {8, 1, 2, 3, 4, 5, 7, 6}, false},  // the row-number column sorts nothing
  };
  for (const Case& c : cases) {
    host.lines.clear();
    profile.writes = 0;
    window->OnHeaderRightClick(c.column);
    EXPECT_EQ(configuration.primarySort, c.primary) << c.column;
    EXPECT_EQ(Rows(), c.rows) << c.column;
    EXPECT_EQ(host.Saw("RefillList"), c.saved) << c.column;
    EXPECT_EQ(profile.writes > 0, c.saved) << c.column;
    if (c.saved) {
      EXPECT_TRUE(host.Saw("SelectMacro 6")) << c.column;
    }
  }

  configuration.sortHeader = false;
  window->OnHeaderRightClick(2);
  EXPECT_EQ(configuration.primarySort, "132");
  EXPECT_EQ(Rows(), (std::vector<int>{8, 1, 2, 3, 4, 5, 7, 6}));
}

TEST_F(MacroListWindowTest, TypedKeysSelectTheRowAndAResetStartsOver) {
  StartListed();
  window->OnListSearchKey(SearchKey::Character, 'c');
  EXPECT_EQ(host.selected, 8);  // Ctrl+A is the first row
  window->OnListSearchKey(SearchKey::Character, 't');
  window->OnListSearchKey(SearchKey::Character, 'r');
  window->OnListSearchKey(SearchKey::Character, 'l');
  window->OnListSearchKey(SearchKey::Character, '+');
  window->OnListSearchKey(SearchKey::Character, 'a');
  window->OnListSearchKey(SearchKey::Character, 'l');
  EXPECT_EQ(host.selected, 1);  // Ctrl+Alt+Shift+W
  window->OnListSearchKey(SearchKey::Character, 'q');  // no such hot key: the selection stays
  EXPECT_EQ(host.selected, 1);
  window->OnListSearchKey(SearchKey::Reset);
  window->OnListSearchKey(SearchKey::Character, 'S');
  EXPECT_EQ(host.selected, 7);  // the Wordlet "sig"
}

TEST_F(MacroListWindowTest, TheSortOrderDialogStoresTheOrdersAndRefills) {
  StartListed();
  host.selected = 5;
  ui.AnswerForm("TSortOrder", [this](Form& form) {
    auto& dialog = dynamic_cast<TSortOrder&>(form);
    dialog.activationList.itemIndex = 2;  // "Timed Macro" to the top
    ui.Click(dialog, dialog.activationUp);
    ui.Click(dialog, dialog.activationUp);
    ui.Click(dialog, dialog.headerBox);
    ui.Click(dialog, dialog.okButton);
  });
  window->OnCommand(Command::Sort);
  EXPECT_EQ(configuration.activationSort, "312");
  EXPECT_FALSE(configuration.sortHeader);
  EXPECT_EQ(Rows().front(), 6);
  EXPECT_TRUE(host.Saw("SelectMacro 5"));
  EXPECT_GT(profile.writes, 0u);

  profile.writes = 0;
  ui.AnswerForm("TSortOrder", ui.Answer("CancelButton"));
  window->OnCommand(Command::Sort);
  EXPECT_EQ(profile.writes, 0u);
}

TEST_F(MacroListWindowTest, QuickInfoShowsTheRowThatWasRightClicked) {
  StartListed();
  window->OnRowRightClick(7);
  const auto shown = ui.Shown("TQuickInfo");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].texts.at("ActivationLabel"), "Wordlet:");
  EXPECT_EQ(shown[0].texts.at("ActivationValue"), "sig");
  EXPECT_EQ(shown[0].texts.at("NicknameValue"), "Delta");

  host.selected = 0;
  window->OnCommand(Command::QuickInfo);
  EXPECT_EQ(Messages(), Lines{"message Error: No hot key selected.  Please select one."});
}

TEST_F(MacroListWindowTest, OutputWritesTheFileInListOrderOrTellsWhyNot) {
  StartListed();
  const std::string out = folder.File("OUT.TXT");
  ui.AnswerForm("TDoOutput", [this](Form& form) {
    auto& dialog = dynamic_cast<TDoOutput&>(form);
    for (CheckBox* box : {&dialog.iconBox, &dialog.windowBox, &dialog.scheduleBox, &dialog.textBox})
      ui.Click(dialog, *box);
    ui.Click(dialog, dialog.okButton);
  });
  ui.QueueFileName(out);
  window->OnCommand(Command::OutputMacroInformation);
  const std::string text = test_support::ReadFileText(out);
  EXPECT_TRUE(text.starts_with("Hot Key: Ctrl+A\r\nName: Bravo\r\n\r\nHot Key: Ctrl+Alt+Shift+W\r\n")) << text;
  EXPECT_TRUE(text.ends_with("Wordlet: sig\r\nName: Delta\r\n\r\nTimed Macro\r\nName: Alpha\r\n\r\n")) << text;
  EXPECT_GT(profile.writes, 0u);

  // A folder that does not exist: the message, and no file anywhere.
  const auto files = [this] {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++count;
    return count;
  };
  const std::size_t before = files();
  const std::string nowhere = folder.File("missing") + "/OUT.TXT";
  ui.AnswerForm("TDoOutput", ui.Answer("OkButton"));
  ui.QueueFileName(nowhere);
  window->OnCommand(Command::OutputMacroInformation);
  EXPECT_EQ(Messages(), Lines{"message Error: Unable to create text file."});
  EXPECT_FALSE(std::filesystem::exists(nowhere));
  EXPECT_EQ(files(), before);
}

TEST_F(MacroListWindowTest, AppearanceTakesTheSettingsAndAWrongWidthKeepsTheDialogOpen) {
  StartListed();
  ui.AnswerForm("TDoAppear", [this](Form& form) {
    auto& dialog = dynamic_cast<TDoAppear&>(form);
    dialog.scopeWidth.text = "0";
    ui.Click(dialog, dialog.okButton);  // refused
    dialog.scopeWidth.text = "200";
    ui.Click(dialog, dialog.speedButton);
    ui.Click(dialog, dialog.okButton);
  });
  window->OnCommand(Command::Appearance);
  EXPECT_EQ(Messages(), Lines{"message Error: Invalid width specified."});
  EXPECT_EQ(configuration.columnWidths, (std::array<std::int32_t, 3>{112, 168, 200}));
  EXPECT_TRUE(configuration.useSpeed);
  EXPECT_TRUE(host.Saw("ApplyAppearance"));
  EXPECT_GT(profile.writes, 0u);
}

TEST_F(MacroListWindowTest, PrintingPassesTheRowsInListOrderAndRefusesASecondJob) {
  StartListed();
  configuration.printListFont.name = "Courier New";
  std::vector<PrintRow> printed;
  host.print = [&](const std::string& path, const std::vector<PrintRow>& rows, const FontSettings& font) {
    EXPECT_EQ(path, macroPath);
    EXPECT_EQ(font.name, "Courier New");
    printed = rows;
    window->OnCommand(Command::PrintMacroList);  // a second job while this one prints
    return true;
  };
  window->OnCommand(Command::PrintMacroList);
  EXPECT_EQ(Messages(), Lines{"message Error: Other print job currently in progress."});
  ASSERT_EQ(printed.size(), 8u);
  EXPECT_EQ(printed[0].activation, "Ctrl+A");
  EXPECT_EQ(printed[0].nickname, "Bravo");
  EXPECT_EQ(printed[1].scope, "SYSTEM");
  EXPECT_EQ(printed[6].activation, "sig");
  EXPECT_EQ(printed[7].activation, "Timed Macro");
  int jobs = 0;
  host.print = [&](const std::string&, const std::vector<PrintRow>&, const FontSettings&) { return ++jobs > 0; };
  window->OnCommand(Command::PrintMacroList);  // the first job is over
  EXPECT_EQ(jobs, 1);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(MacroListWindowTest, ThePrinterFontIsSavedOnlyWhenChosen) {
  StartListed();
  window->OnCommand(Command::PrinterFont);  // cancelled
  EXPECT_EQ(profile.writes, 0u);
  host.chooseFont = [](FontSettings& font, bool printFont) {
    EXPECT_TRUE(printFont);
    font.bold = true;
    return true;
  };
  window->OnCommand(Command::PrinterFont);
  EXPECT_TRUE(configuration.printListFont.bold);
  EXPECT_GT(profile.writes, 0u);
}

}  // namespace
}  // namespace tavrix::testing
