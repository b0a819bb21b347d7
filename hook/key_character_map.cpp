#include "hook/key_character_map.h"

namespace tavrix::hook {
namespace {

// The shift states the map keeps: plain, Shift, Ctrl+Alt (AltGr), Shift+AltGr.
int stateIndex(int shiftState) {
  switch (shiftState) {
    case 0: return 0;
    case 1: return 1;
    case 6: return 2;
    case 7: return 3;
    default: return -1;  // Ctrl or Alt alone types no character
  }
}

// A small letter (ASCII or Latin-1) and its capital.
bool letterPair(std::uint8_t small, std::uint8_t capital) {
  if (small >= 'a' && small <= 'z') return capital == small - 32;
  if (small >= 0xE0 && small <= 0xFE && small != 0xF7) return capital == small - 32;
  return false;
}

// Keys VkKeyScan never names: the numeric keypad with Num Lock on (off, its
// keys arrive as the cursor keys).
constexpr std::uint16_t kMultiply = 106, kAdd = 107, kSubtract = 109, kDivide = 111;
constexpr std::uint16_t kNumpad0 = 96;

}  // namespace

KeyCharacterMap KeyCharacterMap::build(const KeyScan& scan) {
  KeyCharacterMap map;
  for (int c = 32; c <= 255; ++c) {
    const std::int16_t answer = scan(static_cast<std::uint8_t>(c));
    if (answer == -1) continue;
    const int vk = answer & 0xFF;
    const int state = stateIndex((answer >> 8) & 0xFF);
    if (state < 0 || vk == 0) continue;
    // Where two characters claim one key, the first (lowest) one stays.
    if (map.chars_[state][vk] == 0) map.chars_[state][vk] = static_cast<std::uint8_t>(c);
  }
  for (int d = 0; d <= 9; ++d) map.chars_[0][kNumpad0 + d] = static_cast<std::uint8_t>('0' + d);
  map.chars_[0][kMultiply] = '*';
  map.chars_[0][kAdd] = '+';
  map.chars_[0][kSubtract] = '-';
  map.chars_[0][kDivide] = '/';
  for (int vk = 0; vk < 256; ++vk) map.caps_[vk] = letterPair(map.chars_[0][vk], map.chars_[1][vk]);
  return map;
}

}  // namespace tavrix::hook
