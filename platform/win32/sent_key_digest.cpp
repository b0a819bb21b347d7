#include "platform/win32/sent_key_digest.h"

#include <atomic>

#include "base/private_messages.h"
#include "base/virtual_keys.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

// A thread that takes longer than this to come back for its next message is
// busy elsewhere; the switch does not wait for it.
constexpr std::uint32_t kRoundTripMs = 250;

// The marker key: no layout and no program gives it a meaning.
constexpr BYTE kMarkerKey = static_cast<BYTE>(vk::kUnassigned);

std::atomic<bool> keysSent{false};

bool RunningUnderWine() {
  static const bool wine = GetProcAddress(GetModuleHandleA("NTDLL.DLL"), "wine_get_version") != nullptr;
  return wine;
}

// With the input attached this is the other thread's state of the marker
// key, which changes only as that thread reads its keys: the low bit flips
// with every press it reads, the high bit is the key being down.
BYTE MarkerState() {
  BYTE state[256] = {};
  GetKeyboardState(state);
  return state[kMarkerKey];
}

// The thread reads its keys in the order they were sent: once it has read a
// press and release of the marker key sent after them, it has read them
// all. A thread that answers a message sent to it has come back for its
// next message, so every round trip moves it on. Ends when the marker has
// been read, when the thread stops answering, or at the deadline.
void WaitUntilMarkerRead(HWND front, std::uint32_t maxMs) {
  const DWORD start = GetTickCount();
  const BYTE before = MarkerState();
  keybd_event(kMarkerKey, 0, 0, kSyntheticInputMarker);
  keybd_event(kMarkerKey, 0, KEYEVENTF_KEYUP, kSyntheticInputMarker);
  for (;;) {
    const BYTE now = MarkerState();
    if ((now & 0x01) != (before & 0x01) && (now & 0x80) == 0) return;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= maxMs) return;
    const std::uint32_t timeout = maxMs - elapsed < kRoundTripMs ? maxMs - elapsed : kRoundTripMs;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(front, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &answer)) return;
  }
}

}  // namespace

void NoteKeyAboutToBeSent(std::uint8_t, bool) { keysSent = true; }

void LetFrontWindowReadSentKeys(std::uint32_t maxMs) {
  if (!keysSent.exchange(false) || !RunningUnderWine()) return;
  HWND front = GetForegroundWindow();
  if (front == nullptr || IsHungAppWindow(front)) return;
  const DWORD self = GetCurrentThreadId();
  const DWORD thread = GetWindowThreadProcessId(front, nullptr);
  if (thread == self) {
    // This thread's own windows read their keys while it pumps.
    PumpPendingMessages();
    return;
  }
  if (!AttachThreadInput(self, thread, TRUE)) return;
  WaitUntilMarkerRead(front, maxMs);
  AttachThreadInput(self, thread, FALSE);
}

}  // namespace tavrix
