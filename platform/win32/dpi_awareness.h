// Declares the program DPI-aware, so Windows does not scale its windows and
// the pixel positions of macros (pointer moves, window sizes) mean real pixels.
#pragma once

namespace tavrix {

// Call once at start, before any window exists. Does nothing on systems
// without SetProcessDPIAware. True when the declaration was made.
bool DeclareDpiAware();

}  // namespace tavrix
