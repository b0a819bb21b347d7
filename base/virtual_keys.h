// The Windows virtual-key codes the portable core names (the hook's
// decisions, playback, the dispatcher), without <windows.h>.
#pragma once

#include <cstdint>

namespace tavrix::vk {

inline constexpr std::uint16_t kCancel = 3;    // Ctrl+Pause/Break arrives as this
inline constexpr std::uint16_t kShift = 16;
inline constexpr std::uint16_t kControl = 17;
inline constexpr std::uint16_t kMenu = 18;     // Alt
inline constexpr std::uint16_t kPause = 19;
inline constexpr std::uint16_t kCapital = 20;  // Caps Lock
inline constexpr std::uint16_t kLeftWin = 91;
inline constexpr std::uint16_t kRightWin = 92;
inline constexpr std::uint16_t kNumpad0 = 96;
inline constexpr std::uint16_t kLeftShift = 160;
inline constexpr std::uint16_t kRightShift = 161;
inline constexpr std::uint16_t kLeftControl = 162;
inline constexpr std::uint16_t kRightControl = 163;
inline constexpr std::uint16_t kLeftMenu = 164;
inline constexpr std::uint16_t kRightMenu = 165;

// A code no key and no layout uses. Pressed after a swallowed Alt or Win hot
// key, it stands between the modifier's press and its release, so releasing
// the modifier does not open the target's menu (or the Start menu).
inline constexpr std::uint16_t kUnassigned = 0xE8;

// Shift, Ctrl, Alt or Win in any of their generic, left and right codes.
constexpr bool isModifier(std::uint16_t code) {
  switch (code) {
    case kShift: case kControl: case kMenu: case kLeftWin: case kRightWin:
    case kLeftShift: case kRightShift: case kLeftControl: case kRightControl:
    case kLeftMenu: case kRightMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace tavrix::vk
