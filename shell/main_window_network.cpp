// The main window's side of network sharing: the lock file of the current
// macro file, its heartbeat, automatic synchronisation, the reload of
// everything after another copy changed the file, "Network Considerations",
// and the commands that move macros (copy, rename, import, export).
#include "shell/main_window.h"
#include "shell/main_window_engine.h"
#include "shell/network_considerations.h"
#include "store/set_hot_keys.h"

namespace tavrix {

void TMainWin::Engine::PrepareNetworkLockFile() {
  netLock.SetEnabled(true);
  netLock.Prepare(env.configuration.currentFile.empty() ? file.Path() : env.configuration.currentFile);
}

void TMainWin::Engine::MacroFilePathChanged(const std::string& path) {
  env.configuration.currentFile = path;
  if (env.configuration.networkMode) PrepareNetworkLockFile();
}

void TMainWin::Engine::ArmSyncTimer(bool restartCount) {
  const Configuration& settings = env.configuration;
  if (settings.networkMode && settings.autoSync) {
    if (restartCount) syncCount = 0;
    env.host.StartTimer(MainTimer::Sync, kSyncTimerMs);
  } else {
    env.host.StopTimer(MainTimer::Sync);
  }
}

void TMainWin::Engine::SyncTimerTick() {
  if (++syncCount < env.configuration.syncMinutes) return;
  syncCount = 0;
  ReloadEverything();
}

void TMainWin::Engine::ReloadEverything() {
  const int selected = env.host.SelectedMacro();
  RemovePopupTrayIcons();
  file.Reload();
  fileCommands.RebuildKeySwapState();
  RefillMacroList();
  if (selected > 0) env.host.SelectMacro(selected <= index.Count() ? selected : index.Count());
  SetHotKeys(index.table(), env.hooks);
  RefreshMenu();
  RearmScheduler();
  BuildPopupTrayIcons();
}

bool TMainWin::Engine::ReloadIfNetworkFileChanged() {
  if (!netLock.ChangedSinceLoad()) return false;
  ReloadEverything();
  return true;
}

void TMainWin::Engine::NetworkOptions() {
  Configuration& settings = env.configuration;
  const bool wasLocking = settings.networkMode;
  const bool wasSyncing = settings.networkMode && settings.autoSync;
  TNetworkConsiderations form(settings);
  env.ui.RunForm(form);
  form.Store(settings);
  ArmSyncTimer(!wasSyncing);
  if (settings.networkMode && !wasLocking) PrepareNetworkLockFile();
  if (!settings.networkMode) netLock.SetEnabled(false);
  SaveConfiguration();
}

void TMainWin::Engine::AfterTransfer(bool /*changed*/) { RefreshMenu(); }

}  // namespace tavrix
