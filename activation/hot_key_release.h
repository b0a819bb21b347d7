// Waiting until the user has let go of a hot key's modifiers. A macro that
// starts typing while Ctrl or Alt is still held has its first keys taken as
// shortcuts (and on Wine the first character is lost), so playback started by
// a hot key waits for them first, for a bounded time.
#pragma once

#include <cstdint>

#include "platform/desktop.h"

namespace tavrix {

// Whether any modifier of hot key `code` (Shift, Ctrl, Alt, either Win key)
// is down now; false for codes that are not hot keys.
bool HotKeyModifiersDown(Desktop& desktop, int code);

// Waits in `stepMs` steps until none of the modifiers is down or `limitMs`
// have passed. Answers whether they were released in time.
bool WaitForHotKeyRelease(Desktop& desktop, int code, std::uint32_t limitMs, std::uint32_t stepMs);

}  // namespace tavrix
