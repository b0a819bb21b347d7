// Wordlet characters: while macros have Wordlets, each character the user
// types is posted to the program (message 6) with the Caps Lock state, and a
// start-over whenever what follows no longer continues the same text: a mouse
// click, a cursor or editing key other than Backspace, Escape, or a key
// pressed with Ctrl, Alt or Win held. (The program itself starts over when
// another window comes in front.) Keys the program sends and hot keys,
// swallowed before this stage, are never reported. The keys are read as the
// keyboard layout of the window in front types them (AltGr included), or as
// the US English layout does when the hooks know no layout.
#pragma once

#include <array>
#include <cstdint>

#include "hook/hook_stage.h"

namespace tavrix::hook {

class WordletStage final : public HookStage {
 public:
  WordletStage();
  HookVerdict decide(const InputEvent& event, const HookContext& context,
                     HookOutcome& outcome) override;

  // The character a key types with Shift (and Caps Lock, for letters); 0 for
  // a key that types none.
  std::uint8_t character(std::uint16_t vk, bool shift, bool capsLock) const;

 private:
  std::array<std::uint8_t, 256> plain_{};
  std::array<std::uint8_t, 256> shifted_{};
  std::array<bool, 256> breaks_{};  // keys that start the typed text over
};

}  // namespace tavrix::hook
