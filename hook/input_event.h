// One keyboard or mouse button event as the hooks see it, before any stage
// of the pipeline has decided on it.
#pragma once

#include <cstdint>

namespace tavrix::hook {

struct InputEvent {
  enum class Kind : std::uint8_t { Key, Button, Wheel };

  Kind kind = Kind::Key;
  std::uint16_t vk = 0;     // keys: the virtual-key code
  std::uint8_t button = 0;  // buttons: 1 left, 2 right, 3 middle, as the device reports it
  bool up = false;
  bool marked = false;      // Tavrix's own input (kSyntheticInputMarker)
  // A key press that types this character instead of the key's own (a
  // remapped key); 0 for an ordinary event.
  std::uint8_t character = 0;
  // Where and when it happened, for a capture: the pointer on the screen,
  // the wheel's notches (positive forward), the event's time in
  // milliseconds, and the window in front with its place on the screen.
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int16_t notches = 0;
  std::uint32_t time = 0;
  std::uint32_t frontWindow = 0;
  std::int32_t frontLeft = 0;
  std::int32_t frontTop = 0;
  std::int32_t frontWidth = 0;
  std::int32_t frontHeight = 0;

  static constexpr InputEvent key(std::uint16_t vk, bool up, bool marked = false) {
    return InputEvent{Kind::Key, vk, 0, up, marked};
  }
  static constexpr InputEvent click(std::uint8_t button, bool up, bool marked = false) {
    return InputEvent{Kind::Button, 0, button, up, marked};
  }
  static constexpr InputEvent typed(std::uint16_t vk, std::uint8_t character) {
    return InputEvent{Kind::Key, vk, 0, false, false, character};
  }
  static constexpr InputEvent wheelTurn(std::int16_t notches) {
    InputEvent event{Kind::Wheel, 0, 0, false, false};
    event.notches = notches;
    return event;
  }
  constexpr bool isKey() const { return kind == Kind::Key; }
  constexpr bool isWheel() const { return kind == Kind::Wheel; }
  bool operator==(const InputEvent&) const = default;
};

}  // namespace tavrix::hook
