#include "platform/win32/modal_box.h"

#include "platform/win32/foreground_handover.h"
#include "platform/win32/message_pump.h"

namespace tavrix {
namespace {

constexpr char kClassName[] = "TavrixModalBox";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
// How long the modal loop sleeps at most between looks at its end flag.
constexpr std::uint32_t kLoopWakeMs = 50;

bool RegisterBoxClass(WNDPROC procedure) {
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

}  // namespace

ModalBox::~ModalBox() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

bool ModalBox::Create(const std::string& caption, int clientWidth, int clientHeight, bool topMost) {
  if (!RegisterBoxClass(&ModalBox::Procedure)) return false;
  const DWORD exStyle = kExStyle | (topMost ? WS_EX_TOPMOST : 0);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, exStyle);
  window_ = CreateWindowExA(exStyle, kClassName, caption.c_str(), kStyle, 0, 0, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  return window_ != nullptr;
}

void ModalBox::Adopt(HWND control) {
  if (control != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

HWND ModalBox::AddLabel(const std::string& text, int x, int y, int width, int height) {
  HWND label = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, x, y, width,
                               height, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
  Adopt(label);
  return label;
}

HWND ModalBox::AddButton(const std::string& text, int id, int x, int y, int width, int height, bool isDefault) {
  const DWORD kind = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  HWND button = CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, x, y, width,
                                height, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  Adopt(button);
  if (isDefault) defaultId_ = id;
  return button;
}

HWND ModalBox::AddEdit(int x, int y, int width, int height, int maxLength) {
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, x,
                              y, width, height, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
  Adopt(edit);
  SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  return edit;
}

void ModalBox::PlaceAt(int left, int top) {
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModalBox::CentreOnScreen() {
  RECT r{};
  GetWindowRect(window_, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  PlaceAt((GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

bool ModalBox::RunModal(HWND focus, HWND owner) {
  const bool disableOwner = owner != nullptr && IsWindow(owner) && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  savedFocus_ = focus;
  ::ShowWindow(window_, SW_SHOW);
  BringWindowToFront(WindowIdOf(window_));
  if (focus != nullptr) SetFocus(focus);

  running_ = true;
  bool quit = false;
  while (running_) {
    if (!PumpPendingMessages()) {
      quit = true;
      break;
    }
    if (running_) WaitForMessages(kLoopWakeMs);
  }
  running_ = false;
  // The owner comes back before the box goes, so the activation has
  // somewhere to return to.
  if (disableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  ::ShowWindow(window_, SW_HIDE);
  return !quit;
}

void ModalBox::EndModal() {
  running_ = false;
  if (window_ != nullptr) PostMessageA(window_, WM_NULL, 0, 0);
}

LRESULT CALLBACK ModalBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* box = static_cast<ModalBox*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    box->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
  }
  auto* box = reinterpret_cast<ModalBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (box == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    box->window_ = nullptr;
    box->running_ = false;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return box->Handle(message, wParam, lParam);
}

LRESULT ModalBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case DM_GETDEFID:
      return defaultId_ != 0 ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) savedFocus_ = focus;
      } else if (savedFocus_ != nullptr && IsWindow(savedFocus_)) {
        SetFocus(savedFocus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (savedFocus_ != nullptr && IsWindow(savedFocus_)) SetFocus(savedFocus_);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace tavrix
