// The main window of TAVRXP.EXE: the real window behind the portable
// `TMainWin`. It owns the menu, the macro list, the tray icon and the
// application's taskbar window, routes every message, timer and command to
// `TMainWin`, and carries out what `TMainWin` asks of its host.
#pragma once

#include <memory>
#include <string>

#include "platform/win32/control_blocks.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "platform/win32/windows_api.h"
#include "shell/config/configuration.h"
#include "shell/main_window.h"
#include "shell/main_window_host.h"
#include "shell/win32/macro_list_printer.h"
#include "shell/win32/macro_list_view.h"
#include "shell/win32/main_button_bar.h"
#include "shell/win32/main_menu.h"

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
    ControlBlocks& blocks;         // released when the main window closes
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
  // After `TMainWin::FormCreate`: the saved geometry, then `TMainWin::Start`
  // with the show command the program was started with.
  void Start(int showCommand);
  // Shutdown when FormCreate failed: nothing of the run is saved.
  void Abandon();

  // MainWindowHost
  WindowId Handle() override;
  void StartTimer(MainTimer timer, std::uint32_t milliseconds) override;
  void StopTimer(MainTimer timer) override;
  bool IsVisible() override;
  bool IsMinimized() override;
  void ShowFirst(FirstShow how) override;
  void ShowWindow() override;
  void HideWindow() override;
  void RestoreWindow() override;
  void MinimizeWindow() override;
  void BringToFront() override;
  void ShowTaskbarWindow(bool visible) override;
  bool ModalBoxOpen() override;
  void SetCaption(const std::string& caption) override;
  void RefillList() override;
  void RedrawList() override;
  int SelectedMacro() override;
  void SelectMacro(int n) override;
  void SetColumnWidths(const std::array<std::int32_t, 3>& widths) override;
  void ApplyAppearance(const Configuration& configuration) override;
  bool ChooseFont(FontSettings& font, bool printFont) override;
  bool PrintMacroList(const std::string& macroPath, const std::vector<PrintRow>& rows,
                      const FontSettings& font) override;
  void PrinterSetup() override;
  void SetMenuEnabled(Command command, bool enabled) override;
  void SetMenuChecked(Command command, bool checked) override;
  void SetMenuCaption(Command command, const std::string& caption) override;
  void SetRecentFiles(const RecentFiles& files) override;
  void ShowTrayIcon(bool shown) override;
  void SetPopupTrayIcons(const std::vector<PopupTrayIcon>& icons, const std::string& iconsFolder) override;
  void ShowRecordingIcon(bool shown) override;
  void ShowHelp(const std::string& helpFile, const std::string& keyword) override;
  void StoreWindowBounds() override;
  void Close() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  void OnNotify(NMHDR& header, LRESULT& result);
  // Runs a call into TMainWin; nothing may unwind through the system's frames.
  template <typename Call>
  void Dispatch(Call call);
  void ShowTrayMenu();
  void ApplyGeometry();
  void LayOut();
  void ReportError(const char* what);

  Services services_;
  TMainWin* main_ = nullptr;
  HWND window_ = nullptr;
  HWND applicationWindow_ = nullptr;
  MainMenu menu_;
  MacroListView list_;
  MainButtonBar buttons_;
  MacroListPrinter printer_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::unique_ptr<TTaskIcon> trayIcon_;
  std::vector<std::unique_ptr<TTaskIcon>> popupIcons_;
  std::vector<HICON> popupIconImages_;
  void ClearPopupTrayIcons();
  std::unique_ptr<TTaskIcon> recordingIcon_;
  bool released_ = false;      // the window and the control blocks are gone
  bool destroyed_ = false;
};

}  // namespace tavrix
