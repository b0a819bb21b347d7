#include "hook/win32/foreground_watch.h"

#include "hook/foreground_tracker.h"
#include "base/private_messages.h"
#include "hook/win32/library.h"

namespace tavrix::hook {

namespace {

// Touched only on the hook thread.
ForegroundTracker tracker;
int watchers = 0;

struct ForegroundWatch {
  HWINEVENTHOOK eventHook;
};

void report(HWND foreground) {
  const auto mainWindow = static_cast<std::uintptr_t>(libraryState().mainWindow());
  const auto changed = tracker.observe(reinterpret_cast<std::uintptr_t>(foreground), mainWindow);
  if (!changed) return;
  PostMessageW(reinterpret_cast<HWND>(mainWindow), kMsgForegroundChanged,
               static_cast<WPARAM>(*changed), 0);
}

void CALLBACK foregroundEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG,
                              DWORD, DWORD) {
  if (event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW) report(window);
}

}  // namespace

std::uintptr_t startForegroundWatch(HWND window) {
  auto* watch = new ForegroundWatch{SetWinEventHook(EVENT_SYSTEM_FOREGROUND,
                                                    EVENT_SYSTEM_FOREGROUND, nullptr,
                                                    foregroundEvent, 0, 0,
                                                    WINEVENT_OUTOFCONTEXT)};
  if (watchers++ == 0) {
    tracker.reset();
    SetTimer(window, kForegroundPollTimer, kForegroundPollMs, nullptr);
  }
  pollForeground();
  return reinterpret_cast<std::uintptr_t>(watch);
}

void stopForegroundWatch(HWND window, std::uintptr_t handle) {
  auto* watch = reinterpret_cast<ForegroundWatch*>(handle);
  if (watch->eventHook != nullptr) UnhookWinEvent(watch->eventHook);
  delete watch;
  if (--watchers == 0) KillTimer(window, kForegroundPollTimer);
}

void pollForeground() {
  if (watchers > 0) report(GetForegroundWindow());
}

}  // namespace tavrix::hook
