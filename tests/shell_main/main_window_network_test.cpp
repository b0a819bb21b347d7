// Network sharing in the main window: another copy of the program (a second
// lock and macro file over the same folder) changes the shared file while
// this one runs; "Network Considerations"; the synchronisation timer; the
// commands that move macros.
#include <array>
#include <filesystem>

#include "base/key_swap_alphabet.h"
#include "editing/script_editor.h"
#include "main_window_fixture.h"
#include "shell/network_considerations.h"
#include "store/key_swap_file.h"
#include "store/macro_transfer.h"
#include "store/network_lock.h"
#include "tests/support/scratch_folder.h"

namespace tavrix::testing {
namespace {

// The other copy: its own boxes, index, file and lock on the same macro file
// (without network mode, another program such as the tavrix tool).
struct OtherCopy : test_support::SimWorld {
  explicit OtherCopy(const std::string& path, bool networked = true) {
    lock.SetEnabled(networked);
    if (networked) lock.Prepare(path);
    file.LoadFile(path);
  }
  // Changes macro n's text under the lock, as its editors do.
  void ChangeText(int n, const std::string& text) {
    SyncFileHold hold(lock);
    ASSERT_TRUE(hold.Taken());
    MacroRecord record;
    ASSERT_TRUE(file.ReadRecord(n, record));
    record.SetMacroText(text);
    ASSERT_TRUE(file.SaveRecord(n, record));
    hold.Changed();
  }
  RecordingHookLibrary hooks;
  MacroIndex index;
  MacroFile file{index, hooks, ui, [] { return LocalDateTime{2024, 3, 15, 12, 0, 0, 0}; }};
  NetworkLockHost host;
  NetworkLock lock{ui, [] { return LocalDateTime{2024, 3, 15, 12, 0, 0, 0}; }, host};
};

class NetworkWindowTest : public MainWindowTest {
 protected:
  void StartNetworked(const std::vector<MacroRecord>& macros) {
    configuration.networkMode = true;
    configuration.autoSync = false;
    ASSERT_TRUE(Start(WithSystemEntries(macros)));
    other = std::make_unique<OtherCopy>(macroPath);
    desktop.Trace().Clear();
    host.lines.clear();
  }
  std::unique_ptr<OtherCopy> other;
};

TEST_F(NetworkWindowTest, AHotKeyAfterAnotherCopysChangePlaysTheChangedMacro) {
  StartNetworked({Macro("greeting", kCtrlA, "old")});
  other->ChangeText(5, "new");
  window->OnActivation(kCtrlA, 0);
  EXPECT_EQ(TypedLetters(Trace()), "new");
  EXPECT_TRUE(host.Saw("RefillList"));  // everything was reloaded first
  desktop.Trace().Clear();
  window->OnActivation(kCtrlA, 0);  // no change since: plays as it is
  EXPECT_EQ(TypedLetters(Trace()), "new");
}

TEST_F(NetworkWindowTest, CopyWaitsForTheOtherCopyThenReloadsThenWorks) {
  StartNetworked({Macro("greeting", kCtrlA, "hi")});
  host.selected = 5;
  ui.AnswerFormAlways("TCopyOrMove", [this](Form& form) {
    auto& dialog = dynamic_cast<TCopyOrMove&>(form);
    dialog.keyList.itemIndex = kCtrlB;
    ui.Click(dialog, dialog.okButton);
  });
  {
    SyncFileHold held(other->lock);  // the other copy is in the middle of a change
    window->OnCommand(Command::CopyMacro);
    EXPECT_EQ(Messages(), Lines{"message Error: Macro File in use by another user.  Please try again later."});
    held.Changed();
  }
  window->OnCommand(Command::CopyMacro);
  EXPECT_EQ(Messages().back(),
            "message Notice: Macro File has changed by another user.  Changed macro file will be reloaded after "
            "clicking \"ok\".");
  EXPECT_EQ(test_support::RecordsOnDisk(macroPath), 5u);
  window->OnCommand(Command::CopyMacro);
  ASSERT_EQ(test_support::RecordsOnDisk(macroPath), 6u);
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 6).Activation(), kCtrlB);
  EXPECT_EQ(host.selected, 6);
  const std::optional<LockRecord> lock = other->lock.Read();
  ASSERT_TRUE(lock);
  EXPECT_EQ(lock->changeCount, 3);
  EXPECT_EQ(lock->lockState, kLockFree);
  EXPECT_TRUE(host.Saw("StartTimer 5 30000"));  // the heartbeat ran while it held the lock
  EXPECT_FALSE(host.TimerRunning(MainTimer::Net));
}

TEST_F(NetworkWindowTest, TheScriptingEditorOpensOnlyUnderTheLockAndMarksItsSave) {
  StartNetworked({Macro("greeting", kCtrlA, "hi")});
  host.selected = 5;
  {
    SyncFileHold held(other->lock);
    window->OnCommand(Command::ScriptingEditor);  // no editor is answered: it must not open
    EXPECT_EQ(Messages(), Lines{"message Error: Macro File in use by another user.  Please try again later."});
  }
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    auto& editor = static_cast<TDoScripting&>(form);
    editor.nickName.text = "renamed";
    editor.Click(editor.okButton);
  });
  window->OnCommand(Command::ScriptingEditor);
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).NickName(), "renamed");
  const std::optional<LockRecord> lock = other->lock.Read();
  ASSERT_TRUE(lock);
  EXPECT_EQ(lock->lockState, kLockFree);
  EXPECT_EQ(lock->changeCount, 2);  // the other copy will reload before its next change

  ui.AnswerForm(TDoScripting::kName, ui.Answer("CancelButton"));
  window->OnCommand(Command::ScriptingEditor);
  EXPECT_EQ(other->lock.Read()->changeCount, 2);  // a cancel changes nothing
}

TEST_F(NetworkWindowTest, DeactivateWaitsWhileAnotherCopyHoldsTheFile) {
  StartNetworked({Macro("greeting", kCtrlA, "hi")});
  host.selected = 5;
  window->OnListSelectionChanged();
  {
    SyncFileHold held(other->lock);
    window->OnCommand(Command::ActivateMacro);
    EXPECT_EQ(Messages(), Lines{"message Error: Macro File in use by another user.  Please try again later."});
  }
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).Active(), 1);
  EXPECT_EQ(Table().Active(5), 1);
  window->OnCommand(Command::ActivateMacro);
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).Active(), 0);
  EXPECT_EQ(Table().Active(5), 0);
  const std::optional<LockRecord> lock = other->lock.Read();
  ASSERT_TRUE(lock);
  EXPECT_EQ(lock->changeCount, 2);  // given back marked changed
  EXPECT_EQ(lock->lockState, kLockFree);
}

TEST_F(NetworkWindowTest, NetworkConsiderationsStoresTheSettingsAndRunsTheMinuteTimer) {
  ASSERT_TRUE(Start(WithSystemEntries({})));
  const std::string lockPath = folder.File("TAVRX.MAS");
  ASSERT_FALSE(std::filesystem::exists(lockPath));
  ui.AnswerForm("TNetworkConsiderations", [this](Form& form) {
    auto& dialog = dynamic_cast<TNetworkConsiderations&>(form);
    EXPECT_FALSE(dialog.autoSyncBox.enabled);
    ui.Click(dialog, dialog.fileLockingBox);
    EXPECT_TRUE(dialog.autoSyncBox.enabled);
    dialog.autoSyncBox.checked = true;
    dialog.minutesEdit.text = "2";
    ui.Click(dialog, dialog.okButton);
  });
  const std::size_t writes = profile.writes;
  window->OnCommand(Command::Network);
  EXPECT_TRUE(configuration.networkMode);
  EXPECT_TRUE(configuration.autoSync);
  EXPECT_EQ(configuration.syncMinutes, 2);
  EXPECT_TRUE(std::filesystem::exists(lockPath));  // prepared when locking was switched on
  EXPECT_TRUE(host.TimerRunning(MainTimer::Sync));
  EXPECT_GT(profile.writes, writes);

  host.lines.clear();
  window->OnTimer(MainTimer::Sync);
  EXPECT_FALSE(host.Saw("RefillList"));
  window->OnTimer(MainTimer::Sync);  // the second minute reloads, changed or not
  EXPECT_TRUE(host.Saw("RefillList"));

  ui.AnswerForm("TNetworkConsiderations", [this](Form& form) {
    auto& dialog = dynamic_cast<TNetworkConsiderations&>(form);
    dialog.minutesEdit.text = "0";
    ui.Click(dialog, dialog.okButton);
  });
  window->OnCommand(Command::Network);
  EXPECT_FALSE(configuration.autoSync);
  EXPECT_FALSE(host.TimerRunning(MainTimer::Sync));
}

TEST_F(NetworkWindowTest, WithoutNetworkModeNoLockFileIsMade) {
  ASSERT_TRUE(Start(WithSystemEntries({Macro("greeting", kCtrlA, "hi")})));
  host.selected = 5;
  ui.AnswerFormAlways("TCopyOrMove", [this](Form& form) {
    auto& dialog = dynamic_cast<TCopyOrMove&>(form);
    dialog.keyList.itemIndex = kCtrlB;
    ui.Click(dialog, dialog.okButton);
  });
  window->OnCommand(Command::CopyMacro);
  EXPECT_EQ(test_support::RecordsOnDisk(macroPath), 6u);
  EXPECT_FALSE(std::filesystem::exists(folder.File("TAVRX.MAS")));
}

// Without network mode another program changes the file: the running copy
// never acts on its old index.
class OtherProgramTest : public MainWindowTest {
 protected:
  void StartWithThree() {
    ASSERT_TRUE(Start(WithSystemEntries(
        {Macro("hello", kCtrlA, "hello there"), Macro("jump", kCtrlB, "jump"), Macro("kline", kCtrlC, "kline")})));
    other = std::make_unique<OtherCopy>(macroPath, false);
    desktop.Trace().Clear();
    host.lines.clear();
  }
  std::unique_ptr<OtherCopy> other;
};

TEST_F(OtherProgramTest, AHotKeyAfterAnotherProgramRemovedAMacroPlaysItsOwnMacro) {
  StartWithThree();
  ASSERT_TRUE(other->file.DeleteRecord(5));
  window->OnActivation(kCtrlB, 0);
  EXPECT_EQ(TypedLetters(Trace()), "jump");
}

TEST_F(OtherProgramTest, ACommandOnAMovedRowReloadsFirstAndNeverWritesAnotherMacro) {
  StartWithThree();
  host.selected = 6;  // "jump"
  ASSERT_TRUE(other->file.DeleteRecord(5));
  window->OnCommand(Command::ScriptingEditor);  // no editor is answered: it must not open
  EXPECT_EQ(Messages().back(),
            "message Notice: Macro File has changed by another user.  Changed macro file will be reloaded after "
            "clicking \"ok\".");
  EXPECT_EQ(host.selected, 5);  // the same macro, at its new number
  ui.AnswerForm(TDoScripting::kName, [](Form& form) {
    auto& editor = static_cast<TDoScripting&>(form);
    editor.nickName.text = "renamed";
    editor.Click(editor.okButton);
  });
  window->OnCommand(Command::ScriptingEditor);
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).NickName(), "renamed");
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 6).NickName(), "kline");

  // The other program removes the macro while its editor is open: the save
  // must not land on the macro that moved into its place.
  ui.AnswerForm(TDoScripting::kName, [this](Form& form) {
    ASSERT_TRUE(other->file.DeleteRecord(5));
    static_cast<TDoScripting&>(form).nickName.text = "again";
    form.Clicked(static_cast<TDoScripting&>(form).okButton);
  });
  window->OnCommand(Command::ScriptingEditor);
  EXPECT_EQ(test_support::RecordOnDisk(macroPath, 5).NickName(), "kline");
}

TEST_F(OtherProgramTest, TheCheckTimerLoadsChangesToTheMacroAndKeySwapFiles) {
  StartWithThree();
  window->OnTimer(MainTimer::HookWatch);
  EXPECT_FALSE(host.Saw("RefillList"));  // nothing changed
  // A change of the same size at once after the load: the stamp alone may
  // not tell it.
  other->ChangeText(7, "kjump");
  window->OnTimer(MainTimer::HookWatch);
  EXPECT_TRUE(host.Saw("RefillList"));
  window->OnActivation(kCtrlC, 0);
  EXPECT_EQ(TypedLetters(Trace()), "kjump");

  std::array<std::uint8_t, kSwapTablesSize> tables{};
  InitSwapKeys(tables);
  tables[SwapPosition('a')] = 'b';
  ASSERT_EQ(SaveSwapKeys(SwapFileName(macroPath), tables), SwapSaveResult::Saved);
  const std::size_t hooksBefore = hooks.CountOf("TvxHookSwap");
  window->OnTimer(MainTimer::HookWatch);
  EXPECT_EQ(hooks.CountOf("TvxHookSwap"), hooksBefore + 1);
}

// "/F" keeps the configured file's key-swap tables: its own key-swap file is
// no change made elsewhere.
TEST_F(OtherProgramTest, AFileFromTheCommandLineIsNoChangeMadeElsewhere) {
  const std::string other = folder.File("OTHER.TVX");
  WriteMacroFile(other, WithSystemEntries({Macro("other", kCtrlB, "b")}));
  ASSERT_TRUE(Start(SystemEntries(), {{StartupSwitch::LoadFile, 0, other}}));
  host.selected = 5;
  ui.AnswerForm(TDoScripting::kName, ui.Answer("CancelButton"));
  window->OnCommand(Command::ScriptingEditor);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(LinesStartingWith(Trace(), "form " + std::string(TDoScripting::kName)).size(), 1u);
}

}  // namespace
}  // namespace tavrix::testing
