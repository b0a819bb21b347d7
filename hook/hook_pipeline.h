// Every key and mouse button event the hooks see passes this ordered chain
// of stages on the hook thread (the chain itself is in hook_chain.cpp). The
// pipeline keeps what all stages share: the key state, and which presses were
// swallowed, so that their auto-repeats and releases are swallowed too
// without any stage seeing them again.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "hook/hook_outcome.h"
#include "hook/hook_settings.h"
#include "hook/hook_stage.h"
#include "hook/input_event.h"
#include "hook/key_state_tracker.h"

namespace tavrix::hook {

using HookStages = std::vector<std::unique_ptr<HookStage>>;

// The program's chain of stages, in order.
HookStages standardStages();

class HookPipeline {
 public:
  HookPipeline() : HookPipeline(standardStages()) {}
  explicit HookPipeline(HookStages stages) : stages_(std::move(stages)) {}

  // Decides one event. The outcome stays valid until the next call.
  const HookOutcome& decide(const InputEvent& event, const HookSettings& settings);

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
  bool followUpOfSwallowedPress(const InputEvent& event);
  void runStages(const InputEvent& event, const HookContext& context);

  HookStages stages_;
  KeyStateTracker keys_;
  std::bitset<256> swallowedKeys_;    // presses swallowed, releases still to come
  std::bitset<4> swallowedButtons_;
  HookOutcome outcome_;
};

}  // namespace tavrix::hook
