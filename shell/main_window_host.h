// The real window behind the portable main window: timers, its visibility,
// the caption, the macro list and the menu. The Windows program implements it
// over its form; tests use a recording double.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace tavrix {

// The main window's timers.
enum class MainTimer : std::uint32_t {
  Clear = 1,      // 15000 ms one shot after each playback: clears the in-use mark
  StartUp = 2,    // 5000 ms one shot after start: start-up macros
  Scheduler = 3,  // every "Timer Seconds"
  HookWatch = 4,  // periodic check that the hooks still see input
};

// Menu entries whose state the portable main window decides.
enum class MenuEntry : std::uint32_t {
  Hide,                // "&Hide Tavrix"
  PlaceInSystemTray,   // "Place in System &Tray"
};

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
  virtual void ShowWindow() = 0;
  virtual void HideWindow() = 0;
  virtual void RestoreWindow() = 0;
  virtual void MinimizeWindow() = 0;
  // Brings the main window in front of other programs (foreground hand-over).
  virtual void BringToFront() = 0;
  // The application's taskbar button (tray mode shows it around modal boxes).
  virtual void ShowTaskbarWindow(bool visible) = 0;

  virtual void SetCaption(const std::string& caption) = 0;
  // The macro list shows the index again.
  virtual void RefillList() = 0;
  virtual void SetListButtons(bool anyMacro) = 0;
  virtual void SetMenuEnabled(MenuEntry entry, bool enabled) = 0;
  virtual void SetMenuChecked(MenuEntry entry, bool checked) = 0;

  // Ends the program's message loop (after the shutdown steps ran).
  virtual void Close() = 0;
};

}  // namespace tavrix
