// The character maps of the keyboard layouts met so far. Reading a layout
// asks the system about 224 characters, too slow for the hook path: the hooks
// only look a layout up, and a layout they do not find yet is read after the
// hook has returned (or when the window in front changes), ready for the
// next key.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "hook/key_character_map.h"

namespace tavrix::hook {

class LayoutCache {
 public:
  // The layout's map when read already; null otherwise. Never reads one.
  const KeyCharacterMap* find(std::uintptr_t layout) const;

  // Reads the layout unless it is known; the oldest layout gives way when
  // all places are taken. Pointers from `find` may then point to another
  // layout's map: look them up again.
  const KeyCharacterMap& read(std::uintptr_t layout, const KeyCharacterMap::KeyScan& scan);

  static constexpr std::size_t kPlaces = 6;

 private:
  struct Entry {
    std::uintptr_t layout = 0;
    bool read = false;
    KeyCharacterMap map;
  };
  std::array<Entry, kPlaces> entries_;
  std::size_t next_ = 0;
};

}  // namespace tavrix::hook
