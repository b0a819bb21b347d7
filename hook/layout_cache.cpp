#include "hook/layout_cache.h"

namespace tavrix::hook {

const KeyCharacterMap* LayoutCache::find(std::uintptr_t layout) const {
  for (const Entry& entry : entries_)
    if (entry.read && entry.layout == layout) return &entry.map;
  return nullptr;
}

const KeyCharacterMap& LayoutCache::read(std::uintptr_t layout, const KeyCharacterMap::KeyScan& scan) {
  if (const KeyCharacterMap* known = find(layout)) return *known;
  Entry& entry = entries_[next_];
  next_ = (next_ + 1) % entries_.size();
  entry.layout = layout;
  entry.map = KeyCharacterMap::build(scan);
  entry.read = true;
  return entry.map;
}

}  // namespace tavrix::hook
