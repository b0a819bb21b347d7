// Which family of Windows the program runs on, as far as it matters here.
#pragma once

namespace tavrix {

struct PlatformClass {
  bool isNT = false;         // Windows NT 4 or later
  bool trayAllowed = false;  // Windows 95 family or NT 4 or later
};

PlatformClass DeterminePlatformClass();
// Whether the system swaps the left and right mouse buttons.
bool MouseButtonsSwapped();

}  // namespace tavrix
