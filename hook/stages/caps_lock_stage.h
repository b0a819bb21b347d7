// The user switched Caps Lock: the program remembers the state for timed
// macros. The key itself always passes. (Caps Lock the program presses for a
// macro changes the state silently: this stage does not see own input.)
#pragma once

#include "hook/hook_stage.h"

namespace tavrix::hook {

class CapsLockStage final : public HookStage {
 public:
  HookVerdict decide(const InputEvent& event, const HookContext& context,
                     HookOutcome& outcome) override;
};

}  // namespace tavrix::hook
