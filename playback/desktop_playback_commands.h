// The player's window, program, web, sound, file, date/time and macro-file
// commands carried out on a Desktop. "<SWAP:" is handed to whoever owns the
// macro file (the main window) through a hook.
#pragma once

#include <functional>
#include <string>

#include "platform/desktop.h"
#include "playback/playback_commands.h"

namespace tavrix {

// Makes the named macro file the current one; playback goes on meanwhile.
using SwapMacroFileHook = std::function<void(const std::string& path)>;

class DesktopPlaybackCommands : public PlaybackCommands {
 public:
  explicit DesktopPlaybackCommands(Desktop& desktop, SwapMacroFileHook swapMacroFile = {})
      : desktop_(desktop), swapMacroFile_(std::move(swapMacroFile)) {}

  // Without a hook, "<SWAP:" does nothing.
  void SetSwapMacroFileHook(SwapMacroFileHook hook) { swapMacroFile_ = std::move(hook); }

  CommandOutcome Execute(const MacroElement& element, PlaybackState& state) override;
  std::string DateTimeText(const MacroElement& element) override;

 private:
  Desktop& desktop_;
  SwapMacroFileHook swapMacroFile_;
};

}  // namespace tavrix
