// What a second copy of the program says before it ends: the first copy may
// be hidden in the tray, so in tray mode it also says where to find it.
#pragma once

namespace tavrix {

inline constexpr const char* kAlreadyRunningText = "Tavrix is already running.";
inline constexpr const char* kAlreadyRunningInTrayText =
    "Tavrix is already running.  Right Click on the Tavrix Icon in the system tray in the bottom right corner to "
    "active.";

inline const char* AlreadyRunningText(bool trayMode) {
  return trayMode ? kAlreadyRunningInTrayText : kAlreadyRunningText;
}

}  // namespace tavrix
