// Hot keys: a key or click that makes a used hot key code fires it (posted
// with the Caps Lock bit and, filled in by the caller, the focus window) and
// is swallowed. While a dialog's hot key field is in entry mode, every code
// goes to that dialog instead. The decision is one table look-up.
#pragma once

#include <cstdint>

#include "hook/hook_stage.h"
#include "hook/hot_key_lookup.h"

namespace tavrix::hook {

class HotKeyStage final : public HookStage {
 public:
  // Builds the look-up tables if nobody has yet.
  HotKeyStage() : lookup_(hotKeyLookup()) {}
  HookVerdict decide(const InputEvent& event, const HookContext& context,
                     HookOutcome& outcome) override;

 private:
  const HotKeyLookup& lookup_;
  static HookVerdict pressed(std::uint16_t code, bool mouse, const HookContext& context,
                             HookOutcome& outcome);
};

}  // namespace tavrix::hook
