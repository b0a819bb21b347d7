// The modifier keys held with a key or click, as one small value that also
// indexes the hot key look-up tables.
#pragma once

#include <cstdint>

namespace tavrix::hook {

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool win = false;

  // 0..15: Ctrl 1, Alt 2, Shift 4, Win 8.
  constexpr unsigned index() const {
    return (ctrl ? 1u : 0u) | (alt ? 2u : 0u) | (shift ? 4u : 0u) | (win ? 8u : 0u);
  }
  constexpr bool any() const { return shift || ctrl || alt || win; }
  bool operator==(const Modifiers&) const = default;
};

inline constexpr unsigned kModifierCombinations = 16;

}  // namespace tavrix::hook
