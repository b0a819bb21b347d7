// What the hooks do with one key or mouse button event: let it pass or
// swallow it, and which message to post. Covers hot keys, hot key entry, the
// abort key, the end-of-macro marker and Caps Lock. Runs on the hook thread
// for every event, so it reads only its own state, the settings it is given
// and one look-up table.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>

#include "hook/hook_settings.h"
#include "hook/key_state_tracker.h"

namespace tavrix::hook {

struct KeyEvent {
  std::uint16_t vk = 0;
  bool up = false;
  bool marked = false;  // Tavrix's own input (kSyntheticInputMarker)
};

struct ButtonEvent {
  std::uint8_t button = 0;  // 1 left, 2 right, 3 middle, as the device reports it
  bool up = false;
  bool marked = false;
};

// A message to post. The focus window is found by the caller, and only when
// asked for: the decision itself knows nothing of windows.
struct HookPost {
  std::uint32_t window = 0;
  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  bool focusWindowAsLParam = false;
  bool operator==(const HookPost&) const = default;
};

struct HookOutcome {
  bool swallow = false;
  std::optional<HookPost> post;
  // Press and release vk::kUnassigned (marked) soon, outside the hook.
  bool sendMenuBlocker = false;
  // The end-of-macro marker passed (LibraryState::macroEnded).
  bool macroEnded = false;
};

class HotKeyDecider {
 public:
  HookOutcome onKey(const KeyEvent& event, const HookSettings& settings);
  HookOutcome onButton(const ButtonEvent& event, const HookSettings& settings);

  KeyStateTracker& keys() { return keys_; }
  const KeyStateTracker& keys() const { return keys_; }

  // Forgets which key presses were swallowed whose releases are still to
  // come, except those `isDownNow` says are still held (their releases must
  // stay swallowed too). A lost button release needs no such care: the next
  // press of that button shows it.
  template <typename IsDown>
  void forgetReleasedSwallows(IsDown isDownNow) {
    for (std::size_t vk = 0; vk < swallowedKeys_.size(); ++vk) {
      if (swallowedKeys_[vk] && !isDownNow(static_cast<std::uint16_t>(vk))) swallowedKeys_[vk] = false;
    }
  }

 private:
  HookOutcome onMarkedKey(const KeyEvent& event, const HookSettings& settings);
  HookOutcome onUsersKeyDown(std::uint16_t vk, bool capsToggled, const HookSettings& settings);
  std::optional<HookOutcome> hotKeyPressed(std::uint16_t code, bool mouse,
                                           const HookSettings& settings) const;

  KeyStateTracker keys_;
  std::bitset<256> swallowedKeys_;    // presses swallowed, releases still to come
  std::bitset<4> swallowedButtons_;
};

}  // namespace tavrix::hook
