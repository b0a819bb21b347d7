// The real window behind the portable main window: timers, its visibility,
// the caption, the macro list, the menus and the tray icon. It carries out
// what the main window decides and decides nothing itself. The Windows
// program implements it over its form; tests use a recording double.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "activation/popup_menu.h"
#include "platform/desktop.h"
#include "shell/config/configuration.h"
#include "shell/macro_list_print.h"
#include "shell/main_commands.h"
#include "store/recent_files.h"

namespace tavrix {

// The main window's timers.
enum class MainTimer : std::uint32_t {
  Clear = 1,      // 15000 ms one shot after each playback: clears the in-use mark
  StartUp = 2,    // 5000 ms one shot after start: start-up macros
  Scheduler = 3,  // every "Timer Seconds"
  HookWatch = 4,  // periodic check that the hooks still see input
  Net = 5,        // 30000 ms while this copy holds the network lock: its heartbeat
  Sync = 6,       // 60000 ms while automatic synchronisation is on: counts minutes
};

// How the main window shows the first time.
enum class FirstShow : std::uint8_t { Normal, Minimized, Maximized };

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;

  // The main window's handle (the hook library posts to it).
  virtual WindowId Handle() = 0;

  virtual void StartTimer(MainTimer timer, std::uint32_t milliseconds) = 0;
  virtual void StopTimer(MainTimer timer) = 0;

  // Visibility and state of the main window and the application.
  virtual bool IsVisible() = 0;
  virtual bool IsMinimized() = 0;
  virtual void ShowFirst(FirstShow how) = 0;
  // Shows the main window without taking the activation (BringToFront
  // does that).
  virtual void ShowWindow() = 0;
  virtual void HideWindow() = 0;
  virtual void RestoreWindow() = 0;
  virtual void MinimizeWindow() = 0;
  // Brings the main window in front of other programs (foreground hand-over).
  virtual void BringToFront() = 0;
  // The application's taskbar button (tray mode shows it around modal boxes).
  virtual void ShowTaskbarWindow(bool visible) = 0;
  // Whether a box of the program (the pause box, the top-most message) is open.
  virtual bool ModalBoxOpen() = 0;

  virtual void SetCaption(const std::string& caption) = 0;

  // The macro list: shows the index again, redraws its rows, and the row
  // selected (by macro number, 0 for none).
  virtual void RefillList() = 0;
  virtual void RedrawList() = 0;
  virtual int SelectedMacro() = 0;
  virtual void SelectMacro(int n) = 0;
  virtual void SetColumnWidths(const std::array<std::int32_t, 3>& widths) = 0;
  // The list's fonts and column widths and the toolbar or the letter panel
  // ("Use Speed"), as the configuration now says.
  virtual void ApplyAppearance(const Configuration& /*configuration*/) {}

  // The system's font dialog on `font`; false when cancelled. The print
  // font offers bold and italic only.
  virtual bool ChooseFont(FontSettings& /*font*/, bool /*printFont*/) { return false; }
  // The system's print dialog, then the printout of `rows` in `font` on the
  // chosen printer; false when cancelled or when nothing could be printed.
  virtual bool PrintMacroList(const std::string& /*macroPath*/, const std::vector<PrintRow>& /*rows*/,
                              const FontSettings& /*font*/) {
    return false;
  }
  // The system's printer setup dialog.
  virtual void PrinterSetup() {}

  // The menus.
  virtual void SetMenuEnabled(Command command, bool enabled) = 0;
  virtual void SetMenuChecked(Command command, bool checked) = 0;
  virtual void SetMenuCaption(Command command, const std::string& caption) = 0;
  // The recent files below "&Open File": the non-empty ones, with a
  // separator above them while any exists.
  virtual void SetRecentFiles(const RecentFiles& files) = 0;

  // The program's icon in the system tray (tray mode).
  virtual void ShowTrayIcon(bool shown) = 0;
  // The popup-menu tray icons: those shown before go, `icons` come (their
  // icon files in `iconsFolder`); a right click on one reaches
  // TMainWin::MenuTaskIconRightClick.
  virtual void SetPopupTrayIcons(const std::vector<PopupTrayIcon>& /*icons*/, const std::string& /*iconsFolder*/) {}
  // The recording icon in the system tray while a capture records (tool tip
  // "Macro Is Recording"); its right-click ends the capture.
  virtual void ShowRecordingIcon(bool /*shown*/) {}
  // Opens the help file at `keyword` (empty: its contents).
  virtual void ShowHelp(const std::string& helpFile, const std::string& keyword) = 0;

  // Takes the window's size and position into the configuration.
  virtual void StoreWindowBounds() = 0;
  // Ends the program's message loop (after the shutdown steps ran).
  virtual void Close() = 0;
};

}  // namespace tavrix
