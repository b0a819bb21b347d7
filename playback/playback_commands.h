// The commands of a macro text that act on windows, programs, files, sounds,
// web addresses and the macro file, and the text of date and time tags. The
// player calls them; the real ones are implemented on top of Desktop.
#pragma once

#include <string>

#include "playback/macro_element.h"
#include "playback/playback_state.h"

namespace tavrix {

enum class CommandOutcome {
  Continue,  // go on with the next element
  EndText,   // the window was not found: the current text ends as if it had ended
};

class PlaybackCommands {
 public:
  virtual ~PlaybackCommands() = default;

  // One of: Activate, Launch, LaunchWait, LaunchOrActivate (the player has
  // already stored their launch title in the state), WindowQuit, WindowHide,
  // WindowShow, WindowMaximize, WindowMinimize, WindowRestore, WindowClose,
  // WindowSize, WindowPosition, Http, Ftp, WaveWait, WaveNoWait, Beep,
  // ChangeFolder, DeleteFile, CopyFile, RenameFile, Swap.
  virtual CommandOutcome Execute(const MacroElement& element, PlaybackState& state) = 0;

  // The characters a Date or Time element types; the player types them as
  // plain characters.
  virtual std::string DateTimeText(const MacroElement& element) = 0;
};

}  // namespace tavrix
