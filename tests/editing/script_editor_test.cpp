#include "editing/script_editor.h"

#include <gtest/gtest.h>

#include "activation/scheduler_dialogs.h"
#include "editing/command_names.h"
#include "editing/input_dialogs.h"
#include "editing/script_wizard.h"
#include "tests/support/fake_icon_files.h"
#include "editing_fixtures.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"

namespace tavrix {
namespace {

using testing_support::FakeFiles;

class ScriptEditorTest : public ::testing::Test {
 protected:
  void Open(const std::string& text, bool existing = true) {
    record.SetMacroText(text);
    record.SetNickName("Letter");
    record.SetScope(1);
    record.SetIconName("MAIN");
    editor.editingExisting = existing;
    editor.FormShow({});
  }
  void Choose(std::string_view command) {
    const auto& items = editor.optionBox.items;
    editor.optionBox.itemIndex = static_cast<int>(std::find(items.begin(), items.end(), command) - items.begin());
  }
  std::vector<std::string> Shown() const { return editor.script.items; }
  std::string Saved() {
    EXPECT_EQ(editor.OkButtonClick().kind, FormReply::Kind::Close);
    return record.MacroText();
  }

  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
  FakeFiles files;
  MacroRecord record;
  TDoScripting editor{ui, desktop, files, record};
};

TEST_F(ScriptEditorTest, ShowsTheMacroAndSavesItUnchanged) {
  const std::string text = "<REPEAT:0002>Dear <III><DELAY:01.50><ENDREP><ACTIVATE:Notepad>";
  Open(text);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Repeat Start: 2", "   Text: Dear ",
                                               "   Repeat Counter: Width 3", "   Delay 1.50 Seconds",
                                               "Repeat End", "Activate Window: \"Notepad\""}));
  EXPECT_EQ(editor.caption, "Macro Scripting Editor  (GLOBAL)");
  EXPECT_EQ(editor.optionBox.items.size(), 50u);
  EXPECT_TRUE(std::is_sorted(editor.optionBox.items.begin(), editor.optionBox.items.end()));
  EXPECT_EQ(Saved(), text);
  EXPECT_TRUE(editor.saved);
  EXPECT_EQ(record.NickName(), "Letter");
}

TEST_F(ScriptEditorTest, AddsThroughTheDialogsWhereverTheModeSays) {
  Open("ab");
  editor.script.itemIndex = 0;
  // Delay after the selected line, through its dialog.
  ui.AnswerForm("TDoDelay2", ui.Answer("OkButton", {{"TimeEdit", "2"}}));
  Choose("Delay");
  editor.InsertAfterClick();
  // A remark before it.
  ui.AnswerForm("TDoRemark", ui.Answer("OkButton", {{"CommentEdit", "note"}}));
  Choose("Remark");
  editor.InsertBeforeClick();
  // Repeat End needs no dialog; a cancelled dialog adds nothing but still moves the selection.
  Choose("Repeat End");
  editor.AddButtonClick();
  ui.AnswerForm("TDoRepeat", ui.Answer("CancelButton"));
  Choose("Repeat Start");
  editor.InsertBeforeClick();
  EXPECT_FALSE(editor.dialogAccepted);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Text: ab", "Remark: note", "Delay 2.00 Seconds", "Repeat End"}));
  EXPECT_EQ(editor.script.itemIndex, 3);
  EXPECT_EQ(Saved(), "ab<REM:note><DELAY:02.00><ENDREP>");
}

TEST_F(ScriptEditorTest, InsertsAtTheStartOfAnEmptyList) {
  Open("", false);
  Choose("Clipboard Paste");
  editor.InsertAfterClick();
  Choose("Clipboard Copy");
  editor.InsertBeforeClick();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Clipboard Copy", "Clipboard Paste"}));
  EXPECT_EQ(Saved(), "<CLIPC><CLIPP>");
  EXPECT_EQ(record.Active(), 1);
}

TEST_F(ScriptEditorTest, EditsCopiesMovesAndDeletes) {
  Open("<WHIDE:\"CURRENT\"><COPYFILE:C:\\a.txt;D:\\b.txt>x");
  editor.script.itemIndex = 0;
  ui.AnswerForm("TDoSystemCommand", ui.Answer("OkButton"));
  editor.DoEditClick();
  EXPECT_EQ(Shown()[0], "Hide Window - Current Window");
  editor.script.itemIndex = 1;
  editor.DoCopyClick();
  EXPECT_EQ(editor.script.itemIndex, 2);
  EXPECT_EQ(Shown()[1], Shown()[2]);
  editor.DoUpClick();
  EXPECT_EQ(editor.script.itemIndex, 1);
  editor.script.itemIndex = 3;
  editor.UpdateButtons();
  EXPECT_FALSE(editor.doDown.enabled);
  EXPECT_TRUE(editor.doUp.enabled);
  editor.DoDeleteClick();
  EXPECT_EQ(editor.script.itemIndex, 2);
  editor.script.itemIndex = 0;
  editor.DoDownClick();
  EXPECT_EQ(Saved(), "<COPYFILE:C:\\a.txt;D:\\b.txt><WHIDE:\"CURRENT\"><COPYFILE:C:\\a.txt;D:\\b.txt>");
}

TEST_F(ScriptEditorTest, RefusesWithNothingSelected) {
  Open("x");
  editor.optionBox.itemIndex = -1;
  editor.script.itemIndex = -1;
  struct Case {
    FormReply (TDoScripting::*click)();
    std::string message;
  };
  for (const Case& c : {Case{&TDoScripting::AddButtonClick, "No command selected.  Please select one."},
                        Case{&TDoScripting::DoEditClick, "No Item Selected."},
                        Case{&TDoScripting::DoCopyClick, "No script line selected.  Please select one."},
                        Case{&TDoScripting::DoDeleteClick, "No script line selected.  Please select one."}}) {
    const FormReply reply = (editor.*c.click)();
    EXPECT_EQ(reply.kind, FormReply::Kind::Refuse);
    EXPECT_EQ(reply.caption, "Error");
    EXPECT_EQ(reply.message, c.message);
  }
  editor.UpdateButtons();
  EXPECT_FALSE(editor.doUp.enabled || editor.doDown.enabled || editor.doEdit.enabled || editor.doCopy.enabled ||
               editor.doDelete.enabled);
  EXPECT_EQ(Shown(), std::vector<std::string>{"Text: x"});
}

TEST_F(ScriptEditorTest, ChecksTheWordletName) {
  record.SetWordletText("ab#1");
  editor.activationKind = TDoScripting::WordletMacro;
  Open("x");
  EXPECT_EQ(editor.wordletName.text, "ab#1");
  for (const std::string bad : {"a b", "it's", "   "}) {
    editor.wordletName.text = bad;
    const FormReply reply = editor.OkButtonClick();
    EXPECT_EQ(reply.kind, FormReply::Kind::Refuse) << bad;
    EXPECT_EQ(reply.focus, &editor.wordletName);
    EXPECT_FALSE(editor.saved);
  }
  editor.wordletName.text = " ab#1 ";
  EXPECT_EQ(Saved(), "x");
  EXPECT_EQ(record.WordletText(), "ab#1");
}

TEST_F(ScriptEditorTest, CutsAMacroPastTheLimit) {
  Open(std::string(5000, 'a'));
  ui.AnswerForm("TModText", ui.Answer("OkButton", {{"TextEdit", "b"}}));
  Choose("Text");
  editor.AddButtonClick();
  EXPECT_EQ(Saved(), std::string(5000, 'a'));
  ASSERT_FALSE(desktop.Trace().Lines().empty());
  EXPECT_NE(desktop.Trace().Lines().back().find("The size of the macro exceeds the 5,000 character limit.  The macro "
                                                "will be truncated to 5,000 characters."),
            std::string::npos);
}

TEST_F(ScriptEditorTest, TheScopeFollowsTheRadiosAndTheTitleDialog) {
  record.SetScopeName("Notepad");
  Open("x");
  EXPECT_FALSE(editor.chooseWinProg.enabled);
  editor.Click(editor.specific);
  EXPECT_EQ(editor.caption, "Macro Scripting Editor  (Window Title: Notepad)");
  desktop.AddWindow("Untitled - Calc", "CALC.EXE");
  ui.AnswerForm("TDoSpecWind", ui.Answer("OkButton", {{"NameEdit", "Calc"}}));
  editor.Click(editor.progExe);
  editor.Click(editor.chooseWinProg);
  EXPECT_EQ(editor.caption, "Macro Scripting Editor  (Program: Calc)");
  Saved();
  EXPECT_EQ(record.Scope(), 3);
  EXPECT_EQ(record.ScopeName(), "Calc");
}

TEST_F(ScriptEditorTest, SetScheduleMakesTheMacroTimedAndHelpOpensTheHelp) {
  Open("x");
  record.SetActivation(0);  // a hot key macro
  ui.AnswerForm("TDoSchedule", [this](Form& form) {
    auto& dialog = static_cast<TDoSchedule&>(form);
    dialog.Click(dialog.hourlyRadio);
    dialog.hourlyMinutes.text = "15";
    dialog.Click(dialog.updateButton);
  });
  editor.Click(editor.setSchedule);
  EXPECT_EQ(record.Activation(), kTimedActivation);
  EXPECT_EQ(record.SchedKind(), kScheduleHourly);
  EXPECT_EQ(record.SchedPastHour(), 15);
  // Cancel in the dialog keeps the schedule it had.
  ui.AnswerForm("TDoSchedule", ui.Answer("CancelButton", {{"HourlyMinutes", "40"}}));
  editor.Click(editor.setSchedule);
  EXPECT_EQ(record.SchedPastHour(), 15);
}

TEST_F(ScriptEditorTest, ResizingKeepsTheRightButtonsAtTheEdgeAndSizesTheLists) {
  EXPECT_TRUE(editor.resizable);
  EXPECT_EQ(editor.minimumClientWidth + 8, 320);
  struct Case {
    int clientWidth, clientHeight;
  };
  for (const Case c : {Case{598, 418}, Case{800, 600}, Case{312, 300}}) {
    editor.clientWidth = c.clientWidth;
    editor.clientHeight = c.clientHeight;
    editor.FormResize();
    const int width = c.clientWidth + 8;  // the window: its client and frame
    SCOPED_TRACE(width);
    EXPECT_EQ(editor.doUp.bounds.left, width - 62);
    EXPECT_EQ(editor.doDown.bounds.left, width - 62);
    for (const Button* b : {&editor.doEdit, &editor.doCopy, &editor.doDelete}) EXPECT_EQ(b->bounds.left, width - 70);
    for (const Button* b : {&editor.okButton, &editor.helpButton, &editor.cancelButton})
      EXPECT_EQ(b->bounds.left, width - 66);
    EXPECT_EQ(editor.script.bounds.width, width - 293);
    EXPECT_EQ(editor.scriptLabel.bounds.width, width - 293);
    EXPECT_EQ(editor.script.bounds.height, c.clientHeight - 72);
    EXPECT_EQ(editor.optionBox.bounds.height, c.clientHeight - 72);
    // At the default size nothing overlaps and everything is inside.
    if (c.clientWidth == 598) {
      EXPECT_LT(editor.script.bounds.Right(), editor.doEdit.bounds.left);
      EXPECT_LE(editor.doUp.bounds.Right(), c.clientWidth);
      EXPECT_LE(editor.script.bounds.Bottom(), c.clientHeight);
    }
  }
}

// The icon button: a missing icon file shows the program's icon, a chosen
// icon is copied into the Icons folder and named by its file, a right click
// with Yes gives the program's icon back; Ok writes the name.
TEST_F(ScriptEditorTest, TheIconButtonLoadsAndResetsTheMacrosIcon) {
  test_support::FakeIconFiles icons;
  editor.icon.icons = &icons;
  record.SetIconName("GONE.ICO");
  editor.editingExisting = true;
  record.SetMacroText("x");
  editor.FormShow({});
  EXPECT_EQ(editor.icon.Name(), "MAIN");
  EXPECT_EQ(editor.mySpeed.icon, "program");

  icons.files.insert("C:\\Pictures\\smile.ico");
  ui.QueueFileName("C:\\Pictures\\smile.ico");
  editor.Click(editor.mySpeed);
  EXPECT_EQ(icons.copies, std::vector<std::string>{"C:\\Pictures\\smile.ico -> C:\\TAVRIX\\Icons\\smile.ico"});
  EXPECT_EQ(editor.icon.Name(), "smile.ico");
  EXPECT_EQ(editor.mySpeed.icon, "C:\\TAVRIX\\Icons\\smile.ico");
  Saved();
  EXPECT_EQ(record.IconName(), "smile.ico");

  ui.QueueYesNo(false);
  editor.RightClicked(editor.mySpeed);
  EXPECT_EQ(editor.icon.Name(), "smile.ico");
  ui.QueueYesNo(true);
  editor.RightClicked(editor.mySpeed);
  EXPECT_EQ(editor.icon.Name(), "MAIN");
  EXPECT_EQ(editor.mySpeed.icon, "program");
}

}  // namespace
}  // namespace tavrix

namespace tavrix {
namespace {

// The wizard appends each accepted line and asks whether to go on; "No"
// closes only the wizard.
TEST_F(ScriptEditorTest, WizardAppendsLinesUntilTheUserStops) {
  Open("ab");
  editor.script.itemIndex = 0;
  ASSERT_TRUE(editor.wizard.enabled);
  ui.AnswerForm(TDoWizard::kName, [this](Form& form) {
    auto& wizard = static_cast<TDoWizard&>(form);
    ASSERT_EQ(wizard.choiceButtons.size(), 16u);
    // A cancelled dialog asks nothing; a delay, then Yes; a remark, then No.
    ui.AnswerForm("TDoDelay2", ui.Answer("CancelButton"));
    EXPECT_EQ(wizard.Click(*wizard.choiceButtons[9]).kind, FormReply::Kind::Stay);
    ui.AnswerForm("TDoDelay2", ui.Answer("OkButton", {{"TimeEdit", "2"}}));
    ui.QueueYesNo(true);
    EXPECT_EQ(wizard.Click(*wizard.choiceButtons[9]).kind, FormReply::Kind::Stay);
    ui.AnswerForm("TDoRemark", ui.Answer("OkButton", {{"CommentEdit", "end"}}));
    ui.QueueYesNo(false);
    EXPECT_EQ(wizard.Click(*wizard.choiceButtons[7]).kind, FormReply::Kind::Close);
  });
  EXPECT_EQ(editor.Click(editor.wizard).kind, FormReply::Kind::Stay);
  EXPECT_FALSE(editor.Closed());
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Text: ab", "Delay 2.00 Seconds", "Remark: end"}));
  EXPECT_EQ(editor.script.itemIndex, 2);
  std::vector<std::string> questions;
  for (const std::string& line : desktop.Trace().Lines())
    if (line.rfind("question ", 0) == 0) questions.push_back(line);
  EXPECT_EQ(questions, std::vector<std::string>(2, "question Added: Macro object successfully added.  Continue with "
                                                   "wizard?"));
  // The presets of the choices: the mouse choice opens its dialog on Mouse Move.
  ui.AnswerForm(TDoWizard::kName, [this](Form& form) {
    ui.AnswerForm("TDoMouse", [](Form& mouse) { EXPECT_TRUE(static_cast<TDoMouse&>(mouse).move.checked); });
    form.Click(*static_cast<TDoWizard&>(form).choiceButtons[1]);
  });
  editor.Click(editor.wizard);
  EXPECT_EQ(ui.Shown().back().name, "TDoMouse");
}

}  // namespace
}  // namespace tavrix
