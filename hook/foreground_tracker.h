// Decides when a foreground change is reported to the main window. Both the
// window event and the poll feed it, so a change is reported once however it
// was noticed.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrix::hook {

class ForegroundTracker {
 public:
  // The window to report when `foreground` differs from the last window
  // reported. Nothing is reported while there is no main window to tell
  // (the change stays pending until there is one) or while the foreground is
  // empty, which it briefly is during every switch.
  std::optional<std::uintptr_t> observe(std::uintptr_t foreground, std::uintptr_t mainWindow);

  // Forget the last report, so the next observation reports the current
  // foreground window again (a newly installed watcher).
  void reset() { reported_ = 0; }

 private:
  std::uintptr_t reported_ = 0;
};

}  // namespace tavrix::hook
