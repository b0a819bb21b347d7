// The 720 fixed hot keys: their names in code order and their decoding into
// the key, mouse button and modifiers that make them up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrix {

inline constexpr std::uint16_t kHotKeyCount = 720;
inline constexpr std::size_t kHotKeyNameCapacity = 24;

// Mouse buttons of a decoded hot key (and of the stop-capture keys).
inline constexpr std::uint8_t kNoMouseButton = 0;
inline constexpr std::uint8_t kLeftMouseButton = 1;
inline constexpr std::uint8_t kRightMouseButton = 2;
inline constexpr std::uint8_t kMiddleMouseButton = 3;

struct DecodedHotKey {
  std::uint16_t virtualKey = 0;  // 0 for the mouse codes
  std::uint8_t mouseButton = kNoMouseButton;
  bool win = false;
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
  bool operator==(const DecodedHotKey&) const = default;
};

// The name of a hot key code (at most 24 characters); empty outside 0..719.
const std::string& HotKeyName(int code);
// The code whose name is exactly `name`, or nothing.
std::optional<std::uint16_t> FindHotKey(std::string_view name);
// The key, button and modifiers of a code, as its name spells them; all
// zero outside 0..719.
DecodedHotKey DecipherKey(int code);

}  // namespace tavrix
