// One feature of the hooks, as a stage of the hook pipeline: it looks at an
// event and says whether it passes, is swallowed or is replaced, and adds the
// messages it wants posted. Stages run on the hook thread for every event of
// the whole system, so a stage decides from its own state, the settings it is
// given and tables built in advance: it never waits and never allocates.
#pragma once

#include "hook/hook_outcome.h"
#include "hook/hook_settings.h"
#include "hook/input_event.h"
#include "hook/key_state_tracker.h"

namespace tavrix::hook {

struct HookContext {
  const HookSettings& settings;
  // The key state with the event being decided already counted.
  const KeyStateTracker& keys;
  // The modifiers held, as `keys` has them.
  Modifiers modifiers;
  // The event is the press that switched Caps Lock.
  bool capsToggled = false;
};

class HookStage {
 public:
  virtual ~HookStage() = default;

  // Whether the stage also sees the program's own (marked) input. Most
  // features must never act on what a macro types, so by default not.
  virtual bool seesOwnInput() const { return false; }

  // Decides one event. Posts and requests go into `outcome`; with
  // HookVerdict::Replace the stage has put the new event into
  // `outcome.replacement`.
  virtual HookVerdict decide(const InputEvent& event, const HookContext& context,
                             HookOutcome& outcome) = 0;
};

}  // namespace tavrix::hook
