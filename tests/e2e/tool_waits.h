// Bounded waits shared by the end-to-end tools (tvxdriver, program_probe):
// the timeout argument, polling a condition, and finding a visible window.
#pragma once

#include <windows.h>

#include <cstdlib>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// argv[index] as milliseconds, or the default when it is not given.
inline DWORD timeoutArg(int argc, char** argv, int index) {
  return argc > index ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 10)) : kDefaultTimeoutMs;
}

// Polls `check` every 20 ms until it holds or `timeoutMs` has passed.
template <typename Check>
bool waitFor(Check check, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (check()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

// The top-level window of the class when it is visible.
inline HWND findVisible(const char* windowClass) {
  const HWND window = FindWindowA(windowClass, nullptr);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

}  // namespace e2e
