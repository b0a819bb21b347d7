#include "hook/stages/caps_lock_stage.h"

#include "base/private_messages.h"

namespace tavrix::hook {

HookVerdict CapsLockStage::decide(const InputEvent&, const HookContext& context, HookOutcome& outcome) {
  const std::uint32_t mainWindow = context.settings.mainWindow;
  if (context.capsToggled && mainWindow != 0) {
    outcome.posts.add({mainWindow, kMsgCapsLock, context.keys.capsLockOn() ? 1u : 0u, 0, false});
  }
  return HookVerdict::Pass;
}

}  // namespace tavrix::hook
