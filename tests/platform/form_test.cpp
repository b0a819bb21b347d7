// The form model: what a user's clicks, Enter, Escape and the close box do
// to a form's values and result, whatever Ui shows it.
#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/on_top_message.h"

namespace tavrix {
namespace {

// An options dialog of the kind the program has many of.
class OptionsForm : public Form {
 public:
  OptionsForm() : Form("TOptionsForm", "Options", 300, 200) {
    trayBox.onClick = [this] {
      hideBox.enabled = trayBox.checked;
      return FormReply::Stay();
    };
    okButton.onClick = [this] {
      if (!fastRadio.checked && !slowRadio.checked) return FormReply::Refuse("Error", "Choose a speed.", fastRadio);
      return FormReply::Close(ModalResult::Ok);
    };
  }
  CheckBox trayBox{*this, "TrayBox", {8, 8, 120, 17}, "Place in System &Tray"};
  CheckBox hideBox{*this, "HideBox", {8, 28, 120, 17}, "&Hide"};
  RadioButton fastRadio{*this, "FastRadio", {8, 50, 80, 17}, "&Fast", 1};
  RadioButton slowRadio{*this, "SlowRadio", {8, 70, 80, 17}, "&Slow", 1};
  RadioButton leftRadio{*this, "LeftRadio", {150, 50, 80, 17}, "&Left", 2};
  Button okButton{*this, "OkButton", {60, 160, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {150, 160, 75, 25}, "&Cancel", ButtonRole::Cancel};
};

TEST(Form, ControlsRegisterInTabOrderAndAreFoundByName) {
  OptionsForm form;
  ASSERT_EQ(form.Controls().size(), 7u);
  EXPECT_EQ(form.Controls().front(), &form.trayBox);
  EXPECT_EQ(form.Controls().back(), &form.cancelButton);
  EXPECT_EQ(form.Find("SlowRadio"), &form.slowRadio);
  EXPECT_EQ(form.Find("Nothing"), nullptr);
}

TEST(Form, ACheckBoxClickTogglesItAndRunsItsHandler) {
  OptionsForm form;
  EXPECT_EQ(form.Click(form.trayBox).kind, FormReply::Kind::Stay);
  EXPECT_TRUE(form.trayBox.checked);
  EXPECT_TRUE(form.hideBox.enabled);
  form.Click(form.trayBox);
  EXPECT_FALSE(form.trayBox.checked);
  EXPECT_FALSE(form.hideBox.enabled);
  EXPECT_FALSE(form.Closed());
}

TEST(Form, ARadioButtonClearsOnlyTheOthersOfItsGroup) {
  OptionsForm form;
  form.leftRadio.checked = true;
  form.Click(form.fastRadio);
  form.Click(form.slowRadio);
  EXPECT_FALSE(form.fastRadio.checked);
  EXPECT_TRUE(form.slowRadio.checked);
  EXPECT_TRUE(form.leftRadio.checked);
}

TEST(Form, ARefusalNamesTheFieldAndKeepsTheFormOpen) {
  OptionsForm form;
  const FormReply refused = form.PressEnter();
  EXPECT_EQ(refused.kind, FormReply::Kind::Refuse);
  EXPECT_EQ(refused.caption, "Error");
  EXPECT_EQ(refused.message, "Choose a speed.");
  EXPECT_EQ(refused.focus, &form.fastRadio);
  EXPECT_FALSE(form.Closed());
  form.Click(form.fastRadio);
  EXPECT_EQ(form.PressEnter().kind, FormReply::Kind::Close);
  EXPECT_EQ(form.modalResult, ModalResult::Ok);
}

TEST(Form, EscapeTheCancelButtonAndTheCloseBoxCancel) {
  struct Case {
    const char* what;
    FormReply (*press)(OptionsForm&);
  };
  const Case cases[] = {
      {"escape", [](OptionsForm& f) { return f.PressEscape(); }},
      {"cancel button", [](OptionsForm& f) { return f.Click(f.cancelButton); }},
      {"close box", [](OptionsForm& f) { return f.PressCloseBox(); }},
  };
  for (const Case& c : cases) {
    OptionsForm form;
    EXPECT_EQ(c.press(form).kind, FormReply::Kind::Close) << c.what;
    EXPECT_EQ(form.modalResult, ModalResult::Cancel) << c.what;
  }
}

TEST(Form, EnterAndEscapeSkipADisabledButton) {
  OptionsForm form;
  form.okButton.enabled = false;
  form.cancelButton.visible = false;
  EXPECT_EQ(form.PressEnter().kind, FormReply::Kind::Stay);
  EXPECT_EQ(form.PressEscape().kind, FormReply::Kind::Stay);
  EXPECT_FALSE(form.Closed());
}

// --- The menu bar ------------------------------------------------------------

TEST(FormMenu, ShortcutTextsNameTheirKeys) {
  struct Case {
    const char* text;
    bool ctrl, shift, alt;
    int key;  // 0: no key
  };
  const Case cases[] = {
      {"Ctrl+V", true, false, false, 'V'},  {"ctrl+x", true, false, false, 'X'},
      {"Shift+Del", false, true, false, 0x2E}, {"Ctrl+Shift+Ins", true, true, false, 0x2D},
      {"Alt+F4", false, false, true, 0x73}, {"F12", false, false, false, 0x7B},
      {"Ctrl+7", true, false, false, '7'},  {"Ctrl+Space", true, false, false, 0x20},
      {"", false, false, false, 0},         {"Ctrl+", false, false, false, 0},
      {"Ctrl+F13", false, false, false, 0}, {"Win+V", false, false, false, 0},
      {"Ctrl+Enter", false, false, false, 0}, {"F1x", false, false, false, 0},
  };
  for (const Case& c : cases) {
    const std::optional<Shortcut> parsed = ParseShortcut(c.text);
    ASSERT_EQ(parsed.has_value(), c.key != 0) << c.text;
    if (!parsed) continue;
    EXPECT_EQ(parsed->virtualKey, c.key) << c.text;
    EXPECT_EQ(parsed->ctrl, c.ctrl) << c.text;
    EXPECT_EQ(parsed->shift, c.shift) << c.text;
    EXPECT_EQ(parsed->alt, c.alt) << c.text;
  }
}

TEST(FormMenu, EditActionsWorkOnTheSelection) {
  struct Case {
    const char* what;
    EditAction action;
    std::string text;
    int selStart, selLength, maxLength;
    std::string clipboard;
    std::string textAfter, clipboardAfter;
    int caret;
  };
  const Case cases[] = {
      {"cut", EditAction::Cut, "abcdef", 1, 3, 0, "old", "aef", "bcd", 1},
      {"copy", EditAction::Copy, "abcdef", 1, 3, 0, "old", "abcdef", "bcd", 1},
      {"paste replaces", EditAction::Paste, "abcdef", 1, 3, 0, "XY", "aXYef", "XY", 3},
      {"paste at the caret", EditAction::Paste, "abc", 3, 0, 0, "\r\nd", "abc\r\nd", "\r\nd", 6},
      {"paste what fits", EditAction::Paste, "abc", 1, 1, 5, "WXYZ", "aWXYc", "WXYZ", 4},
      {"paste into a full field", EditAction::Paste, "abcde", 5, 0, 5, "W", "abcde", "W", 5},
      {"delete", EditAction::Delete, "abcdef", 2, 2, 0, "old", "abef", "old", 2},
      {"cut nothing selected", EditAction::Cut, "abc", 1, 0, 0, "old", "abc", "old", 1},
      {"copy nothing selected", EditAction::Copy, "abc", 1, 0, 0, "old", "abc", "old", 1},
      {"selection past the end", EditAction::Delete, "abc", 1, 9, 0, "", "a", "", 1},
  };
  for (const Case& c : cases) {
    OptionsForm form;
    Edit field{form, "Field", {0, 0, 10, 10}, c.maxLength};
    field.text = c.text;
    field.selStart = c.selStart;
    field.selLength = c.selLength;
    std::string clipboard = c.clipboard;
    ApplyEditAction(c.action, field, clipboard);
    EXPECT_EQ(field.text, c.textAfter) << c.what;
    EXPECT_EQ(clipboard, c.clipboardAfter) << c.what;
    EXPECT_EQ(field.selStart, c.caret) << c.what;
  }
}

// A form with a menu: its items are found by their captions with or without
// "&", and edit actions go to the focused field only.
struct MenuForm : OptionsForm {
  MenuForm() {
    nameEdit.onChange = [this] {
      ++changes;
      return FormReply::Stay();
    };
    keyField.onHotKey = [](int) { return FormReply::Stay(); };
    menu.push_back({"&File", {TwinOf(okButton, "&Save"), {"-", {}, {}, EditAction::None}, TwinOf(cancelButton, "E&xit")}});
    menu.push_back({"&Edit", {{"&Paste", "Ctrl+V", {}, EditAction::Paste}, {"&Copy", "Ctrl+C", {}, EditAction::Copy}}});
  }
  Edit nameEdit{*this, "NameEdit", {8, 100, 100, 21}};
  Edit keyField{*this, "KeyField", {8, 130, 100, 21}};
  int changes = 0;
};

TEST(FormMenu, ItemsAreFoundByTheirCaptions) {
  MenuForm form;
  EXPECT_EQ(form.FindMenuItem("&File", "E&xit"), &form.menu[0].items[2]);
  EXPECT_EQ(form.FindMenuItem("File", "Exit"), &form.menu[0].items[2]);
  EXPECT_EQ(form.FindMenuItem("Edit", "Exit"), nullptr);
  EXPECT_EQ(form.FindMenuItem("File", "-"), nullptr);
  std::string clipboard;
  // A twin runs its button's handler: Save refuses as Ok does.
  const FormReply refused = form.ChooseMenuItem(*form.FindMenuItem("File", "Save"), clipboard);
  EXPECT_EQ(refused.message, "Choose a speed.");
  EXPECT_EQ(form.focused, &form.fastRadio);
  form.ChooseMenuItem(*form.FindMenuItem("File", "Exit"), clipboard);
  EXPECT_EQ(form.modalResult, ModalResult::Cancel);
}

TEST(FormMenu, EditItemsActOnTheFocusedEditFieldOnly) {
  struct Case {
    const char* what;
    Control* (*focus)(MenuForm&);
    const char* item;
    std::string nameAfter, keyAfter, clipboardAfter;
    int changes;
  };
  const Case cases[] = {
      {"paste into the edit", [](MenuForm& f) -> Control* { return &f.nameEdit; }, "Paste", "nameXY", "Ctrl+A", "XY", 1},
      {"paste on a button", [](MenuForm& f) -> Control* { return &f.okButton; }, "Paste", "name", "Ctrl+A", "XY", 0},
      {"paste with no focus", [](MenuForm&) -> Control* { return nullptr; }, "Paste", "name", "Ctrl+A", "XY", 0},
      {"paste into a hot key field", [](MenuForm& f) -> Control* { return &f.keyField; }, "Paste", "name", "Ctrl+A", "XY", 0},
      {"copy from a hot key field", [](MenuForm& f) -> Control* { return &f.keyField; }, "Copy", "name", "Ctrl+A", "Ctrl+A", 0},
  };
  for (const Case& c : cases) {
    MenuForm form;
    form.nameEdit.text = "name";
    form.nameEdit.selStart = 4;
    form.keyField.text = "Ctrl+A";
    form.keyField.selLength = 6;
    form.focused = c.focus(form);
    std::string clipboard = "XY";
    form.ChooseMenuItem(*form.FindMenuItem("Edit", c.item), clipboard);
    EXPECT_EQ(form.nameEdit.text, c.nameAfter) << c.what;
    EXPECT_EQ(form.keyField.text, c.keyAfter) << c.what;
    EXPECT_EQ(clipboard, c.clipboardAfter) << c.what;
    EXPECT_EQ(form.changes, c.changes) << c.what;
  }
}

TEST(OnTopMessage, IsACentredTopMostBoxThatOkEnterAndEscapeClose) {
  for (int press = 0; press < 3; ++press) {
    TOnTopMessage box("Macro Abort", "Tavrix macro has been aborted.");
    EXPECT_EQ(box.clientWidth, 235);
    EXPECT_EQ(box.clientHeight, 130);
    EXPECT_TRUE(box.topMost);
    EXPECT_FALSE(box.position.has_value());
    EXPECT_EQ(box.messageLabel.text, "Tavrix macro has been aborted.");
    if (press == 0) box.Click(box.okButton);
    if (press == 1) box.PressEnter();
    if (press == 2) box.PressEscape();
    EXPECT_EQ(box.modalResult, ModalResult::Ok) << press;
  }
}

}  // namespace
}  // namespace tavrix
