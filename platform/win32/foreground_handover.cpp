#include "platform/win32/foreground_handover.h"

#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

// Wine reports no foreground window for a while (up to some 50 ms) when the
// foreground moves to another program; on Windows a refused switch ends the
// wait early enough to be harmless.
constexpr std::uint32_t kSettleMs = 300;

constexpr int kWineAttempts = 3;
constexpr std::uint32_t kWineStayMs = 30;

bool RunningUnderWine() {
  static const bool wine = GetProcAddress(GetModuleHandleA("NTDLL.DLL"), "wine_get_version") != nullptr;
  return wine;
}

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

// Messages sent to this thread's windows by a switch, and (under Wine) the
// X focus events of this program's windows, are handled inside PeekMessage;
// posted messages stay queued.
void LetSwitchMessagesThrough() {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

// Whether the window stays in front for `ms`, while this program's pending
// focus events are handled.
bool StaysInFront(HWND window, std::uint32_t ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    LetSwitchMessagesThrough();
    if (!IsInFront(window)) return false;
    Sleep(1);
  }
  return true;
}

// Wine lets any program change the foreground, but takes it away again when
// attached threads are detached. A focus event of one of this program's
// windows that arrives late can also move the foreground once more; the
// switch is then made again.
void BringToFrontUnderWine(HWND window) {
  const bool ownThread = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
  for (int attempt = 0; attempt < kWineAttempts; ++attempt) {
    SetForegroundWindow(window);
    if (ownThread && !FocusIsInside(window)) SetFocus(window);
    if (!IsWindowVisible(window)) return;
    if (!WaitUntilInFront(WindowIdOf(window), kSettleMs)) return;
    if (StaysInFront(window, kWineStayMs)) return;
  }
}

}  // namespace

bool WaitUntilInFront(WindowId window, std::uint32_t maxMs) {
  HWND hwnd = HwndOf(window);
  const DWORD start = GetTickCount();
  for (;;) {
    if (IsInFront(hwnd)) return true;
    if (GetTickCount() - start >= maxMs) return false;
    LetSwitchMessagesThrough();
    Sleep(1);
  }
}

void BringWindowToFront(WindowId window) {
  HWND hwnd = HwndOf(window);
  if (hwnd == nullptr || !IsWindow(hwnd)) return;
  if (RunningUnderWine()) {
    BringToFrontUnderWine(hwnd);
    return;
  }
  const DWORD self = GetCurrentThreadId();
  const DWORD targetThread = GetWindowThreadProcessId(hwnd, nullptr);
  HWND front = GetForegroundWindow();
  const DWORD frontThread = front != nullptr ? GetWindowThreadProcessId(front, nullptr) : 0;
  const bool attachedFront = frontThread != 0 && frontThread != self && AttachThreadInput(self, frontThread, TRUE);
  const bool attachedTarget = targetThread != 0 && targetThread != self && targetThread != frontThread &&
                              AttachThreadInput(targetThread, self, TRUE);
  SetForegroundWindow(hwnd);
  // With the input attached the focus of the target's thread is visible
  // here; a window that put it on one of its controls keeps it there.
  if (!FocusIsInside(hwnd)) SetFocus(hwnd);
  if (attachedTarget) AttachThreadInput(targetThread, self, FALSE);
  if (attachedFront) AttachThreadInput(self, frontThread, FALSE);
  if (IsWindowVisible(hwnd)) WaitUntilInFront(window, kSettleMs);
}

}  // namespace tavrix
