#include "hook/win32/hook_procedures.h"

namespace tavrix::hook {

// For now every event passes on unchanged; the decisions (hot keys, typed
// characters, capture, key swap) are made by the portable hook logic and
// plug in here.

LRESULT CALLBACK keyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK swapHookProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tavrix::hook
