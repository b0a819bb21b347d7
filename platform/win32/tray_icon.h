// A system tray icon (`TTaskIcon`) on its own hidden window: shown or
// removed on demand, reporting clicks, double clicks and right clicks.
#pragma once

#include <functional>
#include <string>

#include "platform/win32/windows_api.h"

namespace tavrix {

class TTaskIcon {
 public:
  // The message the icon sends its window; wParam is the icon's id.
  static constexpr UINT kCallbackMessage = 1024;
  // lParam values of the callback.
  static constexpr LPARAM kClick = WM_LBUTTONUP;        // 514
  static constexpr LPARAM kDoubleClick = WM_LBUTTONDBLCLK;  // 515
  static constexpr LPARAM kRightClick = WM_RBUTTONUP;   // 517

  TTaskIcon(HINSTANCE instance, UINT id, HICON icon, std::string tooltip);
  ~TTaskIcon();
  TTaskIcon(const TTaskIcon&) = delete;
  TTaskIcon& operator=(const TTaskIcon&) = delete;

  std::function<void()> OnClick;
  std::function<void()> OnDoubleClick;
  std::function<void()> OnRightClick;

  void Show();
  void Hide();
  bool Visible() const { return visible_; }
  // The hidden window that receives the icon's messages (owner of its menus).
  HWND Window() const { return window_; }
  // The taskbar was re-created (Explorer restarted): show the icon again.
  void Restore();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCallback(WPARAM wParam, LPARAM lParam);
  NOTIFYICONDATAA Data(UINT flags) const;

  HWND window_ = nullptr;
  UINT id_;
  HICON icon_;
  std::string tooltip_;
  bool visible_ = false;
  UINT taskbarCreatedMessage_ = 0;
};

}  // namespace tavrix
