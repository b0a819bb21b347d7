#include "platform/win32/platform_class.h"

#include "platform/win32/windows_api.h"

namespace tavrix {

PlatformClass DeterminePlatformClass() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  PlatformClass platform;
  if (!GetVersionExA(&version)) return platform;
  const bool fourOrLater = version.dwMajorVersion >= 4;
  platform.isNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT && fourOrLater;
  platform.trayAllowed = fourOrLater && (version.dwPlatformId == VER_PLATFORM_WIN32_NT ||
                                         version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS);
  return platform;
}

bool MouseButtonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

}  // namespace tavrix
