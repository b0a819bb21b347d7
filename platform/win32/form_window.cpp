#include "platform/win32/form_window.h"

#include "base/private_messages.h"
#include "platform/form_grid.h"
#include "platform/win32/control_hints.h"
#include "platform/win32/foreground_handover.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/help_viewer.h"
#include "platform/win32/message_pump.h"

namespace tavrix {
namespace {

constexpr char kClassName[] = "TavrixModalBox";
// No WS_CLIPCHILDREN: a group box paints only its frame and caption, so the
// form must paint the background behind it.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
constexpr int kFirstId = 100;
// How long the modal loop sleeps at most between looks at its end flag.
constexpr std::uint32_t kLoopWakeMs = 50;
// Menu items' command ids start above any control's.
constexpr int kFirstMenuId = 0x4000;

bool RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXA c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = kClassName;
    return RegisterClassExA(&c) != 0;
  }();
  return registered;
}

// The font the user chose for message boxes (it follows the system's font
// size), made once for the whole run.
HFONT FormFont() {
  static const HFONT font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      if (HFONT made = CreateFontIndirectA(&metrics.lfMessageFont)) return made;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }();
  return font;
}

DWORD StyleOf(const Form& form) { return form.resizable ? kStyle | WS_THICKFRAME : kStyle; }

DWORD ExStyleOf(const Form& form) {
  DWORD exStyle = kExStyle | (form.topMost ? WS_EX_TOPMOST : 0);
  if (form.toolWindow) exStyle = (exStyle & ~static_cast<DWORD>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
  return exStyle;
}

struct ControlClass {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassOf(const Control& control) {
  switch (control.kind) {
    case ControlKind::Label:
      return {"STATIC", static_cast<DWORD>(SS_LEFT | (static_cast<const Label&>(control).accessKey ? 0 : SS_NOPREFIX)), 0};
    case ControlKind::Edit: {
      const auto& edit = static_cast<const Edit&>(control);
      if (edit.multiLine) {
        return {"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE};
      }
      // A hot key field shows the key's name; typing does not change it.
      return {"EDIT", static_cast<DWORD>(WS_TABSTOP | ES_AUTOHSCROLL | (edit.IsHotKeyField() ? ES_READONLY : 0)),
              WS_EX_CLIENTEDGE};
    }
    case ControlKind::Button: {
      const auto& button = static_cast<const Button&>(control);
      const DWORD icon = button.icon.empty() ? 0 : BS_ICON;
      return {"BUTTON", WS_TABSTOP | icon | (button.IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    }
    case ControlKind::CheckBox:
      return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::RadioButton:
      return {"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlKind::ComboBox: {
      const bool editable = static_cast<const ComboBox&>(control).editable;
      return {"COMBOBOX",
              static_cast<DWORD>(WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST)),
              0};
    }
    case ControlKind::ListBox: {
      const auto& list = static_cast<const ListBox&>(control);
      // A list drawn in columns keeps no strings of its own: its rows are
      // drawn from the form's items.
      const DWORD drawn = list.columns.empty() ? 0 : LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
      return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | (list.multiSelect ? LBS_MULTIPLESEL : 0) | drawn,
              WS_EX_CLIENTEDGE};
    }
    case ControlKind::GroupBox:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Grid:
      return {kGridClassName, WS_TABSTOP, WS_EX_CLIENTEDGE};
  }
  return {"STATIC", 0, 0};
}

// Radio buttons of one group sit together; a new group starts a new tab stop.
bool StartsRadioGroup(const std::vector<Control*>& controls, std::size_t index) {
  if (controls[index]->kind != ControlKind::RadioButton) return false;
  if (index == 0 || controls[index - 1]->kind != ControlKind::RadioButton) return true;
  return static_cast<const RadioButton*>(controls[index - 1])->group !=
         static_cast<const RadioButton*>(controls[index])->group;
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void SetTextIfChanged(HWND window, const std::string& text) {
  if (WindowText(window) != text) SetWindowTextA(window, text.c_str());
}

constexpr char kOldProcedureProperty[] = "TavrixFormChildProc";
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);
FormIconMaker iconMaker = nullptr;

std::vector<std::string> SplitCells(const std::string& row) {
  std::vector<std::string> cells;
  std::size_t at = 0;
  for (;;) {
    const std::size_t tab = row.find('\t', at);
    cells.push_back(row.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
    if (tab == std::string::npos) return cells;
    at = tab + 1;
  }
}

HotKeyEntrySwitch& EntrySwitch() {
  static HotKeyEntrySwitch entrySwitch;
  return entrySwitch;
}

// The display's dots per inch, read once: forms are laid out for 96 and
// scaled by the display's factor (dpi / 96) on the screen.
int DisplayDpi() {
  static const int dpi = [] {
    HDC dc = GetDC(nullptr);
    const int read = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc != nullptr) ReleaseDC(nullptr, dc);
    return read > 0 ? read : 96;
  }();
  return dpi;
}

int ScaledPixels(int pixels) { return MulDiv(pixels, DisplayDpi(), 96); }
int UnscaledPixels(int pixels) { return MulDiv(pixels, 96, DisplayDpi()); }

Bounds Scaled(const Bounds& b) {
  return {ScaledPixels(b.left), ScaledPixels(b.top), ScaledPixels(b.width), ScaledPixels(b.height)};
}

UINT IconFor(const std::string& caption) {
  if (caption.find("Error") != std::string::npos) return MB_ICONERROR;
  if (caption == "Warning") return MB_ICONWARNING;
  return MB_ICONINFORMATION;
}

// A text box of several lines takes Tab as a character to type (Ctrl+Tab
// still moves on to the next control), as Enter.
WNDPROC editProcedure = nullptr;

LRESULT CALLBACK MultiLineEditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool plainTab = wParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000) == 0;
  // An edit inside a dialog would move the focus on, or drop the character.
  if (message == WM_KEYDOWN && plainTab) return 0;
  if (message == WM_CHAR && plainTab) {
    SendMessageA(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
    return 0;
  }
  LRESULT result = CallWindowProcA(editProcedure, window, message, wParam, lParam);
  if (message == WM_GETDLGCODE && (GetKeyState(VK_CONTROL) & 0x8000) == 0) result |= DLGC_WANTTAB;
  return result;
}

}  // namespace

void SetHotKeyEntrySwitch(HotKeyEntrySwitch entrySwitch) { EntrySwitch() = std::move(entrySwitch); }

TextSize MeasureFormText(std::string_view text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, FormFont());
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return TextSize{size.cx, metrics.tmHeight};
}

Bounds FormWindowBounds(const Form& form) {
  RECT frame{0, 0, ScaledPixels(form.clientWidth), ScaledPixels(form.clientHeight)};
  AdjustWindowRectEx(&frame, StyleOf(form), form.menu.empty() ? FALSE : TRUE, ExStyleOf(form));
  return {0, 0, frame.right - frame.left, frame.bottom - frame.top};
}

void SetFormIconMaker(FormIconMaker maker) { iconMaker = maker; }

HICON MakeFormIcon(const std::string& name, int size) {
  if (name != "program" && name != "menu") {
    if (HANDLE loaded = LoadImageA(nullptr, name.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE))
      return static_cast<HICON>(loaded);
    return iconMaker != nullptr ? iconMaker("program", size) : nullptr;
  }
  return iconMaker != nullptr ? iconMaker(name, size) : nullptr;
}

FormWindow::~FormWindow() {
  SwitchHotKeyEntry(false);
  if (window_ != nullptr && IsWindow(window_)) {
    RemovePropA(window_, kFormShortcutsProperty);
    DestroyWindow(window_);
  }
  for (HICON icon : icons_) DestroyIcon(icon);
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
}

HMENU FormWindow::MakeMenuBar() {
  menuItems_.clear();
  if (form_.menu.empty()) return nullptr;
  HMENU bar = CreateMenu();
  for (const FormMenu& entry : form_.menu) {
    HMENU popup = CreatePopupMenu();
    for (const FormMenuItem& item : entry.items) {
      if (item.IsSeparator()) {
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      const std::string shown = item.shortcut.empty() ? item.caption : item.caption + "\t" + item.shortcut;
      AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(kFirstMenuId + menuItems_.size()), shown.c_str());
      menuItems_.push_back(&item);
    }
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), entry.caption.c_str());
  }
  return bar;
}

// The message pump hands the form's keys to this table before anything
// else sees them, so a shortcut's key never reaches the focused control.
void FormWindow::MakeShortcuts() {
  std::vector<ACCEL> table;
  for (std::size_t i = 0; i < menuItems_.size(); ++i) {
    const std::optional<Shortcut> key = ParseShortcut(menuItems_[i]->shortcut);
    if (!key) continue;
    ACCEL accel{};
    accel.fVirt = static_cast<BYTE>(FVIRTKEY | (key->ctrl ? FCONTROL : 0) | (key->shift ? FSHIFT : 0) | (key->alt ? FALT : 0));
    accel.key = static_cast<WORD>(key->virtualKey);
    accel.cmd = static_cast<WORD>(kFirstMenuId + static_cast<int>(i));
    table.push_back(accel);
  }
  if (table.empty()) return;
  shortcuts_ = CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
  if (shortcuts_ != nullptr) SetPropA(window_, kFormShortcutsProperty, shortcuts_);
}

bool FormWindow::OnMenuCommand(int id) {
  const int index = id - kFirstMenuId;
  if (index < 0 || index >= static_cast<int>(menuItems_.size())) return false;
  if (copyingIn_ || !running_) return true;
  const FormMenuItem& item = *menuItems_[static_cast<std::size_t>(index)];
  if (item.editAction != EditAction::None) {
    // The edit control does the action itself, on its own selection; any
    // other focus takes nothing.
    HWND focus = GetFocus();
    const Control* focused = ControlOf(focus);
    if (focused == nullptr || focused->kind != ControlKind::Edit) return true;
    const UINT message = item.editAction == EditAction::Cut    ? WM_CUT
                         : item.editAction == EditAction::Copy ? WM_COPY
                         : item.editAction == EditAction::Paste ? WM_PASTE
                                                                : WM_CLEAR;
    SendMessageA(focus, message, 0, 0);
    return true;
  }
  CopyOut();
  Apply(form_.Run(item.onClick));
  return true;
}

int FormWindow::ComboHeight(HWND handle, const ComboBox& combo, int closedHeight) const {
  RECT closed{};
  if (GetWindowRect(handle, &closed) && closed.bottom > closed.top) closedHeight = closed.bottom - closed.top;
  const auto row = static_cast<int>(SendMessageA(handle, CB_GETITEMHEIGHT, 0, 0));
  const int rows = combo.dropDownCount > 0 ? combo.dropDownCount : 1;
  // The window's height is the closed box and the list below it.
  return row > 0 ? closedHeight + rows * row + 2 : closedHeight * rows;
}

bool FormWindow::Create() {
  if (!RegisterFormClass(&FormWindow::Procedure)) return false;
  const DWORD exStyle = ExStyleOf(form_);
  const DWORD style = StyleOf(form_);
  HMENU menuBar = MakeMenuBar();
  RECT frame{0, 0, ScaledPixels(form_.clientWidth), ScaledPixels(form_.clientHeight)};
  AdjustWindowRectEx(&frame, style, menuBar != nullptr ? TRUE : FALSE, exStyle);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  if (form_.window && form_.window->width > 0 && form_.window->height > 0) {
    width = form_.window->width;
    height = form_.window->height;
  }
  int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (form_.position) {
    // A placed form stays whole on the screen: its frame may not push it off.
    left = form_.position->left;
    top = form_.position->top;
    if (top + height > GetSystemMetrics(SM_CYSCREEN)) top = GetSystemMetrics(SM_CYSCREEN) - height;
    if (left + width > GetSystemMetrics(SM_CXSCREEN)) left = GetSystemMetrics(SM_CXSCREEN) - width;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
  }
  window_ = CreateWindowExA(exStyle, kClassName, form_.caption.c_str(), style, left, top, width, height, nullptr,
                            menuBar, GetModuleHandleA(nullptr), this);
  if (window_ == nullptr) {
    if (menuBar != nullptr) DestroyMenu(menuBar);
    return false;
  }
  if (menuBar != nullptr) {
    // A menu bar too long for one line wraps: the window grows by the
    // extra lines, so the controls keep their client area.
    RECT client{};
    GetClientRect(window_, &client);
    const int missing = ScaledPixels(form_.clientHeight) - client.bottom;
    const bool sizedByCaller = form_.window && form_.window->width > 0 && form_.window->height > 0;
    if (missing > 0 && !sizedByCaller) {
      height += missing;
      if (!form_.position) top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
      SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    MakeShortcuts();
  }
  if (form_.resizable) TakeClientSize();

  const std::vector<Control*>& controls = form_.Controls();
  controls_.clear();
  itemsShown_.assign(controls.size(), {});
  for (std::size_t i = 0; i < controls.size(); ++i) {
    HWND control = CreateControl(*controls[i], kFirstId + static_cast<int>(i));
    if (StartsRadioGroup(controls, i)) SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) | WS_GROUP);
    controls_.push_back(control);
    const Control& model = *controls[i];
    const bool typedInto = model.kind == ControlKind::ListBox && form_.onCharacter;
    if (control != nullptr && (typedInto || model.onRightClick)) {
      SetPropA(control, kOldProcedureProperty,
               reinterpret_cast<HANDLE>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::ChildProcedure));
    }
    if (control != nullptr && model.kind == ControlKind::Button && !static_cast<const Button&>(model).icon.empty()) {
      const auto& button = static_cast<const Button&>(model);
      if (HICON icon = MakeFormIcon(button.icon, button.iconSize > 0 ? button.iconSize : 32)) {
        icons_.push_back(icon);
        SendMessageA(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
      }
    }
  }
  std::vector<std::pair<HWND, std::string>> hints;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i]->kind == ControlKind::Button && !static_cast<const Button*>(controls[i])->hint.empty())
      hints.emplace_back(controls_[i], static_cast<const Button*>(controls[i])->hint);
  }
  AddControlHints(window_, hints);
  CopyIn();
  return true;
}

HWND FormWindow::CreateControl(const Control& control, int id) {
  const ControlClass c = ClassOf(control);
  const Bounds b = Scaled(control.bounds);
  // A drop-down list gets its rows in Place, once its font is set.
  const int height = control.kind == ControlKind::ComboBox ? b.height * 8 : b.height;
  if (control.kind == ControlKind::Grid) {
    const auto& grid = static_cast<const Grid&>(control);
    HWND handle = CreateGridWindow(window_, id, b, c.style, c.exStyle, grid, ScaledPixels(grid.rowHeight),
                                   [this, id](GridAction action, GridCell cell, std::optional<Bounds> onScreen) {
                                     OnGridAction(id, action, cell, onScreen);
                                   });
    if (handle != nullptr) SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
    return handle;
  }
  HWND handle = CreateWindowExA(c.exStyle, c.className, control.kind == ControlKind::Edit ? "" : control.text.c_str(),
                                WS_CHILD | c.style, b.left, b.top, b.width, height, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (handle == nullptr) return nullptr;
  SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
  if (control.kind == ControlKind::Edit) {
    const int limit = static_cast<const Edit&>(control).maxLength;
    if (limit > 0) SendMessageA(handle, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    if (static_cast<const Edit&>(control).multiLine) {
      const auto previous = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MultiLineEditProcedure)));
      if (editProcedure == nullptr) editProcedure = previous;
    }
  }
  return handle;
}

// The form's values into the window; only what differs, so a handler that
// runs while the user types does not move the caret.
void FormWindow::CopyIn() {
  copyingIn_ = true;
  const std::vector<Control*>& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Control& control = *controls[i];
    HWND handle = controls_[i];
    if (handle == nullptr) continue;
    switch (control.kind) {
      case ControlKind::CheckBox:
        SendMessageA(handle, BM_SETCHECK, static_cast<const CheckBox&>(control).checked ? BST_CHECKED : BST_UNCHECKED, 0);
        SetTextIfChanged(handle, control.text);
        break;
      case ControlKind::RadioButton:
        SendMessageA(handle, BM_SETCHECK,
                     static_cast<const RadioButton&>(control).checked ? BST_CHECKED : BST_UNCHECKED, 0);
        SetTextIfChanged(handle, control.text);
        break;
      case ControlKind::ComboBox: {
        const auto& combo = static_cast<const ComboBox&>(control);
        if (itemsShown_[i] != combo.items) {
          SendMessageA(handle, CB_RESETCONTENT, 0, 0);
          for (const std::string& item : combo.items) SendMessageA(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
          itemsShown_[i] = combo.items;
        }
        SendMessageA(handle, CB_SETCURSEL, static_cast<WPARAM>(combo.itemIndex), 0);
        if (combo.editable && combo.itemIndex < 0) SetTextIfChanged(handle, combo.text);
        break;
      }
      case ControlKind::ListBox: {
        const auto& list = static_cast<const ListBox&>(control);
        if (itemsShown_[i] != list.items) {
          SendMessageA(handle, LB_RESETCONTENT, 0, 0);
          for (std::size_t item = 0; item < list.items.size(); ++item) {
            // A list drawn in columns stores the item's number only.
            const LPARAM data = list.columns.empty() ? reinterpret_cast<LPARAM>(list.items[item].c_str())
                                                     : static_cast<LPARAM>(item);
            SendMessageA(handle, LB_ADDSTRING, 0, data);
          }
          itemsShown_[i] = list.items;
        }
        if (list.multiSelect) {
          for (std::size_t item = 0; item < list.items.size(); ++item)
            SendMessageA(handle, LB_SETSEL, list.IsSelected(item) ? TRUE : FALSE, static_cast<LPARAM>(item));
        } else {
          SendMessageA(handle, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex), 0);
        }
        break;
      }
      case ControlKind::Edit: {
        SetTextIfChanged(handle, control.text);
        const auto& edit = static_cast<const Edit&>(control);
        if (edit.multiLine) {
          SendMessageA(handle, EM_SETSEL, static_cast<WPARAM>(edit.selStart),
                       static_cast<LPARAM>(edit.selStart + edit.selLength));
          SendMessageA(handle, EM_SCROLLCARET, 0, 0);
        }
        break;
      }
      case ControlKind::Grid:
        RefreshGridWindow(handle);
        break;
      default:
        SetTextIfChanged(handle, control.text);
        break;
    }
    Place(control, handle);
    EnableWindow(handle, control.enabled ? TRUE : FALSE);
    ::ShowWindow(handle, control.visible ? SW_SHOWNA : SW_HIDE);
  }
  copyingIn_ = false;
}

void FormWindow::Place(const Control& control, HWND handle) {
  const Bounds b = Scaled(control.bounds);
  const int height =
      control.kind == ControlKind::ComboBox ? ComboHeight(handle, static_cast<const ComboBox&>(control), b.height) : b.height;
  SetWindowPos(handle, nullptr, b.left, b.top, b.width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The user's values into the form, before a handler looks at them.
void FormWindow::CopyOut() {
  const std::vector<Control*>& controls = form_.Controls();
  form_.focused = ControlOf(GetFocus());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& control = *controls[i];
    HWND handle = controls_[i];
    if (handle == nullptr) continue;
    switch (control.kind) {
      case ControlKind::Edit: {
        control.text = WindowText(handle);
        auto& edit = static_cast<Edit&>(control);
        if (edit.multiLine) {
          DWORD start = 0;
          DWORD end = 0;
          SendMessageA(handle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
          edit.selStart = static_cast<int>(start);
          edit.selLength = static_cast<int>(end - start);
        }
        break;
      }
      case ControlKind::CheckBox:
        static_cast<CheckBox&>(control).checked = SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        break;
      case ControlKind::RadioButton:
        static_cast<RadioButton&>(control).checked = SendMessageA(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
        break;
      case ControlKind::ComboBox: {
        auto& combo = static_cast<ComboBox&>(control);
        combo.itemIndex = static_cast<int>(SendMessageA(handle, CB_GETCURSEL, 0, 0));
        if (combo.editable) combo.text = WindowText(handle);
        break;
      }
      case ControlKind::ListBox: {
        auto& list = static_cast<ListBox&>(control);
        if (list.multiSelect) {
          list.selected.assign(list.items.size(), false);
          for (std::size_t item = 0; item < list.items.size(); ++item)
            list.selected[item] = SendMessageA(handle, LB_GETSEL, static_cast<WPARAM>(item), 0) > 0;
          list.itemIndex = static_cast<int>(SendMessageA(handle, LB_GETCARETINDEX, 0, 0));
        } else {
          list.itemIndex = static_cast<int>(SendMessageA(handle, LB_GETCURSEL, 0, 0));
        }
        break;
      }
      default:
        break;
    }
  }
}

Control* FormWindow::ControlOf(HWND handle) const {
  const std::vector<Control*>& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size() && i < controls_.size(); ++i) {
    if (handle != nullptr && controls_[i] == handle) return controls[i];
  }
  return nullptr;
}

void FormWindow::SwitchHotKeyEntry(bool on) {
  if (on == hotKeyEntry_ || window_ == nullptr) return;
  hotKeyEntry_ = on;
  if (EntrySwitch()) EntrySwitch()(WindowIdOf(window_), on);
}

// A hot key the library sent while the window is in hot key entry mode: it
// goes to the hot key field that has the focus.
void FormWindow::OnHotKeyPressed(int code) {
  if (!running_) return;
  Control* focused = ControlOf(GetFocus());
  if (focused == nullptr || focused->kind != ControlKind::Edit) return;
  auto& field = static_cast<Edit&>(*focused);
  if (!field.IsHotKeyField()) return;
  CopyOut();
  Apply(form_.HotKeyPressed(field, code));
}

HWND FormWindow::HandleOf(const Control* control) const {
  const std::vector<Control*>& controls = form_.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i] == control) return controls_[i];
  }
  return nullptr;
}

void FormWindow::Apply(const FormReply& reply) {
  CopyIn();
  if (reply.kind == FormReply::Kind::Close) {
    End(reply.result);
    return;
  }
  if (reply.kind == FormReply::Kind::Stay) {
    if (HWND focus = HandleOf(reply.focus)) SetFocus(focus);
    return;
  }
  if (reply.kind == FormReply::Kind::Help) {
    OpenHelp(window_, helpFile_, reply.message);
    return;
  }
  if (reply.kind != FormReply::Kind::Refuse) return;
  MessageBoxA(window_, reply.message.c_str(), reply.caption.c_str(), MB_OK | IconFor(reply.caption));
  if (HWND focus = HandleOf(reply.focus)) {
    SetFocus(focus);
    if (reply.focus->kind == ControlKind::Edit) SendMessageA(focus, EM_SETSEL, 0, -1);
  }
}

void FormWindow::OnCommand(int id, int notification) {
  if (copyingIn_ || !running_) return;
  const std::vector<Control*>& controls = form_.Controls();
  const int index = id - kFirstId;
  if (id == IDOK || id == IDCANCEL) {
    CopyOut();
    Apply(id == IDOK ? form_.PressEnter() : form_.PressEscape());
    return;
  }
  if (index < 0 || index >= static_cast<int>(controls.size())) return;
  Control& control = *controls[static_cast<std::size_t>(index)];
  switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (notification != BN_CLICKED) return;
      CopyOut();
      Apply(form_.Clicked(control));
      return;
    case ControlKind::Edit:
      if (static_cast<Edit&>(control).IsHotKeyField() && (notification == EN_SETFOCUS || notification == EN_KILLFOCUS)) {
        SwitchHotKeyEntry(notification == EN_SETFOCUS);
        return;
      }
      if (notification != EN_CHANGE) return;
      break;
    case ControlKind::ComboBox:
      if (notification != CBN_SELCHANGE && notification != CBN_EDITCHANGE) return;
      break;
    case ControlKind::ListBox:
      if (notification == LBN_DBLCLK) {
        CopyOut();
        Apply(form_.DoubleClicked(control));
        return;
      }
      if (notification != LBN_SELCHANGE) return;
      break;
    default:
      return;
  }
  CopyOut();
  if (control.onChange) Apply(form_.Changed(control));
}

// A click, double click or arrow key on a grid: the grid's rules and the
// form's handlers decide, and the window then shows the result.
void FormWindow::OnGridAction(int id, GridAction action, GridCell cell, std::optional<Bounds> onScreen) {
  if (copyingIn_ || !running_) return;
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(form_.Controls().size())) return;
  auto& grid = static_cast<Grid&>(*form_.Controls()[static_cast<std::size_t>(index)]);
  CopyOut();
  switch (action) {
    case GridAction::Click:
      Apply(ClickGridCell(form_, grid, cell));
      return;
    case GridAction::DoubleClick:
      Apply(DoubleClickGridCell(form_, grid, cell, onScreen));
      return;
    case GridAction::Move:
      Apply(MoveGridSelection(form_, grid, cell.row, cell.column));
      return;
  }
}

ModalResult FormWindow::ShowModal(HWND owner) {
  form_.modalResult = ModalResult::None;
  form_.FormShow(&MeasureFormText);
  if (!Create()) return ModalResult::Cancel;
  const bool disableOwner = owner != nullptr && IsWindow(owner) && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  savedFocus_ = HandleOf(form_.activeControl);
  // From here on the form takes clicks, also those that arrive while it is
  // being brought to the front.
  running_ = true;
  ::ShowWindow(window_, SW_SHOW);
  BringWindowToFront(WindowIdOf(window_));
  if (savedFocus_ != nullptr) SetFocus(savedFocus_);

  bool quit = false;
  while (running_) {
    if (!PumpPendingMessages()) {
      quit = true;
      break;
    }
    if (running_) WaitForMessages(kLoopWakeMs);
  }
  running_ = false;
  SwitchHotKeyEntry(false);
  // The owner comes back before the form goes, so the activation has
  // somewhere to return to.
  if (disableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  RECT placed{};
  if (window_ != nullptr && GetWindowRect(window_, &placed)) {
    form_.window = Bounds{placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top};
  }
  if (window_ != nullptr) ::ShowWindow(window_, SW_HIDE);
  if (quit || !form_.Closed()) form_.modalResult = ModalResult::Cancel;
  return form_.modalResult;
}

void FormWindow::TakeClientSize() {
  RECT client{};
  GetClientRect(window_, &client);
  const int width = UnscaledPixels(client.right);
  const int height = UnscaledPixels(client.bottom);
  if (width == form_.clientWidth && height == form_.clientHeight) return;
  form_.clientWidth = width;
  form_.clientHeight = height;
  form_.FormResize();
}

void FormWindow::End(ModalResult result) {
  if (!running_) return;
  if (!form_.Closed()) form_.modalResult = result;
  running_ = false;
  if (window_ != nullptr) PostMessageA(window_, WM_NULL, 0, 0);
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->running_ = false;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

int FormWindow::IndexOfHandle(HWND handle) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i] == handle) return static_cast<int>(i);
  return -1;
}

void FormWindow::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  const int index = static_cast<int>(measure.CtlID) - kFirstId;
  if (index < 0 || index >= static_cast<int>(form_.Controls().size())) return;
  const Control& control = *form_.Controls()[static_cast<std::size_t>(index)];
  // Rows are laid out at 96 dots per inch and follow the display's factor.
  if (control.kind == ControlKind::ListBox)
    measure.itemHeight = static_cast<UINT>(ScaledPixels(static_cast<const ListBox&>(control).itemHeight));
}

void FormWindow::DrawItem(const DRAWITEMSTRUCT& draw) const {
  const int index = static_cast<int>(draw.CtlID) - kFirstId;
  if (index < 0 || index >= static_cast<int>(form_.Controls().size())) return;
  const Control& control = *form_.Controls()[static_cast<std::size_t>(index)];
  if (control.kind != ControlKind::ListBox) return;
  const auto& list = static_cast<const ListBox&>(control);
  HDC dc = draw.hDC;
  const RECT row = draw.rcItem;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
  if (draw.itemID == static_cast<UINT>(-1) || draw.itemID >= list.items.size()) return;
  const std::vector<std::string> cells = SplitCells(list.items[draw.itemID]);
  HGDIOBJ oldFont = SelectObject(dc, FormFont());
  SetBkMode(dc, TRANSPARENT);
  HPEN grey = CreatePen(PS_SOLID, 1, kGrey);
  HGDIOBJ oldPen = SelectObject(dc, grey);
  const int width = row.right - row.left;
  for (std::size_t c = 0; c < list.columns.size(); ++c) {
    const ListColumn& column = list.columns[c];
    RECT cell{row.left + column.start * width / 14, row.top, row.left + (column.start + column.width) * width / 14,
              row.bottom};
    if (column.shaded) {
      HBRUSH silver = CreateSolidBrush(kSilver);
      FillRect(dc, &cell, silver);
      DeleteObject(silver);
    }
    SetTextColor(dc, GetSysColor(selected && !column.shaded ? COLOR_HIGHLIGHT : COLOR_WINDOWTEXT));
    // The text is cut from its end until it fits its cell.
    std::string text = c < cells.size() ? cells[c] : std::string();
    const int room = cell.right - cell.left - 4;
    SIZE size{};
    while (!text.empty() && GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size) &&
           size.cx > room)
      text.pop_back();
    TextOutA(dc, cell.left + 2, cell.top + 1, text.c_str(), static_cast<int>(text.size()));
    MoveToEx(dc, cell.right - 1, row.top, nullptr);
    LineTo(dc, cell.right - 1, row.bottom);
  }
  MoveToEx(dc, row.left, row.bottom - 1, nullptr);
  LineTo(dc, row.right, row.bottom - 1);
  if ((draw.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &row);
  SelectObject(dc, oldPen);
  DeleteObject(grey);
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK FormWindow::ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto old = reinterpret_cast<WNDPROC>(GetPropA(window, kOldProcedureProperty));
  HWND parent = GetParent(window);
  auto* self = parent != nullptr ? reinterpret_cast<FormWindow*>(GetWindowLongPtrA(parent, GWLP_USERDATA)) : nullptr;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(window, kOldProcedureProperty);
  } else if (self != nullptr && self->ChildMessage(window, message, wParam, lParam)) {
    return 0;
  }
  return old != nullptr ? CallWindowProcA(old, window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

bool FormWindow::ChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!running_ || copyingIn_) return false;
  const int index = IndexOfHandle(child);
  if (index < 0) return false;
  Control& control = *form_.Controls()[static_cast<std::size_t>(index)];
  const bool isList = control.kind == ControlKind::ListBox;
  const auto rowAt = [&](LPARAM point) {
    if (!isList) return -1;
    const LRESULT hit = SendMessageA(child, LB_ITEMFROMPOINT, 0, point);
    return HIWORD(hit) != 0 ? -3 : static_cast<int>(LOWORD(hit));
  };
  switch (message) {
    case WM_CHAR:
      // Control characters (Enter, Escape, Tab) keep their usual meaning.
      if (!isList || !form_.onCharacter || wParam < 32) return false;
      CopyOut();
      Apply(form_.TypedCharacter(static_cast<char>(wParam)));
      return true;
    case WM_RBUTTONDOWN:
      if (!control.onRightClick) return false;
      rightPressRow_ = rowAt(lParam);
      return true;
    case WM_RBUTTONUP: {
      if (!control.onRightClick) return false;
      const int row = rowAt(lParam);
      const bool same = row == rightPressRow_ && row != -3;
      rightPressRow_ = -2;
      if (!same) return true;
      if (isList) SendMessageA(child, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
      CopyOut();
      if (isList) static_cast<ListBox&>(control).itemIndex = row;
      Apply(form_.RightClicked(control));
      return true;
    }
    default:
      return false;
  }
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      // A menu item, or its shortcut.
      if (lParam == 0 && OnMenuCommand(LOWORD(wParam))) return 0;
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case kMsgHotKeyEntry:
      OnHotKeyPressed(static_cast<int>(wParam));
      return 0;
    case WM_HELP:
      if (!running_) return TRUE;
      CopyOut();
      Apply(form_.PressHelp());
      return TRUE;

    case WM_CLOSE:
      if (running_) {
        CopyOut();
        Apply(form_.PressCloseBox());
      }
      return 0;
    case DM_GETDEFID:
      for (std::size_t i = 0; i < form_.Controls().size(); ++i) {
        const Control* control = form_.Controls()[i];
        if (control->kind == ControlKind::Button && static_cast<const Button*>(control)->IsDefault()) {
          return MAKELRESULT(kFirstId + static_cast<int>(i), DC_HASDEFID);
        }
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) savedFocus_ = focus;
      } else if (savedFocus_ != nullptr && IsWindow(savedFocus_)) {
        SetFocus(savedFocus_);
        return 0;
      }
      break;
    case WM_SIZE:
      if (form_.resizable && !controls_.empty() && wParam != SIZE_MINIMIZED) {
        TakeClientSize();
        // Only the places change: what the user typed stays as it is.
        for (std::size_t i = 0; i < controls_.size(); ++i) {
          if (controls_[i] != nullptr) Place(*form_.Controls()[i], controls_[i]);
        }
        InvalidateRect(window_, nullptr, TRUE);
      }
      return 0;
    case WM_GETMINMAXINFO:
      if (form_.resizable && form_.minimumClientWidth > 0) {
        RECT frame{0, 0, ScaledPixels(form_.minimumClientWidth), 0};
        AdjustWindowRectEx(&frame, StyleOf(form_), FALSE, GetWindowLongA(window_, GWL_EXSTYLE));
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x = frame.right - frame.left;
      }
      return 0;
    case WM_SETFOCUS:
      if (savedFocus_ != nullptr && IsWindow(savedFocus_)) SetFocus(savedFocus_);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace tavrix
