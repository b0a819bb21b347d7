// Export, import, copy and rename with their dialogs, answered as a user
// would through the simulated boxes.
#include <gtest/gtest.h>

#include "store/macro_transfer.h"
#include "store_test_support.h"
#include "tests/support/recording_listener.h"

namespace tavrix {
namespace {

using namespace testing_support;
using test_support::Lines;


struct TransferRig : StoreRig {
  test_support::RecordingListener listener;
  TransferCommands commands{file, ui, listener, [this] { return now; }};
};

MacroRecord Wordlet(const std::string& nick, const std::string& text) {
  MacroRecord r = HotKeyMacro(nick, kWordletActivation);
  r.SetWordletText(text);
  return r;
}

// The four system activations, then: 5 GLOBAL Ctrl+A, 6 window Ctrl+B,
// 7 popup Ctrl+C listing 5 and 6, 8 a Wordlet.
class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder.File("MINE.TVX");
    WriteFile(path, {SystemMacro(1, "Activate Tavrix"), SystemMacro(2, "Start / Stop Capture"),
                     SystemMacro(3, "Resume Pause"), SystemMacro(4, "Menu of Macros for Top Most Window"),
                     HotKeyMacro("global", 0), HotKeyMacro("window", 1, kScopeWindow), PopupMacro("menu", 2, {5, 6}),
                     Wordlet("word", "sig")});
    rig.file.LoadFile(path);
    ASSERT_EQ(rig.index.Count(), 8);
    rig.trace.Clear();
  }
  // Answers the next TCopyOrMove: the target set by `set`, then Ok.
  void Choose(std::function<void(TCopyOrMove&)> set) {
    rig.ui.AnswerForm("TCopyOrMove", [this, set](Form& form) {
      auto& dialog = dynamic_cast<TCopyOrMove&>(form);
      set(dialog);
      rig.ui.Click(dialog, dialog.okButton);
    });
  }
  ScratchFolder folder;
  std::string path;
  TransferRig rig;
};

TEST_F(TransferTest, TheCopyDialogRefusesBadTargets) {
  struct Case {
    const char* name;
    int n;  // the macro copied
    std::function<void(TCopyOrMove&)> set;
    const char* message;  // nothing: accepted
  };
  const auto wordlet = [](std::string text) {
    return [text](TCopyOrMove& d) {
      d.hotKeyRadio.checked = false;
      d.wordletRadio.checked = true;
      d.wordletName.text = text;
    };
  };
  const auto hotKey = [](int code) { return [code](TCopyOrMove& d) { d.keyList.itemIndex = code; }; };
  const std::string invalid =
      "message Error: The Wordlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' "
      "! @ # $ % ^ & _ = < > ? . ; , * - / +";
  const std::vector<Case> cases{
      {"empty Wordlet", 5, wordlet(""), "message Error: No Wordlet name was entered."},
      {"blank inside", 5, wordlet("two words"), invalid.c_str()},
      {"apostrophe", 5, wordlet("it's"), invalid.c_str()},
      {"leading blank is not trimmed", 5, wordlet(" abc"), invalid.c_str()},
      {"letters and !", 5, wordlet("Hello!"), nullptr},
      {"cut to 10 before the check", 5, wordlet("abcdefghij klm"), nullptr},
      {"no hot key", 5, hotKey(-1), "message Error: No hot key selected.  Please select one."},
      {"GLOBAL onto a popup's key", 5, hotKey(2),
       "message Error: A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The \"COPY\" did "
       "not take place."},
      {"GLOBAL onto a window macro's key", 5, hotKey(1), nullptr},
      {"window macro onto a GLOBAL key", 6, hotKey(0), nullptr},
  };
  for (const Case& c : cases) {
    TransferRig rig;
    rig.file.LoadFile(path);
    rig.trace.Clear();
    TCopyOrMove dialog(CopyOrMove::Copy, rig.index, c.n, rig.ui);
    c.set(dialog);
    const FormReply reply = rig.ui.Click(dialog, dialog.okButton);
    if (c.message == nullptr) {
      EXPECT_EQ(reply.kind, FormReply::Kind::Close) << c.name;
      EXPECT_TRUE(rig.Messages().empty()) << c.name;
    } else {
      EXPECT_EQ(reply.kind, FormReply::Kind::Refuse) << c.name;
      EXPECT_EQ(rig.Messages(), Lines{c.message}) << c.name;
    }
  }
}

TEST_F(TransferTest, AReservedKeyIsConfirmedAndNoStaysInTheDialog) {
  TCopyOrMove dialog(CopyOrMove::Move, rig.index, 5, rig.ui);
  EXPECT_EQ(dialog.caption, "Move Macro");
  EXPECT_EQ(dialog.activationLabel.text, "MOVE Ctrl+A");
  EXPECT_EQ(dialog.keyList.items[0], "Ctrl+A  (1 macro in use)");
  EXPECT_EQ(dialog.keyList.items[3], "Ctrl+D  (Not in Use)");
  dialog.keyList.itemIndex = 571;
  rig.ui.QueueYesNo(false);
  EXPECT_EQ(rig.ui.Click(dialog, dialog.okButton).kind, FormReply::Kind::Stay);
  rig.ui.QueueYesNo(true);
  EXPECT_EQ(rig.ui.Click(dialog, dialog.okButton).kind, FormReply::Kind::Close);
  EXPECT_EQ(rig.Messages(), Lines(2, "question Warning: Win+R may be used internally by Windows 95, 98 or NT.  This "
                                     "may cause the hot key not to function correctly.  Would you still like to use "
                                     "Win+R?"));
}

TEST_F(TransferTest, CopyAppendsTheWholeRecordUnderTheNewActivation) {
  Choose([](TCopyOrMove& d) { d.keyList.itemIndex = 9; });
  ASSERT_TRUE(rig.commands.DoCopy(7));  // the popup menu
  EXPECT_EQ(rig.commands.LastNumber(), 9);
  MacroRecord expected = RecordOnDisk(path, 7);
  expected.SetActivation(9);
  EXPECT_EQ(RecordOnDisk(path, 9).bytes(), expected.bytes());  // its list still 5, 6
  EXPECT_EQ(rig.index.Count(), 9);
  EXPECT_EQ(rig.listener.events, (Lines{"lock", "list", "select 9", "buttons on", "build icons", "release changed"}));
}

TEST_F(TransferTest, RenameToTimedLoadsTheDefaultScheduleOnce) {
  Choose([](TCopyOrMove& d) {
    d.hotKeyRadio.checked = false;
    d.timedRadio.checked = true;
  });
  ASSERT_TRUE(rig.commands.DoMove(8));
  const MacroRecord timed = RecordOnDisk(path, 8);
  EXPECT_EQ(timed.Activation(), kTimedActivation);
  EXPECT_EQ(timed.SchedKind(), kScheduleDaily);
  EXPECT_EQ(timed.SchedYear(), 2024);
  EXPECT_EQ(RecordsOnDisk(path), 8u);
  EXPECT_EQ(rig.listener.events, (Lines{"lock", "list", "select 8", "buttons on", "scheduler", "release changed"}));

  // A timed macro keeps its own schedule.
  MacroRecord changed = timed;
  changed.SetSchedKind(kScheduleHourly);
  ASSERT_TRUE(rig.file.SaveRecord(8, changed));
  Choose([](TCopyOrMove& d) {
    d.hotKeyRadio.checked = false;
    d.timedRadio.checked = true;
  });
  ASSERT_TRUE(rig.commands.DoCopy(8));
  EXPECT_EQ(RecordOnDisk(path, 9).SchedKind(), kScheduleHourly);
}

TEST_F(TransferTest, RefusalsComeBeforeTheLockAndACancelGivesItBackUnchanged) {
  EXPECT_FALSE(rig.commands.DoCopy(0));
  EXPECT_FALSE(rig.commands.DoMove(9));
  EXPECT_EQ(rig.Messages(), Lines(2, "message Error: No hot key selected.  Please select one."));
  EXPECT_TRUE(rig.listener.events.empty());
  const std::string before = ReadBytes(path);
  EXPECT_FALSE(rig.commands.DoMove(5));  // the dialog closed with its close box
  rig.listener.lockFree = false;
  EXPECT_FALSE(rig.commands.DoCopy(5));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(rig.listener.events, (Lines{"lock", "release", "lock"}));
}

TEST_F(TransferTest, ASystemHotKeyMayNotTakeAKeyInGlobalUse) {
  EXPECT_FALSE(rig.commands.RenameSystemHotKey(3, 262));  // system activation 1 has it
  EXPECT_FALSE(rig.commands.RenameSystemHotKey(3, 0));    // GLOBAL macro 5 has it
  EXPECT_EQ(rig.Messages().front(),
            "message Error: The hot key \"Ctrl+Alt+Shift+W\" is already in use by a macro.  If you wish to use this "
            "hot key combination, you will first need to either remove or move the macro which is assigned to it.");
  const MacroRecord before = RecordOnDisk(path, 3);
  ASSERT_TRUE(rig.commands.RenameSystemHotKey(3, 1));  // a window macro's key is free for it
  MacroRecord expected = before;
  expected.SetActivation(1);
  EXPECT_EQ(RecordOnDisk(path, 3).bytes(), expected.bytes());
}

TEST_F(TransferTest, ExportWritesTheChosenRecordsByteForByteInFileOrder) {
  const std::string out = folder.File("OUT.TVX");
  rig.ui.AnswerForm("TMyExport", [&](Form& form) {
    auto& dialog = dynamic_cast<TMyExport&>(form);
    EXPECT_EQ(dialog.numbers, (std::vector<int>{5, 6, 7, 8}));  // no SYSTEM macro
    rig.ui.Click(dialog, dialog.saveButton);                     // nothing chosen yet
    dialog.macroList.selected = {false, true, true, false};
    rig.ui.Click(dialog, dialog.saveButton);
  });
  rig.ui.QueueFileName(out);
  ASSERT_TRUE(rig.commands.DoExport());
  const std::string all = ReadBytes(path);
  EXPECT_EQ(ReadBytes(out), all.substr(5 * kMacroRecordSize, 2 * kMacroRecordSize));
  EXPECT_EQ(rig.Messages(),
            (Lines{"message Error: No Hot Key Macros have been selected for exporting.", "message ok: Export Complete"}));
  EXPECT_TRUE(rig.listener.events.empty());  // no network lock
}

TEST_F(TransferTest, ExportNeverOverwritesTheMacroFileOrAMissingFolder) {
  const std::string before = ReadBytes(path);
  for (const std::string& out : {path, folder.File("no/such/OUT.TVX")}) {
    rig.trace.Clear();
    EXPECT_FALSE(rig.commands.ExportTo(out, {5}));
    EXPECT_EQ(rig.Messages(), Lines{"message Error: Unable to create export file."});
  }
  EXPECT_EQ(ReadBytes(path), before);
}

// Another copy removes macro 5 while the rename dialog is open, so macro 6
// is now 5 and the popup menu stands at 6: the rename must not write over it.
TEST_F(TransferTest, ARenameRefusesWhenAnotherCopyMovedTheMacroMeanwhile) {
  StoreRig other;
  other.file.LoadFile(path);
  Choose([&](TCopyOrMove& d) {
    ASSERT_TRUE(other.file.DeleteRecord(5));
    d.keyList.itemIndex = 9;
  });
  EXPECT_FALSE(rig.commands.DoMove(6));
  std::vector<std::string> names = NickNamesOnDisk(path);
  EXPECT_EQ(names, (std::vector<std::string>{"Activate Tavrix", "Start / Stop Capture", "Resume Pause",
                                             "Menu of Macros for Top Most Window", "window", "menu", "word"}));
  EXPECT_EQ(RecordOnDisk(path, 5).Activation(), 1);
  EXPECT_EQ(rig.Messages().back(), "message Error: Macro 6 was changed or moved by another program since it was "
                                   "read, so nothing was saved.  Please try again.");
}

// An export whose write fails leaves a file of that name as it was.
TEST_F(TransferTest, AFailedExportKeepsTheOldFile) {
  const std::string out = folder.File("OUT.TVX");
  WriteFile(out, {HotKeyMacro("kept", 3)});
  rig.access.failReplacementFile = true;
  EXPECT_FALSE(rig.commands.ExportTo(out, {5, 6}));
  EXPECT_EQ(NickNamesOnDisk(out), std::vector<std::string>{"kept"});
  EXPECT_FALSE(std::filesystem::exists(out + ".NEW"));
}

class ImportTest : public TransferTest {
 protected:
  // Opens `from` in the import dialog, selects rows by `select`, clicks Ok.
  bool Import(const std::string& from, std::function<bool(const ImportEntry&)> select) {
    rig.ui.QueueFileName(from);
    rig.ui.AnswerForm("TMyImport", [&, select](Form& form) {
      auto& dialog = dynamic_cast<TMyImport&>(form);
      rig.ui.Click(dialog, dialog.openButton);
      if (dialog.importPath.empty()) return;  // the user gives up
      for (std::size_t row = 0; row < dialog.entries.size(); ++row)
        dialog.macroList.selected[row] = select(dialog.entries[row]);
      rig.ui.Click(dialog, dialog.okButton);
    });
    return rig.commands.DoImport();
  }
  static bool All(const ImportEntry&) { return true; }
};

TEST_F(ImportTest, SystemMacrosAreNeverListedAndGlobalKeysInUseAreSkipped) {
  const std::string from = folder.File("FROM.TVX");
  WriteFile(from, {SystemMacro(1, "Activate Tavrix"), HotKeyMacro("new", 20), HotKeyMacro("clash", 1),
                   HotKeyMacro("window clash", 0, kScopeWindow)});
  rig.ui.QueueYesNo(true);
  ASSERT_TRUE(Import(from, All));
  EXPECT_EQ(rig.commands.ImportedNumbers(), (std::vector<int>{9, 10}));
  EXPECT_EQ(RecordOnDisk(path, 9).bytes(), RecordOnDisk(from, 2).bytes());
  EXPECT_EQ(RecordOnDisk(path, 10).bytes(), RecordOnDisk(from, 4).bytes());
  EXPECT_EQ(rig.Messages(),
            (Lines{"message Warning: A Global Hot Key for Ctrl+B already exists.  This macro will not be imported.",
                   "question Warning: One or macro were flagged to be excluded from the import.  Continue import "
                   "anyway?"}));
  EXPECT_EQ(rig.listener.events, (Lines{"lock", "list", "release changed"}));
}

TEST_F(ImportTest, TheFiveHundredLimitImportsTheFirstOnesAfterTheQuestion) {
  std::vector<MacroRecord> many = PlainMacros(495);
  for (MacroRecord& r : many) r.SetActivation(kTimedActivation);
  WriteFile(path, many);
  rig.file.LoadFile(path);  // 495 + the four system activations
  ASSERT_EQ(rig.index.Count(), 499);
  const std::string from = folder.File("TEN.TVX");
  std::vector<MacroRecord> ten = PlainMacros(10);
  for (MacroRecord& r : ten) r.SetActivation(kWordletActivation);
  WriteFile(from, ten);
  rig.trace.Clear();
  rig.ui.QueueYesNo(false);
  EXPECT_FALSE(Import(from, All));
  EXPECT_EQ(RecordsOnDisk(path), 499u);
  rig.ui.QueueYesNo(true);
  ASSERT_TRUE(Import(from, All));
  EXPECT_EQ(rig.commands.ImportedNumbers(), (std::vector<int>{500}));
  EXPECT_EQ(RecordOnDisk(path, 500).NickName(), "m1");
  EXPECT_EQ(rig.Messages()[0],
            "message Warning: The maximum capacity of macros per file will be exceeded. The last 9 macros selected "
            "will not be imported.");
  // The lock is given back marking a change both times, also when nothing came in.
  EXPECT_EQ(rig.listener.events,
            (Lines{"lock", "release changed", "lock", "list", "release changed"}));
}

TEST_F(ImportTest, FilesThatAreNotWholeTvxRecordsAreRefused) {
  const std::string cut = folder.File("CUT.TVX");
  WriteFile(cut, {HotKeyMacro("a", 30)}, 7);
  const std::string other = folder.File("OTHER.TXT");
  WriteFile(other, {HotKeyMacro("a", 30)});
  for (const std::string& from : {cut, other, folder.File("MISSING.TVX")}) {
    rig.trace.Clear();
    EXPECT_FALSE(Import(from, All));
  }
  EXPECT_EQ(RecordsOnDisk(path), 8u);
  EXPECT_EQ(rig.Messages(), Lines{"message Error: Unable to open import file."});
  rig.trace.Clear();
  Import(other, All);
  EXPECT_EQ(rig.Messages(),
            Lines{"message Error: Improper file type selected.  Please choose a different file."});
}

// The disk fills after the first of two records: that one stays, the user
// learns how many came in, and the import answers that it failed.
TEST_F(ImportTest, APartialImportSaysSoAndFails) {
  const std::string from = folder.File("FROM.TVX");
  WriteFile(from, {HotKeyMacro("one", 20), HotKeyMacro("two", 21)});
  rig.access.failWriteNumber = 2;
  EXPECT_FALSE(Import(from, All));
  EXPECT_EQ(rig.commands.ImportedNumbers(), std::vector<int>{9});
  EXPECT_EQ(RecordsOnDisk(path), 9u);
  EXPECT_EQ(rig.Messages().back(), "message Error: Only 1 of the 2 macros selected were imported.");
}

TEST_F(ImportTest, NothingSelectedIsAnError) {
  const std::string from = folder.File("FROM.TVX");
  WriteFile(from, {HotKeyMacro("new", 20)});
  EXPECT_FALSE(Import(from, [](const ImportEntry&) { return false; }));
  EXPECT_EQ(rig.Messages(), Lines{"message Error: No macros are flagged for import.  Click on the macros you wish to "
                                  "import."});
}

}  // namespace
}  // namespace tavrix
