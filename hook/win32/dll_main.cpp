#include <windows.h>

#include "hook/win32/hook_thread.h"
#include "hook/win32/library.h"

namespace tavrix::hook {

namespace {
HINSTANCE module = nullptr;
}

LibraryState& libraryState() {
  static LibraryState state;
  return state;
}

HINSTANCE libraryModule() { return module; }

}  // namespace tavrix::hook

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      tavrix::hook::module = instance;
      DisableThreadLibraryCalls(instance);
      break;
    case DLL_PROCESS_DETACH:
      // Only a real unload (not process end) can release the window class:
      // the hook thread holds a reference to the library while it runs, so
      // by now it has ended.
      if (reserved == nullptr) tavrix::hook::HookThread::releaseClass();
      break;
  }
  return TRUE;
}
