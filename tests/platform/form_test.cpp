// The form model: what a user's clicks, Enter, Escape and the close box do
// to a form's values and result, whatever Ui shows it.
#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/help_pages.h"
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

// F1 is the Help button's click; without an enabled one it asks for the
// help's contents. Each keyword's page is named after it.
TEST(Form, F1OpensTheHelpAtTheFormsKeywordOrItsContents) {
  OptionsForm form;
  EXPECT_EQ(form.PressHelp().message, "");
  Button help{form, "HelpButton", {240, 160, 75, 25}, "&Help", ButtonRole::Help};
  form.helpKeyword = "Set Options";
  const FormReply reply = form.PressHelp();
  EXPECT_EQ(reply.kind, FormReply::Kind::Help);
  EXPECT_EQ(reply.message, "Set Options");
  EXPECT_FALSE(form.Closed());
  help.enabled = false;
  EXPECT_EQ(form.PressHelp().message, "");

  const std::pair<const char*, const char*> pages[] = {
      {"Modify Hot Key", "modify-hot-key.html"},           {"SYSTEM Hot Keys", "system-hot-keys.html"},
      {"Activate/Launch Program", "activate-launch-program.html"}, {" Keys Up Or Down ", "keys-up-or-down.html"},
      {"", "index.html"},                                  {"//", "index.html"},
  };
  for (const auto& [keyword, page] : pages) EXPECT_EQ(HelpPageName(keyword), page) << keyword;
  EXPECT_EQ(HelpPagePath("C:\\Tavrix\\TAVRIX.HLP", "Delays"), "C:\\Tavrix\\Help\\delays.html");
}

// --- The menu bar ------------------------------------------------------------

TEST(FormMenu, ShortcutTextsNameTheirKeys) {
  // Modifiers as "cSa" (ctrl, shift, alt), then the key; "" when none.
  const std::pair<const char*, const char*> cases[] = {
      {"Ctrl+V", "c 86"},       {"ctrl+x", "c 88"},  {"Shift+Del", "S 46"}, {"Ctrl+Shift+Ins", "cS 45"},
      {"Alt+F4", "a 115"},      {"F12", " 123"},     {"Ctrl+7", "c 55"},    {"Ctrl+Space", "c 32"},
      {"", ""},                 {"Ctrl+", ""},       {"Ctrl+F13", ""},      {"Win+V", ""},
      {"Ctrl+Enter", ""},       {"F1x", ""},
  };
  for (const auto& [text, expected] : cases) {
    const std::optional<Shortcut> key = ParseShortcut(text);
    std::string seen;
    if (key) {
      seen = std::string(key->ctrl ? "c" : "") + (key->shift ? "S" : "") + (key->alt ? "a" : "") + " " +
             std::to_string(key->virtualKey);
    }
    EXPECT_EQ(seen, expected) << text;
  }
}

TEST(FormMenu, EditActionsWorkOnTheSelection) {
  struct Case {
    EditAction action;
    std::string text;
    int selStart, selLength, maxLength;
    std::string textAfter, clipboardAfter;  // the clipboard held "XY"
    int caret;
  };
  const Case cases[] = {
      {EditAction::Cut, "abcdef", 1, 3, 0, "aef", "bcd", 1},      {EditAction::Copy, "abcdef", 1, 3, 0, "abcdef", "bcd", 1},
      {EditAction::Paste, "abcdef", 1, 3, 0, "aXYef", "XY", 3},   {EditAction::Paste, "abc", 3, 0, 0, "abcXY", "XY", 5},
      {EditAction::Paste, "abc", 1, 1, 3, "aXc", "XY", 2},        {EditAction::Paste, "abc", 3, 0, 3, "abc", "XY", 3},
      {EditAction::Delete, "abcdef", 2, 2, 0, "abef", "XY", 2},   {EditAction::Cut, "abc", 1, 0, 0, "abc", "XY", 1},
      {EditAction::Copy, "abc", 1, 0, 0, "abc", "XY", 1},         {EditAction::Delete, "abc", 1, 9, 0, "a", "XY", 1},
  };
  for (const Case& c : cases) {
    OptionsForm form;
    Edit field{form, "Field", {0, 0, 10, 10}, c.maxLength};
    field.text = c.text;
    field.selStart = c.selStart;
    field.selLength = c.selLength;
    std::string clipboard = "XY";
    ApplyEditAction(c.action, field, clipboard);
    const std::string what = c.text + " " + std::to_string(static_cast<int>(c.action));
    EXPECT_EQ(field.text + "|" + clipboard + "|" + std::to_string(field.selStart),
              c.textAfter + "|" + c.clipboardAfter + "|" + std::to_string(c.caret)) << what;
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
