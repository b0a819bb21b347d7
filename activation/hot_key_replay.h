// Pressing a hot key once more, as the user pressed it: after a network
// reload the freshly published hooks have to see the key again.
#pragma once

#include "platform/desktop.h"

namespace tavrix {

// Win, Alt, Ctrl, Shift down as the code needs them; the key pressed and
// released (a mouse button after a 0.05 s pause); the modifiers up again in
// the reverse order. Nothing beyond the modifiers for a code without a key.
void ReplayHotKey(Desktop& desktop, int code);

}  // namespace tavrix
