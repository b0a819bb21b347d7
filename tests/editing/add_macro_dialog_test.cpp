// "Add Macro" and the add command around it, and "System Hot Keys", driven
// through the simulated boxes over a real macro file.
#include <gtest/gtest.h>

#include "base/hot_key_table.h"
#include "editing/add_macro_dialog.h"
#include "editing/system_keys_dialog.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_listener.h"

namespace tavrix {
namespace {

using namespace testing_support;
using test_support::Lines;

std::uint16_t Key(const char* name) { return *FindHotKey(name); }

MacroRecord WordletMacro(const std::string& nick, const std::string& text) {
  MacroRecord r = HotKeyMacro(nick, kWordletActivation);
  r.SetWordletText(text);
  return r;
}

std::vector<MacroRecord> SystemMacros() {
  return {SystemMacro(1, "Activate Tavrix"), SystemMacro(2, "Start / Stop Capture"), SystemMacro(3, "Resume Pause"),
          SystemMacro(4, "Menu of Macros for Top Most Window")};
}


// A tool that stores what the test tells it into the record.
struct ScriptedTools : AddMacroTools {
  std::vector<AddHandOver> handed;
  AddToolResult result{true, false};
  std::string text = "typed";
  std::array<bool, kAddToolCount> available{true, true, true, true, true};
  bool Available(AddTool tool) const override { return available[static_cast<std::size_t>(tool)]; }
  AddToolResult HandOver(const AddHandOver& handOver, MacroRecord& record) override {
    handed.push_back(handOver);
    if (result.saved) {
      record.SetMacroText(text);
      record.SetActive(1);
    }
    return result;
  }
};

// The four system activations, then: 5 GLOBAL Ctrl+A, 6 window Ctrl+B (twice
// with 7), 7 program Ctrl+B, 8 a Wordlet, 9 a timed macro, 10 a popup on
// Ctrl+C.
class AddMacroTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.File("MINE.TVX");
    std::vector<MacroRecord> records = SystemMacros();
    for (const MacroRecord& r :
         {HotKeyMacro("global", Key("Ctrl+A")), HotKeyMacro("window", Key("Ctrl+B"), kScopeWindow),
          HotKeyMacro("program", Key("Ctrl+B"), kScopeProgram), WordletMacro("word", "sig"),
          HotKeyMacro("timed", kTimedActivation), PopupMacro("menu", Key("Ctrl+C"), {5})})
      records.push_back(r);
    WriteFile(path, records);
    Load();
  }
  void Load() {
    rig = std::make_unique<StoreRig>();
    rig->file.LoadFile(path);
    ASSERT_EQ(rig->index.Count(), 10);
    rig->trace.Clear();
  }
  std::unique_ptr<TAddNewHotKey> Shown(MacroRecord& record) {
    auto dialog = std::make_unique<TAddNewHotKey>(rig->index, rig->ui, record, rig->index.Count() + 1);
    dialog->FormShow([](std::string_view) { return TextSize{6, 13}; });
    return dialog;
  }
  ScratchFolder folder;
  std::string path;
  std::unique_ptr<StoreRig> rig;
};

TEST_F(AddMacroTest, EachModeShowsItsControlsButtonsAndHeight) {
  struct Case {
    const char* mode;
    bool hotKeyControls, wordletControls, capture, script;
    const char* third;
    int height;
  };
  const std::vector<Case> cases{
      {"HotKeysRadio", true, false, true, true, "Enter Directly", 419},
      {"WordletsRadio", false, true, true, true, "Enter Directly", 160},
      {"TimedRadio", false, false, false, true, "Enter Directly", 129},
      {"PopupRadio", true, false, false, false, "Build Menu", 419},
  };
  MacroRecord record;
  auto dialog = Shown(record);
  EXPECT_EQ(dialog->caption, "Add Macro");
  EXPECT_TRUE(dialog->hotKeysRadio.checked);
  EXPECT_EQ(dialog->thirdButton.text, "&Enter Directly");
  EXPECT_EQ(dialog->activeControl, &dialog->hotKeyEntry);
  for (const Case& c : cases) {
    dialog->Click(*dialog->Find(c.mode));
    EXPECT_EQ(dialog->keyList.visible, c.hotKeyControls) << c.mode;
    EXPECT_EQ(dialog->hotKeyEntry.visible, c.hotKeyControls) << c.mode;
    EXPECT_EQ(dialog->placeLabel.visible, c.hotKeyControls) << c.mode;
    EXPECT_EQ(dialog->wordletName.visible, c.wordletControls) << c.mode;
    EXPECT_EQ(dialog->captureButton.enabled, c.capture) << c.mode;
    EXPECT_EQ(dialog->scriptButton.enabled, c.script) << c.mode;
    EXPECT_TRUE(dialog->thirdButton.enabled) << c.mode;
    EXPECT_EQ(dialog->thirdButton.text, c.third) << c.mode;
    EXPECT_EQ(dialog->clientHeight, c.height) << c.mode;
  }
}

TEST_F(AddMacroTest, EachButtonHandsOverOrRefuses) {
  struct Case {
    const char* name;
    const char* mode;
    int hotKey;           // the chosen row, -1 none
    const char* wordlet;  // typed into WordletName
    const char* button;
    std::optional<bool> answer;  // to the reserved-key question
    // Expected: the tool (None: the dialog stayed open) and what it got.
    AddTool tool;
    std::uint16_t activation;
    const char* wordletText;
    bool global;
    int type;
    const char* message;  // the one box shown, or nothing
  };
  const std::string reservedQuestion =
      "question Warning: Win+R may be used internally by Windows 95, 98 or NT.  This may cause the hot key not to "
      "function correctly.  Would you still like to use Win+R?";
  const std::string invalid = std::string("message Error: ") + kWordletNameInvalid;
  const std::uint16_t ctrlD = Key("Ctrl+D"), ctrlA = Key("Ctrl+A"), ctrlB = Key("Ctrl+B"), winR = Key("Win+R");
  const std::vector<Case> cases{
      {"free key to capture", "HotKeysRadio", ctrlD, "", "CaptureButton", {}, AddTool::Capture, ctrlD, "", false, 0,
       nullptr},
      {"GLOBAL key to capture: no global", "HotKeysRadio", ctrlA, "", "CaptureButton", {}, AddTool::Capture, ctrlA, "",
       true, 0, nullptr},
      {"GLOBAL key to the script editor", "HotKeysRadio", ctrlA, "", "ScriptButton", {}, AddTool::Script, ctrlA, "",
       true, 1, nullptr},
      {"window and program key to direct", "HotKeysRadio", ctrlB, "", "ThirdButton", {}, AddTool::Direct, ctrlB, "",
       false, 1, nullptr},
      {"no hot key", "HotKeysRadio", -1, "", "ScriptButton", {}, AddTool::None, 0, "", false, 0,
       "message Error: No hot key selected.  Please select one."},
      {"reserved key, No", "HotKeysRadio", winR, "", "ThirdButton", false, AddTool::None, 0, "", false, 0,
       reservedQuestion.c_str()},
      {"reserved key, Yes", "HotKeysRadio", winR, "", "ThirdButton", true, AddTool::Direct, winR, "", false, 1,
       reservedQuestion.c_str()},
      {"Wordlet trimmed", "WordletsRadio", -1, "  ab#1 ", "ScriptButton", {}, AddTool::Script, kWordletActivation,
       "ab#1", false, 3, nullptr},
      {"Wordlet to capture, never global", "WordletsRadio", ctrlA, "sig", "CaptureButton", {}, AddTool::Capture,
       kWordletActivation, "sig", false, 0, nullptr},
      {"Wordlet to direct", "WordletsRadio", -1, "brb", "ThirdButton", {}, AddTool::Direct, kWordletActivation, "brb",
       false, 3, nullptr},
      {"empty Wordlet", "WordletsRadio", -1, "", "ScriptButton", {}, AddTool::None, 0, "", false, 0,
       "message Error: No Wordlet name entered."},
      {"blank Wordlet", "WordletsRadio", -1, "   ", "CaptureButton", {}, AddTool::None, 0, "", false, 0,
       "message Error: No Wordlet name entered."},
      {"Wordlet with a blank inside", "WordletsRadio", -1, "two words", "ThirdButton", {}, AddTool::None, 0, "", false,
       0, invalid.c_str()},
      {"Wordlet with an apostrophe", "WordletsRadio", -1, "it's", "CaptureButton", {}, AddTool::None, 0, "", false, 0,
       invalid.c_str()},
      {"timed to the script editor", "TimedRadio", ctrlA, "", "ScriptButton", {}, AddTool::Script, kTimedActivation,
       "", false, 2, nullptr},
      {"timed to direct", "TimedRadio", -1, "", "ThirdButton", {}, AddTool::Direct, kTimedActivation, "", false, 2,
       nullptr},
      {"timed cannot capture", "TimedRadio", -1, "", "CaptureButton", {}, AddTool::None, 0, "", false, 0, nullptr},
      {"popup on a program macro's key", "PopupRadio", ctrlB, "", "ThirdButton", {}, AddTool::Menu, ctrlB, "", false,
       0, nullptr},
      {"popup on a GLOBAL key", "PopupRadio", ctrlA, "", "ThirdButton", {}, AddTool::None, 0, "", false, 0,
       "message Error: Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be added."},
      {"popup on another popup's key", "PopupRadio", Key("Ctrl+C"), "", "ThirdButton", {}, AddTool::None, 0, "", false,
       0, "message Error: Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be added."},
      {"popup without a key", "PopupRadio", -1, "", "ThirdButton", {}, AddTool::None, 0, "", false, 0,
       "message Error: No hot key selected.  Please select one."},
      {"popup on a reserved key, No", "PopupRadio", winR, "", "ThirdButton", false, AddTool::None, 0, "", false, 0,
       reservedQuestion.c_str()},
      {"popup cannot script", "PopupRadio", ctrlD, "", "ScriptButton", {}, AddTool::None, 0, "", false, 0, nullptr},
  };
  for (const Case& c : cases) {
    rig->trace.Clear();
    MacroRecord record;
    record.SetWordletText("before");
    auto dialog = Shown(record);
    dialog->Click(*dialog->Find(c.mode));
    if (c.hotKey >= 0) dialog->ChooseHotKey(c.hotKey);
    dialog->wordletName.text = c.wordlet;
    if (c.answer) rig->ui.QueueYesNo(*c.answer);
    const FormReply reply = rig->ui.Click(*dialog, *dialog->Find(c.button));
    EXPECT_EQ(rig->Messages(), c.message ? Lines{c.message} : Lines{}) << c.name;
    if (c.tool == AddTool::None) {
      EXPECT_NE(reply.kind, FormReply::Kind::Close) << c.name;
      EXPECT_EQ(record.Activation(), 0) << c.name;
      EXPECT_EQ(record.WordletText(), "before") << c.name;
      continue;
    }
    ASSERT_EQ(reply.kind, FormReply::Kind::Close) << c.name;
    const AddHandOver& h = dialog->handOver;
    EXPECT_EQ(h.tool, c.tool) << c.name;
    EXPECT_EQ(h.macroNumber, 11) << c.name;
    EXPECT_EQ(h.activation, c.activation) << c.name;
    EXPECT_EQ(record.Activation(), c.activation) << c.name;
    EXPECT_EQ(h.wordletText, c.wordletText) << c.name;
    if (c.activation == kWordletActivation) {
      EXPECT_EQ(record.WordletText(), c.wordletText) << c.name;
    }
    EXPECT_EQ(h.hotKeyName, c.activation < kHotKeyCount ? HotKeyName(c.activation) : "") << c.name;
    EXPECT_EQ(h.global, c.global) << c.name;
    EXPECT_EQ(h.type, c.type) << c.name;
  }
}

TEST_F(AddMacroTest, APopupMenuNeedsAMacroOtherThanTheSystemOnes) {
  WriteFile(path, SystemMacros());
  rig = std::make_unique<StoreRig>();
  rig->file.LoadFile(path);
  MacroRecord record;
  auto dialog = Shown(record);
  EXPECT_FALSE(dialog->AnyMacroButSystem());
  dialog->Click(dialog->popupRadio);
  dialog->ChooseHotKey(Key("Ctrl+D"));
  rig->ui.Click(*dialog, dialog->thirdButton);
  EXPECT_EQ(rig->Messages(), Lines{"message Error: No macros have been defined yet.  A popup menu is created with "
                                   "existing macros."});
}

TEST_F(AddMacroTest, KeyListCountsTheMacrosOfEachHotKey) {
  MacroRecord record;
  auto dialog = Shown(record);
  const std::vector<std::string>& rows = dialog->keyList.items;
  ASSERT_EQ(rows.size(), 720u);
  EXPECT_EQ(rows[Key("Ctrl+A")], "Ctrl+A\t1 macro in use");
  EXPECT_EQ(rows[Key("Ctrl+B")], "Ctrl+B\t2 macros in use");
  EXPECT_EQ(rows[Key("Ctrl+D")], "Ctrl+D\tNot in Use");
  EXPECT_EQ(dialog->UsageCount(Key("Ctrl+B")), 2);
  EXPECT_FALSE(dialog->InGlobalUse(Key("Ctrl+B")));  // window and program only
  EXPECT_TRUE(dialog->InGlobalUse(Key("Ctrl+C")));   // a popup menu
  EXPECT_TRUE(dialog->InGlobalUse(262));             // a system activation
  EXPECT_TRUE(dialog->AnyMacroButSystem());
  EXPECT_EQ(dialog->keyList.itemHeight, 18);
  ASSERT_EQ(dialog->keyList.columns.size(), 2u);
  int used = 0;
  for (const std::string& row : rows) used += row.find("\tNot in Use") == std::string::npos;
  EXPECT_EQ(used, 7);  // Ctrl+A, Ctrl+B, Ctrl+C and the four system keys; Wordlet and timed count nowhere
}

TEST_F(AddMacroTest, APressedHotKeyChoosesItsRow) {
  MacroRecord record;
  auto dialog = Shown(record);
  dialog->HotKeyPressed(dialog->hotKeyEntry, Key("Alt+F6"));
  EXPECT_EQ(dialog->keyList.itemIndex, Key("Alt+F6"));
  EXPECT_EQ(dialog->hotKeyEntry.text, "Alt+F6");
  dialog->HotKeyPressed(dialog->hotKeyEntry, 720);  // no row: nothing changes
  EXPECT_EQ(dialog->hotKeyEntry.text, "Alt+F6");
  dialog->Click(dialog->popupRadio);
  dialog->HotKeyPressed(dialog->hotKeyEntry, Key("Ctrl+A"));
  EXPECT_TRUE(dialog->selectedInGlobalUse);
  dialog->keyList.itemIndex = Key("Ctrl+B");  // a click on a row
  dialog->Changed(dialog->keyList);
  EXPECT_EQ(dialog->hotKeyEntry.text, "Ctrl+B");
  EXPECT_FALSE(dialog->selectedInGlobalUse);
}

TEST_F(AddMacroTest, AToolTheProgramLacksKeepsItsButtonDisabled) {
  ScriptedTools tools;
  tools.available[static_cast<std::size_t>(AddTool::Capture)] = false;
  tools.available[static_cast<std::size_t>(AddTool::Menu)] = false;
  test_support::RecordingListener listener;
  AddMacroCommand command(rig->file, rig->ui, listener, tools);
  rig->ui.AnswerForm(TAddNewHotKey::kName, [&](Form& form) {
    auto& d = dynamic_cast<TAddNewHotKey&>(form);
    EXPECT_FALSE(d.captureButton.enabled);
    EXPECT_TRUE(d.scriptButton.enabled);
    d.Click(d.popupRadio);
    EXPECT_FALSE(d.thirdButton.enabled);
    d.ChooseHotKey(Key("Ctrl+D"));
    EXPECT_EQ(d.Click(d.thirdButton).kind, FormReply::Kind::Stay);
  });
  EXPECT_FALSE(command.DoAdd());
  EXPECT_TRUE(tools.handed.empty());
}

// --- The add command ------------------------------------------------------------------

TEST_F(AddMacroTest, TheAddCommandAppendsWhatTheToolSaved) {
  struct Case {
    const char* name;
    const char* mode;
    const char* button;
    bool saved, trayChange;
    Lines events;
  };
  const std::vector<Case> cases{
      {"hot key, script", "HotKeysRadio", "ScriptButton", true, false,
       {"lock", "list", "select 11", "buttons on", "release changed"}},
      {"timed, direct", "TimedRadio", "ThirdButton", true, false,
       {"lock", "list", "select 11", "buttons on", "scheduler", "release changed"}},
      {"popup, menu with tray icon", "PopupRadio", "ThirdButton", true, true,
       {"lock", "list", "select 11", "buttons on", "release changed", "remove icons", "build icons"}},
      {"tool cancelled", "HotKeysRadio", "ThirdButton", false, false, {"lock", "release"}},
  };
  const std::string before = ReadBytes(path);
  for (const Case& c : cases) {
    test_support::WriteFileText(path, before);
    Load();
    ScriptedTools tools;
    tools.result = {c.saved, c.trayChange};
    test_support::RecordingListener listener;
    AddMacroCommand command(rig->file, rig->ui, listener, tools);
    rig->ui.AnswerForm(TAddNewHotKey::kName, [&](Form& form) {
      auto& d = dynamic_cast<TAddNewHotKey&>(form);
      d.Click(*d.Find(c.mode));
      d.ChooseHotKey(Key("Ctrl+D"));
      d.Click(*d.Find(c.button));
    });
    EXPECT_EQ(command.DoAdd(), c.saved) << c.name;
    EXPECT_EQ(listener.events, c.events) << c.name;
    ASSERT_EQ(tools.handed.size(), 1u) << c.name;
    if (!c.saved) {
      EXPECT_EQ(ReadBytes(path), before) << c.name;
      EXPECT_EQ(rig->index.Count(), 10) << c.name;
      continue;
    }
    EXPECT_EQ(command.LastNumber(), 11) << c.name;
    EXPECT_EQ(rig->index.Count(), 11) << c.name;
    EXPECT_EQ(rig->hooks.copy().MacroCount(), 11) << c.name;
    const MacroRecord added = RecordOnDisk(path, 11);
    EXPECT_EQ(added.Activation(), tools.handed[0].activation) << c.name;
    EXPECT_EQ(added.MacroText(), "typed") << c.name;
    EXPECT_EQ(RecordsOnDisk(path), 11u) << c.name;
  }
}

TEST_F(AddMacroTest, ACaptureLearnsItsActivationBeforeItStarts) {
  ScriptedTools tools;
  test_support::RecordingListener listener;
  AddMacroCommand command(rig->file, rig->ui, listener, tools);
  rig->ui.AnswerForm(TAddNewHotKey::kName, [&](Form& form) {
    auto& d = dynamic_cast<TAddNewHotKey&>(form);
    d.HotKeyPressed(d.hotKeyEntry, Key("Ctrl+E"));
    d.Click(d.captureButton);
  });
  rig->hooks.ClearCalls();
  // The capture raises the count itself when it starts.
  struct CaptureTools : ScriptedTools {
    StoreRig* rig = nullptr;
    AddToolResult HandOver(const AddHandOver& h, MacroRecord& record) override {
      EXPECT_EQ(rig->hooks.copy().Activation(11), h.activation);
      rig->index.SetCount(11);
      rig->hooks.TvxUpNumKeys(rig->index.table().bytes());
      return ScriptedTools::HandOver(h, record);
    }
  } capture;
  capture.rig = rig.get();
  AddMacroCommand captureCommand(rig->file, rig->ui, listener, capture);
  ASSERT_TRUE(captureCommand.DoAdd());
  EXPECT_EQ(rig->hooks.CountOf("TvxUpNumKeys"), 1u);  // the capture's own, not a second
  EXPECT_EQ(rig->index.Count(), 11);
  EXPECT_EQ(RecordOnDisk(path, 11).Activation(), Key("Ctrl+E"));
  EXPECT_EQ(captureCommand.LastHandOver().tool, AddTool::Capture);
}

TEST_F(AddMacroTest, TheAddCommandRefusesAFullFileAndAFileInUse) {
  ScriptedTools tools;
  test_support::RecordingListener listener;
  listener.lockFree = false;
  AddMacroCommand command(rig->file, rig->ui, listener, tools);
  EXPECT_FALSE(command.DoAdd());
  EXPECT_TRUE(rig->ui.Shown().empty());
  EXPECT_EQ(listener.events, Lines{"lock"});

  std::vector<MacroRecord> full = SystemMacros();
  while (full.size() < 500) full.push_back(HotKeyMacro("m", Key("Ctrl+D"), kScopeWindow));
  WriteFile(path, full);
  rig = std::make_unique<StoreRig>();
  rig->file.LoadFile(path);
  listener.events.clear();
  AddMacroCommand fullCommand(rig->file, rig->ui, listener, tools);
  EXPECT_FALSE(fullCommand.DoAdd());
  EXPECT_EQ(rig->Messages(), Lines{"message Error: Maximum number of hot keys has been reached.  Add not allowed."});
  EXPECT_TRUE(rig->ui.Shown().empty());
  EXPECT_TRUE(listener.events.empty());
}

TEST_F(AddMacroTest, AbortCreatesNothing) {
  ScriptedTools tools;
  test_support::RecordingListener listener;
  AddMacroCommand command(rig->file, rig->ui, listener, tools);
  const std::string before = ReadBytes(path);
  rig->ui.AnswerForm(TAddNewHotKey::kName, [&](Form& form) {
    auto& d = dynamic_cast<TAddNewHotKey&>(form);
    d.ChooseHotKey(Key("Win+R"));
    rig->ui.QueueYesNo(false);
    d.Click(d.scriptButton);
    d.Click(d.abortButton);
  });
  EXPECT_FALSE(command.DoAdd());
  EXPECT_TRUE(tools.handed.empty());
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(listener.events, (Lines{"lock", "release"}));
}

// --- System Hot Keys ---------------------------------------------------------------------

TEST_F(AddMacroTest, SystemHotKeysShowsTheFourActivationsAndTheMenuStyle) {
  TSystemKeys dialog(rig->file, 3, 2);
  dialog.FormShow([](std::string_view) { return TextSize{6, 13}; });
  EXPECT_EQ(dialog.caption, "System Hot Keys");
  for (int digit = 1; digit <= 4; ++digit) {
    EXPECT_EQ(dialog.MacroNumber(digit), digit);
    EXPECT_EQ(dialog.Field(digit).text, HotKeyName(261 + digit));
    EXPECT_TRUE(dialog.Field(digit).IsHotKeyField());
  }
  EXPECT_EQ(dialog.activeControl, &dialog.resume);
  EXPECT_TRUE(dialog.iconsRadio.checked);
  EXPECT_FALSE(dialog.firstPartRadio.checked || dialog.nickNameRadio.checked);
}

TEST_F(AddMacroTest, SystemHotKeysRules) {
  struct Press {
    int digit;
    std::uint16_t code;
  };
  struct Case {
    const char* name;
    std::vector<Press> presses;
    const char* radio;
    Lines messages;
    bool closes;
    std::array<std::uint16_t, 4> keysOnDisk;
    int systemMenu;
  };
  const auto inUse = [](const char* key) {
    return "message Error: The hot key \"" + std::string(key) +
           "\" is already in use by a macro.  If you wish to use this hot key combination, you will first need to "
           "either remove or move the macro which is assigned to it.";
  };
  const std::uint16_t ctrlD = Key("Ctrl+D"), ctrlE = Key("Ctrl+E");
  const std::string key262 = HotKeyName(262), key264 = HotKeyName(264);
  const std::vector<Case> cases{
      {"nothing pressed", {}, "NickNameRadio", {}, true, {262, 263, 264, 265}, 3},
      {"a free key", {{3, ctrlD}}, "FirstPartRadio", {}, true, {262, 263, ctrlD, 265}, 1},
      {"window and program users do not count", {{1, Key("Ctrl+B")}}, "IconsRadio", {}, true,
       {Key("Ctrl+B"), 263, 264, 265}, 2},
      {"the key of another system activation", {{3, 262}}, "IconsRadio", {inUse(key262.c_str())}, true,
       {262, 263, 264, 265}, 2},
      {"its own key", {{3, 264}}, "IconsRadio", {inUse(key264.c_str())}, true, {262, 263, 264, 265}, 2},
      {"a GLOBAL macro's key", {{2, Key("Ctrl+A")}}, "IconsRadio", {inUse("Ctrl+A")}, true, {262, 263, 264, 265}, 2},
      {"a popup menu's key", {{4, Key("Ctrl+C")}}, "IconsRadio", {inUse("Ctrl+C")}, true, {262, 263, 264, 265}, 2},
      {"one free key for two fields", {{1, ctrlD}, {2, ctrlD}}, "IconsRadio",
       {"message Error: The same hot key has been assigned to more than one system command."}, false,
       {262, 263, 264, 265}, 0},
      {"two free keys", {{1, ctrlD}, {4, ctrlE}}, "IconsRadio", {}, true, {ctrlD, 263, 264, ctrlE}, 2},
  };
  const std::string before = ReadBytes(path);
  for (const Case& c : cases) {
    test_support::WriteFileText(path, before);
    Load();
    TSystemKeys dialog(rig->file, 1, 3);
    dialog.FormShow([](std::string_view) { return TextSize{6, 13}; });
    for (const Press& p : c.presses) {
      const FormReply reply = dialog.HotKeyPressed(dialog.Field(p.digit), p.code);
      if (reply.kind == FormReply::Kind::Refuse) rig->ui.ShowMessage(reply.caption, reply.message);
    }
    dialog.Click(*dialog.Find(c.radio));
    const FormReply reply = rig->ui.Click(dialog, dialog.okButton);
    EXPECT_EQ(rig->Messages(), c.messages) << c.name;
    EXPECT_EQ(reply.kind == FormReply::Kind::Close, c.closes) << c.name;
    for (int digit = 1; digit <= 4; ++digit)
      EXPECT_EQ(RecordOnDisk(path, digit).Activation(), c.keysOnDisk[static_cast<std::size_t>(digit - 1)])
          << c.name << " " << digit;
    const bool moved = c.keysOnDisk != std::array<std::uint16_t, 4>{262, 263, 264, 265};
    EXPECT_EQ(dialog.changed, moved) << c.name;
    if (moved) {
      EXPECT_EQ(rig->index.table().Activation(1), c.keysOnDisk[0]) << c.name;
    }
    if (c.closes) {
      EXPECT_EQ(dialog.systemMenu, c.systemMenu) << c.name;
    }
  }
}

}  // namespace
}  // namespace tavrix
