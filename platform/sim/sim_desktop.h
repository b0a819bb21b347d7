// A whole desktop in memory: the US English keyboard, a screen, top-level
// windows in Z order, processes, a clipboard, files, sounds and a clock that
// moves only when something waits. Every input event and every action is
// written to the trace as one line, so tests and the tavrix tool can see
// exactly what a playback did.
//
// Trace lines: "key <vk> down|up", "mouse <flags> <x> <y> <data>",
// "wait <ms>", "clipboard <text>", "foreground <title>",
// "show <title> <SW_ name>", "syscommand <title> <SC_ name>",
// "setpos <title> <left> <top>", "setsize <title> <width> <height>",
// "quit <title>", "launch <program> <parameters>", "open <address>",
// "sound <file> wait|nowait", "beep", "chdir <folder>", "delete <file>",
// "copy <source> <target>", "rename <old> <new>", and for the user's own
// input "user key <vk> down|up", "user click <button> down|up".
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_trace.h"

namespace tavrix {

// One key or mouse button event as the system's input hooks see it.
struct SimInputEvent {
  bool key = true;
  std::uint8_t vk = 0;      // keys
  std::uint8_t button = 0;  // clicks: 1 left, 2 right, 3 middle
  bool up = false;
  bool marked = false;      // sent by the program (Desktop), not by the user
};

struct SimWindow {
  WindowId id = 0;
  std::string title;
  ProcessId process = 0;
  WindowId parent = 0;  // 0 for a top-level window
  bool hidden = false;
  bool minimized = false;
  bool maximized = false;
  Rect rect{100, 100, 740, 580};
};

class SimDesktop : public Desktop {
 public:
  SimDesktop();

  SimTrace& Trace() { return trace_; }
  const SimTrace& Trace() const { return trace_; }

  // --- Setting the scene ----------------------------------------------------
  void SetScreenSize(int width, int height);
  SimClock& Clock() { return clock_; }
  void SetClock(const LocalDateTime& now) { clock_.Set(now); }
  void SetCapsLock(bool on) { capsLock_ = on; }
  // A running process; a second call with the same module name gives the
  // same process.
  ProcessId AddProcess(const std::string& moduleName);
  // A top-level window in front of all others (so it becomes the foreground
  // window). An empty module name gives a window without a process.
  WindowId AddWindow(const std::string& title, const std::string& moduleName = "",
                     Rect rect = Rect{100, 100, 740, 580});
  WindowId AddChildWindow(WindowId parent, const std::string& title);
  void SetHidden(WindowId window, bool hidden);
  void SetMinimized(WindowId window, bool minimized);
  // Launching a program whose name contains `programPart` (any case) opens a
  // window with this title `delayMilliseconds` later on the simulated clock.
  void OnLaunch(const std::string& programPart, const std::string& windowTitle,
                const std::string& moduleName, std::uint32_t delayMilliseconds = 0);
  // Files form one world: a relative name means the current folder's file
  // (as <CHDIR: left it), names compare in any case, and copy, rename,
  // delete and every read see the same files.
  void AddFile(const std::string& path, const std::string& contents);
  // Lets the world start from the real file system: a file neither added
  // nor changed is read from the real file of that name (a real folder as
  // current folder works too). Real files are never changed: a copy, rename
  // or delete changes the simulated world only.
  void SetReadsRealFiles(bool reads) { readsRealFiles_ = reads; }
  // Runs whenever the application processes its messages (and inside waits):
  // the place where a test delivers an abort or other events mid-playback.
  void SetMessageHandler(std::function<void()> handler) { messageHandler_ = std::move(handler); }
  // Every key and click, the program's and the user's, passes `hook` before
  // it takes effect, as the system's input hooks do; false swallows it (a
  // swallowed key never reaches the key state).
  void SetInputHook(std::function<bool(const SimInputEvent&)> hook) { inputHook_ = std::move(hook); }
  // The user presses or releases a key or mouse button.
  void UserKey(std::uint8_t vk, bool up);
  void UserClick(std::uint8_t button, bool up);

  // --- Looking at the result ------------------------------------------------
  const SimWindow* Window(WindowId window) const;
  // Top-level windows, front first.
  const std::vector<WindowId>& ZOrder() const { return zOrder_; }
  std::optional<std::string> File(const std::string& path) const;
  const std::string& ClipboardText() const { return clipboard_; }
  const std::string& CurrentFolder() const { return currentFolder_; }

  // --- Desktop ----------------------------------------------------------------
  void SendKey(std::uint8_t vk, bool up) override;
  void SendMouse(std::uint32_t flags, std::int32_t x, std::int32_t y, std::int32_t data) override;
  std::int16_t KeyScan(unsigned char ch) override;
  bool IsKeyDown(std::uint8_t vk) override { return keysDown_[vk]; }
  bool CapsLockOn() override { return capsLock_; }
  // Traces "keys read" when keys were sent since the last time.
  void LetFrontWindowReadSentKeys() override;

  int ScreenWidth() override { return screenWidth_; }
  int ScreenHeight() override { return screenHeight_; }
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

  LocalDateTime Now() override { return clock_.Now(); }
  std::uint32_t TickCount() override { return clock_.TickCount(); }
  void Wait(std::uint32_t milliseconds) override;
  void ProcessMessages() override;

 private:
  bool keysUnread_ = false;
  struct PendingLaunch {
    std::string programPart;
    std::string windowTitle;
    std::string moduleName;
    std::uint32_t delay = 0;
  };
  struct Appearing {
    std::int64_t at = 0;
    std::string title;
    std::string moduleName;
  };

  SimWindow* Find(WindowId window);
  std::string TitleOf(WindowId window) const;
  void RemoveWindow(WindowId window);
  void MoveToBack(WindowId window);
  void OpenDueWindows();
  bool PassesHook(const SimInputEvent& event);
  void TakeKey(std::uint8_t vk, bool up);

  SimTrace trace_;
  SimClock clock_;
  int screenWidth_ = 1024;
  int screenHeight_ = 768;
  bool capsLock_ = false;
  std::array<bool, 256> keysDown_{};
  std::map<WindowId, SimWindow> windows_;
  std::vector<WindowId> zOrder_;
  WindowId nextWindow_ = 0x10010;
  std::vector<ProcessEntry> processes_;
  ProcessId nextProcess_ = 1000;
  std::vector<PendingLaunch> launchable_;
  std::vector<Appearing> appearing_;
  // The name a file command means: relative names are in the current folder.
  std::string FullName(const std::string& name) const;
  std::optional<std::string> Lookup(const std::string& fullName) const;

  struct SimFile {
    std::string name;  // as last written, for reading the real file
    std::optional<std::string> contents;  // nothing: deleted (hides a real file)
  };
  std::map<std::string, SimFile> files_;  // by upper-case full name
  bool readsRealFiles_ = false;
  std::string clipboard_;
  std::string currentFolder_;
  std::function<void()> messageHandler_;
  std::function<bool(const SimInputEvent&)> inputHook_;
};

}  // namespace tavrix
