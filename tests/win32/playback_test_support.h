// Helpers for playing macro texts through the real player on the real
// desktop: the player wired to Win32Desktop and Win32Ui, an editor window of
// our own, and Wine's notepad as another program's window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_ui.h"
#include "playback/desktop_playback_commands.h"
#include "playback/player.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix::playtest {

// The real desktop, noting the programs launched and the waits asked for,
// so a test can tell what playback did without timing it.
class NotingDesktop : public Win32Desktop {
 public:
  void LaunchProgram(const std::string& program, const std::string& parameters) override {
    launches.push_back(program);
    Win32Desktop::LaunchProgram(program, parameters);
  }
  void Wait(std::uint32_t milliseconds) override {
    waitedMs += milliseconds;
    Win32Desktop::Wait(milliseconds);
  }

  std::vector<std::string> launches;
  std::uint64_t waitedMs = 0;
};

// The player as the main window owns it, with no main window of its own
// (the host's defaults suit a program without one).
struct PlaybackRig {
  NotingDesktop desktop;
  Win32Ui ui;
  WindowlessPlayerHost host;
  DesktopPlaybackCommands commands{desktop};
  Player player{desktop, ui, host, commands};
};

// The thread's keyboard focus of the thread that owns `window`.
inline HWND FocusOfThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

// Brings `window` in front through the desktop and waits (bounded) until it
// is the foreground window with the focus on `focus`; then lets Wine's focus
// events of the switch pass before any key is sent.
inline bool BringForwardWithFocus(Win32Desktop& desktop, HWND window, HWND focus) {
  desktop.BringToForeground(WindowIdOf(window));
  const bool ready = wintest::PumpUntil(
      [&] { return GetForegroundWindow() == window && FocusOfThreadOf(window) == focus; }, 3000);
  desktop.Wait(100);
  return ready && GetForegroundWindow() == window;
}

// Waits (bounded) until the edit holds at least `expected`'s length, then a
// little longer so that anything still arriving shows up too.
inline std::string TextArrived(HWND edit, const std::string& expected, DWORD timeoutMs = 4000) {
  wintest::PumpUntil([&] { return wintest::TextOf(edit).size() >= expected.size(); }, timeoutMs);
  wintest::PumpUntil([] { return false; }, 50);
  return wintest::TextOf(edit);
}

// An editor window as an application makes it: a multi-line edit fills it
// and keeps the focus whenever the window is activated.
class EditorWindow {
 public:
  explicit EditorWindow(const char* title, int left = 80, int top = 80) {
    static const bool registered = [] {
      WNDCLASSA c{};
      c.lpfnWndProc = &EditorWindow::Procedure;
      c.hInstance = GetModuleHandleA(nullptr);
      c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
      c.lpszClassName = "TavrixPlaybackEditor";
      return RegisterClassA(&c) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExA(0, "TavrixPlaybackEditor", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, top, 560,
                              300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    edit_ = CreateWindowExA(0, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL |
                                ES_AUTOHSCROLL,
                            0, 0, 540, 260, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    // The window was activated before its edit existed.
    if (GetFocus() == window_) SetFocus(edit_);
  }
  ~EditorWindow() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  }
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  HWND handle() const { return window_; }
  HWND edit() const { return edit_; }
  WindowId id() const { return WindowIdOf(window_); }
  std::string text() const { return wintest::TextOf(edit_); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
      if (HWND edit = GetWindow(window, GW_CHILD)) SetFocus(edit);
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

struct ProcessWindowSearch {
  DWORD process = 0;
  HWND found = nullptr;
};

inline BOOL CALLBACK FindVisibleNotepadOfProcess(HWND window, LPARAM search) {
  auto* s = reinterpret_cast<ProcessWindowSearch*>(search);
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != s->process || lstrcmpiA(name, "Notepad") != 0 || !IsWindowVisible(window)) return TRUE;
  s->found = window;
  return FALSE;
}

// The visible main window of notepad in that process, or null.
inline HWND NotepadWindowOf(DWORD process) {
  ProcessWindowSearch search{process, nullptr};
  EnumWindows(FindVisibleNotepadOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline BOOL CALLBACK CountNotepad(HWND window, LPARAM count) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "Notepad") == 0 && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

inline int VisibleNotepadCount() {
  int count = 0;
  EnumWindows(CountNotepad, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Ends a process and waits (bounded) until it and its windows are gone, so
// that a later title lookup cannot find a dying window. Notepad may ask to
// save on WM_CLOSE; ending it needs no answer.
inline void EndProcessAndWait(HANDLE process, HWND window) {
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
  wintest::PumpUntil([&] { return window == nullptr || !IsWindow(window); }, 3000);
}

inline void EndProcessOfWindow(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return;
  EndProcessAndWait(process, window);
  CloseHandle(process);
}

// Wine's notepad, started by the test (not through the program) and ended
// with the object.
class Notepad {
 public:
  explicit Notepad(const std::string& arguments = {}) {
    std::string command = "notepad.exe";
    if (!arguments.empty()) command += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
      return;
    }
    wintest::PumpUntil(
        [&] {
          window_ = NotepadWindowOf(process_.dwProcessId);
          return window_ != nullptr;
        },
        15000);
    if (window_ != nullptr) edit_ = FindWindowExA(window_, nullptr, "Edit", nullptr);
    // Let its start-up activation and focus changes pass.
    wintest::PumpUntil([] { return false; }, 150);
  }
  ~Notepad() {
    if (process_.hProcess == nullptr) return;
    EndProcessAndWait(process_.hProcess, window_);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;

  HWND window() const { return window_; }
  HWND edit() const { return edit_; }
  WindowId id() const { return WindowIdOf(window_); }
  bool ready() const { return window_ != nullptr && edit_ != nullptr; }
  std::string text() const { return wintest::TextOf(edit_); }
  RECT rect() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return r;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

// The clipboard's plain text, or "(none)".
inline std::string ClipboardText() {
  std::string text = "(none)";
  bool open = false;
  for (int attempt = 0; attempt < 20 && !(open = OpenClipboard(nullptr) != FALSE); ++attempt) Sleep(5);
  if (!open) return "(clipboard busy)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace tavrix::playtest
