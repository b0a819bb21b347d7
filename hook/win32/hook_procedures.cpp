#include "hook/win32/hook_procedures.h"

#include "hook/hook_pipeline.h"
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
    if (key.isKey() && threadWindow != nullptr) {
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

bool systemKeyDown(std::uint16_t vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

}  // namespace

LRESULT CALLBACK keyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    lastEvent = lastKey = GetTickCount();
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const InputEvent event = InputEvent::key(static_cast<std::uint16_t>(info->vkCode),
                                             (info->flags & LLKHF_UP) != 0, isMarked(info->dwExtraInfo));
    if (carryOut(pipeline.decide(event, libraryState().hookSettings()))) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    lastEvent = GetTickCount();
    bool up = false;
    const std::uint8_t button = buttonOf(wParam, up);
    if (button != 0) {
      const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
      const InputEvent event = InputEvent::click(button, up, isMarked(info->dwExtraInfo));
      if (carryOut(pipeline.decide(event, libraryState().hookSettings()))) return 1;
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

void sendMenuBlocker() {
  keybd_event(static_cast<BYTE>(vk::kUnassigned), 0, 0, kSyntheticInputMarker);
  keybd_event(static_cast<BYTE>(vk::kUnassigned), 0, KEYEVENTF_KEYUP, kSyntheticInputMarker);
}

}  // namespace tavrix::hook
