#include "app/tavrxp/main_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <exception>

#include "app/tavrxp/do_activate.h"
#include "app/tavrxp/gui_font.h"
#include "app/tavrxp/program_icon.h"
#include "base/private_messages.h"
#include "platform/win32/foreground_handover.h"
#include "store/file_commands.h"
#include "store/macro_index.h"
#include "store/macro_record.h"

namespace tavrix {
namespace {

constexpr UINT kListId = 1;
constexpr UINT kProgramTrayIconId = 1;
constexpr const char* kProgramTooltip = "Tavrix";
constexpr const char* kMouseLocatorProgram = "PTRSPOT.EXE";
constexpr const char* kHelpFile = "TAVRIX.HLP";
constexpr const char* kAboutTitle = "About Tavrix";
constexpr const char* kAboutText = "Tavrix\r\n\r\nKeyboard and mouse macros for Windows.";
// Posted to itself once the user has resized a list column: by then the list
// holds the column's new width.
constexpr UINT kMsgColumnsResized = WM_APP + 1;

bool IsColumnResizedByUser(UINT code) {
  return code == HDN_ENDTRACKA || code == HDN_ENDTRACKW || code == HDN_DIVIDERDBLCLICKA ||
         code == HDN_DIVIDERDBLCLICKW;
}

bool IsMinimizedShowCommand(int command) {
  return command == SW_SHOWMINIMIZED || command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE ||
         command == SW_FORCEMINIMIZE;
}

// The show command the program was started with: the one of the start-up
// information when the default was asked for.
int StartShowCommand(int showCommand) {
  if (showCommand != SW_SHOWDEFAULT) return showCommand;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWNORMAL;
}

// The timers Windows repeats, but the main window means once.
bool IsOneShot(MainTimer timer) { return timer == MainTimer::Clear || timer == MainTimer::StartUp; }

}  // namespace

MainForm::MainForm(Services services) : services_(services) {}

MainForm::~MainForm() {
  trayIcon_.reset();
  if (window_ != nullptr && !destroyed_) {
    closing_ = true;
    DestroyWindow(window_);
  }
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
  LayOut();

  trayIcon_ = std::make_unique<TTaskIcon>(instance, kProgramTrayIconId, smallIcon_, kProgramTooltip);
  trayIcon_->OnClick = [this] { SysTrayOpen(); };
  trayIcon_->OnDoubleClick = [this] { SysTrayOpen(); };
  trayIcon_->OnRightClick = [this] { ShowTrayMenu(); };

  services_.desktop.SetMainWindow(Handle());
  services_.ui.SetMainWindow(Handle());
  services_.ui.SetTaskbarWindow(WindowIdOf(applicationWindow_));
  return true;
}

void MainForm::Start(int showCommand) {
  const Configuration& configuration = services_.configuration;
  menu_.Check(kCmdShowDateTime, configuration.showDate);
  menu_.Check(kCmdDisableScreenSaver, configuration.disableScreenSaver);
  ShowTrayMode(main_->TrayMode());
  ApplyBrowseModes();
  RefillList();
  ApplyGeometry();
  if (main_->TrayMode()) {
    // In tray mode the program starts in the tray only.
    ShowTaskbarWindow(false);
    return;
  }
  ShowAtStart(StartShowCommand(showCommand));
}

void MainForm::ShowAtStart(int showCommand) {
  int command = SW_SHOWNORMAL;
  if (IsMinimizedShowCommand(showCommand)) command = SW_SHOWMINIMIZED;
  if (showCommand == SW_SHOWMAXIMIZED) command = SW_SHOWMAXIMIZED;
  ::ShowWindow(window_, command);
  UpdateWindow(window_);
  // "/HIDE": the window goes away again as soon as it has been painted.
  if (main_->Modes().hide) HideWindow();
}

void MainForm::Abandon() {
  closing_ = true;
  shutDown_ = true;
  services_.blocks.Release();
  trayIcon_.reset();
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

void MainForm::ShowWindow() {
  if (window_ == nullptr) return;
  ::ShowWindow(window_, SW_SHOW);
  list_.SetColumnWidths(services_.configuration.columnWidths);
  if (hiddenSelection_ > 0) list_.SelectMacro(hiddenSelection_);
}

void MainForm::HideWindow() {
  if (window_ == nullptr) return;
  if (IsWindowVisible(window_)) hiddenSelection_ = list_.SelectedMacro();
  ::ShowWindow(window_, SW_HIDE);
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

void MainForm::SetCaption(const std::string& caption) {
  if (window_ != nullptr) SetWindowTextA(window_, caption.c_str());
}

void MainForm::RefillList() {
  if (window_ == nullptr || main_ == nullptr) return;
  list_.Fill(main_->Index());
  menu_.SetRecentFiles(main_->FileCommands().recentFiles());
  for (int k = 0; k < kRecentFileCount; ++k) EnableEntry(kCmdRecentFile1 + static_cast<UINT>(k), true);
  CheckTimeItem();
}

void MainForm::SetListButtons(bool anyMacro) {
  anyMacro_ = anyMacro;
  if (window_ != nullptr && main_ != nullptr) CheckTimeItem();
}

void MainForm::SetMenuEnabled(MenuEntry entry, bool enabled) {
  switch (entry) {
    case MenuEntry::Hide: EnableEntry(kCmdHide, enabled); break;
    case MenuEntry::PlaceInSystemTray: EnableEntry(kCmdPlaceInSystemTray, enabled); break;
  }
}

void MainForm::SetMenuChecked(MenuEntry entry, bool checked) {
  switch (entry) {
    case MenuEntry::Hide: menu_.Check(kCmdHide, checked); break;
    case MenuEntry::PlaceInSystemTray: ShowTrayMode(checked); break;
  }
}

void MainForm::Close() {
  // The shutdown steps have run in TMainWin; what remains is this window's.
  closing_ = true;
  FinishShutdown();
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
    case kMsgColumnsResized:
      StoreColumnWidths();
      return 0;
    case WM_TIMER: {
      const auto timer = static_cast<MainTimer>(wParam);
      if (IsOneShot(timer)) StopTimer(timer);
      Dispatch([&] { main_->OnTimer(timer); });
      return 0;
    }
    case WM_COMMAND:
      if (lParam == 0) {
        const UINT command = LOWORD(wParam);
        Dispatch([&] { OnCommand(command); });
        return 0;
      }
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      OnNotify(*reinterpret_cast<NMHDR*>(lParam), result);
      return result;
    }
    case WM_SYSCOMMAND:
      if (HandleSysCommand(wParam)) return 0;
      break;
    case WM_ACTIVATEAPP:
      if (wParam == FALSE) OnAppDeactivate();
      break;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_SETFOCUS:
      if (list_.Handle() != nullptr) SetFocus(list_.Handle());
      return 0;
    case WM_CLOSE:
      Terminate();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The system ends the process right after this message.
      if (wParam != FALSE && !shutDown_) {
        closing_ = true;
        shutDown_ = true;
        StoreGeometry();
        if (main_ != nullptr) main_->FormClose();
        services_.blocks.Release();
        if (trayIcon_) trayIcon_->Hide();
      }
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

bool MainForm::HandleSysCommand(WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_SCREENSAVE:
      return main_ != nullptr && !main_->AllowScreenSaver();
    case SC_MINIMIZE:
      // In tray mode the program goes to the tray instead of the taskbar.
      if (main_ == nullptr || !main_->TrayMode()) return false;
      HideWindow();
      ShowTaskbarWindow(false);
      return true;
    default:
      return false;
  }
}

template <typename Call>
void MainForm::Dispatch(Call call) {
  if (main_ == nullptr || shutDown_) return;
  ++dispatchDepth_;
  try {
    call();
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("Unexpected error.");
  }
  --dispatchDepth_;
  if (dispatchDepth_ == 0 && closePending_) {
    closePending_ = false;
    Terminate();
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
  if (header.hwndFrom != list_.Handle()) return;
  switch (header.code) {
    case NM_CUSTOMDRAW:
      result = list_.OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      break;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0 && main_ != nullptr) CheckTimeItem();
      break;
    }
    default:
      break;
  }
}

// --- Commands --------------------------------------------------------------------

void MainForm::OnCommand(UINT command) {
  if (command >= kCmdRecentFile1 && command < kCmdRecentFile1 + kRecentFileCount) {
    main_->FileCommands().OpenSaveFile(static_cast<int>(command - kCmdRecentFile1) + 1);
    AfterFileCommand();
    return;
  }
  switch (command) {
    case kCmdNewFile:
      main_->FileCommands().DoNew();
      AfterFileCommand();
      break;
    case kCmdOpenFile:
      main_->FileCommands().DoOpen();
      AfterFileCommand();
      break;
    case kCmdHide:
      if (main_->TrayMode()) {
        HideWindow();
        ShowTaskbarWindow(false);
      }
      break;
    case kCmdTrayOpen:
      main_->ActivateMe();  // without closing the open dialogs, unlike a click
      break;
    case kCmdTerminate:
    case kCmdTrayTerminate:
      closing_ = true;
      Terminate();
      break;
    case kCmdActivateMacro: ActivateSelectedMacro(); break;
    case kCmdRemoveMacro: RemoveSelectedMacro(); break;
    case kCmdDisableScreenSaver: ToggleScreenSaverOption(); break;
    case kCmdPlaceInSystemTray: ToggleTrayMode(); break;
    case kCmdMouseLocator: StartMouseLocator(); break;
    case kCmdRestoreKeyboardHooks: main_->MenuKeyHooksClick(); break;
    case kCmdRestoreMouseHooks: main_->MenuMouseHooksClick(); break;
    case kCmdHelpContents:
    case kCmdTrayHelp: OpenHelpContents(); break;
    case kCmdAbout: ShowAbout(); break;
    default: break;  // entries of parts the program does not have yet are disabled
  }
}

void MainForm::AfterFileCommand() {
  // The list was refilled by the command when the file changed; the recent
  // files may have changed without that.
  RefillList();
}

void MainForm::RemoveSelectedMacro() {
  const int n = list_.SelectedMacro();
  if (!main_->FileCommands().DoClear(n)) return;
  RefillList();
  const int count = main_->Index().Count();
  if (count > 0) list_.SelectMacro(std::min(n, count));
  CheckTimeItem();
}

void MainForm::ActivateSelectedMacro() {
  if (!DoActivate(main_->File(), services_.ui, list_.SelectedMacro())) return;
  list_.Redraw();
  CheckTimeItem();
}

void MainForm::ToggleScreenSaverOption() {
  Configuration& configuration = services_.configuration;
  configuration.disableScreenSaver = !configuration.disableScreenSaver;
  menu_.Check(kCmdDisableScreenSaver, configuration.disableScreenSaver);
  SaveConfiguration();
}

void MainForm::ToggleTrayMode() {
  Configuration& configuration = services_.configuration;
  configuration.useTray = !configuration.useTray;
  ShowTrayMode(configuration.useTray);
  SaveConfiguration();
}

void MainForm::ShowTrayMode(bool trayMode) {
  menu_.Check(kCmdPlaceInSystemTray, trayMode);
  if (trayIcon_) {
    if (trayMode) {
      trayIcon_->Show();
    } else {
      trayIcon_->Hide();
    }
  }
  services_.ui.SetTrayMode(trayMode);
  EnableEntry(kCmdHide, trayMode);
}

void MainForm::StartMouseLocator() {
  const std::string program = services_.programFolder + "\\" + kMouseLocatorProgram;
  ShellExecuteA(window_, "open", program.c_str(), nullptr, services_.programFolder.c_str(), SW_SHOWNORMAL);
}

void MainForm::OpenHelpContents() {
  const std::string help = services_.programFolder + "\\" + kHelpFile;
  WinHelpA(window_, help.c_str(), HELP_FINDER, 0);
}

void MainForm::ShowAbout() { MessageBoxA(window_, kAboutText, kAboutTitle, MB_OK | MB_ICONINFORMATION); }

// --- Tray --------------------------------------------------------------------------

void MainForm::SysTrayOpen() {
  Dispatch([&] { main_->ActivateMe(); });
}

void MainForm::ShowTrayMenu() {
  if (!trayIcon_ || shutDown_) return;
  HMENU menu = CreateTrayMenu();
  POINT cursor{};
  GetCursorPos(&cursor);
  // The menu closes when the user clicks elsewhere only if its owner is in front.
  const HWND owner = trayIcon_->Window();
  SetForegroundWindow(owner);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor.x, cursor.y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (command != 0) Dispatch([&] { OnCommand(command); });
}

void MainForm::OnAppDeactivate() {
  if (main_ == nullptr || closing_ || shutDown_ || !main_->TrayMode()) return;
  if (dispatchDepth_ > 0 || services_.ui.FormOpen()) return;
  if (main_->Paused() || main_->PopupShown()) return;
  if (!IsWindowVisible(window_)) return;
  if (IsIconic(window_)) RestoreWindow();
  HideWindow();
}

// --- Menu state ----------------------------------------------------------------------

bool MainForm::InBrowseMode() const { return main_ != nullptr && main_->Modes().browse; }

bool MainForm::BrowseForbids(UINT command) const {
  if (main_ == nullptr) return false;
  const StartupModes& modes = main_->Modes();
  static constexpr UINT kBrowse[] = {kCmdNewFile,        kCmdNetwork,       kCmdRemoveMacro,   kCmdCopyMacro,
                                     kCmdRenameMacro,    kCmdActivateMacro, kCmdScriptingEditor, kCmdImportMacros,
                                     kCmdExportMacros,   kCmdModifyDirectly, kCmdRecaptureMacro, kCmdAddMacro,
                                     kCmdAppearance,     kCmdRemap,         kCmdWordlets,      kCmdCapture,
                                     kCmdDisableScreenSaver};
  static constexpr UINT kLockedBrowse[] = {
      kCmdOpenFile,      kCmdRecentFile1,   kCmdRecentFile1 + 1,        kCmdRecentFile1 + 2, kCmdRecentFile1 + 3,
      kCmdRecentFile1 + 4, kCmdOutputMacroInformation, kCmdPrintMacroList, kCmdPrinterSetup, kCmdPrinterFont,
      kCmdHide,          kCmdQuickInfo,     kCmdShowDateTime,           kCmdAlarm,           kCmdTimerInterval,
      kCmdSort,          kCmdPlaceInSystemTray};
  const auto listed = [command](const auto& list) {
    return std::find(std::begin(list), std::end(list), command) != std::end(list);
  };
  return (modes.browse && listed(kBrowse)) || (modes.lockedBrowse && listed(kLockedBrowse));
}

void MainForm::EnableEntry(UINT command, bool enabled) { menu_.Enable(command, enabled && !BrowseForbids(command)); }

void MainForm::ApplyBrowseModes() {
  if (main_ == nullptr) return;
  for (UINT command = kCmdNewFile; command <= kCmdAbout; ++command) {
    if (MainMenu::Available(command) && BrowseForbids(command)) menu_.Enable(command, false);
  }
}

// `CheckTimeItem`: the entries that depend on the selected macro.
void MainForm::CheckTimeItem() {
  const MacroIndex& index = main_->Index();
  const int n = list_.SelectedMacro();
  const bool browse = InBrowseMode();
  if (n > 0) {
    const bool popupMenu = index.table().Scope(n) == kScopePopupMenu;
    menu_.SetCaption(kCmdModifyDirectly, popupMenu ? kModifyPopupMenuCaption : kModifyDirectlyCaption);
    if (!browse) menu_.SetCaption(kCmdActivateMacro, ActivateCaptionFor(index, n));
  }
  const bool systemMacro = n > 0 && index.table().Scope(n) == kScopeSystem;
  const bool changeable = (anyMacro_ || index.Count() > 0) && !systemMacro;
  EnableEntry(kCmdRemoveMacro, changeable);
  EnableEntry(kCmdActivateMacro, changeable);
}

// --- Shutdown ---------------------------------------------------------------------------

void MainForm::Terminate() {
  if (shutDown_) return;
  if (dispatchDepth_ > 0) {
    // A macro or a box is still running inside a call: end once it returns.
    closePending_ = true;
    return;
  }
  closing_ = true;
  shutDown_ = true;
  StoreGeometry();
  if (main_ != nullptr) main_->FormClose();
  FinishShutdown();
}

// After TMainWin's shutdown steps (hooks removed, settings saved).
void MainForm::FinishShutdown() {
  shutDown_ = true;
  if (destroyed_) return;
  services_.blocks.Release();
  if (trayIcon_) trayIcon_->Hide();
  if (window_ != nullptr) DestroyWindow(window_);
}

// --- Geometry and settings ----------------------------------------------------------------

void MainForm::ApplyGeometry() {
  const WindowBounds& bounds = services_.configuration.mainWindow;
  if (bounds.width <= 0 || bounds.height <= 0) return;
  // A position saved on a screen that is no longer there falls back to the corner.
  const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int screenRight = screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int screenBottom = screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const bool onScreen = bounds.left >= screenLeft - bounds.width / 2 && bounds.left < screenRight - 20 &&
                        bounds.top >= screenTop && bounds.top < screenBottom - 20;
  SetWindowPos(window_, nullptr, onScreen ? bounds.left : 0, onScreen ? bounds.top : 0, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainForm::StoreGeometry() {
  if (window_ == nullptr) return;
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

void MainForm::SaveConfiguration() { services_.configuration.Save(services_.profile); }

// A column the user dragged keeps its width: when the window is shown again
// and in later runs.
void MainForm::StoreColumnWidths() {
  if (list_.Handle() == nullptr || shutDown_) return;
  const std::array<std::int32_t, 3> widths = list_.ColumnWidths();
  if (widths == services_.configuration.columnWidths) return;
  services_.configuration.columnWidths = widths;
  SaveConfiguration();
}

void MainForm::LayOut() {
  if (window_ == nullptr || list_.Handle() == nullptr) return;
  RECT client{};
  GetClientRect(window_, &client);
  MoveWindow(list_.Handle(), 0, 0, client.right, client.bottom, TRUE);
}

}  // namespace tavrix
