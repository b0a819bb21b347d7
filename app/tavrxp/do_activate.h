// Activating and deactivating the selected macro (`DoActivate`) and the
// captions that follow a macro's state.
#pragma once

#include <string>

#include "platform/ui.h"
#include "store/macro_file.h"

namespace tavrix {

inline constexpr const char* kActivateCaption = "Acti&vate Macro";
inline constexpr const char* kDeactivateCaption = "Deacti&vate Macro";

// The caption of the Activate entry for macro n (0: none selected).
std::string ActivateCaptionFor(const MacroIndex& index, int n);

// Flips macro n's active flag on disk, in the table and in the library, and
// publishes the activations again. Refuses (with its message) on an empty
// list or without a selection (n = 0). True when the macro changed.
bool DoActivate(MacroFile& file, Ui& ui, int n);

}  // namespace tavrix
