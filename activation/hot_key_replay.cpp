#include "activation/hot_key_replay.h"

#include <cstdint>

#include "base/hot_key_table.h"
#include "base/virtual_keys.h"

namespace tavrix {
namespace {

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
  if (key.win) desktop.SendKey(vk::kRightWin, false);
  if (key.alt) desktop.SendKey(vk::kMenu, false);
  if (key.ctrl) desktop.SendKey(vk::kControl, false);
  if (key.shift) desktop.SendKey(vk::kShift, false);
  if (key.mouseButton != kNoMouseButton) {
    ClickButton(desktop, key.mouseButton);
  } else if (key.virtualKey != 0) {
    const auto vk = static_cast<std::uint8_t>(key.virtualKey);
    desktop.SendKey(vk, false);
    desktop.SendKey(vk, true);
  }
  if (key.shift) desktop.SendKey(vk::kShift, true);
  if (key.ctrl) desktop.SendKey(vk::kControl, true);
  if (key.alt) desktop.SendKey(vk::kMenu, true);
  if (key.win) desktop.SendKey(vk::kRightWin, true);
}

}  // namespace tavrix
