// Key swap: while keys are remapped, a character key the user types comes
// out as the character the key-swap tables give for it. The key is read with
// the layout of the window in front (Shift, AltGr and Caps Lock included);
// the stage replaces it with the new character, which later stages see and
// the library types in its place. A table byte of 0 swallows the key. Keys
// pressed with Ctrl, Alt or Win are shortcuts, not characters, and pass.
#pragma once

#include <bitset>

#include "hook/hook_stage.h"

namespace tavrix::hook {

class KeySwapStage final : public HookStage {
 public:
  HookVerdict decide(const InputEvent& event, const HookContext& context,
                     HookOutcome& outcome) override;

 private:
  // Keys whose press typed another character: the system never saw the
  // press, so it must not see the release either.
  std::bitset<256> replaced_;
};

}  // namespace tavrix::hook
