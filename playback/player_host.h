// What the player needs from the main window: the hot key name for the pause
// box caption, and the tray mode and main window handling around the pause
// box, the repeat prompt and the end of a playback. The defaults suit a
// program without a main window (the tavrix tool).
#pragma once

#include <cstdint>
#include <string>

namespace tavrix {

class PlayerHost {
 public:
  virtual ~PlayerHost() = default;
  // The hot key table's name of a hot key code.
  virtual std::string HotKeyName(std::uint16_t code) { return std::to_string(code); }
  // The program runs as a tray icon only (no main window).
  virtual bool InTrayMode() { return false; }
  // In tray mode: shows or hides the application's taskbar window.
  virtual void ShowTaskbarWindow(bool /*visible*/) {}
  virtual bool ProgramMinimized() { return false; }
  virtual void RestoreProgram() {}
  virtual void MinimizeProgram() {}
  virtual void ShowMainWindow() {}
};

}  // namespace tavrix
