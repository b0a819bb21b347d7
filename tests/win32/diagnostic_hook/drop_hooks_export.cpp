// The test build of TVXHOOK.DLL: the shipped library plus one entry, by
// ordinal only, that removes the system's keyboard, mouse and swap hooks
// behind the library's back, as Windows does with a hook whose procedure
// answered too late. Returns how many were removed. The library that ships
// has neither this entry nor the request behind it.
#include <windows.h>

#include "hook/win32/hook_thread.h"

extern "C" int __stdcall TvxDropHooks() { return tavrix::hook::HookThread::instance().dropInputHooks(); }
