// The state of the main window's menu entries: what the program has, what
// the browse modes take away, what the selected macro allows (`CheckTimeItem`)
// and the settings the entries show checked.
#include "shell/check_time_item.h"
#include "shell/main_window.h"
#include "shell/main_window_engine.h"

namespace tavrix {

void TMainWin::Engine::SetEntry(Command command, bool enabled, bool checked, const std::string& caption,
                                const char* builtCaption) {
  enabled = enabled && CommandBuilt(command) && !BrowseForbids(command, modes);
  const bool first = menu.find(command) == menu.end();
  MenuEntryState& entry = menu[command];
  // The menu was built with this caption.
  if (first && builtCaption != nullptr) entry.caption = builtCaption;
  if (first || entry.enabled != enabled) env.host.SetMenuEnabled(command, enabled);
  if (first || entry.checked != checked) env.host.SetMenuChecked(command, checked);
  if (!caption.empty() && entry.caption != caption) env.host.SetMenuCaption(command, caption);
  entry.enabled = enabled;
  entry.checked = checked;
  if (!caption.empty()) entry.caption = caption;
}

bool TMainWin::Engine::Enabled(Command command) const {
  const auto entry = menu.find(command);
  return entry != menu.end() && entry->second.enabled;
}

void TMainWin::Engine::RefreshMenu() {
  const Configuration& settings = env.configuration;
  const SelectedMacroCommands offered = CheckTimeItem(index, env.host.SelectedMacro(), modes.browse);
  const RecentFiles& recent = fileCommands.recentFiles();

  for (const MenuItem& item : MenuLayout()) {
    if (item.kind != MenuItem::Kind::Entry) continue;
    const Command command = item.command;
    const std::string* caption = nullptr;
    if (const auto known = menu.find(command); known != menu.end()) caption = &known->second.caption;
    std::string shown = caption != nullptr && !caption->empty() ? *caption : item.caption;
    bool enabled = true;
    bool checked = false;
    switch (command) {
      case Command::Hide: enabled = settings.useTray; break;
      case Command::PlaceInSystemTray:
        enabled = env.trayAllowed;
        checked = settings.useTray;
        break;
      case Command::ShowDateTime: checked = settings.showDate; break;
      case Command::DisableScreenSaver: checked = settings.disableScreenSaver; break;
      case Command::RecaptureMacro: enabled = offered.recapture; break;
      case Command::ScriptingEditor: enabled = offered.scriptingEditor; break;
      case Command::CopyMacro: enabled = offered.copy; break;
      case Command::RemoveMacro: enabled = offered.remove; break;
      case Command::ModifyDirectly:
        enabled = offered.modifyDirectly;
        if (!offered.modifyCaption.empty()) shown = offered.modifyCaption;
        break;
      case Command::ActivateMacro:
        enabled = offered.activate;
        if (!offered.activateCaption.empty()) shown = offered.activateCaption;
        break;
      default: break;
    }
    SetEntry(command, enabled, checked, shown, item.caption);
  }
  // A recent file entry is shown only while it holds a path.
  for (int k = 1; k <= kRecentFileCount; ++k)
    SetEntry(RecentFileCommand(k), !recent[static_cast<std::size_t>(k - 1)].empty(), false, {}, nullptr);
}

void TMainWin::Engine::ShowTrayMode() {
  env.host.ShowTrayIcon(env.configuration.useTray);
  RefreshMenu();
}

void TMainWin::OnListSelectionChanged() { engine_->RefreshMenu(); }

TMainWin::MenuEntryState TMainWin::MenuState(Command command) const {
  const auto entry = engine_->menu.find(command);
  return entry != engine_->menu.end() ? entry->second : MenuEntryState{};
}

}  // namespace tavrix
