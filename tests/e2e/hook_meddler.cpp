// hook_meddler: another program on the desktop going after a running
// TAVRXP.EXE's hook thread, as any program could: it finds the thread's
// message window by its class, plants a pointer through WM_NCCREATE, asks
// for the removal of hooks by the handles the library once gave out in
// order, tells the thread to stop, to type, to close and to quit. Exits 0
// once everything was sent, 1 when there is no hook thread window.
#include <windows.h>

#include <cstdio>

namespace {

// The private requests the hook thread's window once obeyed from anybody.
constexpr UINT kRemove = WM_APP + 2;
constexpr UINT kStopIfIdle = WM_APP + 3;
constexpr UINT kPressKey = WM_APP + 6;
constexpr UINT kTypeCharacter = WM_APP + 7;

void send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
}

}  // namespace

int main() {
  const HWND thread = FindWindowExA(HWND_MESSAGE, nullptr, "TvxHookThread", nullptr);
  if (thread == nullptr) {
    std::fprintf(stderr, "no hook thread window\n");
    return 1;
  }
  CREATESTRUCTA planted{};
  planted.lpCreateParams = reinterpret_cast<void*>(0x41414140);
  send(thread, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&planted));
  for (UINT_PTR k = 0; k < 8; ++k) send(thread, kRemove, 0x54560004 + 4 * k, 0);
  send(thread, kStopIfIdle, 0, 0);
  send(thread, kTypeCharacter, 'X', 0);
  PostMessageA(thread, kPressKey, 'Y', 0);
  PostMessageA(thread, kPressKey, 'Y', 1);
  PostMessageA(thread, WM_TIMER, 2, 0x41414140);  // a timer "procedure" of its choosing
  send(thread, WM_CLOSE, 0, 0);
  send(thread, WM_DESTROY, 0, 0);
  PostMessageA(thread, WM_QUIT, 0, 0);
  std::printf("meddled with the hook thread window %p\n", static_cast<void*>(thread));
  return 0;
}
