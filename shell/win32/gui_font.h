// Real fonts for the fonts the configuration stores.
#pragma once

#include "platform/win32/windows_api.h"
#include "shell/config/configuration.h"

namespace tavrix {

// A font of the face, point size and styles given; the caller deletes it.
HFONT CreateConfiguredFont(const FontSettings& settings);

}  // namespace tavrix
