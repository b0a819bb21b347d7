#include "hook/hot_key_lookup.h"

#include "base/hot_key_table.h"

namespace tavrix::hook {

HotKeyLookup::HotKeyLookup() {
  for (auto& row : keys_) row.fill(kNone);
  for (auto& row : buttons_) row.fill(kNone);
  for (int code = 0; code < kHotKeyCount; ++code) {
    const DecodedHotKey key = DecipherKey(code);
    const Modifiers modifiers{key.shift, key.ctrl, key.alt, key.win};
    if (key.mouseButton != kNoMouseButton) {
      if (key.mouseButton < buttons_.size())
        buttons_[key.mouseButton][modifiers.index()] = static_cast<std::int16_t>(code);
    } else if (key.virtualKey != 0 && key.virtualKey < keys_.size()) {
      keys_[key.virtualKey][modifiers.index()] = static_cast<std::int16_t>(code);
    }
  }
}

std::optional<std::uint16_t> HotKeyLookup::forKey(std::uint16_t vk, Modifiers modifiers) const {
  if (vk >= keys_.size()) return std::nullopt;
  const std::int16_t code = keys_[vk][modifiers.index()];
  if (code == kNone) return std::nullopt;
  return static_cast<std::uint16_t>(code);
}

std::optional<std::uint16_t> HotKeyLookup::forButton(std::uint8_t button,
                                                     Modifiers modifiers) const {
  if (button == 0 || button >= buttons_.size()) return std::nullopt;
  const std::int16_t code = buttons_[button][modifiers.index()];
  if (code == kNone) return std::nullopt;
  return static_cast<std::uint16_t>(code);
}

const HotKeyLookup& hotKeyLookup() {
  static const HotKeyLookup lookup;
  return lookup;
}

std::optional<std::uint16_t> HotKeyCodeFor(std::uint16_t vk, Modifiers modifiers) {
  return hotKeyLookup().forKey(vk, modifiers);
}

std::optional<std::uint16_t> HotKeyCodeForButton(std::uint8_t button, Modifiers modifiers) {
  return hotKeyLookup().forButton(button, modifiers);
}

}  // namespace tavrix::hook
