// First stage: the program's own input and the abort key. Keys a macro
// sends pass untouched (later stages do not see them), except the
// end-of-macro marker, which tells the program its input has passed and goes
// no further. The user's Pause or Ctrl+Break aborts a macro in use.
#pragma once

#include "hook/hook_stage.h"

namespace tavrix::hook {

class OwnInputStage final : public HookStage {
 public:
  bool seesOwnInput() const override { return true; }
  HookVerdict decide(const InputEvent& event, const HookContext& context,
                     HookOutcome& outcome) override;
};

}  // namespace tavrix::hook
