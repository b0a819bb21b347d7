// Where the main window goes at start from the size and position saved in
// the configuration.
#pragma once

#include <optional>

#include "shell/config/configuration.h"

namespace tavrix {

// The whole desktop over every screen.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The saved bounds, or nothing when none were saved. A position on a screen
// that is no longer there (less than half the window or 20 pixels of its
// top left would show) falls back to the top left corner.
std::optional<WindowBounds> PlaceOnScreen(const WindowBounds& saved, const ScreenArea& screen);

}  // namespace tavrix
