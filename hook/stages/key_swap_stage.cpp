#include "hook/stages/key_swap_stage.h"

#include "base/key_swap_alphabet.h"

namespace tavrix::hook {

HookVerdict KeySwapStage::decide(const InputEvent& event, const HookContext& context, HookOutcome& outcome) {
  if (!event.isKey() || event.vk >= replaced_.size()) return HookVerdict::Pass;
  if (event.up) {
    if (!replaced_[event.vk]) return HookVerdict::Pass;
    replaced_[event.vk] = false;
    return HookVerdict::Swallow;
  }
  const HookSettings& settings = context.settings;
  if (settings.swapTables == nullptr || settings.layout == nullptr) return HookVerdict::Pass;
  const Modifiers& held = context.modifiers;
  const bool altGr = held.ctrl && held.alt;
  if (held.win || ((held.ctrl || held.alt) && !altGr)) return HookVerdict::Pass;

  const std::uint8_t typed = settings.layout->character(event.vk, held.shift, altGr, context.keys.capsLockOn());
  const int position = SwapPosition(typed);
  if (typed == 0 || position < 0) return HookVerdict::Pass;
  // One byte read: the program may change the tables at any moment, and
  // either the old or the new character is right.
  const std::uint8_t produced = settings.swapTables[position];
  if (produced == typed) return HookVerdict::Pass;
  if (produced == 0) return HookVerdict::Swallow;  // its repeats and release go too
  replaced_[event.vk] = true;
  outcome.replacement = InputEvent::typed(event.vk, produced);
  return HookVerdict::Replace;
}

}  // namespace tavrix::hook
