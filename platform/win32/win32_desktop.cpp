#include "platform/win32/win32_desktop.h"

#include <cstring>

#include "base/private_messages.h"
#include "platform/win32/foreground_handover.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/process_list.h"
#include "platform/win32/sent_key_digest.h"
#include "platform/win32/windows_api.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace tavrix {
namespace {

constexpr int kMaxTitle = 255;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowId>*>(list)->push_back(WindowIdOf(window));
  return TRUE;
}

// Another program may hold the clipboard for a moment.
bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(5);
  }
  return false;
}

// Milliseconds of the performance counter (the tick count may lag a tick).
std::int64_t PreciseMilliseconds() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<std::int64_t>(now.QuadPart / (frequency / 1000));
}

}  // namespace

Win32Desktop::~Win32Desktop() {
  if (clipboardWindow_ != 0 && IsWindow(HwndOf(clipboardWindow_))) DestroyWindow(HwndOf(clipboardWindow_));
}

void Win32Desktop::SendKey(std::uint8_t vk, bool up) {
  const BYTE scan = static_cast<BYTE>(MapVirtualKeyA(vk, 0));
  NoteKeyAboutToBeSent(vk, up);
  keybd_event(vk, scan, up ? KEYEVENTF_KEYUP : 0, kSyntheticInputMarker);
}

void Win32Desktop::SendMouse(std::uint32_t flags, std::int32_t x, std::int32_t y, std::int32_t data) {
  mouse_event(flags, static_cast<DWORD>(x), static_cast<DWORD>(y), static_cast<DWORD>(data), kSyntheticInputMarker);
}

std::int16_t Win32Desktop::KeyScan(unsigned char ch) {
  // The layout of the program that receives the keys, not Tavrix's own.
  // Every character of a macro asks, and under Wine every question about
  // another program's window is a round trip to the server, which a busy
  // machine makes slow: the window in front is asked again only after a
  // short while or a change of the foreground, its thread only when the
  // window changed, and each layout's answers are kept.
  const std::int64_t now = PreciseMilliseconds();
  if (scanAskedAt_ < 0 || now - scanAskedAt_ >= kScanWindowValidMs) {
    scanAskedAt_ = now;
    HWND front = GetForegroundWindow();
    if (WindowIdOf(front) != scanWindow_) {
      scanWindow_ = WindowIdOf(front);
      scanThread_ = front != nullptr ? GetWindowThreadProcessId(front, nullptr) : 0;
    }
  }
  HKL layout = GetKeyboardLayout(scanThread_);
  if (reinterpret_cast<std::uintptr_t>(layout) != scanLayout_) {
    scanLayout_ = reinterpret_cast<std::uintptr_t>(layout);
    scanAnswers_.fill(kNotScanned);
  }
  std::int16_t& answer = scanAnswers_[ch];
  if (answer == kNotScanned) answer = static_cast<std::int16_t>(VkKeyScanExA(static_cast<CHAR>(ch), layout));
  return answer;
}

bool Win32Desktop::IsKeyDown(std::uint8_t vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

bool Win32Desktop::CapsLockOn() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

// The longest the window in front may go on reading the keys sent to it
// before the foreground moves. The wait ends as soon as it has read them;
// notepad under Wine reads about 150 characters a second.
void Win32Desktop::LetFrontWindowReadSentKeys() {
  constexpr std::uint32_t kReadSentKeysMs = 2000;
  ::tavrix::LetFrontWindowReadSentKeys(kReadSentKeysMs);
}

int Win32Desktop::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Desktop::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

WindowId Win32Desktop::FindWindowByTitle(const std::string& title) {
  return WindowIdOf(FindWindowA(nullptr, title.c_str()));
}

std::vector<WindowId> Win32Desktop::TopLevelWindows() {
  std::vector<WindowId> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string Win32Desktop::WindowTitle(WindowId window) {
  HWND hwnd = HwndOf(window);
  if (hwnd == nullptr || !IsWindow(hwnd)) return {};
  char title[kMaxTitle + 1] = {};
  GetWindowTextA(hwnd, title, sizeof title);
  title[kMaxTitle] = '\0';
  return title;
}

WindowId Win32Desktop::ForegroundWindow() { return WindowIdOf(GetForegroundWindow()); }

WindowId Win32Desktop::ParentWindow(WindowId window) { return WindowIdOf(GetParent(HwndOf(window))); }

bool Win32Desktop::IsMinimized(WindowId window) { return IsIconic(HwndOf(window)) != FALSE; }

ProcessId Win32Desktop::WindowProcess(WindowId window) {
  DWORD process = 0;
  GetWindowThreadProcessId(HwndOf(window), &process);
  return process;
}

Rect Win32Desktop::WindowRect(WindowId window) {
  RECT r{};
  GetWindowRect(HwndOf(window), &r);
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Desktop::ShowWindow(WindowId window, ShowCommand command) {
  ::ShowWindow(HwndOf(window), static_cast<int>(command));
}

void Win32Desktop::BringToForeground(WindowId window) {
  scanAskedAt_ = -1;
  BringWindowToFront(window);
}

void Win32Desktop::SendSysCommand(WindowId window, SysCommand command) {
  SendMessageA(HwndOf(window), WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
}

void Win32Desktop::PostQuit(WindowId window) { PostMessageA(HwndOf(window), WM_QUIT, 0, 0); }

// Moving or sizing another window must not activate it: the macro's next
// keys still belong to the window in front.
void Win32Desktop::MoveWindowTo(WindowId window, int left, int top) {
  SetWindowPos(HwndOf(window), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Desktop::ResizeWindow(WindowId window, int width, int height) {
  SetWindowPos(HwndOf(window), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<ProcessEntry> Win32Desktop::RunningProcesses() { return ListRunningProcesses(); }

WindowId Win32Desktop::ClipboardOwner() {
  if (mainWindow_ != 0 && IsWindow(HwndOf(mainWindow_))) return mainWindow_;
  // Without an owner window EmptyClipboard leaves the clipboard ownerless
  // and SetClipboardData may refuse; a hidden message-only window will do.
  if (clipboardWindow_ == 0 || !IsWindow(HwndOf(clipboardWindow_))) {
    clipboardWindow_ = WindowIdOf(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                                  GetModuleHandleA(nullptr), nullptr));
  }
  return clipboardWindow_;
}

void Win32Desktop::SetClipboardText(const std::string& text) {
  const std::size_t length = std::strlen(text.c_str());  // plain text ends at a NUL
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length + 1);
  if (block == nullptr) return;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (bytes == nullptr) {
    GlobalFree(block);
    return;
  }
  std::memcpy(bytes, text.c_str(), length + 1);
  GlobalUnlock(block);
  if (!OpenClipboardPatiently(HwndOf(ClipboardOwner()))) {
    GlobalFree(block);
    return;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
  CloseClipboard();
}

void Win32Desktop::LaunchProgram(const std::string& program, const std::string& parameters) {
  ShellExecuteA(HwndOf(mainWindow_), "open", program.c_str(), parameters.c_str(), "", SW_SHOWNORMAL);
}

void Win32Desktop::OpenAddress(const std::string& address) {
  ShellExecuteA(HwndOf(mainWindow_), nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Desktop::PlayWave(const std::string& file, bool wait) {
  sndPlaySoundA(file.c_str(), SND_NODEFAULT | (wait ? SND_SYNC : SND_ASYNC));
}

void Win32Desktop::Beep() { MessageBeep(0); }

void Win32Desktop::ChangeFolder(const std::string& folder) { SetCurrentDirectoryA(folder.c_str()); }

void Win32Desktop::DeleteFile(const std::string& file) { DeleteFileA(file.c_str()); }

void Win32Desktop::CopyFile(const std::string& source, const std::string& target) {
  CopyFileA(source.c_str(), target.c_str(), FALSE);
}

void Win32Desktop::RenameFile(const std::string& from, const std::string& to) { MoveFileA(from.c_str(), to.c_str()); }

std::optional<std::string> Win32Desktop::ReadFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string contents;
  char chunk[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
      CloseHandle(file);
      return std::nullopt;
    }
    if (got == 0) break;
    contents.append(chunk, got);
  }
  CloseHandle(file);
  return contents;
}

LocalDateTime Win32Desktop::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::uint32_t Win32Desktop::TickCount() { return GetTickCount(); }

void Win32Desktop::Wait(std::uint32_t milliseconds) { WaitPumping(milliseconds); }

void Win32Desktop::ProcessMessages() { PumpPendingMessages(); }

}  // namespace tavrix
