// Which character each key types in one keyboard layout, built in advance
// from the layout's key scans (VkKeyScan's answers for the characters 32 to
// 255), so that the hooks read a typed character with one table look-up.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

namespace tavrix::hook {

class KeyCharacterMap {
 public:
  // VkKeyScan's answer for a character: low byte the virtual key, high byte
  // the shift state (1 Shift, 2 Ctrl, 4 Alt); -1 when no key types it.
  using KeyScan = std::function<std::int16_t(std::uint8_t character)>;

  // Asks `scan` about every character 32..255; never on the hook path.
  static KeyCharacterMap build(const KeyScan& scan);

  // The character the key types with Shift, with AltGr (Ctrl and Alt
  // together) and with Caps Lock; 0 when it types none.
  std::uint8_t character(std::uint16_t vk, bool shift, bool altGr, bool capsLock) const {
    if (vk >= 256) return 0;
    const bool shifted = (!altGr && caps_[vk]) ? shift != capsLock : shift;
    return chars_[(altGr ? 2u : 0u) | (shifted ? 1u : 0u)][vk];
  }

 private:
  // [plain, Shift, AltGr, Shift + AltGr][vk]
  std::array<std::array<std::uint8_t, 256>, 4> chars_{};
  std::bitset<256> caps_;  // keys on which Caps Lock works as Shift
};

}  // namespace tavrix::hook
