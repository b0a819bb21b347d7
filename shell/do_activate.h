// Activating and deactivating the selected macro (`DoActivate`).
#pragma once

#include <string>

#include "platform/ui.h"
#include "store/macro_file.h"
#include "store/network_lock.h"

namespace tavrix {

// Flips macro n's active flag on disk, in the table and in the library, and
// publishes the activations again. Refuses (with its message) on an empty
// list or without a selection (n = 0), and gives up when the file-in-use
// check of `lock` says so; the lock is given back, marked changed when the
// macro changed. True when the macro changed.
bool DoActivate(MacroFile& file, Ui& ui, FileLockHolder& lock, int n);

}  // namespace tavrix
