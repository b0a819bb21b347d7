// Inside the main window: the engine state it owns for the whole run and the
// small roles it plays for the other parts (the player's host, the file
// commands' listener, the dispatcher's host). Only the main window's own
// source files include this.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "activation/activation_dispatcher.h"
#include "activation/activation_host.h"
#include "activation/foreground_tracking.h"
#include "activation/popup_menu.h"
#include "activation/scheduler.h"
#include "activation/timed_macro_playback.h"
#include "activation/wordlets.h"
#include "capture/capture_session.h"
#include "playback/desktop_playback_commands.h"
#include "playback/player.h"
#include "playback/player_host.h"
#include "shell/config/configuration_saving.h"
#include "shell/macro_list_order.h"
#include "shell/main_window.h"
#include "shell/type_ahead_search.h"
#include "store/file_commands.h"
#include "store/file_version.h"
#include "store/macro_file.h"
#include "store/macro_index.h"
#include "store/date_time.h"
#include "store/macro_transfer.h"
#include "store/network_lock.h"
#include "store/shared_macro_table.h"

namespace tavrix {

// How often the Windows side checks that the hooks still see input.
inline constexpr std::uint32_t kHookWatchMs = 2000;
inline constexpr std::uint32_t kStartUpDelayMs = 5000;

struct TMainWin::Engine final : PlayerHost, TransferListener, ActivationHost, NetworkLockHost {
  Engine(TMainWin& owner, Environment& environment);

  // --- Start-up and shutdown steps -------------------------------------------
  bool InstallHooksAndPublish();
  void PublishStartUpFields();
  bool InstallKeySwapHook();
  void RemoveInstalledHooks();
  void ProcessParam(const CommandLineSwitch& startupSwitch);
  void LoadFileFromCommandLine(const std::string& path);
  void ShowFileState();
  // A hook handle, or 0 after telling the user which hook failed.
  HookHandle Checked(HookHandle hook, const char* hookName, bool terminating);

  // "&Remap": the remapper under the file-in-use check.
  void RemapClick();
  // Whenever a macro file's key-swap tables were loaded (once the hooks are
  // in), the swap hook follows them at once.
  void KeySwapStateChanged() override;

  // "<SWAP:" during a playback: the named file becomes the current one.
  void SwapMacroFile(const std::string& path);
  AlarmSettings Alarm() const;
  WordletOptions Wordlets() const;

  // --- Timed macros -------------------------------------------------------------
  // `CheckAndSetTime`: rebuilds the table of timed macros and runs the check
  // timer while it has any.
  void RearmScheduler() override;
  // One tick of the check timer: the due macros play, the caption follows.
  void CheckTimedMacros();
  // "Wordlet Options", "Scheduler Alarm", "Scheduler Frequency".
  void WordletOptionsClick();
  void AlarmClick();
  void TimerIntervalClick();
  // The caption with the date and time when they are shown.
  void RefreshCaption() { SetCaption(FileTitle(file.Path())); }

  // --- The menus ----------------------------------------------------------------
  // Works out every entry's state again and passes on what changed.
  void RefreshMenu();
  void SetEntry(Command command, bool enabled, bool checked, const std::string& caption, const char* builtCaption);
  bool Enabled(Command command) const;
  void ShowTrayMode();
  void SaveConfiguration() { configurationSaving.Save(env.configuration, env.profile, env.ui); }
  ConfigurationSaving configurationSaving;

  // --- The commands that need more than one call ---------------------------------
  void AfterFileCommand();
  void RemoveSelectedMacro();
  void ActivateSelectedMacro();
  void EditSelectedMacroScript();
  void ModifySelectedMacroDirectly();
  // "Modify Hot Key" on `record`, the macro numbered `n` (0: a new macro, its
  // activation already in the record); true when the user saved it. The
  // caller writes the record (and appends a new one) under its own
  // file-in-use check.
  bool RunModHotKeys(MacroRecord& record, int n);
  // The keyboard hook off and on again, around a form that must see every key.
  void UnHookTheKeyboard();
  void HookTheKeyboard();

  // --- The macro list (shell/main_window_list.cpp) ------------------------------
  SortOrders Orders() const;
  // Refills the list in the configured order, the selected macro selected again.
  void RefillKeepingSelection();
  void SortOrderClick();
  void AppearanceClick();
  void QuickInfoClick(int n);
  void OutputClick();
  void PrintClick();
  void PrinterFontClick();
  // "&Add Macro": the dialog, the tool it names, the new record.
  void AddMacroClick();
  // A macro that copy or rename made timed: the schedule dialog.
  void EditSchedule(MacroRecord& record) override;
  void HideProgram();
  void HideMainWindow() override;
  // Ends a playing macro as the abort key does, without its message, and
  // closes its open pause box or repeat prompt.
  void StopPlayback();

  // --- Network sharing ------------------------------------------------------------
  // The lock file of the current macro file (network mode is on).
  void PrepareNetworkLockFile();
  // The minute timer of automatic synchronisation, as the settings ask.
  void ArmSyncTimer(bool restartCount);
  void SyncTimerTick();
  // "Network Considerations".
  void NetworkOptions();
  // Copy, rename and import: the menu follows the list afterwards.
  void AfterTransfer(bool changed);

  // --- PlayerHost -------------------------------------------------------------
  std::string HotKeyName(std::uint16_t code) override;
  bool InTrayMode() override { return env.configuration.useTray; }
  void ShowTaskbarWindow(bool visible) override { env.host.ShowTaskbarWindow(visible); }
  bool ProgramMinimized() override { return env.host.IsMinimized(); }
  void RestoreProgram() override { env.host.RestoreWindow(); }
  void MinimizeProgram() override { env.host.MinimizeWindow(); }
  void ShowMainWindow() override { env.host.ShowWindow(); }

  // --- FileCommandListener -------------------------------------------------------
  // In network mode the new file's lock file is prepared at once.
  void MacroFilePathChanged(const std::string& path) override;
  void RefillMacroList() override;
  void SetCaption(const std::string& fileTitle) override;
  void SetListButtons(bool /*anyMacro*/) override { RefreshMenu(); }
  void RecentFilesChanged(const RecentFiles& files) override;
  // The configuration keeps the recent files.
  void KeepRecentFiles(const RecentFiles& files);
  void SelectAfterRemove(int n) override;
  bool TakeFileLock() override;
  void ReleaseFileLock(bool changed) override;

  // --- TransferListener -------------------------------------------------------------
  void SelectMacro(int n) override { env.host.SelectMacro(n); }
  // "Rename Macro" on a SYSTEM macro: "System Hot Keys".
  bool OpenSystemKeys(int digit) override;

  // --- NetworkLockHost --------------------------------------------------------------
  void StartNetTimer() override { env.host.StartTimer(MainTimer::Net, kNetTimerMs); }
  void StopNetTimer() override { env.host.StopTimer(MainTimer::Net); }
  // Popup tray icons, macro file, key-swap state, list (selection kept where
  // it can be), activations, menu, scheduler, popup tray icons again.
  void ReloadEverything() override;
  // Another program (the tavrix tool, a copy without network mode) changed
  // the macro file or its key-swap file since this copy read or wrote them.
  bool ChangedOnDisk();
  // The key-swap file whose tables are in force is as it is now.
  void RememberSwapFile(const std::string& path);
  // The check timer's look: a change made elsewhere is loaded while nothing
  // is using the index.
  void ReloadIfChangedOnDisk();

  // --- Popup menus (main_window_popup.cpp) ------------------------------------------
  // "Choose A Macro" for the menu in the record buffer; the macro chosen, 0 none.
  int ShowPopupMenu(const MacroRecord& menu) override;
  void ShowMenuForTopMostWindow() override { MenuTopWindow(); }
  // System activation "4": the macros that fit the window in front.
  void MenuTopWindow();
  // The executable file name of the program in front.
  std::string GetTopProgram();
  // `DoMenuTaskIcon` / `ClearMenuTaskIcon`.
  void BuildPopupTrayIcons() override;
  void RemovePopupTrayIcons() override;
  // "Build Macro Menu" on popup menu n; saved under the file-in-use check.
  void ModifyPopupMenu(int n);
  std::string QuickInfoText(int n);
  // The Icons folder below the program folder.
  IconFiles& Icons();

  // --- ActivationHost --------------------------------------------------------------
  void ActivateMe() override { owner.ActivateMe(); }
  void StartClearTimer() override { env.host.StartTimer(MainTimer::Clear, kClearTimerMs); }
  bool ReloadIfNetworkFileChanged() override;
  // System activation "2": a quick capture.
  void StartCaptureFromHotKey() override;

  // --- Capture ------------------------------------------------------------------------
  CaptureSettings CaptureDefaults() const;
  // "Capture Defaults" (Options, "&Capture").
  void CaptureDefaultsClick();
  // "Recapture Macro" of the selected macro.
  void RecaptureSelected();
  // The main window and the system as a capture needs them.
  struct CaptureSide final : CaptureHost {
    explicit CaptureSide(Engine& engine) : e(engine) {}
    bool TakeFileLock() override { return e.TakeFileLock(); }
    void ReleaseFileLock(bool changed) override { e.ReleaseFileLock(changed); }
    bool BrowseMode() override { return e.modes.browse || e.modes.lockedBrowse; }
    std::string TopProgram() override;
    void ShowRecordingIcon(bool shown) override { e.env.host.ShowRecordingIcon(shown); }
    void GetOutOfTheWay() override;
    void BeforeCapComplete() override;
    void AfterCapComplete() override;
    void BringMainToFront() override { e.env.host.BringToFront(); }
    void ShowMainWindow() override;
    void RefreshList(int select) override;
    void HotKeysChanged() override { e.RefreshMenu(); }
    Engine& e;
  };

  TMainWin& owner;
  Environment& env;
  MacroIndex index;
  MacroFile file;
  std::array<std::uint8_t, KeySwapControlBlock::kSize> ownKeySwapBlock{};
  std::array<std::uint8_t, WindowControlBlock::kSize> ownWindowBlock{};
  KeySwapControlBlock keySwap;
  WindowControlBlock windowBlock;
  MacroFileCommands fileCommands;
  DesktopPlaybackCommands commands;
  Player player;
  ActivationDispatcher dispatcher;
  WordletPlayer wordlets;
  Scheduler scheduler;
  ForegroundMemory foreground;
  StartupModes modes;
  NetworkLock netLock{env.ui, [this] { return env.desktop.Now(); }, *this};
  TransferCommands transfer{file, env.ui, *this, [this] { return env.desktop.Now(); }};
  CaptureSide captureSide{*this};
  CaptureSession capture{CaptureEnvironment{file, env.ui, SystemCaptureFiles(), captureSide,
                                            [this] { return ToDateTimeValue(env.desktop.Now()); },
                                            env.programFolder, env.scratchFolder}};
  int syncCount = 0;  // minutes counted by the synchronisation timer
  std::unique_ptr<IconFiles> icons;  // the Icons folder below the program folder
  std::optional<int> trayClickX;      // where the popup-menu tray icon was clicked
  // The key-swap file in force ("/F" keeps the configured file's) as last
  // loaded or saved.
  std::string swapFilePath;
  FileVersion swapFileVersion{SystemFileAccess()};
  int fileHolds = 0;                       // commands holding the right to change the file
  bool swapsInUse = false;
  // The swap and window hooks' handles (0 while not installed), kept here:
  // the control blocks only mirror them for other copies, and any program
  // may write there.
  HookHandle swapHook = 0;
  HookHandle cbtHook = 0;
  bool closed = false;

  std::map<Command, MenuEntryState> menu;
  std::vector<int> rowMap;  // row r - 1 -> macro number
  TypeAheadSearch search;
  bool printing = false;    // a printout is being made
  int hiddenSelection = 0;  // the macro selected when the window was hidden

  // Events run inside one another (a playback processes messages); a close
  // waits for the outermost one.
  int eventDepth = 0;
  bool closePending = false;
  bool closing = false;   // the tray logic leaves the window alone
  bool shutDown = false;  // the shutdown steps have run
};

// A playback processes messages while it runs, so a command or a message can
// arrive inside another one. A close that arrives then stops the playback and
// waits until the outermost event has returned; after it nothing runs.
template <typename Call>
void TMainWin::Enter(Call call) {
  Engine& e = *engine_;
  if (e.shutDown || e.closePending) return;
  ++e.eventDepth;
  try {
    call();
  } catch (...) {
    --e.eventDepth;
    throw;
  }
  --e.eventDepth;
  if (e.eventDepth == 0 && e.closePending) ShutDown();
}

}  // namespace tavrix
