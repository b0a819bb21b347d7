// The hook procedures installed by the hook thread.
#pragma once

#include <windows.h>

namespace tavrix::hook {

LRESULT CALLBACK keyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK mouseHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK swapHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace tavrix::hook
