// The main window of TAVRXP.EXE: the real window behind the portable
// `TMainWin`. It owns the menu, the macro list, the tray icon and the
// application's taskbar window, routes the hook library's messages and the
// timers to `TMainWin`, and carries out what `TMainWin` asks of its host.
#pragma once

#include <memory>
#include <string>

#include "app/tavrxp/control_blocks.h"
#include "app/tavrxp/macro_list_view.h"
#include "app/tavrxp/main_menu.h"
#include "app/tavrxp/tray_icon.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "platform/win32/windows_api.h"
#include "shell/config/configuration.h"
#include "shell/config/profile_file.h"
#include "shell/main_window.h"
#include "shell/main_window_host.h"

namespace tavrix {

inline constexpr const char* kMainWindowClass = "TMainWin";
inline constexpr const char* kApplicationWindowClass = "TavrixApplication";
inline constexpr const char* kApplicationTitle = "Tavrix";

class MainForm : public MainWindowHost {
 public:
  struct Services {
    HINSTANCE instance;
    Win32Desktop& desktop;
    Win32Ui& ui;
    Configuration& configuration;
    ProfileFile& profile;          // "TAVRX.INI", where the settings are saved
    ControlBlocks& blocks;         // released when the main window closes
    std::string programFolder;
    bool isNT;
  };

  explicit MainForm(Services services);
  ~MainForm() override;
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Makes the application's taskbar window and the main window (hidden),
  // with its menu and list. False when a window could not be made.
  bool CreateWindows();
  // The portable main window this form serves; set before FormCreate.
  void Attach(TMainWin& main) { main_ = &main; }
  // After `TMainWin::FormCreate`: menus, tray icon, geometry, and the first
  // showing of the window in the requested state (not in tray mode).
  void Start(int showCommand);
  // Shutdown when FormCreate failed: nothing of the run is saved.
  void Abandon();

  // MainWindowHost
  WindowId Handle() override;
  void StartTimer(MainTimer timer, std::uint32_t milliseconds) override;
  void StopTimer(MainTimer timer) override;
  bool IsVisible() override;
  bool IsMinimized() override;
  void ShowWindow() override;
  void HideWindow() override;
  void RestoreWindow() override;
  void MinimizeWindow() override;
  void BringToFront() override;
  void ShowTaskbarWindow(bool visible) override;
  void SetCaption(const std::string& caption) override;
  void RefillList() override;
  void SetListButtons(bool anyMacro) override;
  void SetMenuEnabled(MenuEntry entry, bool enabled) override;
  void SetMenuChecked(MenuEntry entry, bool checked) override;
  void Close() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleSysCommand(WPARAM command);
  void OnCommand(UINT command);
  void OnNotify(NMHDR& header, LRESULT& result);
  void OnAppDeactivate();

  // Calls into TMainWin may run a macro and process messages meanwhile; a
  // close that arrives then waits until the call has returned.
  template <typename Call>
  void Dispatch(Call call);
  void Terminate();
  void FinishShutdown();

  void AfterFileCommand();
  void CheckTimeItem();
  // Enables a menu entry unless a browse mode forbids it.
  void EnableEntry(UINT command, bool enabled);
  bool BrowseForbids(UINT command) const;
  void ApplyBrowseModes();
  void ShowTrayMode(bool trayMode);
  void ToggleTrayMode();
  void ToggleScreenSaverOption();
  void RemoveSelectedMacro();
  void ActivateSelectedMacro();
  void StartMouseLocator();
  void OpenHelpContents();
  void ShowAbout();
  void ShowTrayMenu();
  void SysTrayOpen();
  void ShowAtStart(int showCommand);
  void ApplyGeometry();
  void StoreGeometry();
  void SaveConfiguration();
  void StoreColumnWidths();
  void LayOut();
  bool InBrowseMode() const;
  void ReportError(const char* what);

  Services services_;
  TMainWin* main_ = nullptr;
  HWND window_ = nullptr;
  HWND applicationWindow_ = nullptr;
  MainMenu menu_;
  MacroListView list_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::unique_ptr<TTaskIcon> trayIcon_;

  int dispatchDepth_ = 0;
  bool closePending_ = false;
  bool closing_ = false;       // the program is ending: the tray logic leaves the window alone
  bool shutDown_ = false;      // the shutdown steps have run
  bool destroyed_ = false;
  bool anyMacro_ = false;
  int hiddenSelection_ = 0;    // the macro selected when the window was hidden
};

}  // namespace tavrix
