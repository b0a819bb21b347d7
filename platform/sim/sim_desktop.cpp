#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/ascii_text.h"
#include "platform/sim/us_keyboard_layout.h"

namespace tavrix {

namespace {

constexpr std::uint8_t VkCapital = 20;

std::string Upper(std::string_view text) { return ToUpperAscii(text); }

const char* ShowCommandName(ShowCommand command) {
  switch (command) {
    case ShowCommand::Hide: return "SW_HIDE";
    case ShowCommand::ShowNormal: return "SW_SHOWNORMAL";
    case ShowCommand::Minimize: return "SW_MINIMIZE";
    case ShowCommand::Show: return "SW_SHOW";
    case ShowCommand::Restore: return "SW_RESTORE";
  }
  return "SW_?";
}

const char* SysCommandName(SysCommand command) {
  switch (command) {
    case SysCommand::Minimize: return "SC_MINIMIZE";
    case SysCommand::Maximize: return "SC_MAXIMIZE";
    case SysCommand::Close: return "SC_CLOSE";
    case SysCommand::Restore: return "SC_RESTORE";
  }
  return "SC_?";
}

}  // namespace

SimDesktop::SimDesktop() { clock_.SetTickCount(1000000); }

void SimDesktop::SetScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
}

ProcessId SimDesktop::AddProcess(const std::string& moduleName) {
  for (const auto& process : processes_) {
    if (process.moduleName == moduleName) return process.id;
  }
  processes_.push_back(ProcessEntry{nextProcess_, moduleName});
  return nextProcess_++;
}

WindowId SimDesktop::AddWindow(const std::string& title, const std::string& moduleName, Rect rect) {
  SimWindow window;
  window.id = nextWindow_;
  nextWindow_ += 0x10;
  window.title = title;
  window.process = moduleName.empty() ? 0 : AddProcess(moduleName);
  window.rect = rect;
  windows_[window.id] = window;
  zOrder_.insert(zOrder_.begin(), window.id);
  return window.id;
}

WindowId SimDesktop::AddChildWindow(WindowId parent, const std::string& title) {
  SimWindow window;
  window.id = nextWindow_;
  nextWindow_ += 0x10;
  window.title = title;
  window.parent = parent;
  if (const SimWindow* owner = Window(parent)) {
    window.process = owner->process;
    window.rect = owner->rect;
  }
  windows_[window.id] = window;
  return window.id;
}

void SimDesktop::SetHidden(WindowId window, bool hidden) {
  if (SimWindow* found = Find(window)) found->hidden = hidden;
}

void SimDesktop::SetMinimized(WindowId window, bool minimized) {
  if (SimWindow* found = Find(window)) found->minimized = minimized;
}

void SimDesktop::OnLaunch(const std::string& programPart, const std::string& windowTitle,
                          const std::string& moduleName, std::uint32_t delayMilliseconds) {
  launchable_.push_back(PendingLaunch{Upper(programPart), windowTitle, moduleName, delayMilliseconds});
}

void SimDesktop::AddFile(const std::string& path, const std::string& contents) {
  const std::string name = FullName(path);
  files_[Upper(name)] = SimFile{name, contents};
}

const SimWindow* SimDesktop::Window(WindowId window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

SimWindow* SimDesktop::Find(WindowId window) {
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

std::string SimDesktop::TitleOf(WindowId window) const {
  const SimWindow* found = Window(window);
  return found ? EscapeTraceText(found->title) : std::string("#") + std::to_string(window);
}

std::optional<std::string> SimDesktop::File(const std::string& path) const { return Lookup(FullName(path)); }

void SimDesktop::RemoveWindow(WindowId window) {
  windows_.erase(window);
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
}

// Hiding or minimising the window in front activates the next one, as on
// Windows.
void SimDesktop::MoveToBack(WindowId window) {
  const auto found = std::find(zOrder_.begin(), zOrder_.end(), window);
  if (found == zOrder_.end()) return;
  zOrder_.erase(found);
  zOrder_.push_back(window);
}

void SimDesktop::OpenDueWindows() {
  while (true) {
    const auto due = std::find_if(appearing_.begin(), appearing_.end(),
                                  [&](const Appearing& a) { return a.at <= clock_.Milliseconds(); });
    if (due == appearing_.end()) return;
    const Appearing opening = *due;
    appearing_.erase(due);
    AddWindow(opening.title, opening.moduleName);
  }
}

// --- Input ---------------------------------------------------------------------

void SimDesktop::SendKey(std::uint8_t vk, bool up) {
  if (trace_.Enabled()) trace_.Add("key " + std::to_string(vk) + (up ? " up" : " down"));
  keysUnread_ = true;
  if (PassesHook(SimInputEvent{true, vk, 0, up, true})) TakeKey(vk, up);
}

void SimDesktop::UserKey(std::uint8_t vk, bool up) {
  if (trace_.Enabled()) trace_.Add("user key " + std::to_string(vk) + (up ? " up" : " down"));
  if (PassesHook(SimInputEvent{true, vk, 0, up, false})) TakeKey(vk, up);
}

void SimDesktop::UserClick(std::uint8_t button, bool up) {
  if (trace_.Enabled()) trace_.Add("user click " + std::to_string(button) + (up ? " up" : " down"));
  PassesHook(SimInputEvent{false, 0, button, up, false});
}

bool SimDesktop::PassesHook(const SimInputEvent& event) { return !inputHook_ || inputHook_(event); }

void SimDesktop::TakeKey(std::uint8_t vk, bool up) {
  if (!up && vk == VkCapital) capsLock_ = !capsLock_;
  keysDown_[vk] = !up;
}

void SimDesktop::SendMouse(std::uint32_t flags, std::int32_t x, std::int32_t y, std::int32_t data) {
  if (trace_.Enabled()) {
    trace_.Add("mouse " + std::to_string(flags) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
               std::to_string(data));
  }
  // The button bits of mouse_event: left down 0x2, up 0x4; right 0x8, 0x10;
  // middle 0x20, 0x40.
  for (std::uint8_t button = 1; button <= 3; ++button) {
    const std::uint32_t downBit = 0x2u << (2 * (button - 1));
    if ((flags & downBit) != 0) PassesHook(SimInputEvent{false, 0, button, false, true});
    if ((flags & (downBit << 1)) != 0) PassesHook(SimInputEvent{false, 0, button, true, true});
  }
}

std::int16_t SimDesktop::KeyScan(unsigned char ch) { return UsKeyScan(ch); }

// --- Windows -------------------------------------------------------------------

// FindWindow compares titles without regard to letter case.
WindowId SimDesktop::FindWindowByTitle(const std::string& title) {
  OpenDueWindows();
  const std::string upperTitle = Upper(title);
  for (const WindowId window : zOrder_) {
    if (Upper(windows_[window].title) == upperTitle) return window;
  }
  return 0;
}

std::vector<WindowId> SimDesktop::TopLevelWindows() {
  OpenDueWindows();
  return zOrder_;
}

std::string SimDesktop::WindowTitle(WindowId window) {
  const SimWindow* found = Window(window);
  return found ? found->title : std::string();
}

WindowId SimDesktop::ForegroundWindow() {
  OpenDueWindows();
  return zOrder_.empty() ? 0 : zOrder_.front();
}

WindowId SimDesktop::ParentWindow(WindowId window) {
  const SimWindow* found = Window(window);
  return found ? found->parent : 0;
}

bool SimDesktop::IsMinimized(WindowId window) {
  const SimWindow* found = Window(window);
  return found && found->minimized;
}

ProcessId SimDesktop::WindowProcess(WindowId window) {
  const SimWindow* found = Window(window);
  return found ? found->process : 0;
}

Rect SimDesktop::WindowRect(WindowId window) {
  const SimWindow* found = Window(window);
  return found ? found->rect : Rect{};
}

void SimDesktop::ShowWindow(WindowId window, ShowCommand command) {
  trace_.Add("show " + TitleOf(window) + " " + ShowCommandName(command));
  SimWindow* found = Find(window);
  if (!found) return;
  switch (command) {
    case ShowCommand::Hide:
      found->hidden = true;
      MoveToBack(window);
      break;
    case ShowCommand::Show:
      found->hidden = false;
      break;
    case ShowCommand::Minimize:
      found->minimized = true;
      MoveToBack(window);
      break;
    case ShowCommand::ShowNormal:
    case ShowCommand::Restore:
      found->hidden = false;
      found->minimized = false;
      found->maximized = false;
      break;
  }
}

void SimDesktop::LetFrontWindowReadSentKeys() {
  if (!keysUnread_) return;
  keysUnread_ = false;
  trace_.Add("keys read");
}

void SimDesktop::BringToForeground(WindowId window) {
  trace_.Add("foreground " + TitleOf(window));
  if (!Find(window)) return;
  WindowId topLevel = window;
  while (windows_[topLevel].parent != 0 && Find(windows_[topLevel].parent)) topLevel = windows_[topLevel].parent;
  const auto found = std::find(zOrder_.begin(), zOrder_.end(), topLevel);
  if (found == zOrder_.end()) return;
  zOrder_.erase(found);
  zOrder_.insert(zOrder_.begin(), topLevel);
}

void SimDesktop::SendSysCommand(WindowId window, SysCommand command) {
  trace_.Add("syscommand " + TitleOf(window) + " " + SysCommandName(command));
  SimWindow* found = Find(window);
  if (!found) return;
  switch (command) {
    case SysCommand::Minimize:
      found->minimized = true;
      found->maximized = false;
      MoveToBack(window);
      break;
    case SysCommand::Maximize:
      found->minimized = false;
      found->maximized = true;
      break;
    case SysCommand::Restore:
      found->minimized = false;
      found->maximized = false;
      break;
    case SysCommand::Close:
      RemoveWindow(window);
      break;
  }
}

void SimDesktop::PostQuit(WindowId window) {
  trace_.Add("quit " + TitleOf(window));
  RemoveWindow(window);
}

void SimDesktop::MoveWindowTo(WindowId window, int left, int top) {
  trace_.Add("setpos " + TitleOf(window) + " " + std::to_string(left) + " " + std::to_string(top));
  if (SimWindow* found = Find(window)) {
    const int width = found->rect.right - found->rect.left;
    const int height = found->rect.bottom - found->rect.top;
    found->rect = Rect{left, top, left + width, top + height};
  }
}

void SimDesktop::ResizeWindow(WindowId window, int width, int height) {
  trace_.Add("setsize " + TitleOf(window) + " " + std::to_string(width) + " " + std::to_string(height));
  if (SimWindow* found = Find(window)) {
    found->rect.right = found->rect.left + width;
    found->rect.bottom = found->rect.top + height;
  }
}

std::vector<ProcessEntry> SimDesktop::RunningProcesses() {
  OpenDueWindows();
  return processes_;
}

// --- Clipboard, shell, sound ---------------------------------------------------

void SimDesktop::SetClipboardText(const std::string& text) {
  clipboard_ = text;
  if (trace_.Enabled()) trace_.Add("clipboard " + EscapeClipboardText(text));
}

void SimDesktop::LaunchProgram(const std::string& program, const std::string& parameters) {
  trace_.Add("launch " + EscapeTraceText(program) + " " + EscapeTraceText(parameters));
  const std::string name = Upper(program);
  for (const auto& launchable : launchable_) {
    if (name.find(launchable.programPart) == std::string::npos) continue;
    appearing_.push_back(
        Appearing{clock_.Milliseconds() + launchable.delay, launchable.windowTitle, launchable.moduleName});
    break;
  }
  OpenDueWindows();
}

void SimDesktop::OpenAddress(const std::string& address) { trace_.Add("open " + EscapeTraceText(address)); }

void SimDesktop::PlayWave(const std::string& file, bool wait) {
  trace_.Add("sound " + EscapeTraceText(file) + (wait ? " wait" : " nowait"));
}

void SimDesktop::Beep() { trace_.Add("beep"); }

// --- Files -----------------------------------------------------------------------

namespace {

bool IsAbsolute(const std::string& name) {
  return (!name.empty() && (name[0] == '\\' || name[0] == '/')) || (name.size() >= 2 && name[1] == ':');
}

}  // namespace

std::string SimDesktop::FullName(const std::string& name) const {
  if (name.empty() || currentFolder_.empty() || IsAbsolute(name)) return name;
  const char last = currentFolder_.back();
  if (last == '\\' || last == '/') return currentFolder_ + name;
  const bool slashes = currentFolder_.find('/') != std::string::npos && currentFolder_.find('\\') == std::string::npos;
  return currentFolder_ + (slashes ? "/" : "\\") + name;
}

std::optional<std::string> SimDesktop::Lookup(const std::string& fullName) const {
  if (fullName.empty()) return std::nullopt;
  const auto found = files_.find(Upper(fullName));
  if (found != files_.end()) return found->second.contents;
  if (!readsRealFiles_) return std::nullopt;
  std::error_code error;
  if (!std::filesystem::is_regular_file(fullName, error)) return std::nullopt;
  std::ifstream file(fullName, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return contents.str();
}

void SimDesktop::ChangeFolder(const std::string& folder) {
  trace_.Add("chdir " + EscapeTraceText(folder));
  if (!folder.empty()) currentFolder_ = FullName(folder);
}

void SimDesktop::DeleteFile(const std::string& file) {
  trace_.Add("delete " + EscapeTraceText(file));
  const std::string name = FullName(file);
  if (Lookup(name)) files_[Upper(name)] = SimFile{name, std::nullopt};
}

void SimDesktop::CopyFile(const std::string& source, const std::string& target) {
  trace_.Add("copy " + EscapeTraceText(source) + " " + EscapeTraceText(target));
  const std::optional<std::string> contents = Lookup(FullName(source));
  const std::string name = FullName(target);
  if (contents && !name.empty()) files_[Upper(name)] = SimFile{name, contents};
}

void SimDesktop::RenameFile(const std::string& from, const std::string& to) {
  trace_.Add("rename " + EscapeTraceText(from) + " " + EscapeTraceText(to));
  const std::string oldName = FullName(from);
  const std::string newName = FullName(to);
  const std::optional<std::string> contents = Lookup(oldName);
  if (!contents || newName.empty() || Lookup(newName)) return;
  files_[Upper(oldName)] = SimFile{oldName, std::nullopt};
  files_[Upper(newName)] = SimFile{newName, contents};
}

std::optional<std::string> SimDesktop::ReadFile(const std::string& path) { return Lookup(FullName(path)); }

// --- Time --------------------------------------------------------------------------

void SimDesktop::Wait(std::uint32_t milliseconds) {
  if (milliseconds > 0 && trace_.Enabled()) trace_.Add("wait " + std::to_string(milliseconds));
  clock_.Advance(milliseconds);
  ProcessMessages();
}

void SimDesktop::ProcessMessages() {
  OpenDueWindows();
  if (messageHandler_) messageHandler_();
}

}  // namespace tavrix
