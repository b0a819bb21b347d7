// The hooks' features in the order they see an event. Adding a feature to
// the hooks is adding its stage here; nothing else in the pipeline or in the
// library changes. An event a stage swallows goes no further, an event it
// replaces goes on as the replacement.
#include "hook/hook_pipeline.h"
#include "hook/stages/capture_stage.h"
#include "hook/stages/caps_lock_stage.h"
#include "hook/stages/hot_key_stage.h"
#include "hook/stages/key_swap_stage.h"
#include "hook/stages/own_input_stage.h"
#include "hook/stages/wordlet_stage.h"

namespace tavrix::hook {

HookStages standardStages() {
  HookStages stages;
  // The program's own keys and the abort key come first: nothing after this
  // acts on what a macro types.
  stages.push_back(std::make_unique<OwnInputStage>());

  // Key swap rewrites the user's character key (HookVerdict::Replace)
  // before anything else reads it: the replacement carries the character
  // the user gets, and that is what capture and Wordlets must read.
  stages.push_back(std::make_unique<KeySwapStage>());

  stages.push_back(std::make_unique<CapsLockStage>());

  // While a capture records it posts the recorded text (message 3, one
  // character each) and, for a stop key, the end (message 4); it runs
  // before hot keys so that it sees them too.
  stages.push_back(std::make_unique<CaptureStage>());

  stages.push_back(std::make_unique<HotKeyStage>());

  // While macros have Wordlets, each character the user types (never a
  // swallowed hot key, which ends above) is posted with the Caps Lock state.
  stages.push_back(std::make_unique<WordletStage>());

  return stages;
}

}  // namespace tavrix::hook
