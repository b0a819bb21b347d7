// From a key or mouse button and the modifiers held to the hot key code
// (0..719) they make. The hook asks this for every key, so the answer is one
// array read in tables filled once from the hot key table's own decoding.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "hook/modifiers.h"

namespace tavrix::hook {

class HotKeyLookup {
 public:
  // Fills the tables from DecipherKey for all 720 codes.
  HotKeyLookup();

  std::optional<std::uint16_t> forKey(std::uint16_t vk, Modifiers modifiers) const;
  // `button`: 1 left, 2 right, 3 middle.
  std::optional<std::uint16_t> forButton(std::uint8_t button, Modifiers modifiers) const;

 private:
  static constexpr std::int16_t kNone = -1;
  std::array<std::array<std::int16_t, kModifierCombinations>, 256> keys_;
  std::array<std::array<std::int16_t, kModifierCombinations>, 4> buttons_;
};

// The tables, built on the first call (the hook thread makes that call when
// it starts, before any hook is in).
const HotKeyLookup& hotKeyLookup();

// The code of virtual key `vk` pressed with `modifiers`, if it is a hot key.
// Modifier keys themselves, and keys outside the 720 combinations, have none.
std::optional<std::uint16_t> HotKeyCodeFor(std::uint16_t vk, Modifiers modifiers);
// The code of a mouse button (1 left, 2 right, 3 middle) clicked with
// `modifiers`, if it is a hot key.
std::optional<std::uint16_t> HotKeyCodeForButton(std::uint8_t button, Modifiers modifiers);

}  // namespace tavrix::hook
