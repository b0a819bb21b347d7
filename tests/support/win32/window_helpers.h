// The one set of helpers for tests that run under Wine with real windows:
// test windows, message pumping, waiting for a posted message, finding
// windows, and timer-driven "users" that answer the program's modal boxes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/foreground_handover.h"
#include "platform/win32/windows_api.h"

namespace tavrix::wintest {

// The program's own windows for the foreground hand-over, over test windows:
// a main window and (for tray mode) a taskbar window.
class TestProgramWindows : public ProgramWindows {
 public:
  TestProgramWindows(HWND main, HWND taskbar = nullptr, bool tray = false)
      : main_(main), taskbar_(taskbar), tray_(tray) {}
  bool InTrayMode() override { return tray_; }
  void ShowTaskbarWindow(bool visible) override {
    if (taskbar_ != nullptr) ShowWindow(taskbar_, visible ? SW_SHOWNA : SW_HIDE);
  }
  bool ProgramMinimized() override { return main_ != nullptr && IsIconic(main_); }
  void RestoreProgram() override { ShowWindow(main_, SW_SHOWNOACTIVATE); }
  void MinimizeProgram() override { ShowWindow(main_, SW_SHOWMINNOACTIVE); }
  void ShowMainWindow() override {
    if (main_ != nullptr) ShowWindow(main_, SW_SHOWNA);
  }
  void HideMainWindow() override {
    if (main_ != nullptr) ShowWindow(main_, SW_HIDE);
  }

 private:
  HWND main_;
  HWND taskbar_;
  bool tray_;
};

inline void RegisterPlainClass() {
  static const bool registered = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = DefWindowProcA;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    c.lpszClassName = "TavrixPlatformTestWindow";
    return RegisterClassA(&c) != 0;
  }();
  (void)registered;
}

// A top-level test window, destroyed with the object.
class PlainWindow {
 public:
  explicit PlainWindow(const char* title, bool visible = true, int left = 60, int top = 60) {
    RegisterPlainClass();
    window_ = CreateWindowExA(0, "TavrixPlatformTestWindow", title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                              left, top, 320, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~PlainWindow() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  }
  PlainWindow(const PlainWindow&) = delete;
  PlainWindow& operator=(const PlainWindow&) = delete;
  HWND handle() const { return window_; }
  WindowId id() const { return WindowIdOf(window_); }

 protected:
  HWND window_ = nullptr;
};

// A test window with a multi-line edit filling its client area.
class EditWindow : public PlainWindow {
 public:
  explicit EditWindow(const char* title) : PlainWindow(title) {
    edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0, 300, 150,
                            window_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  HWND edit() const { return edit_; }

 private:
  HWND edit_ = nullptr;
};

// The text of a window, also of another program's control (asked with
// WM_GETTEXT, which GetWindowText does not send across processes).
inline std::string TextOf(HWND window) {
  const auto length = static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  const auto got = static_cast<std::size_t>(
      SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data())));
  text.resize(got < length ? got : length);
  return text;
}

// Pumps this thread's messages until `done` or `timeoutMs` has passed.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Waits (pumping the rest of the queue) for `message` posted to `window`
// that `accept` takes (any, when not given); returns it through `out`.
inline bool WaitForMessage(HWND window, UINT message, MSG& out, DWORD timeoutMs,
                           const std::function<bool(const MSG&)>& accept = nullptr) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG got;
    while (PeekMessageA(&got, nullptr, 0, 0, PM_REMOVE)) {
      if (got.hwnd == window && got.message == message) {
        if (!accept || accept(got)) {
          out = got;
          return true;
        }
        continue;
      }
      TranslateMessage(&got);
      DispatchMessageA(&got);
    }
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Pumps this thread's queue in order until a message that `isLast` accepts;
// every message before it is first shown to `note`, which may take it (true:
// not dispatched). For checks that something did not happen: wait for a later
// event that must come after it, and note whether it came before.
inline bool PumpInOrderUntil(const std::function<bool(const MSG&)>& isLast,
                             const std::function<bool(const MSG&)>& note, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG got;
    while (PeekMessageA(&got, nullptr, 0, 0, PM_REMOVE)) {
      if (isLast(got)) return true;
      if (note(got)) continue;
      TranslateMessage(&got);
      DispatchMessageA(&got);
    }
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Brings `window` to the front and waits until it is the foreground window.
inline bool BringToFront(HWND window, DWORD timeoutMs = 3000) {
  SetForegroundWindow(window);
  return PumpUntil([&] { return GetForegroundWindow() == window; }, timeoutMs);
}

// Removes a WM_QUIT left in the queue by a bailed-out script; its wParam, or
// -1 when there was none.
inline int TakeQuit() {
  MSG msg;
  if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(msg.wParam);
  return -1;
}

inline BOOL CALLBACK CollectOwnVisibleWindow(HWND window, LPARAM list) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

// The visible top-level windows of this process with exactly this title.
inline std::vector<HWND> OwnWindowsTitled(const char* title) {
  std::vector<HWND> all;
  EnumWindows(CollectOwnVisibleWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> titled;
  for (HWND window : all) {
    if (TextOf(window) == title) titled.push_back(window);
  }
  return titled;
}

inline HWND FindOwnWindow(const char* title) {
  const auto windows = OwnWindowsTitled(title);
  return windows.empty() ? nullptr : windows.front();
}

inline BOOL CALLBACK FindOtherProcessNotepad(HWND window, LPARAM found) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (lstrcmpiA(name, "Notepad") != 0 || process == GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Waits for a notepad just launched to show itself and take the foreground,
// as it does on start, and lets its start-up focus changes pass.
inline HWND WaitForLaunchedNotepad(DWORD timeoutMs = 10000) {
  HWND notepad = nullptr;
  PumpUntil(
      [&] {
        notepad = nullptr;
        EnumWindows(FindOtherProcessNotepad, reinterpret_cast<LPARAM>(&notepad));
        return notepad != nullptr && GetForegroundWindow() == notepad;
      },
      timeoutMs);
  PumpUntil([] { return false; }, 100);
  return notepad;
}

// A child window of `parent` with this class (case-insensitive) and, when
// given, this text.
inline HWND FindChild(HWND parent, const char* className, const char* text = nullptr) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, className) != 0) continue;
    if (text == nullptr || TextOf(child) == text) return child;
  }
  return nullptr;
}

// Clicks a button the way a user would: the parent hears about it through
// its message queue, not from inside the caller.
inline void PostClick(HWND button) {
  PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The client rectangle of a child in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A "user" that acts from a timer while the code under test runs a modal
// loop. `step` runs every `intervalMs` until it answers true. When the
// deadline passes first, the script gives up and posts WM_QUIT (99) so every
// modal loop ends; finished() then stays false (and TakeQuit() clears the
// quit). A loop still running at the deadline after the last step gets
// WM_QUIT 98.
class TimerScript {
 public:
  TimerScript(std::function<bool()> step, UINT intervalMs = 50, DWORD deadlineMs = 8000)
      : step_(std::move(step)), deadline_(GetTickCount() + deadlineMs) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, intervalMs, &TimerScript::Tick);
  }
  ~TimerScript() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  TimerScript(const TimerScript&) = delete;
  TimerScript& operator=(const TimerScript&) = delete;

  bool finished() const { return finished_; }

 private:
  // Past the deadline the script ends every modal loop, also when its last
  // step was done but the code under test did not react to it: a box that
  // ignores a click fails the test instead of hanging the program.
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TimerScript* self = current_;
    if (self == nullptr || self->busy_) return;
    if (static_cast<LONG>(GetTickCount() - self->deadline_) > 0) {
      KillTimer(nullptr, self->timer_);
      self->timer_ = 0;
      PostQuitMessage(self->finished_ ? 98 : 99);
      return;
    }
    if (self->finished_) return;
    self->busy_ = true;  // a step may itself run a modal loop
    if (self->step_()) self->finished_ = true;
    self->busy_ = false;
  }

  inline static TimerScript* current_ = nullptr;
  std::function<bool()> step_;
  DWORD deadline_;
  UINT_PTR timer_ = 0;
  bool finished_ = false;
  bool busy_ = false;
};

}  // namespace tavrix::wintest
