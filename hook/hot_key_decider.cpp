#include "hook/hot_key_decider.h"

#include "hook/hot_key_lookup.h"
#include "base/private_messages.h"
#include "base/virtual_keys.h"

namespace tavrix::hook {

namespace {

HookOutcome swallowed() {
  HookOutcome outcome;
  outcome.swallow = true;
  return outcome;
}

HookOutcome passed() { return HookOutcome{}; }

bool isAbortKey(std::uint16_t code) { return code == vk::kPause || code == vk::kCancel; }

// The button the user means: with the buttons swapped, the device's right
// button is the primary ("left") one.
std::uint8_t logicalButton(std::uint8_t button, bool swapped) {
  if (!swapped) return button;
  if (button == 1) return 2;
  if (button == 2) return 1;
  return button;
}

}  // namespace

HookOutcome HotKeyDecider::onKey(const KeyEvent& event, const HookSettings& settings) {
  const bool capsToggled = keys_.observe(event.vk, event.up);
  if (event.marked) return onMarkedKey(event, settings);
  if (event.up) {
    if (event.vk < swallowedKeys_.size() && swallowedKeys_[event.vk]) {
      swallowedKeys_[event.vk] = false;
      return swallowed();
    }
    return passed();
  }
  return onUsersKeyDown(event.vk, capsToggled, settings);
}

// The program's own keys never fire anything. The end-of-macro key is only a
// marker: it tells the program its input has passed, and goes no further.
HookOutcome HotKeyDecider::onMarkedKey(const KeyEvent& event, const HookSettings& settings) {
  if (event.vk != kEndOfMacroKey) return passed();
  HookOutcome outcome = swallowed();
  if (event.up) return outcome;
  outcome.macroEnded = true;
  if (settings.mainWindow != 0) outcome.post = HookPost{settings.mainWindow, kMsgClearInUse, 0, false};
  return outcome;
}

HookOutcome HotKeyDecider::onUsersKeyDown(std::uint16_t code, bool capsToggled,
                                          const HookSettings& settings) {
  if (code == vk::kCapital) {
    HookOutcome outcome = passed();
    if (capsToggled && settings.mainWindow != 0) {
      outcome.post = HookPost{settings.mainWindow, kMsgCapsLock, keys_.capsLockOn() ? 1u : 0u, false};
    }
    return outcome;
  }
  // The auto-repeat of a swallowed press stays swallowed and fires nothing.
  if (code < swallowedKeys_.size() && swallowedKeys_[code]) return swallowed();
  if (code >= swallowedKeys_.size() || vk::isModifier(code)) return passed();

  if (isAbortKey(code)) {
    if (!settings.inUse || settings.mainWindow == 0) return passed();
    swallowedKeys_[code] = true;
    HookOutcome outcome = swallowed();
    outcome.post = HookPost{settings.mainWindow, kMsgAbort, 0, false};
    return outcome;
  }

  const auto hotKey = hotKeyLookup().forKey(code, keys_.modifiers());
  if (!hotKey) return passed();
  const auto outcome = hotKeyPressed(*hotKey, false, settings);
  if (!outcome) return passed();
  swallowedKeys_[code] = true;
  return *outcome;
}

HookOutcome HotKeyDecider::onButton(const ButtonEvent& event, const HookSettings& settings) {
  if (event.button == 0 || event.button >= swallowedButtons_.size() || event.marked) return passed();
  if (event.up) {
    if (!swallowedButtons_[event.button]) return passed();
    swallowedButtons_[event.button] = false;
    return swallowed();
  }
  // Buttons do not repeat: a press after a press is a new click whose
  // release went missing.
  swallowedButtons_[event.button] = false;
  const auto hotKey =
      hotKeyLookup().forButton(logicalButton(event.button, settings.mouseSwapped), keys_.modifiers());
  if (!hotKey) return passed();
  const auto outcome = hotKeyPressed(*hotKey, true, settings);
  if (!outcome) return passed();
  swallowedButtons_[event.button] = true;
  return *outcome;
}

// A hot key code was pressed: in entry mode it goes to the dialog, else it
// fires when a macro uses it. Nothing happens while there is nobody to tell.
std::optional<HookOutcome> HotKeyDecider::hotKeyPressed(std::uint16_t code, bool mouse,
                                                        const HookSettings& settings) const {
  const Modifiers modifiers = keys_.modifiers();
  // Releasing Alt or Win right after a swallowed key would open a menu.
  const bool blockMenu = modifiers.alt || modifiers.win;
  if (settings.entryActive) {
    // Plain clicks stay clicks, or the user could not leave the field with
    // the mouse; those codes are picked from the dialog's list instead.
    if (settings.entryWindow == 0 || (mouse && !modifiers.any())) return std::nullopt;
    return HookOutcome{true, HookPost{settings.entryWindow, kMsgHotKeyEntry, code, false}, blockMenu, false};
  }
  if (!settings.used(code) || settings.mainWindow == 0) return std::nullopt;
  const std::uint32_t wParam = code | (keys_.capsLockOn() ? kActivationCapsLockBit : 0u);
  return HookOutcome{true, HookPost{settings.mainWindow, kMsgActivation, wParam, true}, blockMenu, false};
}

}  // namespace tavrix::hook
