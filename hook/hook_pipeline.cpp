#include "hook/hook_pipeline.h"

namespace tavrix::hook {

const HookOutcome& HookPipeline::decide(const InputEvent& event, const HookSettings& settings) {
  outcome_.reset();
  bool capsToggled = false;
  if (event.isKey()) {
    capsToggled = keys_.observe(event.vk, event.up);
  } else if (!event.isWheel() && (event.button == 0 || event.button >= swallowedButtons_.size())) {
    return outcome_;  // a device button no hot key names
  }
  if (!event.marked && followUpOfSwallowedPress(event)) {
    outcome_.verdict = HookVerdict::Swallow;
    return outcome_;
  }
  runStages(event, HookContext{settings, keys_, keys_.modifiers(), capsToggled});
  if (outcome_.swallowed() && !event.up && !event.marked && !event.isWheel()) {
    if (!event.isKey()) {
      swallowedButtons_[event.button] = true;
    } else if (event.vk < swallowedKeys_.size()) {
      swallowedKeys_[event.vk] = true;
    }
  }
  return outcome_;
}

// The auto-repeat or release of a press that was swallowed goes the same way
// and fires nothing. Buttons do not repeat: a press after a press is a new
// click whose release went missing.
bool HookPipeline::followUpOfSwallowedPress(const InputEvent& event) {
  if (event.isWheel()) return false;
  if (!event.isKey()) {
    const bool swallowed = swallowedButtons_[event.button];
    swallowedButtons_[event.button] = false;
    return swallowed && event.up;
  }
  if (event.vk >= swallowedKeys_.size() || !swallowedKeys_[event.vk]) return false;
  if (event.up) swallowedKeys_[event.vk] = false;
  return true;
}

void HookPipeline::runStages(const InputEvent& event, const HookContext& context) {
  InputEvent current = event;
  for (const auto& stage : stages_) {
    if (current.marked && !stage->seesOwnInput()) continue;
    switch (stage->decide(current, context, outcome_)) {
      case HookVerdict::Pass:
        break;
      case HookVerdict::Swallow:
        outcome_.verdict = HookVerdict::Swallow;
        return;
      case HookVerdict::Replace:
        outcome_.verdict = HookVerdict::Replace;
        current = outcome_.replacement;
        current.time = event.time;  // the replacement happens when the event did
        break;
    }
  }
}

}  // namespace tavrix::hook
