// The operating system as the portable core sees it: input synthesis, windows,
// processes, the clipboard, the shell, sounds, files whose handling depends on
// the system, and the clock. The real one sits in platform/win32, the
// simulated one (for tests and the tavrix tool) in platform/sim.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrix {

// A window handle as the shared macro table stores it: 32 bits, 0 = none.
using WindowId = std::uint32_t;
using ProcessId = std::uint32_t;

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// Local date and time of the wall clock.
struct LocalDateTime {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
  int hour = 0;    // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

struct ProcessEntry {
  ProcessId id = 0;
  std::string moduleName;  // file name of the process's executable, no folder
};

// ShowWindow commands (the Windows numbers).
enum class ShowCommand : int { Hide = 0, ShowNormal = 1, Minimize = 6, Show = 5, Restore = 9 };

// WM_SYSCOMMAND commands (the Windows numbers).
enum class SysCommand : std::uint32_t {
  Minimize = 0xF020,
  Maximize = 0xF030,
  Close = 0xF060,
  Restore = 0xF120,
};

// mouse_event flags (the Windows numbers).
namespace mouse_flags {
constexpr std::uint32_t Move = 0x0001;
constexpr std::uint32_t LeftDown = 0x0002;
constexpr std::uint32_t LeftUp = 0x0004;
constexpr std::uint32_t RightDown = 0x0008;
constexpr std::uint32_t RightUp = 0x0010;
constexpr std::uint32_t MiddleDown = 0x0020;
constexpr std::uint32_t MiddleUp = 0x0040;
constexpr std::uint32_t Wheel = 0x0800;
constexpr std::uint32_t Absolute = 0x8000;
}  // namespace mouse_flags

class Desktop {
 public:
  virtual ~Desktop() = default;

  // --- Input synthesis -----------------------------------------------------
  // One key event for virtual key `vk`, marked as Tavrix's own input.
  virtual void SendKey(std::uint8_t vk, bool up) = 0;
  // One mouse event, marked as Tavrix's own input.
  virtual void SendMouse(std::uint32_t flags, std::int32_t x, std::int32_t y, std::int32_t data) = 0;
  // The key that produces `ch` in the keyboard layout of the window with the
  // focus: low byte virtual key, high byte shift state (1 Shift, 2 Ctrl,
  // 4 Alt); -1 when the layout has no key for it.
  virtual std::int16_t KeyScan(unsigned char ch) = 0;
  // Whether the physical key is held down right now.
  virtual bool IsKeyDown(std::uint8_t vk) = 0;
  // Whether Caps Lock is toggled on.
  virtual bool CapsLockOn() = 0;
  // Waits (bounded) until the window in front has read the keys sent to it
  // so far: keys still unread when the foreground moves are lost. Only the
  // foreground hand-over calls it.
  virtual void LetFrontWindowReadSentKeys() = 0;

  // --- Screen and windows --------------------------------------------------
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  // A top-level window whose title equals `title` apart from letter case, or 0.
  virtual WindowId FindWindowByTitle(const std::string& title) = 0;
  // All top-level windows, visible or not, in the order the system reports.
  virtual std::vector<WindowId> TopLevelWindows() = 0;
  virtual std::string WindowTitle(WindowId window) = 0;
  virtual WindowId ForegroundWindow() = 0;
  virtual WindowId ParentWindow(WindowId window) = 0;
  virtual bool IsMinimized(WindowId window) = 0;
  virtual ProcessId WindowProcess(WindowId window) = 0;
  virtual Rect WindowRect(WindowId window) = 0;
  virtual void ShowWindow(WindowId window, ShowCommand command) = 0;
  // Brings the window to the foreground with the program's focus technique.
  virtual void BringToForeground(WindowId window) = 0;
  virtual void SendSysCommand(WindowId window, SysCommand command) = 0;
  // Posts WM_QUIT to the window's thread.
  virtual void PostQuit(WindowId window) = 0;
  virtual void MoveWindowTo(WindowId window, int left, int top) = 0;
  virtual void ResizeWindow(WindowId window, int width, int height) = 0;

  // --- Processes -----------------------------------------------------------
  virtual std::vector<ProcessEntry> RunningProcesses() = 0;

  // --- Clipboard, shell and sound -------------------------------------------
  virtual void SetClipboardText(const std::string& text) = 0;
  // ShellExecute "open" of a program or document with parameters.
  virtual void LaunchProgram(const std::string& program, const std::string& parameters) = 0;
  // ShellExecute with the default verb (web and FTP addresses).
  virtual void OpenAddress(const std::string& address) = 0;
  // Plays a wave file; `wait` returns only when it has finished. A missing
  // file plays nothing.
  virtual void PlayWave(const std::string& file, bool wait) = 0;
  virtual void Beep() = 0;

  // --- Files (failures are silent) -----------------------------------------
  virtual void ChangeFolder(const std::string& folder) = 0;
  virtual void DeleteFile(const std::string& file) = 0;
  virtual void CopyFile(const std::string& source, const std::string& target) = 0;
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;
  // Reads a whole file; nothing when it cannot be opened.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;

  // --- Time ----------------------------------------------------------------
  virtual LocalDateTime Now() = 0;
  // Milliseconds since some fixed start, wrapping at 2^32.
  virtual std::uint32_t TickCount() = 0;
  // Waits `milliseconds` while letting the application process its messages.
  virtual void Wait(std::uint32_t milliseconds) = 0;
  // Lets the application process all pending messages once.
  virtual void ProcessMessages() = 0;
};

}  // namespace tavrix
