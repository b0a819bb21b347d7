#include "platform/win32/tray_icon.h"

#include <shellapi.h>

#include <cstring>

namespace tavrix {
namespace {

constexpr const char* kWindowClass = "TTaskIcon";

void RegisterIconWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(instance, kWindowClass, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
}

}  // namespace

TTaskIcon::TTaskIcon(HINSTANCE instance, UINT id, HICON icon, std::string tooltip)
    : id_(id), icon_(icon), tooltip_(std::move(tooltip)) {
  RegisterIconWindowClass(instance, &TTaskIcon::WindowProc);
  window_ = CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
}

TTaskIcon::~TTaskIcon() {
  Hide();
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

NOTIFYICONDATAA TTaskIcon::Data(UINT flags) const {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // understood by every shell
  data.hWnd = window_;
  data.uID = id_;
  data.uFlags = flags;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  std::strncpy(data.szTip, tooltip_.c_str(), 63);
  return data;
}

void TTaskIcon::Show() {
  if (visible_ || window_ == nullptr) return;
  NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  visible_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void TTaskIcon::Hide() {
  if (!visible_) return;
  NOTIFYICONDATAA data = Data(0);
  Shell_NotifyIconA(NIM_DELETE, &data);
  visible_ = false;
}

void TTaskIcon::Restore() {
  if (!visible_) return;
  visible_ = false;
  Show();
}

void TTaskIcon::OnCallback(WPARAM wParam, LPARAM lParam) {
  if (wParam != id_) return;
  switch (lParam) {
    case kClick:
      if (OnClick) OnClick();
      break;
    case kDoubleClick:
      if (OnDoubleClick) OnDoubleClick();
      break;
    case kRightClick:
      if (OnRightClick) OnRightClick();
      break;
    default:
      break;
  }
}

LRESULT CALLBACK TTaskIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* icon = reinterpret_cast<TTaskIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (icon != nullptr) {
    if (message == kCallbackMessage) {
      icon->OnCallback(wParam, lParam);
      return 0;
    }
    if (message == icon->taskbarCreatedMessage_ && message != 0) {
      icon->Restore();
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tavrix
