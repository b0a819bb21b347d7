#include "shell/win32/main_form.h"

#include <commctrl.h>

#include <exception>

#include "base/private_messages.h"
#include "platform/win32/foreground_handover.h"
#include "platform/win32/form_window.h"
#include "platform/win32/help_viewer.h"
#include "shell/win32/font_dialog.h"
#include "shell/win32/gui_font.h"
#include "shell/win32/program_icon.h"
#include "shell/window_placement.h"

namespace tavrix {
namespace {

constexpr UINT kListId = 1;
constexpr UINT kProgramTrayIconId = 1;
constexpr const char* kProgramTooltip = "Tavrix";
constexpr UINT kRecordingTrayIconId = 1000;  // above every macro number (the popup-menu icons use those)
constexpr const char* kRecordingTooltip = "Macro Is Recording";
// Posted to itself once the user has resized a list column: by then the list
// holds the column's new width.
constexpr UINT kMsgColumnsResized = WM_APP + 1;
// Posted by a popup-menu tray icon's right click (wParam its macro number,
// lParam the click's x): the icons may be rebuilt while the menu is open, so
// nothing runs inside the icon's own window procedure.
constexpr UINT kMsgPopupTrayRightClick = WM_APP + 2;

bool IsColumnResizedByUser(UINT code) {
  return code == HDN_ENDTRACKA || code == HDN_ENDTRACKW || code == HDN_DIVIDERDBLCLICKA ||
         code == HDN_DIVIDERDBLCLICKW;
}

// How the program was asked to show: the show command of the start-up
// information when the default was asked for; the minimised variants all
// count as minimised.
FirstShow FirstShowOf(int showCommand) {
  if (showCommand == SW_SHOWDEFAULT) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWNORMAL;
  }
  switch (showCommand) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE: return FirstShow::Minimized;
    case SW_SHOWMAXIMIZED: return FirstShow::Maximized;
    default: return FirstShow::Normal;
  }
}

// The timers Windows repeats, but the main window means once.
bool IsOneShot(MainTimer timer) { return timer == MainTimer::Clear || timer == MainTimer::StartUp; }

}  // namespace

MainForm::MainForm(Services services) : services_(services) {}

MainForm::~MainForm() {
  // The portable main window is gone by now: nothing may reach it any more.
  main_ = nullptr;
  recordingIcon_.reset();
  trayIcon_.reset();
  ClearPopupTrayIcons();
  if (window_ != nullptr && !destroyed_) DestroyWindow(window_);
  if (applicationWindow_ != nullptr) DestroyWindow(applicationWindow_);
  if (bigIcon_ != nullptr) DestroyIcon(bigIcon_);
  if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
}

// --- Creation ----------------------------------------------------------------

bool MainForm::CreateWindows() {
  const HINSTANCE instance = services_.instance;
  bigIcon_ = CreateProgramIcon(GetSystemMetrics(SM_CXICON));
  smallIcon_ = CreateProgramIcon(GetSystemMetrics(SM_CXSMICON));

  WNDCLASSEXA application{};
  application.cbSize = sizeof application;
  application.lpfnWndProc = &MainForm::ApplicationWindowProc;
  application.hInstance = instance;
  application.hIcon = bigIcon_;
  application.hIconSm = smallIcon_;
  application.lpszClassName = kApplicationWindowClass;
  RegisterClassExA(&application);

  WNDCLASSEXA main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = &MainForm::WindowProc;
  main.hInstance = instance;
  main.hIcon = bigIcon_;
  main.hIconSm = smallIcon_;
  main.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main.lpszClassName = kMainWindowClass;
  RegisterClassExA(&main);

  // The application's taskbar window carries the title "Tavrix"; it is only
  // shown (without size) while a box of the program is open in tray mode.
  applicationWindow_ = CreateWindowExA(0, kApplicationWindowClass, kApplicationTitle,
                                       WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                                       nullptr, instance, nullptr);
  window_ = CreateWindowExA(0, kMainWindowClass, kApplicationTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, 640, 424, nullptr, menu_.Bar(), instance, this);
  if (window_ == nullptr || applicationWindow_ == nullptr) return false;
  SetWindowLongPtrA(applicationWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window_));

  const Configuration& configuration = services_.configuration;
  list_.Create(window_, instance, kListId);
  list_.SetFonts(CreateConfiguredFont(configuration.gridFont), CreateConfiguredFont(configuration.gridTitleFont));
  list_.SetColumnWidths(configuration.columnWidths);
  list_.onHeaderRightClick = [this](int column) { Dispatch([&] { main_->OnHeaderRightClick(column); }); };
  list_.onSearchKey = [this](SearchKey key, char character) {
    Dispatch([&] { main_->OnListSearchKey(key, character); });
  };
  buttons_.Create(window_, instance);
  buttons_.Show(configuration.useSpeed);
  LayOut();

  trayIcon_ = std::make_unique<TTaskIcon>(instance, kProgramTrayIconId, smallIcon_, kProgramTooltip);
  trayIcon_->OnClick = [this] { Dispatch([&] { main_->OnTrayIconClick(); }); };
  trayIcon_->OnDoubleClick = [this] { Dispatch([&] { main_->OnTrayIconClick(); }); };
  trayIcon_->OnRightClick = [this] { ShowTrayMenu(); };
  recordingIcon_ = std::make_unique<TTaskIcon>(instance, kRecordingTrayIconId, smallIcon_, kRecordingTooltip);
  recordingIcon_->OnRightClick = [this] { Dispatch([&] { main_->OnRecordingIconRightClick(); }); };

  services_.desktop.SetMainWindow(Handle());
  services_.ui.SetMainWindow(Handle());
  SetFormIconMaker(&CreateNamedIcon);
  return true;
}

void MainForm::Start(int showCommand) {
  ApplyGeometry();
  main_->Start(FirstShowOf(showCommand));
}

void MainForm::Abandon() {
  released_ = true;
  services_.blocks.Release();
  recordingIcon_.reset();
  trayIcon_.reset();
  ClearPopupTrayIcons();
  if (window_ != nullptr && !destroyed_) DestroyWindow(window_);
}

// --- MainWindowHost ------------------------------------------------------------

WindowId MainForm::Handle() { return WindowIdOf(window_); }

void MainForm::StartTimer(MainTimer timer, std::uint32_t milliseconds) {
  if (window_ != nullptr && !destroyed_) SetTimer(window_, static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void MainForm::StopTimer(MainTimer timer) {
  if (window_ != nullptr && !destroyed_) KillTimer(window_, static_cast<UINT_PTR>(timer));
}

bool MainForm::IsVisible() { return window_ != nullptr && IsWindowVisible(window_) != FALSE; }

bool MainForm::IsMinimized() { return window_ != nullptr && IsIconic(window_) != FALSE; }

void MainForm::ShowFirst(FirstShow how) {
  if (window_ == nullptr) return;
  const int command = how == FirstShow::Minimized   ? SW_SHOWMINIMIZED
                      : how == FirstShow::Maximized ? SW_SHOWMAXIMIZED
                                                    : SW_SHOWNORMAL;
  ::ShowWindow(window_, command);
  UpdateWindow(window_);
}

void MainForm::ShowWindow() {
  if (window_ == nullptr) return;
  ::ShowWindow(window_, SW_SHOWNA);
}

void MainForm::HideWindow() {
  if (window_ != nullptr) ::ShowWindow(window_, SW_HIDE);
}

void MainForm::RestoreWindow() {
  if (window_ != nullptr) ::ShowWindow(window_, SW_RESTORE);
}

void MainForm::MinimizeWindow() {
  if (window_ != nullptr) ::ShowWindow(window_, SW_MINIMIZE);
}

void MainForm::BringToFront() {
  if (window_ != nullptr) BringWindowToFront(Handle());
}

void MainForm::ShowTaskbarWindow(bool visible) {
  if (applicationWindow_ != nullptr) ::ShowWindow(applicationWindow_, visible ? SW_SHOWNA : SW_HIDE);
}

bool MainForm::ModalBoxOpen() { return services_.ui.FormOpen(); }

void MainForm::SetCaption(const std::string& caption) {
  if (window_ != nullptr) SetWindowTextA(window_, caption.c_str());
}

void MainForm::RefillList() {
  if (window_ != nullptr && main_ != nullptr) list_.Fill(main_->Index(), main_->RowMap());
}

void MainForm::RedrawList() { list_.Redraw(); }

int MainForm::SelectedMacro() { return list_.Handle() != nullptr ? list_.SelectedMacro() : 0; }

void MainForm::SelectMacro(int n) { list_.SelectMacro(n); }

void MainForm::SetColumnWidths(const std::array<std::int32_t, 3>& widths) { list_.SetColumnWidths(widths); }

void MainForm::SetMenuEnabled(Command command, bool enabled) {
  menu_.Enable(command, enabled);
  buttons_.SetEnabled(command, enabled);
}

void MainForm::SetMenuChecked(Command command, bool checked) { menu_.Check(command, checked); }

void MainForm::SetMenuCaption(Command command, const std::string& caption) {
  menu_.SetCaption(command, caption);
  buttons_.SetCaption(command, caption);
}

void MainForm::ApplyAppearance(const Configuration& configuration) {
  list_.SetFonts(CreateConfiguredFont(configuration.gridFont), CreateConfiguredFont(configuration.gridTitleFont));
  list_.SetColumnWidths(configuration.columnWidths);
  buttons_.Show(configuration.useSpeed);
  LayOut();
  list_.Redraw();
}

bool MainForm::ChooseFont(FontSettings& font, bool printFont) {
  return ChooseConfiguredFont(services_.ui.FormOpen() ? GetActiveWindow() : window_, font, printFont);
}

bool MainForm::PrintMacroList(const std::string& macroPath, const std::vector<PrintRow>& rows,
                              const FontSettings& font) {
  return printer_.Print(window_, macroPath, rows, font);
}

void MainForm::PrinterSetup() { printer_.Setup(window_); }

void MainForm::SetRecentFiles(const RecentFiles& files) { menu_.SetRecentFiles(files); }

void MainForm::ClearPopupTrayIcons() {
  popupIcons_.clear();
  for (HICON image : popupIconImages_) DestroyIcon(image);
  popupIconImages_.clear();
}

void MainForm::SetPopupTrayIcons(const std::vector<PopupTrayIcon>& icons, const std::string& iconsFolder) {
  ClearPopupTrayIcons();
  const int size = GetSystemMetrics(SM_CXSMICON);
  for (const PopupTrayIcon& icon : icons) {
    HICON image = nullptr;
    if (icon.icon != "menu") {
      const std::string path = iconsFolder + "\\" + icon.icon;
      image = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    }
    // A file that is not an icon shows the menu icon.
    if (image == nullptr) image = CreateMenuIcon(size);
    popupIconImages_.push_back(image);
    auto tray = std::make_unique<TTaskIcon>(services_.instance, static_cast<UINT>(icon.macro), image, icon.tooltip);
    const int n = icon.macro;
    tray->OnRightClick = [this, n] {
      POINT at{};
      GetCursorPos(&at);
      PostMessageA(window_, kMsgPopupTrayRightClick, static_cast<WPARAM>(n), static_cast<LPARAM>(at.x));
    };
    tray->Show();
    popupIcons_.push_back(std::move(tray));
  }
}

void MainForm::ShowRecordingIcon(bool shown) {
  if (!recordingIcon_) return;
  if (shown) {
    recordingIcon_->Show();
  } else {
    recordingIcon_->Hide();
  }
}

void MainForm::ShowTrayIcon(bool shown) {
  if (trayIcon_) {
    if (shown) {
      trayIcon_->Show();
    } else {
      trayIcon_->Hide();
    }
  }
}

void MainForm::ShowHelp(const std::string& helpFile, const std::string& keyword) {
  OpenHelp(window_, helpFile, keyword);
}
void MainForm::StoreWindowBounds() {
  if (window_ == nullptr || destroyed_) return;
  RECT rect{};
  if (IsIconic(window_) || IsZoomed(window_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    rect = placement.rcNormalPosition;
  } else {
    GetWindowRect(window_, &rect);
  }
  WindowBounds& bounds = services_.configuration.mainWindow;
  bounds.left = rect.left;
  bounds.top = rect.top;
  bounds.width = rect.right - rect.left;
  bounds.height = rect.bottom - rect.top;
}

void MainForm::Close() {
  // The shutdown steps have run in TMainWin; what remains is this window's.
  if (released_) return;
  released_ = true;
  services_.blocks.Release();
  if (trayIcon_) trayIcon_->Hide();
  if (window_ != nullptr && !destroyed_) DestroyWindow(window_);
}

// --- Window procedures -----------------------------------------------------------

LRESULT CALLBACK MainForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<MainForm*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<MainForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  try {
    return form->Receive(message, wParam, lParam);
  } catch (const std::exception& error) {
    // Nothing may unwind through the system's frames.
    form->ReportError(error.what());
  } catch (...) {
    form->ReportError("Unexpected error.");
  }
  return 0;
}

// Clicking the taskbar button of the application window shows the box that
// is open (the window itself has no size).
LRESULT CALLBACK MainForm::ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
    const HWND main = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const HWND popup = main != nullptr ? GetLastActivePopup(main) : nullptr;
    if (popup != nullptr && popup != main && IsWindowVisible(popup)) {
      SetForegroundWindow(popup);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT MainForm::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= kFirstPrivateMessage && message < WM_APP) {
    Dispatch([&] {
      main_->OnPrivateMessage(message, static_cast<std::uint32_t>(wParam), static_cast<std::intptr_t>(lParam));
    });
    return 0;
  }
  switch (message) {
    case kMsgPopupTrayRightClick:
      Dispatch([&] { main_->MenuTaskIconRightClick(static_cast<int>(wParam), static_cast<int>(lParam)); });
      return 0;
    case kMsgColumnsResized:
      if (list_.Handle() != nullptr) Dispatch([&] { main_->OnColumnsResized(list_.ColumnWidths()); });
      return 0;
    case WM_TIMER: {
      const auto timer = static_cast<MainTimer>(wParam);
      if (IsOneShot(timer)) StopTimer(timer);
      Dispatch([&] { main_->OnTimer(timer); });
      return 0;
    }
    case WM_HELP:
      Dispatch([&] { main_->OnCommand(Command::HelpContents); });
      return TRUE;
    case WM_COMMAND:
      // The menus (no window), the toolbar and the letter panel's buttons.
      if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
        const Command command = CommandOf(LOWORD(wParam));
        Dispatch([&] { main_->OnCommand(command); });
        return 0;
      }
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      OnNotify(*reinterpret_cast<NMHDR*>(lParam), result);
      return result;
    }
    case WM_SYSCOMMAND: {
      bool handled = false;
      if ((wParam & 0xFFF0) == SC_SCREENSAVE) handled = main_ != nullptr && !main_->AllowScreenSaver();
      if ((wParam & 0xFFF0) == SC_MINIMIZE) Dispatch([&] { handled = main_->OnMinimize(); });
      if (handled) return 0;
      break;
    }
    case WM_ACTIVATEAPP:
      if (wParam == FALSE) Dispatch([&] { main_->OnAppDeactivate(); });
      break;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_SETFOCUS:
      if (list_.Handle() != nullptr) SetFocus(list_.Handle());
      return 0;
    case WM_CLOSE:
      Dispatch([&] { main_->OnCommand(Command::Terminate); });
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The system ends the process right after this message.
      if (wParam != FALSE) Dispatch([&] { main_->OnEndSession(); });
      return 0;
    case WM_DESTROY:
      destroyed_ = true;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

template <typename Call>
void MainForm::Dispatch(Call call) {
  if (main_ == nullptr) return;
  try {
    call();
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("Unexpected error.");
  }
}

void MainForm::ReportError(const char* what) {
  MessageBoxA(window_ != nullptr && IsWindowVisible(window_) ? window_ : nullptr, what, "Error",
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void MainForm::OnNotify(NMHDR& header, LRESULT& result) {
  // The list passes its header's notifications on.
  if (IsColumnResizedByUser(header.code) && list_.Handle() != nullptr &&
      (header.hwndFrom == list_.Handle() || header.hwndFrom == ListView_GetHeader(list_.Handle()))) {
    PostMessageA(window_, kMsgColumnsResized, 0, 0);
    return;
  }
  if (buttons_.OnNotify(header)) return;
  if (header.hwndFrom != list_.Handle()) return;
  switch (header.code) {
    case NM_DBLCLK:
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) Dispatch([&] { main_->OnListDoubleClick(); });
      break;
    case NM_RCLICK: {
      // Pressed and released on the same row: that row's Quick Info.
      const int n = list_.MacroAt(reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction);
      if (n > 0) Dispatch([&] { main_->OnRowRightClick(n); });
      break;
    }
    case NM_CUSTOMDRAW:
      result = list_.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      break;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
        Dispatch([&] { main_->OnListSelectionChanged(); });
      }
      break;
    }
    default:
      break;
  }
}

// --- Tray --------------------------------------------------------------------------

void MainForm::ShowTrayMenu() {
  if (!trayIcon_ || main_ == nullptr || main_->Closing()) return;
  HMENU menu = CreateTrayMenu();
  POINT cursor{};
  GetCursorPos(&cursor);
  // The menu closes when the user clicks elsewhere only if its owner is in front.
  const HWND owner = trayIcon_->Window();
  SetForegroundWindow(owner);
  const UINT id = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor.x, cursor.y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (id != 0) Dispatch([&] { main_->OnCommand(CommandOf(id)); });
}

// --- Geometry ------------------------------------------------------------------------

void MainForm::ApplyGeometry() {
  const ScreenArea screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  const std::optional<WindowBounds> placed = PlaceOnScreen(services_.configuration.mainWindow, screen);
  if (!placed) return;
  SetWindowPos(window_, nullptr, placed->left, placed->top, placed->width, placed->height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainForm::LayOut() {
  if (window_ == nullptr || list_.Handle() == nullptr) return;
  RECT client{};
  GetClientRect(window_, &client);
  const int top = buttons_.LayOut(client.right);
  MoveWindow(list_.Handle(), 0, top, client.right, client.bottom - top, TRUE);
}

}  // namespace tavrix
