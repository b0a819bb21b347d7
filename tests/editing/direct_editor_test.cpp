#include "editing/direct_editor.h"

#include <gtest/gtest.h>

#include "editing/command_names.h"
#include "editing/input_dialogs.h"
#include "editing/text_dialog.h"
#include "editing/text_insertion.h"
#include "editing_fixtures.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "store/date_time.h"

namespace tavrix {
namespace {

using testing_support::FakeFiles;

constexpr const char* kTooLongMessage = "message Error: Text exceeds maximum length.  Text not added.";
constexpr const char* kTruncatedMessage =
    "message Error: The size of the macro exceeds the 5,000 character limit.  The macro will be truncated to 5,000 "
    "characters.";

class DirectEditorTest : public ::testing::Test {
 protected:
  void Open(const std::string& text, bool existing = true) {
    record.SetMacroText(text);
    record.SetNickName("Letter");
    record.SetScope(1);
    form.editingExisting = existing;
    form.FormShow({});
    form.newFormat.selStart = static_cast<int>(form.newFormat.text.size());
  }
  Control& Named(const std::string& name) {
    Control* control = form.Find(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const std::string& line : desktop.Trace().Lines())
      if (line.rfind("message ", 0) == 0) messages.push_back(line);
    return messages;
  }

  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
  FakeFiles files;
  MacroRecord record;
  TModHotKeys form{ui, desktop, files, record};
};

// --- Inserting at the caret ------------------------------------------------------

struct InsertCase {
  const char* name;
  std::string text;
  int selStart;
  int selLength;
  std::string inserted;
  std::string expected;  // unchanged when refused
  int caret;
  bool refused;
};

TEST_F(DirectEditorTest, InsertsAtTheStartOfTheSelectionAndPutsTheCaretAfter) {
  const std::string full4995(4995, 'a');
  const std::string full4996(4996, 'a');
  const InsertCase cases[] = {
      {"at the end", "abc", 3, 0, "<F1>", "abc<F1>", 7, false},
      {"at the start", "abc", 0, 0, "<F1>", "<F1>abc", 4, false},
      {"selection kept after", "Dear Sir", 5, 3, "<ENTER>", "Dear <ENTER>Sir", 12, false},
      {"line breaks count", "a\r\nb", 3, 0, "<TAB>", "a\r\n<TAB>b", 8, false},
      {"4995 refuses 7", full4995, 0, 0, "<ENTER>", full4995, 0, true},
      {"4995 takes 4", full4995, 4995, 0, "<F1>", full4995 + "<F1>", 4999, false},
      {"exactly 5000", full4996, 4996, 0, "<F1>", full4996 + "<F1>", 5000, false},
      {"caret past the end", "ab", 9, 0, "x", "abx", 3, false},
  };
  for (const InsertCase& c : cases) {
    desktop.Trace().Clear();
    form.newFormat.text = c.text;
    form.newFormat.selStart = c.selStart;
    form.newFormat.selLength = c.selLength;
    const FormReply reply = form.InsertText(c.inserted);
    EXPECT_EQ(form.newFormat.text, c.expected) << c.name;
    EXPECT_EQ(reply.focus, &form.newFormat) << c.name;
    EXPECT_EQ(Messages(), c.refused ? std::vector<std::string>{kTooLongMessage} : std::vector<std::string>{})
        << c.name;
    if (!c.refused) {
      EXPECT_EQ(form.newFormat.selStart, c.caret) << c.name;
      EXPECT_EQ(form.newFormat.selLength, 0) << c.name;
    } else {
      EXPECT_EQ(form.newFormat.selLength, c.selLength) << c.name;
    }
  }
}

TEST_F(DirectEditorTest, KeystrokeButtonsInsertTheirTags) {
  Open("");
  ASSERT_EQ(form.keystrokeButtons.size(), 30u);
  for (const auto& button : form.keystrokeButtons) form.Click(*button);
  EXPECT_EQ(form.newFormat.text,
            "<SHIFT><CTRL><ALT><SPACE><TAB><BACKSPACE><ENTER><ESC><PAGE DOWN><PAGE UP><INSERT><DELETE><HOME><END>"
            "<UP ARROW><DOWN ARROW><LEFT ARROW><RIGHT ARROW><F1><F2><F3><F4><F5><F6><F7><F8><F9><F10><F11><F12>");
  EXPECT_EQ(Named("KeyPage Down").text, "Page Do&wn");
}

TEST_F(DirectEditorTest, MiscellaneousInsertsTheSelectedKeyOnly) {
  Open("x");
  ASSERT_EQ(form.miscBox.items.size(), 38u);
  const std::pair<int, const char*> rows[] = {{0, "<LEFTWIN>"}, {2, "<APP>"},   {3, "<F13>"},   {14, "<F24>"},
                                              {18, "<EREOF>"},  {21, "<PA1>"},  {22, "<KEYP0>"}, {31, "<KEYP9>"},
                                              {32, "<KEYP.>"},  {36, "<KEYP+>"}, {37, "<PRTSCR>"}};
  for (const auto& [row, tag] : rows) {
    form.newFormat.text = "x";
    form.newFormat.selStart = 0;
    form.miscBox.itemIndex = row;
    form.Click(form.miscOk);
    EXPECT_EQ(form.newFormat.text, std::string(tag) + "x") << form.miscBox.items[static_cast<std::size_t>(row)];
  }
  form.miscBox.itemIndex = -1;
  form.Click(form.miscOk);
  EXPECT_EQ(form.newFormat.text, "<PRTSCR>x");
}

TEST_F(DirectEditorTest, CommandButtonsOpenTheirDialogsAndInsertWhatTheyReturn) {
  const std::pair<const char*, const char*> dialogs[] = {
      {"DATE", "TDateOrTime"},        {"TIME", "TDateOrTime"},       {"SYMBOLS", "TDoSpecial"},
      {"DELAY", "TDoDelay2"},         {"PAUSE", "TDoPausePos"},      {"REPEAT", "TDoRepeat"},
      {"SPEED", "TDoSpeed"},          {"ACTIVATE", "TDoActive"},     {"SOUND", "TDoSound"},
      {"SWAP FILE", "TDoSwap"},       {"LOAD TEXT", "TDoTextInsert"}, {"SIZE / POS", "TDoSizeIt"},
      {"SYSTEM", "TDoSystemCommand"}, {"MOUSE", "TDoMouse"},         {"CLIPBOARD", "TDoClipboard"},
      {"REMARK", "TDoRemark"},        {"KEY UP / DOWN", "TDoKeyUpDown"}, {"WEB SITE", "TDoWebStuff"},
      {"INTERNET FTP", "TDoWebStuff"}, {"FILE COMMANDS", "TDoDOSFiles"}};
  Open("ab");
  ASSERT_EQ(form.commandButtons.size(), std::size(dialogs));
  for (std::size_t i = 0; i < std::size(dialogs); ++i) {
    EXPECT_EQ(form.commandButtons[i]->text, dialogs[i].first);
    form.Click(*form.commandButtons[i]);  // each closes with its close box: nothing is inserted
    ASSERT_EQ(ui.Shown().size(), i + 1);
    EXPECT_EQ(ui.Shown().back().name, dialogs[i].second);
  }
  EXPECT_EQ(form.newFormat.text, "ab");
  EXPECT_EQ(ui.Shown()[17].texts.at("AddressEdit"), "http://");

  form.newFormat.selStart = 1;
  ui.AnswerForm("TDoDelay2", ui.Answer("OkButton", {{"TimeEdit", "1.5"}}));
  form.Click(Named("CommandDELAY"));
  ui.AnswerForm("TDoRemark", ui.Answer("OkButton", {{"CommentEdit", "note"}}));
  form.Click(Named("CommandREMARK"));
  ui.AnswerForm("TDoDelay2", ui.Answer("CancelButton", {{"TimeEdit", "3"}}));
  form.Click(Named("CommandDELAY"));
  EXPECT_EQ(form.newFormat.text, "a<DELAY:01.50><REM:note>b");
  EXPECT_EQ(form.newFormat.selStart, 24);
}

// --- The menus ----------------------------------------------------------------------

// Each menu's caption, then its items' captions (with their shortcuts).
std::vector<std::vector<std::string>> MenuCaptions(const Form& form) {
  std::vector<std::vector<std::string>> menus;
  for (const FormMenu& entry : form.menu) {
    menus.push_back({entry.caption});
    for (const FormMenuItem& item : entry.items) menus.back().push_back(item.caption + " " + item.shortcut);
  }
  return menus;
}

std::vector<std::string> ButtonItems(const std::vector<std::unique_ptr<Button>>& buttons, std::size_t from,
                                     std::size_t to, const char* menu) {
  std::vector<std::string> captions{menu};
  for (std::size_t i = from; i < to; ++i) captions.push_back(buttons[i]->text + " ");
  return captions;
}

TEST_F(DirectEditorTest, MenusRepeatTheButtons) {
  const std::vector<std::vector<std::string>> expected = {
      {"&File", "&Update ", "E&xit "},
      {"&Edit", "Cu&t Ctrl+X", "&Copy Ctrl+C", "&Paste Ctrl+V", "&Delete "},
      ButtonItems(form.keystrokeButtons, 0, 18, "&Keys"),
      ButtonItems(form.keystrokeButtons, 18, 30, "FKe&ys"),
      ButtonItems(form.commandButtons, 0, 20, "&Actions")};
  EXPECT_EQ(MenuCaptions(form), expected);
}

TEST_F(DirectEditorTest, MenuItemsInsertLikeTheirButtons) {
  Open("");
  for (std::size_t i = 0; i < form.keystrokeButtons.size(); ++i) {
    Button& button = *form.keystrokeButtons[i];
    std::string results[2];
    for (int byMenu = 0; byMenu < 2; ++byMenu) {
      form.newFormat.text = "aXb";
      form.newFormat.selStart = form.newFormat.selLength = 1;
      if (byMenu == 1) ui.ChooseMenu(form, i < 18 ? "Keys" : "FKeys", button.text);
      if (byMenu == 0) form.Click(button);
      results[byMenu] = form.newFormat.text + " " + std::to_string(form.newFormat.selStart);
    }
    EXPECT_EQ(results[1], results[0]) << button.text;
    EXPECT_EQ(results[1].rfind("a" + std::string(KeystrokeButtons()[i].tag) + "Xb", 0), 0u) << button.text;
  }
  // An Actions item opens its button's dialog and inserts what it returns.
  form.newFormat.selStart = 1;
  ui.AnswerForm("TDoDelay2", ui.Answer("OkButton", {{"TimeEdit", "1.5"}}));
  ui.ChooseMenu(form, "&Actions", "DELAY");
  EXPECT_EQ(form.newFormat.text, "a<DELAY:01.50><F12>Xb");
}

TEST_F(DirectEditorTest, EditMenuActsOnTheFocusedFieldOnly) {
  struct Case {
    const char* item;
    const char* focus;
    std::string nickName, text, clipboard;
  };
  // "Let" of the nickname "Letter" is selected, and the "X" of the text box's
  // "aXb"; the clipboard holds "ZZ".
  const Case cases[] = {
      {"Cut", "NewFormat", "Letter", "ab", "X"},     {"Copy", "NickName", "Letter", "aXb", "Let"},
      {"Paste", "NickName", "ZZter", "aXb", "ZZ"},   {"Paste", "NewFormat", "Letter", "aZZb", "ZZ"},
      {"Delete", "NewFormat", "Letter", "ab", "ZZ"}, {"Paste", "UpdateButton", "Letter", "aXb", "ZZ"},
      {"Cut", "Global", "Letter", "aXb", "ZZ"},
  };
  for (const Case& c : cases) {
    Open("aXb");
    form.nickName.selStart = 0;
    form.nickName.selLength = 3;
    form.newFormat.selStart = form.newFormat.selLength = 1;
    form.focused = &Named(c.focus);
    ui.clipboard = "ZZ";
    ui.ChooseMenu(form, "Edit", c.item);
    EXPECT_EQ(form.nickName.text + " " + form.newFormat.text + " " + ui.clipboard,
              c.nickName + " " + c.text + " " + c.clipboard) << c.item << " in " << c.focus;
  }
}

TEST_F(DirectEditorTest, FileMenuExitClosesWithoutWritingAndUpdateWrites) {
  for (const char* item : {"E&xit", "Update"}) {
    record.SetMacroText("old");
    record.SetNickName("Letter");
    ui.AnswerForm(TModHotKeys::kName, [&](Form& shown) {
      // The focus starts on the nickname: a paste goes there.
      ui.clipboard = "Mine";
      ui.ChooseMenu(shown, "Edit", "Paste");
      static_cast<TModHotKeys&>(shown).newFormat.text = "new\t";
      ui.ChooseMenu(shown, "File", item);
    });
    TModHotKeys editor(ui, desktop, files, record);
    const bool update = item == std::string("Update");
    EXPECT_EQ(ui.RunForm(editor), update ? ModalResult::Ok : ModalResult::Cancel) << item;
    EXPECT_EQ(editor.saved, update) << item;
    EXPECT_EQ(record.MacroText(), update ? "new<TAB>" : "old") << item;
    EXPECT_EQ(record.NickName(), update ? "MineLetter" : "Letter") << item;
  }
}

// --- Update -------------------------------------------------------------------------

struct UpdateCase {
  const char* name;
  std::string typed;
  std::string stored;
  bool truncated;
};

TEST_F(DirectEditorTest, UpdateStoresTabsAsTagsAndCutsAtTheLimit) {
  const std::string full(5000, 'a');
  const UpdateCase cases[] = {
      {"tab typed", "a\tb", "a<TAB>b", false},
      {"line breaks stay", "a\r\nb\n", "a\r\nb\n", false},
      {"exactly 5000", full, full, false},
      {"one more", full + "b", full, true},
      {"a tab past the limit", std::string(4998, 'a') + "\t", std::string(4998, 'a') + "<T", true},
  };
  for (const UpdateCase& c : cases) {
    desktop.Trace().Clear();
    record = MacroRecord();
    Open("old");
    form.newFormat.text = c.typed;
    EXPECT_EQ(form.Click(form.updateButton).kind, FormReply::Kind::Close) << c.name;
    EXPECT_EQ(record.MacroText(), c.stored) << c.name;
    EXPECT_EQ(Messages(), c.truncated ? std::vector<std::string>{kTruncatedMessage} : std::vector<std::string>{})
        << c.name;
  }
  // Typing may go past the limit (only the buttons refuse); the text box is
  // still cut on Update.
  EXPECT_EQ(TabsAsTags("\t\t"), "<TAB><TAB>");
}

TEST_F(DirectEditorTest, UpdateWritesTheRecordSide) {
  int counted = 0;
  int cleared = 0;
  form.countNewMacro = [&] { ++counted; };
  form.clearTypedWordlet = [&] { ++cleared; };
  desktop.Clock().Set({2026, 3, 4, 10, 30, 0, 0});
  Open("", false);
  EXPECT_EQ(form.caption, "Modify Hot Key  (GLOBAL)");
  EXPECT_EQ(record.TopMostOnly(), 1);
  EXPECT_EQ(form.activeControl, &form.nickName);
  EXPECT_EQ(EnterAndUpdate(form, {std::string(60, 'n'), 3, "hi"}).kind, FormReply::Kind::Close);
  EXPECT_TRUE(form.saved);
  EXPECT_EQ(counted, 1);
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(record.Active(), 1);
  EXPECT_EQ(record.NickName(), std::string(50, 'n'));
  EXPECT_EQ(record.Scope(), 3);
  EXPECT_EQ(record.IconName(), "MAIN");
  EXPECT_EQ(record.MacroText(), "hi");
  EXPECT_DOUBLE_EQ(record.LastModified(), ToDateTimeValue({2026, 3, 4, 10, 30, 0, 0}));

  // An existing macro is not counted again.
  counted = 0;
  record.SetActive(0);
  Open("old");
  EXPECT_EQ(form.newFormat.text, "old");
  form.Click(form.updateButton);
  EXPECT_EQ(counted, 0);
  EXPECT_EQ(record.Active(), 0);
}

TEST_F(DirectEditorTest, WordletNameIsCheckedOnUpdate) {
  form.activationKind = TModHotKeys::WordletMacro;
  record.SetWordletText("old");
  Open("text");
  EXPECT_TRUE(form.wordletName.visible);
  EXPECT_FALSE(form.hotKeyLabel.visible);
  EXPECT_EQ(form.timerLabel.text, "Wordlet");
  EXPECT_EQ(form.wordletName.text, "old");
  const std::pair<const char*, const char*> refused[] = {
      {"   ", "No Wordlet name was entered."},
      {"a b", "The Wordlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # "
              "$ % ^ & _ = < > ? . ; , * - / +"}};
  for (const auto& [name, message] : refused) {
    form.wordletName.text = name;
    const FormReply reply = form.Click(form.updateButton);
    EXPECT_EQ(reply.kind, FormReply::Kind::Refuse) << name;
    EXPECT_EQ(reply.message, message);
    EXPECT_EQ(reply.focus, &form.wordletName);
    EXPECT_FALSE(form.saved);
  }
  form.wordletName.text = " sig ";
  EXPECT_EQ(form.Click(form.updateButton).kind, FormReply::Kind::Close);
  EXPECT_EQ(record.WordletText(), "sig");
}

TEST_F(DirectEditorTest, ScopeFollowsTheRecordAndTheGlobalRule) {
  record.SetScopeName("Notepad");
  record.SetScope(2);
  record.SetMacroText("x");
  form.FormShow({});
  EXPECT_EQ(form.caption, "Modify Hot Key  (Window Title: Notepad)");
  EXPECT_TRUE(form.chooseWinProg.enabled);
  form.Click(form.progExe);
  EXPECT_EQ(form.caption, "Modify Hot Key  (Program: Notepad)");

  TModHotKeys second(ui, desktop, files, record);
  second.globalNotAllowed = true;
  second.editingExisting = false;
  second.FormShow({});
  EXPECT_TRUE(second.specific.checked);
  EXPECT_FALSE(second.global.enabled);
  EnterAndUpdate(second, {"n", 1, "t"});
  EXPECT_EQ(record.Scope(), 2);
}

}  // namespace
}  // namespace tavrix

namespace tavrix {
namespace {

// "Enter Keystrokes": the same buttons and list on its own text box; its
// Update takes the text as "Modify Hot Key" stores a macro's.
TEST(TextDialogTest, InsertsLikeTheDirectEditorAndUpdatesTheText) {
  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
  TModText dialog(ui);
  dialog.Load(line_kind::Text, TextRecord{"a\tb"});
  EXPECT_EQ(dialog.buttons.ok.text, "&Update");
  EXPECT_TRUE(dialog.textEdit.multiLine);
  dialog.Click(*dialog.keystrokeButtons[6]);
  dialog.miscBox.itemIndex = 22;
  dialog.textEdit.selStart = 0;
  dialog.Click(dialog.miscOk);
  ui.AnswerForm("TDoSpecial", [](Form& form) {
    auto& symbols = static_cast<TDoSpecial&>(form);
    symbols.symbolGrid.itemIndex = 1;
    symbols.Click(symbols.buttons.ok);
  });
  dialog.Click(dialog.symbolsButton);
  EXPECT_EQ(dialog.textEdit.text, "<KEYP0>\x81" "a\tb<ENTER>");
  EXPECT_EQ(dialog.Click(dialog.buttons.ok).kind, FormReply::Kind::Close);
  EXPECT_EQ(dialog.modalResult, ModalResult::Ok);
  EXPECT_EQ(std::get<TextRecord>(dialog.record).text, "<KEYP0>\x81" "a<TAB>b<ENTER>");

  // Its Keys menu holds F1 to F12 too (it has no menu of its own for them),
  // and its Edit menu pastes into the text box.
  std::vector<std::string> keys = ButtonItems(dialog.keystrokeButtons, 0, 30, "&Keys");
  keys.insert(keys.begin() + 19, "- ");
  EXPECT_EQ(MenuCaptions(dialog), (std::vector<std::vector<std::string>>{
                                      {"&Edit", "Cu&t Ctrl+X", "&Copy Ctrl+C", "&Paste Ctrl+V", "&Delete "}, keys}));
  dialog.textEdit.text = "ab";
  dialog.textEdit.selStart = 1;
  ui.ChooseMenu(dialog, "Keys", "F5");
  ui.clipboard = "<F6>";
  ui.ChooseMenu(dialog, "Edit", "Paste");
  EXPECT_EQ(dialog.textEdit.text, "a<F5><F6>b");

  // Nothing typed: nothing to add.
  TModText empty(ui);
  EXPECT_EQ(empty.Click(empty.buttons.ok).kind, FormReply::Kind::Close);
  EXPECT_EQ(empty.modalResult, ModalResult::Cancel);
}

}  // namespace
}  // namespace tavrix
