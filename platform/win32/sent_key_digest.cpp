#include "platform/win32/sent_key_digest.h"

#include <array>
#include <atomic>

#include "platform/win32/message_pump.h"
#include "platform/win32/windows_api.h"

namespace tavrix {
namespace {

// A thread takes at most a few messages of its own (the characters its key
// downs make) between two keys; this many round trips without a change of
// its key state mean it has read its keys.
constexpr int kQuietRoundTrips = 4;

// A thread that takes longer than this to come back for its next message is
// busy elsewhere; the switch does not wait for it.
constexpr std::uint32_t kRoundTripMs = 250;

std::atomic<bool> keysSent{false};

bool RunningUnderWine() {
  static const bool wine = GetProcAddress(GetModuleHandleA("NTDLL.DLL"), "wine_get_version") != nullptr;
  return wine;
}

using KeyState = std::array<BYTE, 256>;

// With the input attached this is the other thread's key state, which
// changes only as that thread reads its keys.
KeyState SharedKeyState() {
  KeyState state{};
  GetKeyboardState(state.data());
  return state;
}

// A thread that answers a message sent to it has come back to fetch its
// next message, so between two answers it takes at most one message from
// its queue. Ends when its key state stays the same for a number of round
// trips, when it stops answering, or at the deadline.
void WaitForQuietKeys(HWND front, std::uint32_t maxMs) {
  const DWORD start = GetTickCount();
  KeyState before = SharedKeyState();
  int quiet = 0;
  while (quiet < kQuietRoundTrips) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= maxMs) return;
    const std::uint32_t timeout = maxMs - elapsed < kRoundTripMs ? maxMs - elapsed : kRoundTripMs;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(front, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &answer)) return;
    const KeyState now = SharedKeyState();
    quiet = now == before ? quiet + 1 : 0;
    before = now;
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
  WaitForQuietKeys(front, maxMs);
  AttachThreadInput(self, thread, FALSE);
}

}  // namespace tavrix
