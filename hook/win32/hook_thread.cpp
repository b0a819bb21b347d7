#include "hook/win32/hook_thread.h"

#include <atomic>

#include <wincrypt.h>

#include "hook/hook_watchdog.h"
#include "hook/win32/foreground_watch.h"
#include "hook/win32/hook_procedures.h"
#include "hook/win32/library.h"

namespace tavrix::hook {

namespace {

constexpr wchar_t kWindowClass[] = L"TvxHookThread";

// The requests of the program's threads, each left in `mailbox` for the
// hook thread; kRequestWaiting tells it to look.
enum Request {
  kInstallRequest,     // argument: HookKind; answer: token
  kRemoveRequest,      // argument: token; answer: 1 removed
  kStopIfIdleRequest,  // answer: 1 when the thread ends
  kDropHooksRequest,   // diagnostics: answer: system hooks dropped
};
constexpr UINT kRequestWaiting = WM_APP + 1;

struct Mailbox {
  int request = 0;
  std::uintptr_t argument = 0;
  LRESULT answer = 0;
  std::atomic<bool> waiting{false};
};
Mailbox mailbox;

// The poll that watches over the input hooks.
constexpr UINT_PTR kInputHookPollTimer = 2;
constexpr UINT kInputHookPollMs = 250;
// Keys quiet this long: the system's key state has settled and may put right
// a release the hooks missed.
constexpr DWORD kKeyStateSettledMs = 1000;

bool classRegistered = false;

// Lives on the hook thread's stack for the thread's whole run.
struct ThreadContext {
  explicit ThreadContext(std::uint32_t seed) : registry(seed) {}
  HookRegistry registry;
  HookWatchdog watchdog;
  bool stopping = false;
};

// The running thread's context, set by the thread itself once its window is
// made and cleared when it stops. Never taken from a message: any program
// may send the window a WM_NCCREATE with a pointer of its choosing.
ThreadContext* running = nullptr;

// A seed for the hook tokens from the system's random source.
std::uint32_t randomSeed() {
  std::uint32_t seed = 0;
  HCRYPTPROV provider = 0;
  if (CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
    CryptGenRandom(provider, sizeof seed, reinterpret_cast<BYTE*>(&seed));
    CryptReleaseContext(provider, 0);
  }
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return seed ^ static_cast<std::uint32_t>(counter.QuadPart) ^ GetCurrentProcessId();
}

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
    readFrontLayout();
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
  readFrontLayout();  // ready before the keys typed in the window now in front
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

LRESULT carryOut(HWND window, ThreadContext& context, int request, std::uintptr_t argument) {
  switch (request) {
    case kInstallRequest:
      return static_cast<LRESULT>(installOnThread(window, context, static_cast<HookKind>(argument)));
    case kRemoveRequest:
      return removeOnThread(window, context, argument) ? 1 : 0;
    case kStopIfIdleRequest:
      if (!context.registry.empty()) return 0;
      context.stopping = true;
      running = nullptr;
      DestroyWindow(window);
      PostQuitMessage(0);
      return 1;
#ifdef TAVRIX_HOOK_DIAGNOSTICS
    case kDropHooksRequest:
      return dropInputHooks(context.registry);
#endif
  }
  return 0;
}

// Whoever sent the message, only a request this process left in the
// mailbox is carried out.
void answerMailbox(HWND window) {
  if (running == nullptr || !mailbox.waiting.load(std::memory_order_acquire)) return;
  mailbox.answer = carryOut(window, *running, mailbox.request, mailbox.argument);
  mailbox.waiting.store(false, std::memory_order_release);
}

LRESULT CALLBACK threadWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
    case WM_CREATE:
      // Only while the thread makes its window; later ones come from outside.
      if (running != nullptr) return 0;
      break;
    case kRequestWaiting:
      answerMailbox(window);
      return 0;
    case kDeferredWorkRequest:
      runDeferredWork();
      return 0;
    case WM_TIMER:
      if (running == nullptr) return 0;
      if (wParam == kForegroundPollTimer) pollForeground();
      if (wParam == kInputHookPollTimer) pollInputHooks(*running);
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      // The thread ends only when it has no hooks left (kStopIfIdleRequest).
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct StartInfo {
  HANDLE ready;
  HWND window;
  HMODULE pin;
  std::uint32_t seed;
};

DWORD WINAPI threadMain(void* parameter) {
  auto* start = static_cast<StartInfo*>(parameter);
  const HMODULE pin = start->pin;
  ThreadContext context(start->seed);
  const HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, libraryModule(), nullptr);
  if (window != nullptr) {
    startProcedures(window);
    running = &context;
  }
  start->window = window;
  SetEvent(start->ready);  // `start` belongs to the caller from here on
  MSG message;
  while (window != nullptr && !context.stopping) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    // A quit message from anyone else does not end the thread (its hooks
    // would go with it), nor does a timer message with a procedure to call.
    if (got == 0 || (message.message == WM_TIMER && message.lParam != 0)) continue;
    DispatchMessageW(&message);
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
  StartInfo start{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr, nullptr, randomSeed()};
  if (start.ready == nullptr) return nullptr;
  // The thread keeps the library loaded while it runs, even if the program
  // frees it early; otherwise its code could vanish under it.
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                     reinterpret_cast<LPCWSTR>(&threadMain), &start.pin);
  DWORD threadId = 0;
  const HANDLE thread = CreateThread(nullptr, 0, threadMain, &start, 0, &threadId);
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
  threadId_ = threadId;
  return start.window;
}

bool HookThread::threadAlive() const {
  return window_ != nullptr && GetWindowThreadProcessId(window_, nullptr) == threadId_;
}

LRESULT HookThread::ask(int request, std::uintptr_t argument) {
  mailbox.request = request;
  mailbox.argument = argument;
  mailbox.answer = 0;
  mailbox.waiting.store(true, std::memory_order_release);
  SendMessageW(window_, kRequestWaiting, 0, 0);
  // Still waiting: the thread is gone and nobody answered.
  if (mailbox.waiting.exchange(false, std::memory_order_acq_rel)) return 0;
  return mailbox.answer;
}

void HookThread::stopIfIdle() {
  if (ask(kStopIfIdleRequest) != 0) window_ = nullptr;
}

std::uintptr_t HookThread::install(HookKind kind) {
  std::lock_guard guard(lifecycle_);
  // A thread whose window is gone, for whatever reason, holds no hooks that
  // work: start another.
  if (!threadAlive()) window_ = startThread();
  if (window_ == nullptr) return 0;
  const auto handle = static_cast<std::uintptr_t>(ask(kInstallRequest, static_cast<std::uintptr_t>(kind)));
  if (handle == 0) stopIfIdle();
  return handle;
}

#ifdef TAVRIX_HOOK_DIAGNOSTICS
int HookThread::dropInputHooks() {
  std::lock_guard guard(lifecycle_);
  if (!threadAlive()) return 0;
  return static_cast<int>(ask(kDropHooksRequest));
}
#endif

bool HookThread::remove(std::uintptr_t handle) {
  std::lock_guard guard(lifecycle_);
  if (!threadAlive() || handle == 0) return false;
  const bool removed = ask(kRemoveRequest, handle) != 0;
  stopIfIdle();
  return removed;
}

}  // namespace tavrix::hook
