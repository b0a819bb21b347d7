// The main window object: owns the engine for the whole run (the macro index
// and file, the player, the busy flags, the configuration), handles the hook
// library's messages, the timers and the menu commands, and decides the
// menus' state. The Windows window procedure only routes here; tests drive it
// through the same calls on the simulated desktop.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/ui.h"
#include "shell/config/command_line.h"
#include "shell/config/configuration.h"
#include "shell/config/profile_file.h"
#include "shell/main_commands.h"
#include "shell/main_window_host.h"
#include "shell/type_ahead_search.h"
#include "store/hook_library.h"

namespace tavrix {

class FileChecks;
class MacroRecord;
class MacroIndex;
class MacroFile;
class MacroFileCommands;
class Player;
class ActivationDispatcher;
struct ForegroundMemory;

class TMainWin {
 public:
  // Everything outside the portable core the main window works with.
  struct Environment {
    Desktop& desktop;
    Ui& ui;
    HookLibrary& hooks;
    MainWindowHost& host;
    Configuration& configuration;
    ProfileFile& profile;        // where the configuration is saved at shutdown
    std::string programFolder;   // no trailing backslash
    std::string programFileName; // "TAVRXP.EXE"
    bool isNT = true;            // Windows NT 4 or later
    bool trayAllowed = true;     // the platform has a system tray
    bool mouseSwapped = false;   // the system swaps the mouse buttons
    // The mapped control blocks "TVTT1KGR" (104 bytes) and "TVKR1KGR"
    // (17 bytes) the hook library reads; without them the main window keeps
    // its own copies (tests, the tavrix tool).
    std::uint8_t* keySwapBlock = nullptr;
    std::uint8_t* windowBlock = nullptr;
    // The file system as the command dialogs check paths; none: every path
    // is missing.
    FileChecks* files = nullptr;
    // The user's own folder, for the capture file; none: the program folder.
    std::string scratchFolder = {};
  };

  explicit TMainWin(Environment environment);
  ~TMainWin();
  TMainWin(const TMainWin&) = delete;
  TMainWin& operator=(const TMainWin&) = delete;

  // --- Life cycle --------------------------------------------------------
  // Loads the configured macro file (publishing every entry) before the main
  // window exists.
  void LoadMacroFileAtStart();
  // Main window creation (`FormCreate`): key-swap state, table publishing,
  // activations, hooks, command-line switches, timers. False when a hook
  // could not be installed (the user has been told).
  bool FormCreate(const std::vector<CommandLineSwitch>& switches);
  // After FormCreate: the menus, the tray icon, the list and the first
  // showing of the window (none in tray mode; hidden again with "/HIDE").
  void Start(FirstShow how);
  // Shutdown (`FormClose`): removes every hook and saves the configuration.
  void FormClose();
  // The session ends: the shutdown steps run at once, whatever is running.
  void OnEndSession();
  // The program is ending: the tray logic leaves the window alone.
  bool Closing() const;

  // --- The hook library's messages ---------------------------------------
  // Every private message the window receives comes in here and goes to its
  // handler below; a number the program has no use for is ignored.
  void OnPrivateMessage(std::uint32_t message, std::uint32_t wParam, std::intptr_t lParam);
  void OnActivation(std::uint32_t wParam, WindowId focusWindow);  // message 2 (Fire)
  void OnAbort();                                                 // message 5
  void OnWordletCharacter(std::uint32_t state, std::uint8_t character);  // message 6
  void OnForegroundChanged(WindowId window);                      // message 7
  void OnCapsLockState(bool on);                                  // message 9
  void OnClearInUse();                                            // message 12
  void OnTimer(MainTimer timer);

  // --- Commands and the window's own events ----------------------------------
  // Every command of the menus and the tray icon's menu; one the menus show
  // disabled does nothing.
  void OnCommand(Command command);
  // The selected row of the list changed.
  void OnListSelectionChanged();
  // The macro list: a right click released on header column 1..3 (sorts by
  // it), a right click pressed and released on the row of macro n (Quick
  // Info), a double click on the selected row (the script editor), and a
  // key that changes the type-ahead search text.
  void OnHeaderRightClick(int column);
  void OnRowRightClick(int n);
  void OnListDoubleClick();
  void OnListSearchKey(SearchKey key, char character = 0);
  // The user resized a column of the list: the widths are kept at once.
  void OnColumnsResized(const std::array<std::int32_t, 3>& widths);
  // A click on the program's tray icon (`SysTrayOpen`).
  void OnTrayIconClick();
  // A right-click on the recording icon: the capture ends.
  void OnRecordingIconRightClick();
  // For "Add Macro": the "Capture Macro" dialog for new macro `n` (the count
  // + 1) whose activation is in `record` and in the table. True when the
  // capture started: the count was raised, and the caller appends `record`
  // at once; the recording arrives when the capture ends.
  bool CaptureNewMacro(MacroRecord& record, int n, bool noGlobal);
  // The program lost the activation (`AppDeactivate`).
  void OnAppDeactivate();
  // The minimise command of the window: true when the main window took care
  // of it (tray mode hides the program instead).
  bool OnMinimize();
  void ActivateMe();
  void MenuKeyHooksClick();
  // A form's hot key field gained (on) or lost the focus: the library sends
  // the hot keys pressed meanwhile to `window` instead of firing them.
  void SetSecWind(WindowId window, bool on);
  void MenuMouseHooksClick();
  // The system asks to start the screen saver: false refuses it.
  bool AllowScreenSaver() const;
  // Runs macro n as the dispatcher does (popup menus, playback, end key).
  void RunMacro(int n);
  // A right click on the tray icon of popup menu n at screen x: its menu
  // opens there for the window that was in front before the program.
  void MenuTaskIconRightClick(int n, int clickX);
  // "Build Macro Menu" on the existing popup menu n ("Mo&dify Popup Menu").
  void ModifyPopupMenu(int n);

  // --- State other parts read ---------------------------------------------
  MacroIndex& Index();
  MacroFile& File();
  MacroFileCommands& FileCommands();
  Player& GetPlayer();
  const StartupModes& Modes() const;
  // The list's row map: element r - 1 is the macro shown in row r.
  const std::vector<int>& RowMap() const;
  // A menu entry as the menus show it now.
  struct MenuEntryState {
    bool enabled = false;
    bool checked = false;
    std::string caption;
  };
  MenuEntryState MenuState(Command command) const;
  bool Paused() const;
  bool PopupShown() const;
  bool Capturing() const;
  bool InUse() const;
  bool TrayMode() const;
  // The dispatcher behind OnActivation and RunMacro (busy flags, the record
  // buffer the popup menus read, the last Caps Lock state).
  ActivationDispatcher& Dispatcher();
  // The last foreground windows (the popup menus return the focus there).
  const ForegroundMemory& Foreground() const;

 private:
  struct Engine;
  // Runs one event; a close asked for meanwhile happens when the outermost
  // event has returned.
  template <typename Call>
  void Enter(Call call);
  void Terminate();
  void ShutDown();
  void RunTimer(MainTimer timer);

  Environment env_;
  std::unique_ptr<Engine> engine_;
};

}  // namespace tavrix
