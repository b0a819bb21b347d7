// Small helpers for tests that need real windows and messages.
#pragma once

#include <functional>
#include <string>

#include <windows.h>

namespace tavrix::test {

// A visible top-level window of a plain test class, destroyed with the object.
class TestWindow {
 public:
  explicit TestWindow(const wchar_t* title, bool visible = true);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_;
};

// Pumps this thread's messages until `done` is true or `timeoutMs` passes.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Waits (pumping) for a message posted to `window`; returns it through `out`.
bool waitForMessage(HWND window, UINT message, MSG& out, DWORD timeoutMs,
                    const std::function<bool(const MSG&)>& accept = nullptr);

// Brings `window` to the front and waits until it is the foreground window.
bool bringToFront(HWND window, DWORD timeoutMs = 3000);

std::string windowText(HWND window);

}  // namespace tavrix::test
