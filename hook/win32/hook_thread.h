// The library's own thread: it installs, runs and removes every hook, with a
// message loop that does nothing else, so that a busy or modal main thread
// can never stall the user's input or make the system drop a hook. It starts
// with the first hook and ends when the last one is removed. Should the
// system drop the input hooks anyway, its poll notices input they missed and
// installs them again behind the same tokens.
//
// The thread's window can be found and sent messages by any program on the
// desktop, so a message never carries a request itself: the asking thread
// leaves the request in this process's memory and the message only tells
// the hook thread to look there.
#pragma once

#include <cstdint>
#include <mutex>

#include <windows.h>

#include "hook/hook_registry.h"

namespace tavrix::hook {

class HookThread {
 public:
  static HookThread& instance();

  // The new hook's handle, or 0 when it could not be installed.
  std::uintptr_t install(HookKind kind);
  // False for a handle this library did not give out (or already removed).
  bool remove(std::uintptr_t handle);

#ifdef TAVRIX_HOOK_DIAGNOSTICS
  // Only in the test build of the library, never in the one that ships:
  // removes the system's keyboard, mouse and swap hooks behind the
  // library's back, as Windows does with a hook it finds too slow; the
  // tokens stay registered. Returns how many were removed.
  int dropInputHooks();
#endif

  // Unregisters the thread's window class when the library is unloaded.
  static void releaseClass();

 private:
  HWND startThread();
  // True while the thread's window is still the one it made.
  bool threadAlive() const;
  // Has the hook thread carry out a request; 0 when no thread answered.
  LRESULT ask(int request, std::uintptr_t argument = 0);
  void stopIfIdle();

  std::mutex lifecycle_;
  HWND window_ = nullptr;  // the running thread's message window
  DWORD threadId_ = 0;
};

}  // namespace tavrix::hook
