#include "platform/win32/dpi_awareness.h"

#include "platform/win32/windows_api.h"

namespace tavrix {

bool DeclareDpiAware() {
  using SetProcessDpiAwareFn = BOOL(WINAPI*)();
  HMODULE user = GetModuleHandleA("USER32.DLL");
  if (user == nullptr) return false;
  auto declare = reinterpret_cast<SetProcessDpiAwareFn>(
      reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")));
  return declare != nullptr && declare() != FALSE;
}

}  // namespace tavrix
