// The main window's part in the popup-menu macros: the "Choose A Macro"
// window a popup menu opens, the menu of the macros that fit the window in
// front (system activation "4"), the popup-menu tray icons and "Build Macro
// Menu" on an existing menu.
#include <memory>

#include "activation/popup_menu_dialogs.h"
#include "base/private_messages.h"
#include "editing/file_checks.h"
#include "shell/main_window_engine.h"
#include "shell/quick_info.h"

namespace tavrix {
namespace {

// The Icons folder below the program folder, as the file system answers.
class ProgramIconFiles : public IconFiles {
 public:
  ProgramIconFiles(Desktop& desktop, FileChecks* files, const std::string& programFolder)
      : desktop_(desktop), files_(files), folder_(IconsFolderOf(programFolder)) {}
  std::string Folder() const override { return folder_; }
  bool Exists(const std::string& path) override { return files_ != nullptr && files_->FileExists(path); }
  bool CopyNew(const std::string& from, const std::string& to) override {
    if (Exists(to)) return false;
    desktop_.CopyFile(from, to);
    return Exists(to);
  }
  std::optional<std::string> ShortPath(const std::string& path) override {
    return files_ != nullptr ? files_->ShortPath(path) : std::nullopt;
  }

 private:
  Desktop& desktop_;
  FileChecks* files_;
  std::string folder_;
};

}  // namespace

IconFiles& TMainWin::Engine::Icons() {
  if (!icons) icons = std::make_unique<ProgramIconFiles>(env.desktop, env.files, env.programFolder);
  return *icons;
}

int TMainWin::Engine::ShowPopupMenu(const MacroRecord& menu) {
  // The tray icon's click place counts for the menu it opened only.
  std::optional<int> clickX;
  if (dispatcher.StartedFromPopupTrayIcon()) clickX = trayClickX;
  dispatcher.SetStartedFromPopupTrayIcon(false);
  TDoAMenu form(BuildChooseEntries(menu, file, &Icons()), PopupOptions::Read(menu.WordletText()),
                env.desktop.ScreenWidth(), env.desktop.ScreenHeight(), clickX);
  player.Handover().ShowModal(form, player.State().targetWindow);
  return form.result > 0 ? form.result : 0;
}

std::string TMainWin::Engine::GetTopProgram() {
  return ProgramOfWindow(env.desktop, env.desktop.ForegroundWindow());
}

void TMainWin::Engine::MenuTopWindow() {
  const WindowId front = env.desktop.ForegroundWindow();
  const std::string program = GetTopProgram();
  const std::string title = front != 0 ? env.desktop.WindowTitle(front) : std::string();
  const MacroRecord menu = BuildTopWindowMenu(index, title, program, env.configuration.systemMenu);
  if (menu.PopupCount() == 0) {
    player.Handover().DoAMessage("Warning", kNoTopWindowMacrosText);
    return;
  }
  TDoAMenu form(BuildChooseEntries(menu, file, &Icons()), PopupOptions::Read(menu.WordletText()),
                env.desktop.ScreenWidth(), env.desktop.ScreenHeight(), std::nullopt);
  dispatcher.SetPopupShown(true);
  player.Handover().ShowModal(form, front);
  dispatcher.SetPopupShown(false);
  if (form.result <= 0) return;
  player.State().targetWindow = front;
  dispatcher.RunMacro(form.result);
}

void TMainWin::Engine::BuildPopupTrayIcons() {
  IconFiles& icons = Icons();
  env.host.SetPopupTrayIcons(PopupTrayIcons(file, &icons), icons.Folder());
}

void TMainWin::Engine::RemovePopupTrayIcons() { env.host.SetPopupTrayIcons({}, Icons().Folder()); }

std::string TMainWin::Engine::QuickInfoText(int n) {
  MacroRecord record;
  if (!file.ReadRecord(n, record)) return {};
  std::string text;
  for (const auto& [label, value] : QuickInfoLines(record)) {
    if (!text.empty()) text += "\n";
    text += label + (value.empty() ? "" : " " + value);
  }
  return text;
}

void TMainWin::Engine::ModifyPopupMenu(int n) {
  if (n < 1 || n > index.Count() || index.table().Scope(n) != kScopePopupMenu) return;
  SyncFileHold hold(*this);
  if (!hold.Taken() || !file.CheckCanChange()) return;
  MacroRecord record;
  if (!file.ReadRecord(n, record)) return;
  const MacroRecord read = record;
  const BuildMenuOutcome outcome = RunBuildMacroMenu(
      env.ui, index, &Icons(), record, true, [this](int m) { return QuickInfoText(m); });
  if (!outcome.ok) return;
  if (!file.SaveRecordOver(n, read, record)) return;
  hold.Changed();
  RefillMacroList();
  env.host.SelectMacro(n);
  RefreshMenu();
  if (outcome.trayChanged) {
    RemovePopupTrayIcons();
    BuildPopupTrayIcons();
  }
}

void TMainWin::MenuTaskIconRightClick(int n, int clickX) {
  Enter([&] {
    Engine& e = *engine_;
    e.trayClickX = clickX;
    e.dispatcher.SetStartedFromPopupTrayIcon(true);
    e.dispatcher.Fire(static_cast<std::uint32_t>(n) | kActivationDirectMacroBit, e.foreground.lastForeignForeground);
  });
}

void TMainWin::ModifyPopupMenu(int n) {
  Enter([&] { engine_->ModifyPopupMenu(n); });
}

}  // namespace tavrix
