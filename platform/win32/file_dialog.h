// The common open and save dialogs.
#pragma once

#include <optional>
#include <string>

#include "platform/desktop.h"
#include "platform/ui.h"

namespace tavrix {

// "Name (*.EXT)|*.EXT" as the dialogs want it: every part ended by a NUL and
// the whole list by a second NUL.
std::string FileDialogFilter(const std::string& filter);

// Shows the dialog owned by `owner`; the chosen path, nothing when cancelled.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request, WindowId owner);

}  // namespace tavrix
