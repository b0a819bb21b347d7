#include "hook/win32/hook_procedures.h"

#include <array>

#include "hook/hook_pipeline.h"
#include "hook/key_character_map.h"
#include "hook/hot_key_lookup.h"
#include "base/private_messages.h"
#include "base/virtual_keys.h"
#include "hook/win32/library.h"

namespace tavrix::hook {

namespace {

// Touched only on the hook thread: the procedures and the thread's own
// messages run there one at a time.
HookPipeline pipeline;
HWND threadWindow = nullptr;
DWORD lastEvent = 0;
DWORD lastKey = 0;

bool isMarked(ULONG_PTR extraInfo) { return extraInfo == kSyntheticInputMarker; }

// --- Key swap ---------------------------------------------------------------------

// The program's key-swap control block; its tables start at offset 8.
constexpr wchar_t kKeySwapBlockName[] = L"TVTT1KGR";
constexpr std::size_t kKeySwapTablesOffset = 8;
const std::uint8_t* keySwapBlock = nullptr;
bool swapOn = false;

// The layouts met so far, each built once; the oldest gives way to a new one.
struct LayoutEntry {
  HKL layout = nullptr;
  KeyCharacterMap map;
};
std::array<LayoutEntry, 6> layouts;
std::size_t nextLayout = 0;
// The layout of the window in front, asked again only after a pause in
// typing (under Wine every such question is a round trip to the server).
constexpr DWORD kLayoutRecheckMs = 20;
const KeyCharacterMap* frontMap = nullptr;
DWORD frontAskedAt = 0;

const KeyCharacterMap& mapOf(HKL layout) {
  for (const LayoutEntry& entry : layouts)
    if (entry.layout == layout) return entry.map;
  LayoutEntry& entry = layouts[nextLayout];
  nextLayout = (nextLayout + 1) % layouts.size();
  entry.layout = layout;
  entry.map = KeyCharacterMap::build([layout](std::uint8_t c) {
    return static_cast<std::int16_t>(VkKeyScanExA(static_cast<CHAR>(c), layout));
  });
  return entry.map;
}

HKL layoutInFront() {
  const HWND front = GetForegroundWindow();
  const DWORD thread = front != nullptr ? GetWindowThreadProcessId(front, nullptr) : 0;
  return GetKeyboardLayout(thread);
}

const KeyCharacterMap* frontLayout(DWORD now) {
  if (frontMap == nullptr || now - frontAskedAt >= kLayoutRecheckMs) {
    frontMap = &mapOf(layoutInFront());
    frontAskedAt = now;
  }
  return frontMap;
}

// The tables while the swap hook is installed; null otherwise.
const std::uint8_t* swapTables() {
  return swapOn && keySwapBlock != nullptr ? keySwapBlock + kKeySwapTablesOffset : nullptr;
}

// The window with the keyboard focus in the program in front: the macro's
// target. The foreground window itself when its focus cannot be read.
HWND focusWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(0, &info) && info.hwndFocus != nullptr) return info.hwndFocus;
  return GetForegroundWindow();
}

// Posts only: the hook must never wait for another thread. True when the
// event is to go no further.
bool carryOut(const HookOutcome& outcome) {
  if (outcome.macroEnded) libraryState().macroEnded();
  HWND focus = nullptr;
  for (const HookPost& post : outcome.posts) {
    if (post.focusWindowAsLParam && focus == nullptr) focus = focusWindow();
    const LPARAM lParam = post.focusWindowAsLParam ? reinterpret_cast<LPARAM>(focus)
                                                   : static_cast<LPARAM>(post.lParam);
    PostMessageW(reinterpret_cast<HWND>(static_cast<UINT_PTR>(post.window)), post.message,
                 static_cast<WPARAM>(post.wParam), lParam);
  }
  if (outcome.sendMenuBlocker && threadWindow != nullptr) {
    PostMessageW(threadWindow, kMenuBlockerRequest, 0, 0);
  }
  if (outcome.verdict == HookVerdict::Replace) {
    // The system gets the replacement instead, sent as the library's own
    // input so that no stage decides it a second time.
    const InputEvent& key = outcome.replacement;
    if (key.character != 0 && threadWindow != nullptr) {
      PostMessageW(threadWindow, kTypeCharacterRequest, key.character, 0);
    } else if (key.isKey() && threadWindow != nullptr) {
      PostMessageW(threadWindow, kReplacementKeyRequest, key.vk, key.up ? 1 : 0);
    }
    return true;
  }
  return outcome.swallowed();
}

std::uint8_t buttonOf(WPARAM message, bool& up) {
  up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return 3;
    default: return 0;
  }
}

// Where a mouse event happened and which window was in front, for a
// capture (cheap calls, made only while one records).
void withPlace(InputEvent& event, const MSLLHOOKSTRUCT& info) {
  event.x = info.pt.x;
  event.y = info.pt.y;
  event.time = info.time;
  const HWND front = GetForegroundWindow();
  RECT rect{};
  if (front != nullptr && GetWindowRect(front, &rect)) {
    event.frontWindow = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(front));
    event.frontLeft = rect.left;
    event.frontTop = rect.top;
    event.frontWidth = rect.right - rect.left;
    event.frontHeight = rect.bottom - rect.top;
  }
}

bool systemKeyDown(std::uint16_t vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

}  // namespace

LRESULT CALLBACK keyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    lastEvent = lastKey = GetTickCount();
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    InputEvent event = InputEvent::key(static_cast<std::uint16_t>(info->vkCode), (info->flags & LLKHF_UP) != 0,
                                       isMarked(info->dwExtraInfo));
    event.time = info->time;
    HookSettings settings = libraryState().hookSettings();
    if (!event.marked) {
      const std::uint8_t* tables = swapTables();
      settings.swapTables = tables;
      // Both the swap and the Wordlets read the character a key types.
      if (tables != nullptr || settings.hasWordlets) settings.layout = frontLayout(lastKey);
    }
    if (carryOut(pipeline.decide(event, settings))) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    lastEvent = GetTickCount();
    bool up = false;
    const std::uint8_t button = buttonOf(wParam, up);
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (button != 0 || wParam == WM_MOUSEWHEEL) {
      const HookSettings settings = libraryState().hookSettings();
      InputEvent event = button != 0 ? InputEvent::click(button, up, isMarked(info->dwExtraInfo))
                                     : InputEvent::wheelTurn(static_cast<std::int16_t>(
                                           static_cast<short>(HIWORD(info->mouseData)) / WHEEL_DELTA));
      event.marked = isMarked(info->dwExtraInfo);
      if (settings.captureOn) withPlace(event, *info);
      if (carryOut(pipeline.decide(event, settings))) return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Key remapping plugs in here; until then it only tells the watchdog that
// keys still arrive.
LRESULT CALLBACK swapHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) lastEvent = GetTickCount();
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HHOOK installInputHook(HookKind kind) {
  switch (kind) {
    case HookKind::Keyboard:
      return SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHookProc, libraryModule(), 0);
    case HookKind::Mouse:
      return SetWindowsHookExW(WH_MOUSE_LL, mouseHookProc, libraryModule(), 0);
    case HookKind::Swap:
      return SetWindowsHookExW(WH_KEYBOARD_LL, swapHookProc, libraryModule(), 0);
    case HookKind::Foreground:
      break;
  }
  return nullptr;
}

void startProcedures(HWND window) {
  hotKeyLookup();
  pipeline = HookPipeline{};
  threadWindow = window;
  lastEvent = lastKey = GetTickCount();
}

void resyncKeyState(bool capsLock) {
  pipeline.keys().resyncModifiers(systemKeyDown);
  pipeline.forgetReleasedSwallows(systemKeyDown);
  if (capsLock) pipeline.keys().setCapsLock((GetKeyState(VK_CAPITAL) & 1) != 0);
}

DWORD lastEventSeen() { return lastEvent; }
DWORD lastKeySeen() { return lastKey; }

void sendReplacementKey(WPARAM vk, LPARAM up) {
  keybd_event(static_cast<BYTE>(vk), 0, up != 0 ? KEYEVENTF_KEYUP : 0, kSyntheticInputMarker);
}

void setSwapActive(bool on) {
  if (on && keySwapBlock == nullptr) {
    // The program's block stays mapped for the library's whole life: the
    // tables are read in place, so every change applies at the next key.
    const HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, kKeySwapBlockName);
    if (mapping != nullptr) {
      keySwapBlock = static_cast<const std::uint8_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
      CloseHandle(mapping);
    }
  }
  swapOn = on;
  if (on) readInstalledLayouts();
}

void readInstalledLayouts() {
  // Every layout the user may switch to is ready before the first key (one
  // loaded later is read at its first key).
  HKL installed[8] = {};
  const int count = GetKeyboardLayoutList(8, installed);
  for (int k = 0; k < count && k < static_cast<int>(layouts.size()); ++k) mapOf(installed[k]);
  frontLayout(GetTickCount());
}

void typeCharacter(WPARAM character) {
  const CHAR ansi = static_cast<CHAR>(character);
  WCHAR wide = 0;
  if (MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &wide, 1) != 1) return;
  INPUT inputs[2]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = wide;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    input.ki.dwExtraInfo = kSyntheticInputMarker;
  }
  inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

void sendMenuBlocker() {
  keybd_event(static_cast<BYTE>(vk::kUnassigned), 0, 0, kSyntheticInputMarker);
  keybd_event(static_cast<BYTE>(vk::kUnassigned), 0, KEYEVENTF_KEYUP, kSyntheticInputMarker);
}

}  // namespace tavrix::hook
