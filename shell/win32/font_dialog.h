// The system's font dialog on a font the configuration stores.
#pragma once

#include "platform/win32/windows_api.h"
#include "shell/config/configuration.h"

namespace tavrix {

// Shows the dialog starting from `font`; false when cancelled. With
// `printFont` only the face, size, bold and italic are offered (and kept).
bool ChooseConfiguredFont(HWND owner, FontSettings& font, bool printFont);

}  // namespace tavrix
