// The main window's "&Add Macro" with the tools it hands over to, "System
// Hot Keys" from "Rename Macro", and hot key entry mode.
#include "activation/popup_menu_dialogs.h"
#include "activation/scheduler_dialogs.h"
#include "editing/add_macro_dialog.h"
#include "editing/direct_editor.h"
#include "editing/script_editor.h"
#include "editing/system_keys_dialog.h"
#include "main_window_fixture.h"

namespace tavrix::testing {
namespace {

constexpr std::uint16_t kCtrlD = 3;

class AddCommandTest : public MainWindowTest {
 protected:
  MacroRecord OnDisk(int n) {
    MacroRecord record;
    EXPECT_TRUE(window->File().ReadRecord(n, record));
    return record;
  }
};

TEST_F(AddCommandTest, AHotKeyMacroAddedThroughTheScriptEditorIsSavedAndPublished) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  ASSERT_TRUE(window->MenuState(Command::AddMacro).enabled);
  ui.AnswerForm(TAddNewHotKey::kName, [this](Form& form) {
    auto& dialog = static_cast<TAddNewHotKey&>(form);
    // Every tool is there: capture, the scripting editor, Enter Directly.
    EXPECT_TRUE(dialog.captureButton.enabled);
    EXPECT_TRUE(dialog.thirdButton.enabled);
    dialog.Click(dialog.popupRadio);
    EXPECT_TRUE(dialog.thirdButton.enabled);
    dialog.Click(dialog.hotKeysRadio);
    dialog.HotKeyPressed(dialog.hotKeyEntry, kCtrlD);
    ui.Click(dialog, dialog.scriptButton);
  });
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    auto& editor = static_cast<TDoScripting&>(form);
    EXPECT_EQ(editor.hotKeyLabel.text, "Ctrl+D");
    EXPECT_FALSE(editor.editingExisting);
    EXPECT_TRUE(editor.global.enabled);
    ui.Answer("OkButton", {{"NickName", "new one"}})(form);
  });
  window->OnCommand(Command::AddMacro);
  ASSERT_EQ(window->Index().Count(), 6);
  EXPECT_EQ(OnDisk(6).Activation(), kCtrlD);
  EXPECT_EQ(OnDisk(6).NickName(), "new one");
  EXPECT_EQ(OnDisk(6).Active(), 1);
  EXPECT_EQ(hooks.copy().MacroCount(), 6);
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCtrlD), 1);
  EXPECT_EQ(host.selected, 6);
}

TEST_F(AddCommandTest, APopupMenuIsBuiltWithTheMacrosThereAre) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  ui.AnswerForm(TAddNewHotKey::kName, [this](Form& form) {
    auto& dialog = static_cast<TAddNewHotKey&>(form);
    dialog.Click(dialog.popupRadio);
    dialog.HotKeyPressed(dialog.hotKeyEntry, kCtrlD);
    ui.Click(dialog, dialog.thirdButton);
  });
  ui.AnswerForm("TDoBuildMenu", [this](Form& form) {
    auto& builder = static_cast<TDoBuildMenu&>(form);
    EXPECT_EQ(builder.AvailableMacros(), std::vector<int>{5});
    builder.availableList.itemIndex = 0;
    ui.Click(builder, builder.addButton);
    ui.Click(builder, builder.okButton);
  });
  window->OnCommand(Command::AddMacro);
  ASSERT_EQ(window->Index().Count(), 6);
  EXPECT_EQ(OnDisk(6).Scope(), kScopePopupMenu);
  EXPECT_EQ(OnDisk(6).Activation(), kCtrlD);
  EXPECT_EQ(OnDisk(6).PopupMenuList(), std::vector<std::uint16_t>{5});
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCtrlD), 1);
}

TEST_F(AddCommandTest, AKeyInGlobalUseLeavesTheNewMacroAWindowOrProgram) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  ui.AnswerForm(TAddNewHotKey::kName, [this](Form& form) {
    auto& dialog = static_cast<TAddNewHotKey&>(form);
    dialog.HotKeyPressed(dialog.hotKeyEntry, kCtrlA);
    ui.Click(dialog, dialog.scriptButton);
  });
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    auto& editor = static_cast<TDoScripting&>(form);
    EXPECT_TRUE(editor.globalNotAllowed);
    EXPECT_FALSE(editor.global.enabled);
    ui.Answer("CancelButton")(form);
  });
  window->OnCommand(Command::AddMacro);
  EXPECT_EQ(window->Index().Count(), 5);
  EXPECT_EQ(hooks.copy().MacroCount(), 5);
}

TEST_F(AddCommandTest, ATimedMacroGetsItsScheduleFromTheEditor) {
  ASSERT_TRUE(Start(SystemEntries()));
  ui.AnswerForm(TAddNewHotKey::kName, [this](Form& form) {
    auto& dialog = static_cast<TAddNewHotKey&>(form);
    dialog.Click(dialog.timedRadio);
    ui.Click(dialog, dialog.scriptButton);
  });
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    auto& editor = static_cast<TDoScripting&>(form);
    EXPECT_TRUE(editor.setSchedule.visible);
    ASSERT_TRUE(editor.setSchedule.enabled);
    ui.AnswerForm("TDoSchedule", [this](Form& schedule) {
      auto& dialog = static_cast<TDoSchedule&>(schedule);
      dialog.Click(dialog.otherRadio);
      dialog.otherMinutes.text = "15";
      ui.Click(dialog, dialog.updateButton);
    });
    editor.Click(editor.setSchedule);
    editor.Click(editor.okButton);
  });
  window->OnCommand(Command::AddMacro);
  ASSERT_EQ(window->Index().Count(), 5);
  EXPECT_EQ(OnDisk(5).Activation(), kTimedActivation);
  EXPECT_EQ(OnDisk(5).SchedInterval(), 15);
}

TEST_F(AddCommandTest, RenameOnASystemMacroOpensSystemHotKeys) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  host.selected = 2;
  ui.AnswerForm(TSystemKeys::kName, [this](Form& form) {
    auto& dialog = static_cast<TSystemKeys&>(form);
    EXPECT_EQ(dialog.activeControl, &dialog.startCap);
    dialog.HotKeyPressed(dialog.startCap, kCtrlD);
    dialog.Click(dialog.iconsRadio);
    ui.Click(dialog, dialog.okButton);
  });
  window->OnCommand(Command::RenameMacro);
  EXPECT_EQ(OnDisk(2).Activation(), kCtrlD);
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCtrlD), 1);
  EXPECT_EQ(hooks.copy().HotKeyUsed(kCaptureKey), 0);
  EXPECT_EQ(configuration.systemMenu, 2);

  // Cancel changes neither the file nor the style; Help opens the help file
  // at the dialog's keyword.
  ui.AnswerForm(TSystemKeys::kName, [this](Form& form) {
    auto& dialog = static_cast<TSystemKeys&>(form);
    dialog.HotKeyPressed(dialog.startCap, kCtrlB);
    dialog.Click(dialog.firstPartRadio);
    ui.Click(dialog, dialog.helpButton);
    ui.Click(dialog, dialog.cancelButton);
  });
  window->OnCommand(Command::RenameMacro);
  EXPECT_EQ(OnDisk(2).Activation(), kCtrlD);
  EXPECT_EQ(configuration.systemMenu, 2);
  EXPECT_EQ(LinesStartingWith(Trace(), "help "), Lines{"help SYSTEM Hot Keys"});
}

TEST_F(AddCommandTest, AHotKeyFieldPutsItsWindowIntoHotKeyEntryMode) {
  ASSERT_TRUE(Start(SystemEntries()));
  window->SetSecWind(4242, true);
  EXPECT_EQ(hooks.copy().EntryWindow(), 4242u);
  EXPECT_EQ(hooks.copy().EntryActive(), 1);
  window->SetSecWind(4242, false);
  EXPECT_EQ(hooks.copy().EntryWindow(), 4242u);
  EXPECT_EQ(hooks.copy().EntryActive(), 0);
}

TEST_F(AddCommandTest, EnterDirectlyHandsTheNewMacroToModifyHotKey) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("A", kCtrlA, "a")})));
  ui.AnswerForm(TAddNewHotKey::kName, [this](Form& form) {
    auto& dialog = static_cast<TAddNewHotKey&>(form);
    dialog.HotKeyPressed(dialog.hotKeyEntry, kCtrlD);
    ui.Click(dialog, dialog.thirdButton);
  });
  ui.AnswerForm(TModHotKeys::kName, [this](Form& form) {
    auto& editor = static_cast<TModHotKeys&>(form);
    EXPECT_EQ(editor.hotKeyLabel.text, "Ctrl+D");
    EXPECT_FALSE(editor.editingExisting);
    editor.newFormat.text = "typed\tdirectly";
    ui.Answer("UpdateButton", {{"NickName", "direct"}})(form);
  });
  window->OnCommand(Command::AddMacro);
  ASSERT_EQ(window->Index().Count(), 6);
  EXPECT_EQ(OnDisk(6).Activation(), kCtrlD);
  EXPECT_EQ(OnDisk(6).NickName(), "direct");
  EXPECT_EQ(OnDisk(6).MacroText(), "typed<TAB>directly");
}

}  // namespace
}  // namespace tavrix::testing
