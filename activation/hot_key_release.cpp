#include "activation/hot_key_release.h"

#include "activation/hotkeys/hot_key_table.h"

namespace tavrix {
namespace {

constexpr std::uint8_t kVkShift = 16;
constexpr std::uint8_t kVkControl = 17;
constexpr std::uint8_t kVkMenu = 18;
constexpr std::uint8_t kVkLeftWin = 91;
constexpr std::uint8_t kVkRightWin = 92;

}  // namespace

bool HotKeyModifiersDown(Desktop& desktop, int code) {
  if (code < 0 || code >= kHotKeyCount) return false;
  const DecodedHotKey key = DecipherKey(code);
  return (key.shift && desktop.IsKeyDown(kVkShift)) || (key.ctrl && desktop.IsKeyDown(kVkControl)) ||
         (key.alt && desktop.IsKeyDown(kVkMenu)) ||
         (key.win && (desktop.IsKeyDown(kVkLeftWin) || desktop.IsKeyDown(kVkRightWin)));
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
