#include "hook/foreground_tracker.h"

namespace tavrix::hook {

std::optional<std::uintptr_t> ForegroundTracker::observe(std::uintptr_t foreground,
                                                         std::uintptr_t mainWindow) {
  if (foreground == 0 || mainWindow == 0 || foreground == reported_) return std::nullopt;
  reported_ = foreground;
  return foreground;
}

}  // namespace tavrix::hook
