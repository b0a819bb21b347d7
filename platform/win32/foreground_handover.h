// The focus technique: how the program puts a window in front of another
// program. The decisions around it (when, and what the keys already sent
// need first) are the portable ForegroundHandover's.
#pragma once

#include <cstdint>

#include "platform/desktop.h"

namespace tavrix {

// Brings `window` to the foreground: this thread's input is attached to the
// thread of the window now in front and the window's own thread to this one,
// so that Windows accepts the change from a program that is not in front;
// then the window is made the foreground window and given the focus (unless
// the focus is already inside it), and the threads are detached again.
// Returns once the window is in front, or after a short bounded wait.
void BringWindowToFront(WindowId window);

// Polls (at most `maxMs`) until `window` or a window it owns is in front.
bool WaitUntilInFront(WindowId window, std::uint32_t maxMs);

}  // namespace tavrix
