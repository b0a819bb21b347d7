#include "hook/win32/hook_thread.h"

#include "hook/win32/foreground_watch.h"
#include "hook/win32/hook_procedures.h"
#include "hook/win32/library.h"

namespace tavrix::hook {

namespace {

constexpr wchar_t kWindowClass[] = L"TvxHookThread";

// Requests the calling threads send to the hook thread's window.
constexpr UINT kInstallRequest = WM_APP + 1;     // wParam: HookKind; result: handle
constexpr UINT kRemoveRequest = WM_APP + 2;      // wParam: handle; result: 1 removed
constexpr UINT kStopIfIdleRequest = WM_APP + 3;  // result: 1 when the thread ends

bool classRegistered = false;

// Lives on the hook thread's stack for the thread's whole run.
struct ThreadContext {
  HookRegistry registry;
};

HHOOK installWindowsHook(HookKind kind) {
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

std::uintptr_t installOnThread(HWND window, ThreadContext& context, HookKind kind) {
  const std::uintptr_t handle = kind == HookKind::Foreground
                                    ? startForegroundWatch(window)
                                    : reinterpret_cast<std::uintptr_t>(installWindowsHook(kind));
  if (handle != 0 && !context.registry.add(handle, kind)) {
    // The system handed out a handle still on record: should never happen,
    // but a hook nobody can remove would be worse than a failed install.
    if (kind == HookKind::Foreground) {
      stopForegroundWatch(window, handle);
    } else {
      UnhookWindowsHookEx(reinterpret_cast<HHOOK>(handle));
    }
    return 0;
  }
  return handle;
}

void removeOnThread(HWND window, std::uintptr_t handle, HookKind kind) {
  if (kind == HookKind::Foreground) {
    stopForegroundWatch(window, handle);
  } else {
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(handle));
  }
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
    case kRemoveRequest: {
      const auto kind = context->registry.remove(static_cast<std::uintptr_t>(wParam));
      if (!kind) return 0;
      removeOnThread(window, static_cast<std::uintptr_t>(wParam), *kind);
      return 1;
    }
    case kStopIfIdleRequest:
      if (!context->registry.empty()) return 0;
      DestroyWindow(window);
      return 1;
    case WM_TIMER:
      if (wParam == kForegroundPollTimer) pollForeground();
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

bool HookThread::remove(std::uintptr_t handle) {
  std::lock_guard guard(lifecycle_);
  if (window_ == nullptr || handle == 0) return false;
  const bool removed =
      SendMessageW(window_, kRemoveRequest, static_cast<WPARAM>(handle), 0) != 0;
  stopIfIdle(window_);
  return removed;
}

}  // namespace tavrix::hook
