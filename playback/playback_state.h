// The state of one playback, kept by the player for the main window. Other
// parts read and change it: the dispatcher sets the target window and the
// Caps Lock flag before a playback, window commands replace the target window.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace tavrix {

// The one repeat buffer of the program: repeat blocks cannot nest.
struct RepeatBuffer {
  std::int32_t count = 0;
  std::string body;  // at most 5000 characters: it comes from one macro text
};

struct PlaybackState {
  bool abortRequested = false;
  double speedFactor = 1.0;  // 0 skips every scaled wait
  std::uint16_t keyDelay = 0;
  bool keyDelayOn = false;
  std::uint16_t mouseDelay = 0;
  bool mouseDelayOn = false;
  // The trigger reported Caps Lock on: Caps Lock is pressed once before the
  // playback and once after it.
  bool capsLockToggled = false;
  bool pauseShown = false;
  bool programWasMinimized = false;
  bool paused = false;  // a pause box is open
  bool inRepeatPasses = false;
  bool lastPass = false;
  std::int32_t repeatCounter = 0;
  RepeatBuffer repeatBuffer;
  WindowId targetWindow = 0;
  std::string launchTitle;  // at most 30 characters
  int screenWidth = 0;  // the extents absolute mouse moves are scaled by
  int screenHeight = 0;
  // The macro being played, for the pause box.
  std::string nickname;
  std::uint16_t activation = 0;
};

// Activation codes that are not hot keys.
inline constexpr std::uint16_t TimedMacroActivation = 10000;
inline constexpr std::uint16_t WordletActivation = 20000;

}  // namespace tavrix
