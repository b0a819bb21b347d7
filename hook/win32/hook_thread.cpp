#include "hook/win32/hook_thread.h"

#include "hook/hook_watchdog.h"
#include "hook/win32/foreground_watch.h"
#include "hook/win32/hook_procedures.h"
#include "hook/win32/library.h"

namespace tavrix::hook {

namespace {

constexpr wchar_t kWindowClass[] = L"TvxHookThread";

// Requests the calling threads send to the hook thread's window.
constexpr UINT kInstallRequest = WM_APP + 1;     // wParam: HookKind; result: token
constexpr UINT kRemoveRequest = WM_APP + 2;      // wParam: token; result: 1 removed
constexpr UINT kStopIfIdleRequest = WM_APP + 3;  // result: 1 when the thread ends
#ifdef TAVRIX_HOOK_DIAGNOSTICS
constexpr UINT kDropHooksRequest = WM_APP + 5;   // result: system hooks dropped
#endif

// The poll that watches over the input hooks.
constexpr UINT_PTR kInputHookPollTimer = 2;
constexpr UINT kInputHookPollMs = 250;
// Keys quiet this long: the system's key state has settled and may put right
// a release the hooks missed.
constexpr DWORD kKeyStateSettledMs = 1000;

bool classRegistered = false;

// Lives on the hook thread's stack for the thread's whole run.
struct ThreadContext {
  HookRegistry registry;
  HookWatchdog watchdog;
};

bool isInputHook(HookKind kind) { return kind != HookKind::Foreground; }

bool hasInputHooks(const HookRegistry& registry) { return !registry.inputHookTokens().empty(); }

std::uintptr_t installOnThread(HWND window, ThreadContext& context, HookKind kind) {
  if (!isInputHook(kind)) {
    const std::uintptr_t watch = startForegroundWatch(window);
    return watch != 0 ? context.registry.issue(kind, watch) : 0;
  }
  const HHOOK hook = installInputHook(kind);
  if (hook == nullptr) return 0;
  if (kind == HookKind::Swap) setSwapActive(true);
  if (kind == HookKind::Keyboard) readInstalledLayouts();
  if (!hasInputHooks(context.registry)) {
    resyncKeyState(true);
    context.watchdog.restarted(GetTickCount());
    SetTimer(window, kInputHookPollTimer, kInputHookPollMs, nullptr);
  }
  return context.registry.issue(kind, reinterpret_cast<std::uintptr_t>(hook));
}

bool removeOnThread(HWND window, ThreadContext& context, std::uintptr_t token) {
  const std::uintptr_t systemHandle = context.registry.systemHandle(token);
  const auto kind = context.registry.remove(token);
  if (!kind) return false;
  if (!isInputHook(*kind)) {
    stopForegroundWatch(window, systemHandle);
  } else {
    // Fails harmlessly when the system has already dropped the hook.
    if (systemHandle != 0) UnhookWindowsHookEx(reinterpret_cast<HHOOK>(systemHandle));
    if (*kind == HookKind::Swap) setSwapActive(context.registry.count(HookKind::Swap) != 0);
    if (!hasInputHooks(context.registry)) KillTimer(window, kInputHookPollTimer);
  }
  return true;
}

// Installs every input hook again, in the order first installed so they keep
// their order in the chain; the tokens the program holds stay as they are.
void reinstallInputHooks(HookRegistry& registry) {
  for (const std::uintptr_t token : registry.inputHookTokens()) {
    const std::uintptr_t old = registry.systemHandle(token);
    if (old != 0) UnhookWindowsHookEx(reinterpret_cast<HHOOK>(old));
    // A failed installation leaves 0 behind the token: the next poll that
    // finds input unseen tries again.
    const HHOOK hook = installInputHook(registry.kindOf(token).value_or(HookKind::Foreground));
    registry.replaceSystemHandle(token, reinterpret_cast<std::uintptr_t>(hook));
  }
}

#ifdef TAVRIX_HOOK_DIAGNOSTICS
int dropInputHooks(const HookRegistry& registry) {
  int dropped = 0;
  for (const std::uintptr_t token : registry.inputHookTokens()) {
    const std::uintptr_t handle = registry.systemHandle(token);
    if (handle != 0 && UnhookWindowsHookEx(reinterpret_cast<HHOOK>(handle))) ++dropped;
  }
  return dropped;
}
#endif

// The watchdog compares the system's last input with the hooks' last event
// only while both a keyboard and a mouse hook are in: with one of them alone,
// the other device's input would look unseen.
bool watchdogApplies(const HookRegistry& registry) {
  return registry.count(HookKind::Mouse) != 0 &&
         registry.count(HookKind::Keyboard) + registry.count(HookKind::Swap) != 0;
}

void pollInputHooks(ThreadContext& context) {
  const DWORD now = GetTickCount();
  if (now - lastKeySeen() >= kKeyStateSettledMs) resyncKeyState(false);
  if (!watchdogApplies(context.registry)) return;
  context.watchdog.sawInput(lastEventSeen());
  LASTINPUTINFO input{};
  input.cbSize = sizeof input;
  if (!GetLastInputInfo(&input)) return;
  if (!context.watchdog.hooksLost(input.dwTime, now)) return;
  reinstallInputHooks(context.registry);
  context.watchdog.restarted(GetTickCount());
  // Keys may have gone up while nobody was looking.
  resyncKeyState(true);
}

LRESULT CALLBACK threadWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* context = reinterpret_cast<ThreadContext*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case kInstallRequest:
      return static_cast<LRESULT>(
          installOnThread(window, *context, static_cast<HookKind>(wParam)));
    case kRemoveRequest:
      return removeOnThread(window, *context, static_cast<std::uintptr_t>(wParam)) ? 1 : 0;
    case kStopIfIdleRequest:
      if (!context->registry.empty()) return 0;
      DestroyWindow(window);
      return 1;
#ifdef TAVRIX_HOOK_DIAGNOSTICS
    case kDropHooksRequest:
      return dropInputHooks(context->registry);
#endif
    case kMenuBlockerRequest:
      sendMenuBlocker();
      return 0;
    case kReplacementKeyRequest:
      sendReplacementKey(wParam, lParam);
      return 0;
    case kTypeCharacterRequest:
      typeCharacter(wParam);
      return 0;
    case WM_TIMER:
      if (wParam == kForegroundPollTimer) pollForeground();
      if (wParam == kInputHookPollTimer) pollInputHooks(*context);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct StartInfo {
  HANDLE ready;
  HWND window;
  HMODULE pin;
};

DWORD WINAPI threadMain(void* parameter) {
  auto* start = static_cast<StartInfo*>(parameter);
  const HMODULE pin = start->pin;
  ThreadContext context;
  const HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, libraryModule(), &context);
  if (window != nullptr) startProcedures(window);
  start->window = window;
  SetEvent(start->ready);  // `start` belongs to the caller from here on
  if (window != nullptr) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  }
  // Drops the reference that kept the library loaded while the thread ran.
  FreeLibraryAndExitThread(pin, 0);
  return 0;
}

bool registerClass() {
  if (classRegistered) return true;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = threadWindowProc;
  windowClass.hInstance = libraryModule();
  windowClass.lpszClassName = kWindowClass;
  classRegistered = RegisterClassW(&windowClass) != 0 ||
                    GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return classRegistered;
}

}  // namespace

HookThread& HookThread::instance() {
  static HookThread thread;
  return thread;
}

void HookThread::releaseClass() {
  if (classRegistered) UnregisterClassW(kWindowClass, libraryModule());
  classRegistered = false;
}

HWND HookThread::startThread() {
  if (!registerClass()) return nullptr;
  StartInfo start{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr, nullptr};
  if (start.ready == nullptr) return nullptr;
  // The thread keeps the library loaded while it runs, even if the program
  // frees it early; otherwise its code could vanish under it.
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&threadMain), &start.pin);
  const HANDLE thread = CreateThread(nullptr, 0, threadMain, &start, 0, nullptr);
  if (thread == nullptr) {
    if (start.pin != nullptr) FreeLibrary(start.pin);
    CloseHandle(start.ready);
    return nullptr;
  }
  // Every key and click of the session waits for this thread: let it run
  // ahead of a busy program thread.
  SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL);
  WaitForSingleObject(start.ready, INFINITE);
  CloseHandle(start.ready);
  CloseHandle(thread);
  return start.window;
}

void HookThread::stopIfIdle(HWND window) {
  if (SendMessageW(window, kStopIfIdleRequest, 0, 0) != 0) window_ = nullptr;
}

std::uintptr_t HookThread::install(HookKind kind) {
  std::lock_guard guard(lifecycle_);
  if (window_ == nullptr) window_ = startThread();
  if (window_ == nullptr) return 0;
  const auto handle = static_cast<std::uintptr_t>(
      SendMessageW(window_, kInstallRequest, static_cast<WPARAM>(kind), 0));
  if (handle == 0) stopIfIdle(window_);
  return handle;
}

#ifdef TAVRIX_HOOK_DIAGNOSTICS
int HookThread::dropInputHooks() {
  std::lock_guard guard(lifecycle_);
  if (window_ == nullptr) return 0;
  return static_cast<int>(SendMessageW(window_, kDropHooksRequest, 0, 0));
}
#endif

bool HookThread::remove(std::uintptr_t handle) {
  std::lock_guard guard(lifecycle_);
  if (window_ == nullptr || handle == 0) return false;
  const bool removed =
      SendMessageW(window_, kRemoveRequest, static_cast<WPARAM>(handle), 0) != 0;
  stopIfIdle(window_);
  return removed;
}

}  // namespace tavrix::hook
