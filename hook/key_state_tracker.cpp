#include "hook/key_state_tracker.h"

#include "base/virtual_keys.h"

namespace tavrix::hook {

namespace {

// The left and right codes of a generic modifier code, or 0, 0.
struct Sides {
  std::uint16_t left = 0;
  std::uint16_t right = 0;
};

Sides sidesOf(std::uint16_t generic) {
  switch (generic) {
    case vk::kShift: return {vk::kLeftShift, vk::kRightShift};
    case vk::kControl: return {vk::kLeftControl, vk::kRightControl};
    case vk::kMenu: return {vk::kLeftMenu, vk::kRightMenu};
    default: return {};
  }
}

}  // namespace

bool KeyStateTracker::observe(std::uint16_t code, bool up) {
  if (code >= down_.size()) return false;
  const bool wasDown = down_[code];
  down_[code] = !up;
  // A generic release means the modifier is up, whichever side the system
  // took the press for; a modifier wrongly left down would spoil every
  // hot key after it.
  if (up) {
    const Sides sides = sidesOf(code);
    if (sides.left != 0) {
      down_[sides.left] = false;
      down_[sides.right] = false;
    }
  }
  if (code == vk::kCapital && !up && !wasDown) {
    capsLock_ = !capsLock_;
    return true;
  }
  return false;
}

bool KeyStateTracker::anyDown(std::uint16_t generic, std::uint16_t left,
                              std::uint16_t right) const {
  return down_[generic] || down_[left] || down_[right];
}

Modifiers KeyStateTracker::modifiers() const {
  Modifiers m;
  m.shift = anyDown(vk::kShift, vk::kLeftShift, vk::kRightShift);
  m.ctrl = anyDown(vk::kControl, vk::kLeftControl, vk::kRightControl);
  m.alt = anyDown(vk::kMenu, vk::kLeftMenu, vk::kRightMenu);
  m.win = down_[vk::kLeftWin] || down_[vk::kRightWin];
  return m;
}

void KeyStateTracker::resyncModifiers(const std::function<bool(std::uint16_t)>& isDownNow) {
  for (std::uint16_t code : {vk::kShift, vk::kControl, vk::kMenu}) down_[code] = false;
  for (std::uint16_t code : {vk::kLeftShift, vk::kRightShift, vk::kLeftControl, vk::kRightControl,
                             vk::kLeftMenu, vk::kRightMenu, vk::kLeftWin, vk::kRightWin}) {
    down_[code] = isDownNow(code);
  }
}

}  // namespace tavrix::hook
