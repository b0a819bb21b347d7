#include "store/set_hot_keys.h"

#include <algorithm>

#include "store/macro_record.h"

namespace tavrix {
namespace {

int CountOf(const SharedMacroTable& table) { return std::clamp<int>(table.MacroCount(), 0, kMaxMacros); }

}  // namespace

bool ThereAreWordlets(const SharedMacroTable& table) {
  for (int n = 1; n <= CountOf(table); ++n)
    if (table.Activation(n) == kWordletActivation) return true;
  return false;
}

void SetHotKeys(SharedMacroTable& table, HookLibrary& hooks) {
  table.ClearHotKeyUsed();
  for (int n = 1; n <= CountOf(table); ++n) {
    const std::uint16_t code = table.Activation(n);
    // Timed and Wordlet codes, and anything else beyond the table, mark no key.
    if (table.Active(n) != 0 && code < kHotKeyCount) table.SetHotKeyUsed(code, 1);
  }
  table.SetHasWordlets(ThereAreWordlets(table) ? 1 : 0);
  hooks.TvxUpKeys(table.bytes());
}

}  // namespace tavrix
