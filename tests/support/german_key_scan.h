// A German keyboard layout, as far as the hook tests need it, answering as
// VkKeyScan does (low byte the key, high byte 1 Shift, 6 AltGr): Y and Z
// change places, @ is AltGr+Q, # has its own key, ? is Shift+\xDF, and the
// umlaut keys type \xE4 and \xC4.
#pragma once

#include <cstdint>
#include <map>

namespace tavrix::test_support {

inline std::int16_t GermanKeyScan(std::uint8_t c) {
  static const std::map<std::uint8_t, std::int16_t> keys = {
      {'y', 'Z'}, {'Y', 0x100 | 'Z'}, {'z', 'Y'}, {'Z', 0x100 | 'Y'}, {'@', 0x600 | 'Q'},
      {'q', 'Q'}, {'#', 0xBF},        {'?', 0x100 | 0xDB}, {0xDF, 0xDB}, {0xE4, 0xDE}, {0xC4, 0x100 | 0xDE}};
  const auto it = keys.find(c);
  return it == keys.end() ? std::int16_t{-1} : it->second;
}

}  // namespace tavrix::test_support
