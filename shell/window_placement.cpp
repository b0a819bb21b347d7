#include "shell/window_placement.h"

namespace tavrix {

std::optional<WindowBounds> PlaceOnScreen(const WindowBounds& saved, const ScreenArea& screen) {
  if (saved.width <= 0 || saved.height <= 0) return std::nullopt;
  const int right = screen.left + screen.width;
  const int bottom = screen.top + screen.height;
  const bool onScreen = saved.left >= screen.left - saved.width / 2 && saved.left < right - 20 &&
                        saved.top >= screen.top && saved.top < bottom - 20;
  WindowBounds placed = saved;
  if (!onScreen) placed.left = placed.top = 0;
  return placed;
}

}  // namespace tavrix
