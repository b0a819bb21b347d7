#include "activation/hot_key_replay.h"

#include <cstdint>

#include "activation/hotkeys/hot_key_table.h"

namespace tavrix {
namespace {

constexpr std::uint8_t kVkShift = 16;
constexpr std::uint8_t kVkControl = 17;
constexpr std::uint8_t kVkMenu = 18;
constexpr std::uint8_t kVkRightWin = 92;
constexpr std::uint32_t kMouseSettleMs = 50;

void ClickButton(Desktop& desktop, std::uint8_t button) {
  std::uint32_t down = 0;
  std::uint32_t up = 0;
  switch (button) {
    case kLeftMouseButton: down = mouse_flags::LeftDown, up = mouse_flags::LeftUp; break;
    case kRightMouseButton: down = mouse_flags::RightDown, up = mouse_flags::RightUp; break;
    case kMiddleMouseButton: down = mouse_flags::MiddleDown, up = mouse_flags::MiddleUp; break;
    default: return;
  }
  desktop.Wait(kMouseSettleMs);
  desktop.SendMouse(down, 0, 0, 0);
  desktop.SendMouse(up, 0, 0, 0);
}

}  // namespace

void ReplayHotKey(Desktop& desktop, int code) {
  const DecodedHotKey key = DecipherKey(code);
  if (key.win) desktop.SendKey(kVkRightWin, false);
  if (key.alt) desktop.SendKey(kVkMenu, false);
  if (key.ctrl) desktop.SendKey(kVkControl, false);
  if (key.shift) desktop.SendKey(kVkShift, false);
  if (key.mouseButton != kNoMouseButton) {
    ClickButton(desktop, key.mouseButton);
  } else if (key.virtualKey != 0) {
    const auto vk = static_cast<std::uint8_t>(key.virtualKey);
    desktop.SendKey(vk, false);
    desktop.SendKey(vk, true);
  }
  if (key.shift) desktop.SendKey(kVkShift, true);
  if (key.ctrl) desktop.SendKey(kVkControl, true);
  if (key.alt) desktop.SendKey(kVkMenu, true);
  if (key.win) desktop.SendKey(kVkRightWin, true);
}

}  // namespace tavrix
