// The main window's commands (its menus and the tray icon's menu), the
// window's own events, and the way the program closes while events run
// inside one another.
#include <algorithm>

#include "base/hot_key_table.h"
#include "editing/direct_editor.h"
#include "editing/file_checks.h"
#include "editing/script_editor.h"
#include "shell/do_activate.h"
#include "shell/main_window.h"
#include "shell/main_window_engine.h"
#include "store/set_hot_keys.h"

namespace tavrix {
namespace {

constexpr const char* kMouseLocatorProgram = "PTRSPOT.EXE";
constexpr const char* kHelpFile = "TAVRIX.HLP";
constexpr const char* kTutorialKeyword = "Tutorial / User Guide";
constexpr Bounds kSmallestEditor{0, 0, 320, 200};
constexpr const char* kAboutTitle = "About Tavrix";
constexpr const char* kAboutText = "Tavrix\r\n\r\nKeyboard and mouse macros for Windows.";

}  // namespace

// --- Events inside events ----------------------------------------------------

void TMainWin::Terminate() {
  Engine& e = *engine_;
  e.closing = true;
  e.closePending = true;
  e.StopPlayback();
  // An open dialog would hold the close back until the user closed it.
  env_.ui.EndAllForms();
}

void TMainWin::ShutDown() {
  Engine& e = *engine_;
  if (e.shutDown) return;
  e.shutDown = true;
  e.closePending = false;
  env_.host.StoreWindowBounds();
  FormClose();
  env_.host.Close();
}

void TMainWin::Engine::StopPlayback() {
  if (!player.Playing()) return;
  player.RequestStop();
}

// --- Commands ------------------------------------------------------------------

void TMainWin::OnCommand(Command command) {
  Enter([&] {
    Engine& e = *engine_;
    if (!e.Enabled(command)) return;
    if (const int k = RecentFileNumber(command); k > 0) {
      e.fileCommands.OpenSaveFile(k);
      e.AfterFileCommand();
      return;
    }
    switch (command) {
      case Command::NewFile:
        e.fileCommands.DoNew();
        e.AfterFileCommand();
        break;
      case Command::OpenFile:
        e.fileCommands.DoOpen();
        e.AfterFileCommand();
        break;
      case Command::Hide: e.HideProgram(); break;
      case Command::TrayOpen: ActivateMe(); break;  // without closing open dialogs, unlike a click
      case Command::Terminate:
      case Command::TrayTerminate: Terminate(); break;
      case Command::ActivateMacro: e.ActivateSelectedMacro(); break;
      case Command::AddMacro: e.AddMacroClick(); break;
      case Command::ScriptingEditor: e.EditSelectedMacroScript(); break;
      case Command::ModifyDirectly: e.ModifySelectedMacroDirectly(); break;
      case Command::RemoveMacro: e.RemoveSelectedMacro(); break;
      case Command::CopyMacro: e.AfterTransfer(e.transfer.DoCopy(env_.host.SelectedMacro())); break;
      case Command::RenameMacro: e.AfterTransfer(e.transfer.DoMove(env_.host.SelectedMacro())); break;
      case Command::ImportMacros: e.AfterTransfer(e.transfer.DoImport()); break;
      case Command::ExportMacros: e.transfer.DoExport(); break;
      case Command::Network: e.NetworkOptions(); break;
      case Command::Sort: e.SortOrderClick(); break;
      case Command::Appearance: e.AppearanceClick(); break;
      case Command::QuickInfo: e.QuickInfoClick(env_.host.SelectedMacro()); break;
      case Command::OutputMacroInformation: e.OutputClick(); break;
      case Command::PrintMacroList: e.PrintClick(); break;
      case Command::PrinterFont: e.PrinterFontClick(); break;
      case Command::PrinterSetup: env_.host.PrinterSetup(); break;
      case Command::Remap: e.RemapClick(); break;
      case Command::DisableScreenSaver:
        env_.configuration.disableScreenSaver = !env_.configuration.disableScreenSaver;
        e.RefreshMenu();
        e.SaveConfiguration();
        break;
      case Command::ShowDateTime:
        env_.configuration.showDate = !env_.configuration.showDate;
        e.RefreshCaption();
        e.RefreshMenu();
        e.SaveConfiguration();
        break;
      case Command::Wordlets: e.WordletOptionsClick(); break;
      case Command::Capture: e.CaptureDefaultsClick(); break;
      case Command::RecaptureMacro: e.RecaptureSelected(); break;
      case Command::Alarm: e.AlarmClick(); break;
      case Command::TimerInterval: e.TimerIntervalClick(); break;
      case Command::PlaceInSystemTray:
        env_.configuration.useTray = !env_.configuration.useTray;
        e.ShowTrayMode();
        e.SaveConfiguration();
        break;
      case Command::MouseLocator:
        env_.desktop.LaunchProgram(env_.programFolder + "\\" + kMouseLocatorProgram, "");
        break;
      case Command::RestoreKeyboardHooks: MenuKeyHooksClick(); break;
      case Command::RestoreMouseHooks: MenuMouseHooksClick(); break;
      case Command::HelpContents:
      case Command::TrayHelp: env_.host.ShowHelp(env_.programFolder + "\\" + kHelpFile, ""); break;
      case Command::Tutorial: env_.host.ShowHelp(env_.programFolder + "\\" + kHelpFile, kTutorialKeyword); break;
      case Command::About: env_.ui.ShowMessage(kAboutTitle, kAboutText); break;
      default: break;  // the commands the program does not have yet stay disabled
    }
  });
}

void TMainWin::Engine::AfterFileCommand() {
  // A command that changed nothing still leaves the menu as the list shows it.
  RefreshMenu();
}

void TMainWin::Engine::RemoveSelectedMacro() {
  if (fileCommands.DoClear(env.host.SelectedMacro())) RefreshMenu();
}

void TMainWin::Engine::ActivateSelectedMacro() {
  if (!DoActivate(file, env.ui, *this, env.host.SelectedMacro())) return;
  RearmScheduler();
  env.host.RedrawList();
  RefreshMenu();
}

// Without the system's file checks every path is missing.
class NoFiles : public FileChecks {
 public:
  bool FileExists(const std::string&) override { return false; }
  bool FolderExists(const std::string&) override { return false; }
  std::optional<std::string> ShortPath(const std::string&) override { return std::nullopt; }
};

// The script editor on the selected macro; a saved record goes to the file,
// the list and the library.
void TMainWin::Engine::EditSelectedMacroScript() {
  const int n = env.host.SelectedMacro();
  const SharedMacroTable& table = file.index().table();
  if (n < 1 || n > file.index().Count()) return;
  // Another copy on the network may hold the file, or have changed it (then
  // the list is fresh and the user chooses again).
  SyncFileHold hold(*this);
  if (!hold.Taken()) return;
  MacroRecord record;
  if (!file.ReadRecord(n, record)) return;
  // Another program may move the macro while the editor is open: the save
  // goes only over the record that was read.
  const MacroRecord read = record;
  NoFiles noFiles;
  TDoScripting editor(env.ui, env.desktop, env.files != nullptr ? *env.files : noFiles, record);
  const std::uint16_t code = record.Activation();
  editor.activationKind = code == kTimedActivation    ? TDoScripting::TimedMacro
                          : code == kWordletActivation ? TDoScripting::WordletMacro
                                                       : TDoScripting::HotKeyMacro;
  editor.editingExisting = true;
  editor.icon.icons = &Icons();
  if (editor.activationKind == TDoScripting::HotKeyMacro) {
    editor.hotKeyLabel.text = HotKeyName(code);
    // Another macro on the same hot key that plays everywhere leaves this
    // one a window or a program.
    for (int m = 1; m <= file.index().Count(); ++m) {
      const std::int16_t scope = table.Scope(m);
      if (m != n && table.Activation(m) == code && (scope == 1 || scope == 4 || scope == 5)) {
        editor.globalNotAllowed = true;
      }
    }
  }
  // The editor opens at the size the user left it (a damaged setting still
  // gives a usable window).
  WindowBounds& page = env.configuration.scriptPage;
  editor.window = Bounds{0, 0, std::max(page.width, kSmallestEditor.width), std::max(page.height, kSmallestEditor.height)};
  const ModalResult result = env.ui.RunForm(editor);
  if (editor.window && (editor.window->width != page.width || editor.window->height != page.height ||
                        editor.window->left != page.left || editor.window->top != page.top)) {
    page = {editor.window->width, editor.window->height, editor.window->left, editor.window->top};
    SaveConfiguration();
  }
  if (result != ModalResult::Ok || !editor.saved) return;
  if (!file.SaveRecordOver(n, read, record)) return;
  hold.Changed();
  // What the user typed before no longer leads to a Wordlet.
  wordlets.Matcher().Clear();
  SetHotKeys(file.index().table(), file.hooks());
  RearmScheduler();
  env.host.RedrawList();
  RefreshMenu();
}

void TMainWin::Engine::UnHookTheKeyboard() {
  SharedMacroTable& table = index.table();
  if (table.KeyboardHook() != 0) env.hooks.TvxUnHook(table.KeyboardHook());
  table.SetKeyboardHook(0);
}

void TMainWin::Engine::HookTheKeyboard() {
  SharedMacroTable& table = index.table();
  table.SetKeyboardHook(Checked(env.hooks.TvxHookKeyboard(), "keyboard", false));
  env.hooks.TvxUpKeyHook(table.bytes());
}

// "Modify Hot Key" on the selected macro, under the file-in-use check from
// reading the macro to saving it (as in the script editor: another copy on
// the network may hold the file, or have changed it; then the list is fresh
// and the user chooses again).
void TMainWin::Engine::ModifySelectedMacroDirectly() {
  const int n = env.host.SelectedMacro();
  if (n < 1 || n > file.index().Count()) return;
  if (file.index().table().Scope(n) == kScopePopupMenu) {
    ModifyPopupMenu(n);  // the entry reads "Mo&dify Popup Menu" then
    return;
  }
  SyncFileHold hold(*this);
  if (!hold.Taken()) return;
  MacroRecord record;
  if (!file.ReadRecord(n, record)) return;
  const MacroRecord read = record;
  if (!RunModHotKeys(record, n) || !file.SaveRecordOver(n, read, record)) return;
  hold.Changed();
  SetHotKeys(file.index().table(), file.hooks());
  RearmScheduler();
  env.host.RedrawList();
  RefreshMenu();
}

// The keyboard hook is off while the form is open, so typing the macro's own
// hot key types into it and fires nothing.
bool TMainWin::Engine::RunModHotKeys(MacroRecord& record, int n) {
  const SharedMacroTable& table = file.index().table();
  NoFiles noFiles;
  TModHotKeys editor(env.ui, env.desktop, env.files != nullptr ? *env.files : noFiles, record);
  const std::uint16_t code = record.Activation();
  editor.activationKind = code == kTimedActivation    ? TModHotKeys::TimedMacro
                          : code == kWordletActivation ? TModHotKeys::WordletMacro
                                                       : TModHotKeys::HotKeyMacro;
  editor.editingExisting = n > 0;
  editor.icon.icons = &Icons();
  editor.clearTypedWordlet = [this] { wordlets.Matcher().Clear(); };
  if (editor.activationKind == TModHotKeys::HotKeyMacro) {
    editor.hotKeyLabel.text = HotKeyName(code);
    // Another macro on the same hot key that plays everywhere leaves this
    // one a window or a program.
    for (int m = 1; m <= file.index().Count(); ++m) {
      const std::int16_t scope = table.Scope(m);
      if (m != n && table.Activation(m) == code && (scope == 1 || scope == 4 || scope == 5)) {
        editor.globalNotAllowed = true;
      }
    }
  }
  UnHookTheKeyboard();
  const bool saved = env.ui.RunForm(editor) == ModalResult::Ok && editor.saved;
  HookTheKeyboard();
  return saved;
}

// The selected row is remembered: showing the window again selects it.
void TMainWin::Engine::HideMainWindow() {
  if (env.host.IsVisible()) hiddenSelection = env.host.SelectedMacro();
  env.host.HideWindow();
}

void TMainWin::Engine::HideProgram() {
  if (!env.configuration.useTray) return;
  HideMainWindow();
  env.host.ShowTaskbarWindow(false);
}

// --- The window's own events ----------------------------------------------------

void TMainWin::OnColumnsResized(const std::array<std::int32_t, 3>& widths) {
  Engine& e = *engine_;
  if (e.shutDown || widths == env_.configuration.columnWidths) return;
  env_.configuration.columnWidths = widths;
  e.SaveConfiguration();
}

void TMainWin::OnTrayIconClick() {
  Enter([&] {
    // The program's dialogs close (a command's hold on the shared file goes
    // with them); a playing or paused macro keeps its own boxes.
    if (!Paused() && !engine_->player.Playing()) env_.ui.EndAllForms();
    ActivateMe();
  });
}

void TMainWin::OnAppDeactivate() {
  Engine& e = *engine_;
  if (Closing() || !TrayMode()) return;
  // Not while a box or a menu of the program is open, or a macro plays.
  if (e.eventDepth > 0 || env_.host.ModalBoxOpen() || Paused() || PopupShown()) return;
  if (!env_.host.IsVisible()) return;
  if (env_.host.IsMinimized()) env_.host.RestoreWindow();
  e.HideMainWindow();
}

bool TMainWin::OnMinimize() {
  if (!TrayMode()) return false;
  engine_->HideProgram();
  return true;
}

}  // namespace tavrix
