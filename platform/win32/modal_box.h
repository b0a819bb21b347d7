// The base of the program's small boxes made in code (pause box, repeat
// prompt, top-most message): one window class, controls placed in client
// pixels, and a modal loop that keeps dispatching every message of the
// thread, so the hook library's reports and the timers keep arriving.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace tavrix {

class ModalBox {
 public:
  ModalBox() = default;
  virtual ~ModalBox();
  ModalBox(const ModalBox&) = delete;
  ModalBox& operator=(const ModalBox&) = delete;

  HWND Window() const { return window_; }
  bool IsRunning() const { return running_; }

 protected:
  // The box, hidden, with a client area of the given size.
  bool Create(const std::string& caption, int clientWidth, int clientHeight, bool topMost);
  HWND AddLabel(const std::string& text, int x, int y, int width, int height);
  HWND AddButton(const std::string& text, int id, int x, int y, int width, int height, bool isDefault);
  HWND AddEdit(int x, int y, int width, int height, int maxLength);

  void PlaceAt(int left, int top);
  void CentreOnScreen();

  // Shows the box in front with the focus on `focus` and dispatches messages
  // until EndModal. `owner` (when not null) is disabled meanwhile. False when
  // a WM_QUIT ended it; the quit is posted again for the main loop.
  bool RunModal(HWND focus, HWND owner);
  void EndModal();

  // A button (or Enter and Escape, as IDOK and IDCANCEL) was pressed.
  virtual void OnCommand(int id) = 0;
  // The close box or Alt+F4.
  virtual void OnClose() = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Adopt(HWND control);

  HWND window_ = nullptr;
  HWND savedFocus_ = nullptr;
  int defaultId_ = 0;
  bool running_ = false;
};

}  // namespace tavrix
