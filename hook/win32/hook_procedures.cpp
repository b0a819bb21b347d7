#include "hook/win32/hook_procedures.h"

#include <array>

#include "hook/hook_pipeline.h"
#include "hook/key_character_map.h"
#include "hook/layout_cache.h"
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

bool swapOn = false;

// What the procedures leave for after the hook, in order. Full, it drops the
// newest: better a lost replacement key than a hook that waits.
struct Deferred {
  enum class Kind { MenuBlocker, ReplacementKey, TypeCharacter, ReadLayout } kind;
  std::uintptr_t value = 0;
  bool up = false;
};
std::array<Deferred, 64> deferred;
std::size_t deferredFirst = 0;
std::size_t deferredCount = 0;

void defer(const Deferred& work) {
  if (deferredCount == deferred.size() || threadWindow == nullptr) return;
  deferred[(deferredFirst + deferredCount++) % deferred.size()] = work;
  PostMessageW(threadWindow, kDeferredWorkRequest, 0, 0);
}

// --- Keyboard layouts ---------------------------------------------------------------

LayoutCache layouts;
// The layout of the window in front, asked again only after a pause in
// typing (under Wine every such question is a round trip to the server).
constexpr DWORD kLayoutRecheckMs = 20;
const KeyCharacterMap* frontMap = nullptr;
DWORD frontAskedAt = 0;

void readLayout(HKL layout) {
  const auto key = reinterpret_cast<std::uintptr_t>(layout);
  if (layouts.find(key) != nullptr) return;
  layouts.read(key, [layout](std::uint8_t c) {
    return static_cast<std::int16_t>(VkKeyScanExA(static_cast<CHAR>(c), layout));
  });
  frontMap = nullptr;  // the read may have taken the place of the front layout
}

HKL layoutInFront() {
  const HWND front = GetForegroundWindow();
  const DWORD thread = front != nullptr ? GetWindowThreadProcessId(front, nullptr) : 0;
  return GetKeyboardLayout(thread);
}

// On the hook path: a layout not read yet is read after the hook returns,
// and this key goes without its character.
const KeyCharacterMap* frontLayout(DWORD now) {
  if (frontMap == nullptr || now - frontAskedAt >= kLayoutRecheckMs) {
    const HKL layout = layoutInFront();
    frontMap = layouts.find(reinterpret_cast<std::uintptr_t>(layout));
    frontAskedAt = now;
    if (frontMap == nullptr) defer({Deferred::Kind::ReadLayout, reinterpret_cast<std::uintptr_t>(layout)});
  }
  return frontMap;
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
  if (outcome.sendMenuBlocker) defer({Deferred::Kind::MenuBlocker});
  if (outcome.verdict == HookVerdict::Replace) {
    // The system gets the replacement instead, sent as the library's own
    // input so that no stage decides it a second time.
    const InputEvent& key = outcome.replacement;
    if (key.character != 0) {
      defer({Deferred::Kind::TypeCharacter, key.character});
    } else if (key.isKey()) {
      defer({Deferred::Kind::ReplacementKey, key.vk, key.up});
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
      settings.swapTables = swapOn ? settings.keySwap.data() : nullptr;
      // Both the swap and the Wordlets read the character a key types.
      if (swapOn || settings.hasWordlets) settings.layout = frontLayout(lastKey);
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

namespace {

void sendReplacementKey(std::uintptr_t vk, bool up) {
  keybd_event(static_cast<BYTE>(vk), 0, up ? KEYEVENTF_KEYUP : 0, kSyntheticInputMarker);
}

void typeCharacter(std::uintptr_t character) {
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

}  // namespace

void runDeferredWork() {
  while (deferredCount > 0) {
    const Deferred work = deferred[deferredFirst];
    deferredFirst = (deferredFirst + 1) % deferred.size();
    --deferredCount;
    switch (work.kind) {
      case Deferred::Kind::MenuBlocker: sendMenuBlocker(); break;
      case Deferred::Kind::ReplacementKey: sendReplacementKey(work.value, work.up); break;
      case Deferred::Kind::TypeCharacter: typeCharacter(work.value); break;
      case Deferred::Kind::ReadLayout: readLayout(reinterpret_cast<HKL>(work.value)); break;
    }
  }
}

void setSwapActive(bool on) {
  swapOn = on;
  if (on) readInstalledLayouts();
}

void readInstalledLayouts() {
  // Every layout the user may switch to is ready before the first key.
  HKL installed[LayoutCache::kPlaces] = {};
  const int count = GetKeyboardLayoutList(LayoutCache::kPlaces, installed);
  for (int k = 0; k < count; ++k) readLayout(installed[k]);
  readFrontLayout();
}

void readFrontLayout() { readLayout(layoutInFront()); }

}  // namespace tavrix::hook
