#include "tests/win32/window_support.h"

namespace tavrix::test {

namespace {
constexpr wchar_t kTestClass[] = L"TavrixTestWindow";

void registerTestClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kTestClass;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  registered = RegisterClassW(&windowClass) != 0;
}
}  // namespace

TestWindow::TestWindow(const wchar_t* title, bool visible) {
  registerTestClass();
  window_ = CreateWindowExW(0, kTestClass, title,
                            WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 50, 50, 300, 200,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

bool waitForMessage(HWND window, UINT message, MSG& out, DWORD timeoutMs,
                    const std::function<bool(const MSG&)>& accept) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG got;
    while (PeekMessageW(&got, window, message, message, PM_REMOVE)) {
      if (!accept || accept(got)) {
        out = got;
        return true;
      }
    }
    // Keep the rest of the queue moving (window activation, paints).
    while (PeekMessageW(&got, nullptr, 0, 0, PM_REMOVE)) {
      if (got.hwnd == window && got.message == message) {
        if (!accept || accept(got)) {
          out = got;
          return true;
        }
        continue;
      }
      TranslateMessage(&got);
      DispatchMessageW(&got);
    }
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

bool bringToFront(HWND window, DWORD timeoutMs) {
  SetForegroundWindow(window);
  return pumpUntil([&] { return GetForegroundWindow() == window; }, timeoutMs);
}

std::string windowText(HWND window) {
  char text[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace tavrix::test
