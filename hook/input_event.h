// One keyboard or mouse button event as the hooks see it, before any stage
// of the pipeline has decided on it.
#pragma once

#include <cstdint>

namespace tavrix::hook {

struct InputEvent {
  enum class Kind : std::uint8_t { Key, Button };

  Kind kind = Kind::Key;
  std::uint16_t vk = 0;     // keys: the virtual-key code
  std::uint8_t button = 0;  // buttons: 1 left, 2 right, 3 middle, as the device reports it
  bool up = false;
  bool marked = false;      // Tavrix's own input (kSyntheticInputMarker)
  // A key press that types this character instead of the key's own (a
  // remapped key); 0 for an ordinary event.
  std::uint8_t character = 0;

  static constexpr InputEvent key(std::uint16_t vk, bool up, bool marked = false) {
    return InputEvent{Kind::Key, vk, 0, up, marked};
  }
  static constexpr InputEvent click(std::uint8_t button, bool up, bool marked = false) {
    return InputEvent{Kind::Button, 0, button, up, marked};
  }
  static constexpr InputEvent typed(std::uint16_t vk, std::uint8_t character) {
    return InputEvent{Kind::Key, vk, 0, false, false, character};
  }
  constexpr bool isKey() const { return kind == Kind::Key; }
  bool operator==(const InputEvent&) const = default;
};

}  // namespace tavrix::hook
