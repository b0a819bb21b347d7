// tvxdriver: small Windows commands for end-to-end cases. Each waits for
// what it needs, bounded, and exits 0 on success, 1 on a timeout or
// mismatch, 2 on bad usage.
//
//   tvxdriver wait-window CLASS [MS]          a visible top-level window of CLASS exists
//   tvxdriver front CLASS [MS]                wait for it, bring it in front, wait until its
//                                             focus is set
//   tvxdriver type TEXT                       type TEXT as key presses (keybd_event)
//   tvxdriver read CLASS [CHILD]              print the text of its first CHILD (Edit)
//   tvxdriver wait-text CLASS TEXT [MS]       wait until that text equals TEXT
//   tvxdriver close CLASS                     ask the window to close
//   tvxdriver center CLASS BUTTON             print the screen middle of that button
//   tvxdriver set-text CLASS TEXT             set the text of its Edit
//   tvxdriver label-whole CLASS TEXT          the label shows its whole text
//   tvxdriver time-first-char CLASS [MS]      print "ready", then the milliseconds from
//                                             the next key press made on the keyboard
//                                             (not injected, no modifier) to the first
//                                             new character in the window's Edit
//   tvxdriver wait-key VK [MS]                print "ready", then wait until a release of
//                                             virtual key VK (from any program) passes the
//                                             keyboard hooks
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/e2e/tool_waits.h"

namespace {

using e2e::findVisible;
using e2e::timeoutArg;
using e2e::waitFor;

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string textOf(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

int waitWindow(const char* windowClass, DWORD timeoutMs) {
  if (waitFor([&] { return findVisible(windowClass) != nullptr; }, timeoutMs)) return 0;
  std::fprintf(stderr, "no visible window of class %s\n", windowClass);
  return 1;
}

// GetForegroundWindow reads NULL for a moment during a switch, and a window
// in front has no focus until its thread has processed the activation: wait
// for both before anyone types.
int front(const char* windowClass, DWORD timeoutMs) {
  // A program just started may not have shown its window yet.
  HWND window = nullptr;
  waitFor([&] { return (window = findVisible(windowClass)) != nullptr; }, timeoutMs);
  if (window == nullptr) return waitWindow(windowClass, 0);
  const bool inFront = waitFor(
      [&] {
        if (GetForegroundWindow() != window) SetForegroundWindow(window);
        const HWND focus = focusOf(window);
        return GetForegroundWindow() == window && focus != nullptr &&
               (focus == window || IsChild(window, focus));
      },
      timeoutMs);
  if (inFront) return 0;
  std::fprintf(stderr, "window of class %s did not come to the front\n", windowClass);
  return 1;
}

void sendKey(BYTE key, bool up) { keybd_event(key, 0, up ? KEYEVENTF_KEYUP : 0, 0); }

int type(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    const SHORT scan = VkKeyScanA(*c);
    if (scan == -1) {
      std::fprintf(stderr, "no key types '%c'\n", *c);
      return 1;
    }
    const BYTE key = LOBYTE(scan);
    const BYTE shifts = HIBYTE(scan);
    if (shifts & 1) sendKey(VK_SHIFT, false);
    if (shifts & 2) sendKey(VK_CONTROL, false);
    if (shifts & 4) sendKey(VK_MENU, false);
    sendKey(key, false);
    sendKey(key, true);
    if (shifts & 4) sendKey(VK_MENU, true);
    if (shifts & 2) sendKey(VK_CONTROL, true);
    if (shifts & 1) sendKey(VK_SHIFT, true);
  }
  return 0;
}

HWND childOf(const char* windowClass, const char* childClass) {
  const HWND window = findVisible(windowClass);
  return window != nullptr ? FindWindowExA(window, nullptr, childClass, nullptr) : nullptr;
}

int read(const char* windowClass, const char* childClass) {
  const HWND child = childOf(windowClass, childClass);
  if (child == nullptr) {
    std::fprintf(stderr, "no %s in a window of class %s\n", childClass, windowClass);
    return 1;
  }
  std::printf("%s\n", textOf(child).c_str());
  return 0;
}

int waitText(const char* windowClass, const char* expected, DWORD timeoutMs) {
  std::string last;
  const bool matched = waitFor(
      [&] {
        const HWND child = childOf(windowClass, "Edit");
        if (child == nullptr) return false;
        last = textOf(child);
        return last == expected;
      },
      timeoutMs);
  if (matched) return 0;
  std::fprintf(stderr, "expected \"%s\", read \"%s\"\n", expected, last.c_str());
  return 1;
}

int close(const char* windowClass) {
  const HWND window = findVisible(windowClass);
  if (window == nullptr) return 1;
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

// When the user's key reached the hook chain. This hook is the newest, so the
// system calls it before any other program's.
DWORD userPressTick = 0;

bool isModifierKey(DWORD vk) {
  return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU || (vk >= VK_LSHIFT && vk <= VK_RMENU) ||
         vk == VK_LWIN || vk == VK_RWIN;
}

LRESULT CALLBACK notePress(int code, WPARAM wParam, LPARAM lParam) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && userPressTick == 0 && (key->flags & (LLKHF_UP | LLKHF_INJECTED)) == 0 &&
      !isModifierKey(key->vkCode)) {
    userPressTick = GetTickCount();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT textLength(HWND edit) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 1000, &length);
  return static_cast<LRESULT>(length);
}

int timeFirstChar(const char* windowClass, DWORD timeoutMs) {
  const HWND edit = childOf(windowClass, "Edit");
  if (edit == nullptr) {
    std::fprintf(stderr, "no Edit in a window of class %s\n", windowClass);
    return 1;
  }
  const LRESULT before = textLength(edit);
  const HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, notePress, GetModuleHandleA(nullptr), 0);
  if (hook == nullptr) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  int status = 1;
  while (GetTickCount() - start < timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (userPressTick != 0 && textLength(edit) > before) {
      std::printf("%lu\n", static_cast<unsigned long>(GetTickCount() - userPressTick));
      status = 0;
      break;
    }
  }
  UnhookWindowsHookEx(hook);
  if (status != 0) std::fprintf(stderr, userPressTick == 0 ? "no key was pressed\n" : "no character arrived\n");
  return status;
}

DWORD watchedKey = 0;
bool watchedKeySeen = false;

LRESULT CALLBACK noteWatchedKey(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && (wParam == WM_KEYUP || wParam == WM_SYSKEYUP) &&
      reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode == watchedKey) {
    watchedKeySeen = true;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A later event to wait for instead of "nothing happened within N ms": the
// program presses its end-of-macro key only after a playback has returned,
// so whatever the macro typed has been typed by then.
int waitKey(const char* vk, DWORD timeoutMs) {
  watchedKey = static_cast<DWORD>(std::strtoul(vk, nullptr, 10));
  const HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, noteWatchedKey, GetModuleHandleA(nullptr), 0);
  if (hook == nullptr) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  while (!watchedKeySeen && GetTickCount() - start < timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  UnhookWindowsHookEx(hook);
  if (!watchedKeySeen) std::fprintf(stderr, "virtual key %lu was not released\n", watchedKey);
  return watchedKeySeen ? 0 : 1;
}

struct ChildSearch {
  const char* className;
  const char* text;
  HWND found;
};

BOOL CALLBACK matchChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, search->className) != 0 || textOf(child) != search->text) return TRUE;
  search->found = child;
  return FALSE;
}

HWND findChild(HWND parent, const char* className, const char* text) {
  ChildSearch search{className, text, nullptr};
  EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The screen position of the middle of a button, for a real mouse click.
int center(const char* windowClass, const char* buttonText) {
  const HWND window = findVisible(windowClass);
  const HWND button = window != nullptr ? findChild(window, "Button", buttonText) : nullptr;
  if (button == nullptr) return 1;
  RECT r{};
  GetWindowRect(button, &r);
  std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return 0;
}

int setText(const char* windowClass, const char* text) {
  const HWND window = findVisible(windowClass);
  const HWND edit = window != nullptr ? FindWindowExA(window, nullptr, "Edit", nullptr) : nullptr;
  if (edit == nullptr) return 1;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return 0;
}

// A label shows whole when it is as wide and high as its text in the
// forms' font, lies inside its window's client area and overlaps no other control.
int labelWhole(const char* windowClass, const char* text) {
  const HWND window = findVisible(windowClass);
  const HWND label = window != nullptr ? findChild(window, "Static", text) : nullptr;
  if (label == nullptr) return 1;
  // A font handle belongs to its process: measure in the font the
  // program's forms use, the system's message font, made here.
  NONCLIENTMETRICSA metrics0{};
  metrics0.cbSize = sizeof metrics0;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics0, &metrics0, 0);
  const HFONT font = CreateFontIndirectA(&metrics0.lfMessageFont);
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  DeleteObject(font);
  RECT box{};
  GetClientRect(label, &box);
  RECT own{};
  GetWindowRect(label, &own);
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::printf("text %ldx%ld, label %ldx%ld\n", size.cx, metrics.tmHeight, box.right, box.bottom);
  bool whole = box.right >= size.cx && box.bottom >= metrics.tmHeight && own.left >= client.left &&
               own.right <= client.right && own.top >= client.top && own.bottom <= client.bottom;
  for (HWND other = GetWindow(window, GW_CHILD); other != nullptr; other = GetWindow(other, GW_HWNDNEXT)) {
    RECT r{};
    RECT overlap{};
    GetWindowRect(other, &r);
    if (other != label && IsWindowVisible(other) && IntersectRect(&overlap, &r, &own)) whole = false;
  }
  return whole ? 0 : 1;
}

int usage() {
  std::fprintf(stderr,
               "usage: tvxdriver wait-window|front CLASS [MS] | type TEXT | read CLASS [CHILD]"
               " | wait-text CLASS TEXT [MS] | close CLASS | time-first-char CLASS [MS] | wait-key VK [MS]"
               " | center CLASS BUTTON | set-text CLASS TEXT | label-whole CLASS TEXT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command == "wait-window") return waitWindow(argv[2], timeoutArg(argc, argv, 3));
  if (command == "front") return front(argv[2], timeoutArg(argc, argv, 3));
  if (command == "type") return type(argv[2]);
  if (command == "read") return read(argv[2], argc > 3 ? argv[3] : "Edit");
  if (command == "wait-text" && argc >= 4) return waitText(argv[2], argv[3], timeoutArg(argc, argv, 4));
  if (command == "close") return close(argv[2]);
  if (command == "time-first-char") return timeFirstChar(argv[2], timeoutArg(argc, argv, 3));
  if (command == "wait-key") return waitKey(argv[2], timeoutArg(argc, argv, 3));
  if (command == "center" && argc >= 4) return center(argv[2], argv[3]);
  if (command == "set-text" && argc >= 4) return setText(argv[2], argv[3]);
  if (command == "label-whole" && argc >= 4) return labelWhole(argv[2], argv[3]);
  return usage();
}
