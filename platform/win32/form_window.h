// The one Windows binding of the forms (platform/form.h): a window built in
// code from the form's controls, their values copied in before it shows and
// out before every handler runs, and a modal loop that keeps dispatching
// every message of the thread, so the hook library's reports and the timers
// keep arriving while a form is open.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/windows_api.h"

namespace tavrix {

// The size of a text in the font the forms' controls are drawn in: the
// system's message font, so the forms follow the user's font size.
TextSize MeasureFormText(std::string_view text);

// Where the icons of icon buttons named "program" and "menu" come from (the
// program draws its own); an icon file's path is loaded from the file, and a
// file that cannot be loaded shows the program icon.
using FormIconMaker = HICON (*)(const std::string& name, int size);
void SetFormIconMaker(FormIconMaker maker);
// The icon named as an icon button names it, `size` pixels square; the
// caller destroys it. Null when nothing can make it.
HICON MakeFormIcon(const std::string& name, int size);
// Who puts a form's window into hot key entry mode (the hook library then
// sends it each pressed hot key; the main window owns the library's table);
// none: hot key fields take nothing.
using HotKeyEntrySwitch = std::function<void(WindowId window, bool on)>;
void SetHotKeyEntrySwitch(HotKeyEntrySwitch entrySwitch);

// The outer size, in screen pixels, of the window that shows `form`: its
// client size scaled by the display's factor, with its frame and menu bar.
Bounds FormWindowBounds(const Form& form);

class FormWindow {
 public:
  // `helpFile`: what a Help button opens (empty: nothing).
  FormWindow(Form& form, std::string helpFile = {}) : form_(form), helpFile_(std::move(helpFile)) {}
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  Form& form() const { return form_; }
  HWND Window() const { return window_; }

  // Lays the form out (FormShow), shows it in front with the focus on its
  // active control and dispatches messages until a handler closes it.
  // `owner` (when not null) is disabled meanwhile. A WM_QUIT ends it with
  // Cancel; the quit is posted again for the main loop.
  ModalResult ShowModal(HWND owner);
  // Closes the open form with `result` from outside its handlers.
  void End(ModalResult result);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool Create();
  HWND CreateControl(const Control& control, int id);
  void CopyIn();
  void Place(const Control& control, HWND handle);
  // A resizable form takes the window's client size and lays itself out.
  void TakeClientSize();
  void CopyOut();
  void OnCommand(int id, int notification);
  void Apply(const FormReply& reply);
  HWND HandleOf(const Control* control) const;
  int IndexOfHandle(HWND handle) const;
  // Lists drawn in columns, typed characters and right clicks.
  void MeasureItem(MEASUREITEMSTRUCT& measure) const;
  void DrawItem(const DRAWITEMSTRUCT& draw) const;
  static LRESULT CALLBACK ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool ChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
  Control* ControlOf(HWND handle) const;
  void SwitchHotKeyEntry(bool on);
  void OnHotKeyPressed(int code);
  // The menu bar and the accelerator table of its shortcuts; a chosen item.
  HMENU MakeMenuBar();
  void MakeShortcuts();
  bool OnMenuCommand(int id);
  // A drop-down list's window height: its closed height and its rows.
  int ComboHeight(HWND handle, const ComboBox& combo, int closedHeight) const;
  void OnGridAction(int id, GridAction action, GridCell cell, std::optional<Bounds> onScreen);

  Form& form_;
  std::string helpFile_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // in the form's order; id = kFirstId + index
  std::vector<std::vector<std::string>> itemsShown_;
  HWND savedFocus_ = nullptr;
  std::vector<HICON> icons_;  // made for icon buttons; destroyed with the window
  int rightPressRow_ = -2;    // the list row (-1 a button) the right button went down on
  bool running_ = false;
  bool copyingIn_ = false;
  bool hotKeyEntry_ = false;  // the window is in hot key entry mode
  std::vector<const FormMenuItem*> menuItems_;  // id = kFirstMenuId + index
  HACCEL shortcuts_ = nullptr;
};

}  // namespace tavrix
