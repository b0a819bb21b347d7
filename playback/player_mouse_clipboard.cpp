// Mouse buttons, wheel and pointer moves; clipboard copy, paste and filling.
#include <cmath>

#include "platform/desktop.h"
#include "playback/player.h"

namespace tavrix {

namespace {

constexpr std::uint8_t VkControl = 17;
constexpr int WheelNotch = 120;

struct ButtonFlags {
  std::uint32_t down;
  std::uint32_t up;
};

ButtonFlags FlagsOf(MouseButtonId button) {
  switch (button) {
    case MouseButtonId::Right: return {mouse_flags::RightDown, mouse_flags::RightUp};
    case MouseButtonId::Middle: return {mouse_flags::MiddleDown, mouse_flags::MiddleUp};
    case MouseButtonId::Left: break;
  }
  return {mouse_flags::LeftDown, mouse_flags::LeftUp};
}

std::int32_t Scaled(int pixels, double scale) { return static_cast<std::int32_t>(std::trunc(pixels * scale)); }

}  // namespace

void Player::WaitMouseDelay() {
  if (state_.mouseDelayOn) PauseForMilliseconds(state_.mouseDelay);
}

// The buttons act wherever the pointer is; a double click has no gap.
void Player::ClickMouse(const MacroElement& element) {
  WaitMouseDelay();
  const ButtonFlags flags = FlagsOf(element.button);
  const int clicks = element.action == MouseAction::DoubleClick ? 2 : 1;
  for (int click = 0; click < clicks; ++click) {
    if (element.action != MouseAction::Up) desktop_.SendMouse(flags.down, 0, 0, 0);
    if (element.action != MouseAction::Down) desktop_.SendMouse(flags.up, 0, 0, 0);
  }
}

void Player::MovePointer(const MacroElement& element) {
  switch (element.kind) {
    case ElementKind::WheelForward:
    case ElementKind::WheelBackward: {
      const int notches = element.kind == ElementKind::WheelForward ? element.number : -element.number;
      WaitMouseDelay();
      desktop_.SendMouse(mouse_flags::Wheel, 0, 0, notches * WheelNotch);
      return;
    }
    case ElementKind::MoveInWindow: {
      const Rect rect = desktop_.WindowRect(desktop_.ForegroundWindow());
      const std::int32_t x = Scaled(element.number + rect.left, state_.scaleX);
      const std::int32_t y = Scaled(element.number2 + rect.top, state_.scaleY);
      WaitMouseDelay();
      desktop_.SendMouse(mouse_flags::Move | mouse_flags::Absolute, x, y, 0);
      return;
    }
    default: {
      const std::int32_t x = Scaled(element.number, state_.scaleX);
      const std::int32_t y = Scaled(element.number2, state_.scaleY);
      WaitMouseDelay();
      desktop_.SendMouse(mouse_flags::Move | mouse_flags::Absolute, x, y, 0);
      return;
    }
  }
}

// Ctrl with the letter, no key delay, no one-shot modifiers involved.
void Player::CopyOrPaste(std::uint8_t letter) {
  PostVKey(VkControl, false);
  PostVKey(letter, false);
  PostVKey(letter, true);
  PostVKey(VkControl, true);
}

void Player::FillClipboard(std::string_view text) {
  desktop_.SetClipboardText(std::string(text.substr(0, text.find('\0'))));
  PauseForNoSpeed(0.05);
}

void Player::FillClipboardFromFile(std::string_view file) {
  if (const std::optional<std::string> contents = ReadTextFile(file)) FillClipboard(*contents);
}

}  // namespace tavrix
