#include "tests/win32/hook_test_support.h"

#include "base/private_messages.h"
#include "tests/support/win32/window_helpers.h"

namespace tavrix::test {

namespace {

constexpr std::size_t kTableSize = 19755;
constexpr std::size_t kMainWindowOffset = 0;
constexpr std::size_t kHotKeyUsedOffset = 17;
constexpr std::size_t kEntryWindowOffset = 752;
constexpr std::size_t kEntryActiveOffset = 756;
constexpr std::size_t kInUseOffset = 777;

std::vector<KBDLLHOOKSTRUCT> downstreamKeys;
std::vector<WPARAM> downstreamButtons;

LRESULT CALLBACK recordKey(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) downstreamKeys.push_back(*reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK recordMouse(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam != WM_MOUSEMOVE) downstreamButtons.push_back(wParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ProgramTable::ProgramTable(HookDll& dll) : dll_(dll), bytes_(kTableSize, 0) {}

ProgramTable::~ProgramTable() {
  std::fill(bytes_.begin(), bytes_.end(), 0);
  dll_.upInit(bytes_.data());
}

void ProgramTable::putU32(std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<BYTE>(value >> (8 * i));
}

void ProgramTable::publishAll(HWND mainWindow) {
  const auto window = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(mainWindow));
  putU32(kMainWindowOffset, window);
  putU32(kEntryWindowOffset, window);
  dll_.upInit(bytes_.data());
}

void ProgramTable::setUsed(int code, bool used) {
  bytes_[kHotKeyUsedOffset + code] = used ? 1 : 0;
  dll_.upKeys(bytes_.data());
}

void ProgramTable::setInUse(bool inUse) {
  bytes_[kInUseOffset] = inUse ? 1 : 0;
  dll_.upInUse(bytes_.data());
}

void ProgramTable::setEntry(HWND window, bool active) {
  putU32(kEntryWindowOffset, static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window)));
  bytes_[kEntryActiveOffset] = active ? 1 : 0;
  dll_.upWindow2(bytes_.data());
}

void sendKey(BYTE vk, bool up, ULONG_PTR extraInfo) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), up ? KEYEVENTF_KEYUP : 0, extraInfo);
}

void sendCombination(std::initializer_list<BYTE> modifiers, BYTE vk, ULONG_PTR extraInfo) {
  for (BYTE m : modifiers) sendKey(m, false, extraInfo);
  sendKey(vk, false, extraInfo);
  sendKey(vk, true, extraInfo);
  for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) sendKey(*m, true, extraInfo);
}

void sendClick(DWORD downFlag, DWORD upFlag, ULONG_PTR extraInfo) {
  mouse_event(downFlag, 0, 0, 0, extraInfo);
  mouse_event(upFlag, 0, 0, 0, extraInfo);
}

Downstream::Downstream()
    : keyboard_(SetWindowsHookExW(WH_KEYBOARD_LL, recordKey, GetModuleHandleW(nullptr), 0)),
      mouse_(SetWindowsHookExW(WH_MOUSE_LL, recordMouse, GetModuleHandleW(nullptr), 0)) {
  clear();
}

Downstream::~Downstream() {
  if (keyboard_ != nullptr) UnhookWindowsHookEx(keyboard_);
  if (mouse_ != nullptr) UnhookWindowsHookEx(mouse_);
}

void Downstream::clear() {
  downstreamKeys.clear();
  downstreamButtons.clear();
}

bool Downstream::sawKey(DWORD vk, bool up) const {
  for (const auto& key : downstreamKeys) {
    if (key.vkCode == vk && ((key.flags & LLKHF_UP) != 0) == up) return true;
  }
  return false;
}

bool Downstream::sawKeyMarked(DWORD vk) const {
  for (const auto& key : downstreamKeys) {
    if (key.vkCode == vk && key.dwExtraInfo == kSyntheticInputMarker) return true;
  }
  return false;
}

bool Downstream::sawButtonDown() const {
  for (WPARAM message : downstreamButtons) {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) return true;
  }
  return false;
}

std::size_t Downstream::keyCount() const { return downstreamKeys.size(); }

void discardMessages(HWND window, UINT message) {
  MSG stale;
  while (PeekMessageW(&stale, window, message, message, PM_REMOVE)) {
  }
}

}  // namespace tavrix::test
