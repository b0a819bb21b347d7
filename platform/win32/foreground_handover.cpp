#include "platform/win32/foreground_handover.h"

#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

// Wine reports no foreground window for a few milliseconds while it switches;
// on Windows a refused switch ends the wait early enough to be harmless.
constexpr std::uint32_t kSettleMs = 100;

bool FocusIsInside(HWND window) {
  HWND focus = GetFocus();
  return focus != nullptr && (focus == window || IsChild(window, focus));
}

bool IsInFront(HWND window) {
  HWND front = GetForegroundWindow();
  if (front == nullptr) return false;
  if (front == window) return true;
  // A window may hand the activation on to a window it owns (a dialog).
  for (HWND owner = GetWindow(front, GW_OWNER); owner != nullptr; owner = GetWindow(owner, GW_OWNER)) {
    if (owner == window) return true;
  }
  return false;
}

}  // namespace

bool WaitUntilInFront(WindowId window, std::uint32_t maxMs) {
  HWND hwnd = HwndOf(window);
  const DWORD start = GetTickCount();
  for (;;) {
    if (IsInFront(hwnd)) return true;
    if (GetTickCount() - start >= maxMs) return false;
    // Let messages sent to this thread's windows by the switch through.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    Sleep(1);
  }
}

void BringWindowToFront(WindowId window) {
  HWND hwnd = HwndOf(window);
  if (hwnd == nullptr || !IsWindow(hwnd)) return;
  const DWORD self = GetCurrentThreadId();
  HWND front = GetForegroundWindow();
  const DWORD frontThread = front != nullptr ? GetWindowThreadProcessId(front, nullptr) : 0;
  const DWORD targetThread = GetWindowThreadProcessId(hwnd, nullptr);

  const bool attachedFront = frontThread != 0 && frontThread != self && AttachThreadInput(self, frontThread, TRUE);
  const bool attachedTarget = targetThread != 0 && targetThread != self && targetThread != frontThread &&
                              AttachThreadInput(targetThread, self, TRUE);
  SetForegroundWindow(hwnd);
  // With the input attached the focus of the target's thread is visible here;
  // a window that put it on one of its controls when activated keeps it there.
  if (!FocusIsInside(hwnd)) SetFocus(hwnd);
  if (attachedTarget) AttachThreadInput(targetThread, self, FALSE);
  if (attachedFront) AttachThreadInput(self, frontThread, FALSE);

  if (IsWindowVisible(hwnd)) WaitUntilInFront(window, kSettleMs);
}

void GiveFocusBack(WindowId remembered) {
  HWND hwnd = HwndOf(remembered);
  if (hwnd == nullptr || !IsWindow(hwnd)) return;
  BringWindowToFront(remembered);
}

ModalHandover::ModalHandover(bool trayMode, WindowId mainWindow, WindowId taskbarWindow)
    : trayMode_(trayMode), mainWindow_(mainWindow), taskbarWindow_(taskbarWindow) {
  if (trayMode_) {
    if (taskbarWindow_ != 0) ::ShowWindow(HwndOf(taskbarWindow_), SW_SHOWNA);
    return;
  }
  remembered_ = WindowIdOf(GetForegroundWindow());
  HWND main = HwndOf(mainWindow_);
  if (main == nullptr || !IsWindow(main)) return;
  if (IsIconic(main)) {
    ::ShowWindow(main, SW_SHOWNOACTIVATE);
    restoredProgram_ = true;
  }
  if (IsWindowVisible(main)) {
    ::ShowWindow(main, SW_HIDE);
    hidMainWindow_ = true;
  }
}

ModalHandover::~ModalHandover() {
  if (trayMode_) {
    if (taskbarWindow_ != 0) ::ShowWindow(HwndOf(taskbarWindow_), SW_HIDE);
    return;
  }
  HWND main = HwndOf(mainWindow_);
  if (hidMainWindow_ && IsWindow(main)) ::ShowWindow(main, SW_SHOWNA);
  GiveFocusBack(remembered_);
}

}  // namespace tavrix
