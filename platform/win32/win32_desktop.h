// The Desktop of the real Windows: input synthesis, windows, processes, the
// clipboard, the shell, sounds, files and the clock through the Win32 API.
#pragma once

#include <array>
#include <cstdint>

#include "platform/desktop.h"

namespace tavrix {

class Win32Desktop : public Desktop {
 public:
  Win32Desktop() { scanAnswers_.fill(kNotScanned); }
  ~Win32Desktop() override;
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;

  // The program's main window: owner of the programs it launches and of the
  // clipboard text it puts there. 0 until the window exists.
  void SetMainWindow(WindowId window) { mainWindow_ = window; }
  WindowId MainWindow() const { return mainWindow_; }

  void SendKey(std::uint8_t vk, bool up) override;
  void SendMouse(std::uint32_t flags, std::int32_t x, std::int32_t y, std::int32_t data) override;
  std::int16_t KeyScan(unsigned char ch) override;
  bool IsKeyDown(std::uint8_t vk) override;
  bool CapsLockOn() override;
  void LetFrontWindowReadSentKeys() override;

  int ScreenWidth() override;
  int ScreenHeight() override;
  WindowId FindWindowByTitle(const std::string& title) override;
  std::vector<WindowId> TopLevelWindows() override;
  std::string WindowTitle(WindowId window) override;
  WindowId ForegroundWindow() override;
  WindowId ParentWindow(WindowId window) override;
  bool IsMinimized(WindowId window) override;
  ProcessId WindowProcess(WindowId window) override;
  Rect WindowRect(WindowId window) override;
  void ShowWindow(WindowId window, ShowCommand command) override;
  void BringToForeground(WindowId window) override;
  void SendSysCommand(WindowId window, SysCommand command) override;
  void PostQuit(WindowId window) override;
  void MoveWindowTo(WindowId window, int left, int top) override;
  void ResizeWindow(WindowId window, int width, int height) override;

  std::vector<ProcessEntry> RunningProcesses() override;

  void SetClipboardText(const std::string& text) override;
  void LaunchProgram(const std::string& program, const std::string& parameters) override;
  void OpenAddress(const std::string& address) override;
  void PlayWave(const std::string& file, bool wait) override;
  void Beep() override;

  void ChangeFolder(const std::string& folder) override;
  void DeleteFile(const std::string& file) override;
  void CopyFile(const std::string& source, const std::string& target) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  std::optional<std::string> ReadFile(const std::string& path) override;

  LocalDateTime Now() override;
  std::uint32_t TickCount() override;
  void Wait(std::uint32_t milliseconds) override;
  void ProcessMessages() override;

 private:
  WindowId ClipboardOwner();

  WindowId mainWindow_ = 0;
  WindowId clipboardWindow_ = 0;

  // KeyScan's memory: the last window in front (asked for again after
  // kScanWindowValidMs or a change of the foreground) and its thread, and
  // the answers of that thread's layout so far.
  static constexpr std::int16_t kNotScanned = -2;
  static constexpr std::int64_t kScanWindowValidMs = 20;
  std::int64_t scanAskedAt_ = -1;
  WindowId scanWindow_ = 0;
  std::uint32_t scanThread_ = 0;
  std::uintptr_t scanLayout_ = 0;
  std::array<std::int16_t, 256> scanAnswers_{};
};

}  // namespace tavrix
