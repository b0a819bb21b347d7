#include "hook/stages/own_input_stage.h"

#include "base/private_messages.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {

namespace {

bool isAbortKey(std::uint16_t code) { return code == vk::kPause || code == vk::kCancel; }

}  // namespace

HookVerdict OwnInputStage::decide(const InputEvent& event, const HookContext& context,
                                  HookOutcome& outcome) {
  if (!event.isKey()) return HookVerdict::Pass;
  const HookSettings& settings = context.settings;
  if (event.marked) {
    if (event.vk != kEndOfMacroKey) return HookVerdict::Pass;
    if (!event.up) {
      outcome.macroEnded = true;
      if (settings.mainWindow != 0) outcome.posts.add({settings.mainWindow, kMsgClearInUse, 0, 0, false});
    }
    return HookVerdict::Swallow;
  }
  if (event.up || !isAbortKey(event.vk)) return HookVerdict::Pass;
  if (!settings.inUse || settings.mainWindow == 0) return HookVerdict::Pass;
  outcome.posts.add({settings.mainWindow, kMsgAbort, 0, 0, false});
  return HookVerdict::Swallow;
}

}  // namespace tavrix::hook
