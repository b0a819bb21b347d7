// What the player needs from the main window: the hot key name for the pause
// box caption, and the program's own windows, which the foreground hand-over
// moves around the pause box, the repeat prompt, the top-most message and
// the end of a playback.
#pragma once

#include <cstdint>
#include <string>

#include "platform/foreground_handover.h"

namespace tavrix {

class PlayerHost : public ProgramWindows {
 public:
  // The hot key table's name of a hot key code.
  virtual std::string HotKeyName(std::uint16_t code) = 0;
};

// A program without a main window (the tavrix tool, the player's own tests):
// hot keys by number, no tray icon, no window to move.
class WindowlessPlayerHost : public PlayerHost {
 public:
  std::string HotKeyName(std::uint16_t code) override { return std::to_string(code); }
  bool InTrayMode() override { return false; }
  void ShowTaskbarWindow(bool /*visible*/) override {}
  bool ProgramMinimized() override { return false; }
  void RestoreProgram() override {}
  void MinimizeProgram() override {}
  void ShowMainWindow() override {}
  void HideMainWindow() override {}
};

}  // namespace tavrix
