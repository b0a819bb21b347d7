// Publishing which hot keys are in use and whether any Wordlet exists, so
// the hook library knows which keys to watch.
#pragma once

#include "store/hook_library.h"
#include "store/shared_macro_table.h"

namespace tavrix {

// Whether any macro has a Wordlet activation, active or not.
bool ThereAreWordlets(const SharedMacroTable& table);
// Recomputes `HotKeyUsed` (1 for the code of every active macro with a hot
// key) and `HasWordlets`, then publishes both with `TvxUpKeys`.
void SetHotKeys(SharedMacroTable& table, HookLibrary& hooks);

}  // namespace tavrix
