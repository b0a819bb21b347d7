#include "platform/win32/message_pump.h"

#include <cstring>

#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

// Tab, Enter and Escape in the program's dialogs and boxes need
// IsDialogMessage; every loop that dispatches messages goes through here.
bool HandledAsDialogKey(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || msg.hwnd == nullptr) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (root == nullptr) return false;
  const bool dialogLike = (GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
  char className[16] = {};
  GetClassNameA(root, className, sizeof className);
  if (!dialogLike && std::strcmp(className, "#32770") != 0) return false;
  return IsDialogMessageA(root, &msg) != FALSE;
}

// A form's menu shortcuts come first: the focused control never sees the
// key (an edit would otherwise paste a second time on Ctrl+V).
bool HandledAsShortcut(MSG& msg) {
  if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || msg.hwnd == nullptr) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (root == nullptr) return false;
  auto table = static_cast<HACCEL>(GetPropA(root, kFormShortcutsProperty));
  return table != nullptr && TranslateAcceleratorA(root, table, &msg) != 0;
}

// F1 alone asks the window in front (a form, or the main window) for its
// help; the focused control never sees the key. With Ctrl or Shift it stays
// a key like any other (a hot key field takes Ctrl+F1).
bool HandledAsHelpKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1 || msg.hwnd == nullptr) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (root == nullptr) return false;
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.hItemHandle = msg.hwnd;
  GetCursorPos(&info.MousePos);
  SendMessageA(root, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  return true;
}

void Dispatch(MSG& msg) {
  if (HandledAsShortcut(msg) || HandledAsHelpKey(msg) || HandledAsDialogKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

bool PumpPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    Dispatch(msg);
  }
  return true;
}

void WaitForMessages(std::uint32_t timeoutMs) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
}

void WaitPumping(std::uint32_t milliseconds) {
  if (milliseconds == 1) {
    // A timed wait for messages ends about a millisecond late under Wine,
    // which would double the finest step of a poll.
    PumpPendingMessages();
    Sleep(1);
    PumpPendingMessages();
    return;
  }
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPendingMessages();
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    const DWORD left = milliseconds - elapsed;
    WaitForMessages(left < 5 ? left : 5);
  }
}

int RunMessageLoop() {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    Dispatch(msg);
  }
}

}  // namespace tavrix
