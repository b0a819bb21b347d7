// Mouse buttons, wheel and pointer moves; clipboard copy, paste and filling.
#include <cmath>
#include <limits>

#include "platform/desktop.h"
#include "base/virtual_keys.h"
#include "playback/player.h"

namespace tavrix {

namespace {

constexpr int WheelNotch = 120;

struct ButtonFlags {
  std::uint32_t down;
  std::uint32_t up;
  std::uint8_t bit;  // in Run::buttonsDown
};

constexpr ButtonFlags kLeft{mouse_flags::LeftDown, mouse_flags::LeftUp, 1};
constexpr ButtonFlags kRight{mouse_flags::RightDown, mouse_flags::RightUp, 2};
constexpr ButtonFlags kMiddle{mouse_flags::MiddleDown, mouse_flags::MiddleUp, 4};

ButtonFlags FlagsOf(MouseButtonId button) {
  switch (button) {
    case MouseButtonId::Right: return kRight;
    case MouseButtonId::Middle: return kMiddle;
    case MouseButtonId::Left: break;
  }
  return kLeft;
}

// A position in the 0..65535 units of an absolute move. The system maps
// units back to pixels as units x extent / 65536, rounded down, so the
// smallest unit count of pixel p, p x 65536 / extent rounded up, lands on p
// itself (65535 / extent, cut down, lands one pixel short). A tiny screen
// makes the scale large, so a far position (<MMS:99999,99999> on a screen 1
// pixel wide) can pass the 32-bit range: it stops at the range's end, which
// lies past the screen's edge as the position does.
std::int32_t Scaled(int pixels, int extent) {
  if (extent <= 0) return 0;
  const double units = std::ceil(static_cast<double>(pixels) * 65536.0 / extent);
  if (!(units >= static_cast<double>(std::numeric_limits<std::int32_t>::min()))) {
    return units > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
  }
  if (units >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(units);
}

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
  if (!run_) return;
  if (element.action == MouseAction::Down) {
    run_->buttonsDown |= flags.bit;
  } else {
    run_->buttonsDown &= static_cast<std::uint8_t>(~flags.bit);
  }
}

void Player::ReleaseButtonsLeftDown() {
  for (const ButtonFlags& button : {kLeft, kRight, kMiddle}) {
    if (run_->buttonsDown & button.bit) desktop_.SendMouse(button.up, 0, 0, 0);
  }
  run_->buttonsDown = 0;
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
      const std::int32_t x = Scaled(element.number + rect.left, state_.screenWidth);
      const std::int32_t y = Scaled(element.number2 + rect.top, state_.screenHeight);
      WaitMouseDelay();
      desktop_.SendMouse(mouse_flags::Move | mouse_flags::Absolute, x, y, 0);
      return;
    }
    default: {
      const std::int32_t x = Scaled(element.number, state_.screenWidth);
      const std::int32_t y = Scaled(element.number2, state_.screenHeight);
      WaitMouseDelay();
      desktop_.SendMouse(mouse_flags::Move | mouse_flags::Absolute, x, y, 0);
      return;
    }
  }
}

// Ctrl with the letter, no key delay, no one-shot modifiers involved.
void Player::CopyOrPaste(std::uint8_t letter) {
  PostVKey(vk::kControl, false);
  PostVKey(letter, false);
  PostVKey(letter, true);
  PostVKey(vk::kControl, true);
}

void Player::FillClipboard(std::string_view text) {
  desktop_.SetClipboardText(std::string(text.substr(0, text.find('\0'))));
  PauseForNoSpeed(0.05);
}

void Player::FillClipboardFromFile(std::string_view file) {
  if (const std::optional<std::string> contents = ReadTextFile(file)) FillClipboard(*contents);
}

}  // namespace tavrix
