// Which modifiers are down and whether Caps Lock is on, followed from the
// hook's own key events. The system's key state cannot stand in for it: inside
// a low-level hook it does not yet include the event being decided (and under
// Wine it lags one more event).
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>

#include "hook/modifiers.h"

namespace tavrix::hook {

class KeyStateTracker {
 public:
  // Follows one key event, whoever sent it. True when it switched Caps Lock
  // (the first press of VK_CAPITAL, not its auto-repeat).
  bool observe(std::uint16_t vk, bool up);

  Modifiers modifiers() const;
  bool capsLockOn() const { return capsLock_; }
  bool isDown(std::uint16_t vk) const { return vk < down_.size() && down_[vk]; }

  // Takes the modifiers from the system's asynchronous key state (when the
  // hook may have missed releases: on a new or reinstalled hook, or after a
  // quiet spell, e.g. the secure desktop of Ctrl+Alt+Del hides the keys).
  void resyncModifiers(const std::function<bool(std::uint16_t vk)>& isDownNow);
  void setCapsLock(bool on) { capsLock_ = on; }

 private:
  bool anyDown(std::uint16_t generic, std::uint16_t left, std::uint16_t right) const;
  std::bitset<256> down_;
  bool capsLock_ = false;
};

}  // namespace tavrix::hook
