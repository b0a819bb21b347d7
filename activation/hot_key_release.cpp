#include "activation/hot_key_release.h"

#include "base/hot_key_table.h"
#include "base/virtual_keys.h"

namespace tavrix {

bool HotKeyModifiersDown(Desktop& desktop, int code) {
  if (code < 0 || code >= kHotKeyCount) return false;
  const DecodedHotKey key = DecipherKey(code);
  return (key.shift && desktop.IsKeyDown(vk::kShift)) || (key.ctrl && desktop.IsKeyDown(vk::kControl)) ||
         (key.alt && desktop.IsKeyDown(vk::kMenu)) ||
         (key.win && (desktop.IsKeyDown(vk::kLeftWin) || desktop.IsKeyDown(vk::kRightWin)));
}

bool WaitForHotKeyRelease(Desktop& desktop, int code, std::uint32_t limitMs, std::uint32_t stepMs) {
  if (stepMs == 0) stepMs = 1;
  // Counted in steps rather than on the clock, so a clock that stands still
  // cannot make the wait endless.
  for (std::uint32_t waited = 0; HotKeyModifiersDown(desktop, code); waited += stepMs) {
    if (waited >= limitMs) return false;
    desktop.Wait(stepMs);
  }
  return true;
}

}  // namespace tavrix
