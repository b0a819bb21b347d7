#include "hook/stages/hot_key_stage.h"

#include <optional>

#include "base/private_messages.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {

namespace {

// The button the user means: with the buttons swapped, the device's right
// button is the primary ("left") one.
std::uint8_t logicalButton(std::uint8_t button, bool swapped) {
  if (!swapped) return button;
  if (button == 1) return 2;
  if (button == 2) return 1;
  return button;
}

}  // namespace

HookVerdict HotKeyStage::decide(const InputEvent& event, const HookContext& context,
                                HookOutcome& outcome) {
  if (event.up || event.isWheel()) return HookVerdict::Pass;
  const Modifiers modifiers = context.modifiers;
  std::optional<std::uint16_t> code;
  if (event.isKey()) {
    if (event.vk == vk::kCapital || vk::isModifier(event.vk)) return HookVerdict::Pass;
    code = lookup_.forKey(event.vk, modifiers);
  } else {
    code = lookup_.forButton(logicalButton(event.button, context.settings.mouseSwapped), modifiers);
  }
  if (!code) return HookVerdict::Pass;
  return pressed(*code, !event.isKey(), context, outcome);
}

// A hot key code was pressed: in entry mode it goes to the dialog, else it
// fires when a macro uses it. Nothing happens while there is nobody to tell.
HookVerdict HotKeyStage::pressed(std::uint16_t code, bool mouse, const HookContext& context,
                                 HookOutcome& outcome) {
  const HookSettings& settings = context.settings;
  const Modifiers modifiers = context.modifiers;
  HookPost post;
  if (settings.entryActive) {
    // Plain clicks stay clicks, or the user could not leave the field with
    // the mouse; those codes are picked from the dialog's list instead.
    if (settings.entryWindow == 0 || (mouse && !modifiers.any())) return HookVerdict::Pass;
    post = HookPost{settings.entryWindow, kMsgHotKeyEntry, code, 0, false};
  } else {
    if (!settings.used(code) || settings.mainWindow == 0) return HookVerdict::Pass;
    const std::uint32_t wParam = code | (context.keys.capsLockOn() ? kActivationCapsLockBit : 0u);
    post = HookPost{settings.mainWindow, kMsgActivation, wParam, 0, true};
  }
  outcome.posts.add(post);
  // Releasing Alt or Win right after a swallowed key would open a menu.
  if (modifiers.alt || modifiers.win) outcome.sendMenuBlocker = true;
  return HookVerdict::Swallow;
}

}  // namespace tavrix::hook
