// The list's order, the type-ahead search, the output text, Quick Info, the
// printout's pages and the two settings dialogs, from their public functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/hot_key_table.h"
#include "shell/list_dialogs.h"
#include "shell/main_buttons.h"
#include "shell/macro_list_order.h"
#include "shell/macro_list_print.h"
#include "shell/macro_output.h"
#include "shell/quick_info.h"
#include "shell/type_ahead_search.h"
#include "store/date_time.h"
#include "platform/sim/sim_ui.h"
#include "store/recording_hook_library.h"
#include "tests/support/record_builder.h"
#include "tests/support/scratch_folder.h"

namespace tavrix::testing {
namespace {

using test_support::Macro;

constexpr std::uint16_t kCtrlA = 0;
constexpr std::uint16_t kCtrlB = 1;
constexpr std::uint16_t kF1 = 288;

MacroRecord Wordlet(const std::string& nick, const std::string& text, std::int16_t scope = kScopeGlobal,
                    const std::string& scopeName = "") {
  MacroRecord r = Macro(nick, kWordletActivation, "w", scope, scopeName);
  r.SetWordletText(text);
  return r;
}

MacroRecord Timed(const std::string& nick, std::int16_t scope = kScopeGlobal, const std::string& scopeName = "") {
  MacroRecord r = Macro(nick, kTimedActivation, "t", scope, scopeName);
  r.SetSchedKind(kScheduleAtStartUp);
  return r;
}

MacroIndex IndexOf(const std::vector<MacroRecord>& records) {
  MacroIndex index;
  index.SetCount(static_cast<int>(records.size()));
  for (std::size_t k = 0; k < records.size(); ++k) index.TakeRecord(static_cast<int>(k) + 1, records[k]);
  return index;
}

// The nicknames in display order, joined by blanks.
std::string Shown(const MacroIndex& index, const std::vector<int>& rows) {
  std::string text;
  for (const int n : rows) text += (text.empty() ? "" : " ") + index.NickName(n);
  return text;
}

// Hot keys F1 and Ctrl+A (sorted by name: "Ctrl+A" < "F1"), Wordlets, timed
// macros, every scope.
std::vector<MacroRecord> Mixed() {
  return {Macro("h-f1", kF1, "x"),
          Timed("t-b", kScopeProgram, "NOTEPAD.EXE"),
          Wordlet("w-zz", "zz"),
          Macro("h-ca", kCtrlA, "x", kScopeWindow, "Untitled"),
          Timed("t-a"),
          Wordlet("w-ab", "ab", kScopeProgram, "CALC.EXE"),
          Macro("p-cb", kCtrlB, "", kScopePopupMenu),
          Macro("s-f1", kF1, "", kScopeSystem, "1")};
}

TEST(MacroListOrderTest, TheThreeOrdersDecideTheRows) {
  const MacroIndex index = IndexOf(Mixed());
  struct Case {
    SortOrders orders;
    std::string expected;
  };
  const Case cases[] = {
      // Hot keys by name (scope next), Wordlets by text, timed macros tie and fall back to the nickname.
      {{"123", "123", "12345"}, "h-ca p-cb h-f1 s-f1 w-ab w-zz t-a t-b"},
      // Timed macros first; within them the nickname decides.
      {{"123", "312", "12345"}, "t-a t-b h-ca p-cb h-f1 s-f1 w-ab w-zz"},
      // Nickname first.
      {{"213", "123", "12345"}, "h-ca h-f1 p-cb s-f1 t-a t-b w-ab w-zz"},
      // Scope first: GLOBAL, window, program, popup, SYSTEM; then activation.
      {{"312", "123", "12345"}, "h-f1 w-zz t-a h-ca w-ab t-b p-cb s-f1"},
      // SYSTEM, then popup menus, at the top; then the nickname.
      {{"321", "123", "54321"}, "s-f1 p-cb w-ab t-b h-ca h-f1 t-a w-zz"},
      // Orders that are not orders of their digits count as their defaults.
      {{"113", "abc", "1234"}, "h-ca p-cb h-f1 s-f1 w-ab w-zz t-a t-b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(index, FillList(index, c.orders)), c.expected)
        << c.orders.primary << " " << c.orders.activation << " " << c.orders.scope;
  }
}

TEST(MacroListOrderTest, KeysArePrefixedPartsComparedAsBytes) {
  const MacroIndex index = IndexOf(Mixed());
  const SortOrders defaults;
  EXPECT_EQ(SortKey(index, 1, defaults), "AAAAF1h-f1AAAAAA");
  EXPECT_EQ(SortKey(index, 2, defaults), "AAzt-bAAAAzNOTEPAD.EXE");
  EXPECT_EQ(SortKey(index, 3, SortOrders{"321", "231", "21345"}), "AAAAAzw-zzAAAAzz");
  EXPECT_EQ(ScopeSortPart(index, 4, defaults), "AAAAAzUntitled");
  EXPECT_EQ(ScopeSortPart(index, 8, defaults), "AAz");
  EXPECT_EQ(ActivationSortPart(index, 5, defaults), "AAz");

  // Upper case sorts before lower case, as bytes do.
  const MacroIndex cased = IndexOf({Macro("b", kF1, "x"), Macro("B", kF1, "x"), Macro("a", kF1, "x")});
  EXPECT_EQ(Shown(cased, FillList(cased, SortOrders{"213", "123", "12345"})), "B a b");
}

TEST(MacroListOrderTest, ScopeNamesCountTo20CharactersAndEqualKeysStayTogether) {
  const std::string twenty = "A window title of 20";
  const MacroIndex index = IndexOf({Macro("2nd", kF1, "x", kScopeWindow, twenty + " B"),
                                    Macro("1st", kF1, "x", kScopeWindow, twenty + " A"),
                                    Macro("same", kCtrlA, "x"), Macro("same", kCtrlA, "x"),
                                    Macro("same", kCtrlA, "x")});
  // The names differ after 20 characters only: the nickname decides.
  EXPECT_EQ(Shown(index, FillList(index, SortOrders{"132", "123", "12345"})), "same same same 1st 2nd");
  const std::vector<int> rows = FillList(index, SortOrders{});
  EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + 3).size(), 3u);
  for (int r = 0; r < 3; ++r) EXPECT_GE(rows[static_cast<std::size_t>(r)], 3);

  // Nothing to sort with fewer than two macros.
  EXPECT_EQ(FillList(IndexOf({}), SortOrders{}), std::vector<int>{});
  EXPECT_EQ(FillList(IndexOf({Macro("one", kF1, "x")}), SortOrders{}), std::vector<int>{1});
}

TEST(MacroListOrderTest, RowsOfMacrosHeadersAndOrderStrings) {
  const std::vector<int> rows{3, 1, 2};
  EXPECT_EQ(ReverseSort(rows, 1), 2);
  EXPECT_EQ(ReverseSort(rows, 3), 1);
  EXPECT_EQ(ReverseSort(rows, 4), 0);
  EXPECT_EQ(HeaderSortOrder(0), "");
  EXPECT_EQ(HeaderSortOrder(1), "132");
  EXPECT_EQ(HeaderSortOrder(2), "213");
  EXPECT_EQ(HeaderSortOrder(3), "321");
  EXPECT_EQ(HeaderSortOrder(4), "");

  struct Case {
    const char* text;
    int count;
    const char* expected;
  };
  const Case cases[] = {{"312", 3, "312"}, {"1234", 3, "123"}, {"12", 3, "123"},       {"122", 3, "123"},
                        {"", 3, "123"},    {"54321", 5, "54321"}, {"12346", 5, "12345"}, {"1235", 5, "12345"}};
  for (const Case& c : cases) EXPECT_EQ(ValidSortOrder(c.text, c.count), c.expected) << c.text;
}

// --- Type-ahead search -------------------------------------------------------------

TEST(TypeAheadSearchTest, TypedKeysSelectTheFirstRowWhoseActivationBegins) {
  const MacroIndex index = IndexOf(Mixed());
  const std::vector<int> rows = FillList(index, SortOrders{});
  struct Step {
    SearchKey key;
    char character;
    std::string text;  // the search text afterwards
    int selected;      // 0: nothing new
  };
  const Step steps[] = {
      {SearchKey::Character, 'f', "F", 1},       // "F1" of h-f1 comes before s-f1
      {SearchKey::Character, '1', "F1", 1},
      {SearchKey::Character, '2', "F12", 0},
      {SearchKey::Backspace, 0, "F1", 1},
      {SearchKey::Reset, 0, "", 0},
      {SearchKey::Character, 'c', "C", 4},       // Ctrl+A before Ctrl+B in the display order
      {SearchKey::Character, 't', "CT", 4},
      {SearchKey::Character, 'R', "CTR", 4},
      {SearchKey::Character, 'l', "CTRL", 4},
      {SearchKey::Character, '+', "CTRL+", 4},
      {SearchKey::Character, 'b', "CTRL+B", 7},
      {SearchKey::Reset, 0, "", 0},
      {SearchKey::Character, 't', "T", 5},       // "TIMED MACRO": the first timed row is t-a
      {SearchKey::Reset, 0, "", 0},
      {SearchKey::Character, 'Z', "Z", 3},       // Wordlets compare in upper case too
      {SearchKey::Backspace, 0, "", 0},
      {SearchKey::Backspace, 0, "", 0},
  };
  TypeAheadSearch search;
  int k = 0;
  for (const Step& s : steps) {
    EXPECT_EQ(search.Key(s.key, s.character, index, rows), s.selected) << "step " << k;
    EXPECT_EQ(search.Text(), s.text) << "step " << k;
    ++k;
  }
  for (int i = 0; i < 40; ++i) search.Key(SearchKey::Character, 'x', index, rows);
  EXPECT_EQ(search.Text().size(), TypeAheadSearch::kCapacity);
}

// --- Output Macro Information ------------------------------------------------------

TEST(MacroOutputTest, EachItemWritesItsLine) {
  MacroRecord timed = Timed("Reminder", kScopeWindow, "Inbox - Mail");
  timed.SetTopMostOnly(1);
  timed.SetIconName("CLOCK.ICO");
  MacroRecord wordlet = Wordlet("Sig", "sig", kScopeProgram, "NOTEPAD.EXE");
  MacroRecord menu = Macro("Menu", kCtrlB, "", kScopePopupMenu);
  menu.SetIconName("MENU");
  const MacroRecord system = test_support::SystemMacro(1, "Open", kF1);
  const MacroRecord hotKey = Macro("Hello", kCtrlA, "hi<ENTER>");

  const OutputItems all;
  EXPECT_EQ(MacroOutputText(hotKey, all),
            "Icon: (Default Icon)\r\nHot Key: Ctrl+A\r\nName: Hello\r\nScope: GLOBAL\r\nText: hi<ENTER>\r\n\r\n");
  EXPECT_EQ(MacroOutputText(timed, all),
            "Icon: CLOCK.ICO\r\nTimed Macro\r\nName: Reminder\r\nWindow: Inbox - Mail, Top Most Only\r\n"
            "Schedule: At Startup\r\nText: t\r\n\r\n");
  EXPECT_EQ(MacroOutputText(wordlet, all),
            "Icon: (Default Icon)\r\nWordlet: sig\r\nName: Sig\r\nProgram: NOTEPAD.EXE, If Active\r\nText: w\r\n\r\n");
  EXPECT_EQ(MacroOutputText(menu, all),
            "Icon: (Default Menu Icon)\r\nHot Key: Ctrl+B\r\nName: Menu\r\nScope: Popup Menu\r\n\r\n");
  EXPECT_EQ(MacroOutputText(system, all), "Icon: (None)\r\nHot Key: F1\r\nName: Open\r\nScope: SYSTEM\r\n\r\n");

  struct Case {
    const char* items;
    const MacroRecord* record;
    std::string expected;
  };
  const Case cases[] = {
      {"name", &hotKey, "Name: Hello\r\n\r\n"},
      {"schedule", &hotKey, "\r\n"},  // only timed macros have one
      {"schedule,hotkey", &timed, "Timed Macro\r\nSchedule: At Startup\r\n\r\n"},
      {"text,window", &menu, "Scope: Popup Menu\r\n\r\n"},
      {"icon", &timed, "Icon: CLOCK.ICO\r\n\r\n"},
  };
  for (const Case& c : cases) {
    const std::optional<OutputItems> items = ParseOutputItems(c.items);
    ASSERT_TRUE(items) << c.items;
    EXPECT_EQ(MacroOutputText(*c.record, *items), c.expected) << c.items;
  }
  EXPECT_FALSE(ParseOutputItems(""));
  EXPECT_FALSE(ParseOutputItems("name,colour"));
  EXPECT_EQ(ParseOutputItems("icon,hotkey,name,window,schedule,text"), OutputItems{});
}

TEST(MacroOutputTest, TheDialogRefusesNothingChecked) {
  TDoOutput form;
  EXPECT_EQ(form.Items(), OutputItems{});
  for (CheckBox* box : {&form.iconBox, &form.hotKeyBox, &form.nameBox, &form.windowBox, &form.scheduleBox})
    form.Click(*box);
  EXPECT_EQ(form.Click(form.okButton).kind, FormReply::Kind::Close);
  form.modalResult = ModalResult::None;
  form.Click(form.textBox);
  const FormReply reply = form.Click(form.okButton);
  EXPECT_EQ(reply.kind, FormReply::Kind::Refuse);
  EXPECT_EQ(reply.message, kNothingCheckedText);
}

// --- Quick Info --------------------------------------------------------------------

TEST(QuickInfoTest, LinesFollowTheKindOfMacro) {
  MacroRecord timed = Timed("Reminder", kScopeProgram, "NOTEPAD.EXE");
  timed.SetLastModified(ToDateTimeValue(LocalDateTime{2026, 12, 7, 15, 9, 51, 0}));
  timed.SetActive(0);
  using Lines = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(QuickInfoLines(timed), (Lines{{"Last Modified On 12/7/2026 3:09:51 PM", ""},
                                          {"Timed Macro:", "At Startup"},
                                          {"Nickname:", "Reminder"},
                                          {"Scope:", "NOTEPAD.EXE \"Program\" (If Running)"},
                                          {"Active:", "No"},
                                          {"Macro Text:", "t"}}));
  MacroRecord window = Wordlet("Sig", "sig", kScopeWindow, "Inbox");
  window.SetTopMostOnly(1);
  EXPECT_EQ(QuickInfoLines(window)[1], (std::pair<std::string, std::string>{"Wordlet:", "sig"}));
  EXPECT_EQ(QuickInfoLines(window)[3].second, "Inbox \"Window\" (Top Most Only)");

  const TQuickInfo menu(Macro("Menu", kCtrlB, "", kScopePopupMenu));
  EXPECT_EQ(menu.activationLabel.text, "Hot Key:");
  EXPECT_EQ(menu.activationValue.text, "Ctrl+B");
  EXPECT_EQ(menu.scopeValue.text, "Popup Menu");
  EXPECT_EQ(menu.activeValue.text, "Yes");
  EXPECT_FALSE(menu.textLabel.visible);
  EXPECT_FALSE(menu.textValue.visible);
  EXPECT_EQ(QuickInfoLines(test_support::SystemMacro(1, "Open")).size(), 5u);

  MacroRecord icons = Macro("I", kCtrlA, "x");
  const auto exists = [](const std::string& path) { return path == "C:\\P\\Icons\\HAS.ICO"; };
  struct Case {
    const char* name;
    QuickInfoIcon::Kind kind;
    const char* shown;  // what the dialog's icon button draws
  };
  for (const Case& c : {Case{"MENU", QuickInfoIcon::Kind::Menu, "menu"},
                        Case{"MAIN", QuickInfoIcon::Kind::Program, "program"},
                        Case{"GONE.ICO", QuickInfoIcon::Kind::Program, "program"},
                        Case{"HAS.ICO", QuickInfoIcon::Kind::File, "C:\\P\\Icons\\HAS.ICO"}}) {
    icons.SetIconName(c.name);
    EXPECT_EQ(IconOf(icons, "C:\\P", exists).kind, c.kind) << c.name;
    TQuickInfo form(icons);
    form.ShowIcon(IconOf(icons, "C:\\P", exists));
    EXPECT_EQ(form.iconButton.icon, c.shown) << c.name;
  }
}

// --- The printout ------------------------------------------------------------------

// Every character 10 wide and 20 high.
TextSize Fixed(std::string_view text) { return TextSize{static_cast<int>(text.size()) * 10, 20}; }

TEST(MacroListPrintTest, RowsComeFromTheRecordsInListOrder) {
  test_support::ScratchFolder folder;
  const std::string path = folder.File("P.TVX");
  MacroRecord window = Macro("Win", kCtrlA, "x", kScopeWindow, "A window title of thirty chars", 1);
  MacroRecord program = Wordlet("Prog", "pg", kScopeProgram, "NOTEPAD.EXE");
  test_support::WriteMacroFile(path, {window, program, Timed("T"), Macro("Menu", kCtrlB, "", kScopePopupMenu),
                                      test_support::SystemMacro(1, "Open", kF1)});
  RecordingHookLibrary hooks;
  MacroIndex index;
  SimTrace trace;
  SimUi ui(trace);
  MacroFile file(index, hooks, ui, [] { return LocalDateTime{2024, 1, 1, 0, 0, 0, 0}; });
  ASSERT_TRUE(file.LoadReadOnly(path));
  const std::vector<PrintRow> rows = MacroPrintRows(file, {5, 1, 2, 3, 4, 9});  // 9 is no macro: left out
  ASSERT_EQ(rows.size(), 5u);
  const auto line = [](const PrintRow& row) { return row.activation + "|" + row.nickname + "|" + row.scope; };
  EXPECT_EQ(line(rows[0]), "F1|Open|SYSTEM");
  EXPECT_EQ(line(rows[1]), "Ctrl+A|Win|Window: A window title of thirty chars (Top Most Only)");
  EXPECT_EQ(line(rows[2]), "pg|Prog|Program: NOTEPAD.EXE (If Running)");
  EXPECT_EQ(line(rows[3]), "Timed Macro|T|GLOBAL");
  EXPECT_EQ(line(rows[4]), "Ctrl+B|Menu|Popup Menu");
}

TEST(MacroListPrintTest, LinesAndPageBreaks) {
  std::vector<PrintRow> rows;
  for (int k = 0; k < 7; ++k) rows.push_back(PrintRow{"F" + std::to_string(k + 1), "Nick", "GLOBAL"});
  rows[0].activation = "Ctrl+Alt+F1";  // the widest activation: 110 wide
  // 1700 x 2200: margins 100 left, 100 top; lines 22 apart; the foot at 2000.
  const auto pages = LayOutPrintout("C:\\M.TVX", rows, 1, PageSize{1700, 2200}, Fixed);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 1u + 3 * 7);
  EXPECT_EQ(pages[0][0], (PrintedText{100, 100, "Macro File: C:\\M.TVX"}));
  EXPECT_EQ(pages[0][1], (PrintedText{100, 144, "Ctrl+Alt+F1"}));  // line 2
  EXPECT_EQ(pages[0][2], (PrintedText{221, 144, "Nick"}));          // 100 + 1.1 * 110
  EXPECT_EQ(pages[0][3], (PrintedText{265, 144, "GLOBAL"}));        // 221 + 1.1 * 40
  EXPECT_EQ(pages[0][4].y, 166);

  struct Case {
    int height;
    int copies;
    std::vector<std::size_t> linesPerPage;  // rows on each page (the first page also has the file line)
  };
  const Case cases[] = {
      {2200, 2, {7, 7}},        // each copy on a page of its own
      {110, 1, {3, 4}},         // top 5, foot 100: lines 2..4 fit, the next page from line 0 takes 4
      {110, 2, {3, 4, 3, 4}},   // the second copy starts on a new page
      {66, 1, {1, 3, 3}},       // top 3, foot 60
  };
  for (const Case& c : cases) {
    const auto split = LayOutPrintout("F", rows, c.copies, PageSize{1700, c.height}, Fixed);
    std::vector<std::size_t> counts;
    for (std::size_t p = 0; p < split.size(); ++p) {
      std::size_t lines = split[p].size();
      if (!split[p].empty() && split[p][0].text.starts_with("Macro File: ")) --lines;
      counts.push_back(lines / 3);
      for (const PrintedText& line : split[p]) EXPECT_LE(line.y, c.height - 2 * (c.height / 22)) << c.height;
    }
    EXPECT_EQ(counts, c.linesPerPage) << c.height;
  }
}

// --- The two settings dialogs ------------------------------------------------------

TEST(SortOrderDialogTest, ListsStartInTheConfiguredOrderAndMoveTheirItems) {
  TSortOrder form;
  form.Load(SortOrders{"213", "312", "54321"}, false);
  EXPECT_EQ(form.primaryList.items, (std::vector<std::string>{"Nickname", "Activation", "Scope"}));
  EXPECT_EQ(form.activationList.items, (std::vector<std::string>{"Timed Macro", "Hot Key", "Wordlet"}));
  EXPECT_EQ(form.scopeList.items.front(), "System");
  EXPECT_FALSE(form.headerBox.checked);

  form.primaryList.itemIndex = 2;
  form.Click(form.primaryUp);     // Scope moves above Activation
  form.Click(form.primaryUp);     // and to the top
  form.Click(form.primaryUp);     // nothing above the top
  form.activationList.itemIndex = 0;
  form.Click(form.activationDown);
  form.scopeList.itemIndex = 4;
  form.Click(form.scopeDown);     // nothing below the bottom
  form.Click(form.headerBox);
  EXPECT_EQ(form.primaryList.itemIndex, 0);
  const SortOrders result = form.Result();
  EXPECT_EQ(result.primary, "321");
  EXPECT_EQ(result.activation, "132");
  EXPECT_EQ(result.scope, "54321");
  EXPECT_TRUE(form.SortHeader());
  EXPECT_EQ(form.Click(form.okButton).kind, FormReply::Kind::Close);
}

TEST(AppearanceDialogTest, WidthsMustBePositiveWholeNumbers) {
  int fontDialogs = 0;
  TDoAppear form([&](FontSettings& font) {
    ++fontDialogs;
    font.name = "Courier New";
    return true;
  });
  Configuration configuration;
  configuration.useSpeed = true;
  form.Load(configuration);
  EXPECT_EQ(form.activationWidth.text, "112");
  EXPECT_TRUE(form.speedButton.checked);
  form.Click(form.titleFontButton);
  EXPECT_EQ(form.gridTitleFont.name, "Courier New");
  EXPECT_EQ(form.gridFont.name, "Arial");
  EXPECT_EQ(fontDialogs, 1);

  struct Case {
    const char* text;
    bool accepted;
  };
  for (const Case& c : {Case{"0", false}, Case{"-5", false}, Case{"12.5", false}, Case{"", false},
                        Case{"abc", false}, Case{" 40", false}, Case{"40", true}, Case{"1", true}}) {
    form.modalResult = ModalResult::None;
    form.nicknameWidth.text = c.text;
    const FormReply reply = form.Click(form.okButton);
    EXPECT_EQ(reply.kind == FormReply::Kind::Close, c.accepted) << c.text;
    if (!c.accepted) {
      EXPECT_EQ(reply.message, kInvalidWidthText);
      EXPECT_EQ(reply.focus, &form.nicknameWidth);
    }
  }
  form.Click(form.letteredButton);
  EXPECT_FALSE(form.UseSpeed());
  EXPECT_EQ(form.Widths(), (std::array<std::int32_t, 3>{112, 1, 132}));
}

}  // namespace
}  // namespace tavrix::testing

namespace tavrix::testing {
namespace {

TEST(MainButtonsTest, ButtonsFollowTheirMenuEntries) {
  struct Case {
    Command command;
    std::string menuCaption;
    std::string panel;
    std::string hint;
  };
  const Case cases[] = {
      {Command::ActivateMacro, kDeactivateCaption, kDeactivateCaption, "Deactivate Macro"},
      {Command::ActivateMacro, kActivateCaption, kActivateCaption, "Activate Macro"},
      {Command::ModifyDirectly, kModifyPopupMenuCaption, kModifyPopupMenuCaption, "Modify Macro Popup Menu"},
      {Command::ModifyDirectly, kModifyDirectlyCaption, kModifyDirectlyCaption, "Modify Macro Directly"},
      {Command::RemoveMacro, "&Remove Macro", "R&emove Macro", "Delete Macro"},
      {Command::RenameMacro, "Rena&me Macro", "Re&name Macro", "Rename Macro"},
      {Command::PrintMacroList, "&Print Macro List", "", "Print Macro List"},
      {Command::Terminate, "&Terminate Tavrix", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PanelCaption(c.command, c.menuCaption), c.panel) << c.menuCaption;
    EXPECT_EQ(ToolHint(c.command, c.menuCaption), c.hint) << c.menuCaption;
  }
  EXPECT_EQ(LetterPanelButtons().size(), 8u);
  // Every button is a command of the menus.
  for (const ToolButton& button : ToolButtons()) {
    bool found = false;
    for (const MenuItem& item : MenuLayout()) found = found || (item.kind == MenuItem::Kind::Entry && item.command == button.command);
    EXPECT_TRUE(found) << button.hint;
  }
}

}  // namespace
}  // namespace tavrix::testing
