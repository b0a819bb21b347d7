// The main window's side of network sharing: the lock file of the current
// macro file, its heartbeat, automatic synchronisation, the reload of
// everything after another copy changed the file, "Network Considerations",
// and the commands that move macros (copy, rename, import, export).
#include "shell/main_window.h"
#include "shell/main_window_engine.h"
#include "shell/network_considerations.h"
#include "store/key_swap_file.h"
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

namespace {

// The row to select after a reload: the macro that was selected, wherever
// another program moved it, else the one now at its number.
int SameMacroAfterReload(const MacroIndex& index, int selected, std::uint16_t activation, const std::string& nickName) {
  for (int n = 1; n <= index.Count(); ++n)
    if (index.table().Activation(n) == activation && index.NickName(n) == nickName) return n;
  return selected <= index.Count() ? selected : index.Count();
}

}  // namespace

void TMainWin::Engine::ReloadEverything() {
  const int selected = env.host.SelectedMacro();
  const bool known = selected > 0 && selected <= index.Count();
  const std::uint16_t activation = known ? index.table().Activation(selected) : 0;
  const std::string nickName = known ? index.NickName(selected) : std::string();
  RemovePopupTrayIcons();
  file.Reload();
  fileCommands.RebuildKeySwapState();
  RefillMacroList();
  if (selected > 0) env.host.SelectMacro(SameMacroAfterReload(index, selected, activation, nickName));
  SetHotKeys(index.table(), env.hooks);
  RefreshMenu();
  RearmScheduler();
  BuildPopupTrayIcons();
}

bool TMainWin::Engine::ReloadIfNetworkFileChanged() {
  if (!netLock.ChangedSinceLoad() && !ChangedOnDisk()) return false;
  ReloadEverything();
  return true;
}

bool TMainWin::Engine::ChangedOnDisk() {
  return file.ChangedOnDisk() || swapFileVersion.Differs(swapFilePath);
}

void TMainWin::Engine::RememberSwapFile(const std::string& path) {
  swapFilePath = path;
  swapFileVersion.Remember(path);
}

void TMainWin::Engine::ReloadIfChangedOnDisk() {
  if (fileHolds > 0 || player.Playing() || dispatcher.Capturing() || eventDepth > 1) return;
  if (ChangedOnDisk()) ReloadEverything();
}

// A command that would change a file changed elsewhere works on the fresh
// one: as after another copy's change, the user is told, everything is
// reloaded and the command repeated by the user. A command inside another
// shares the outer one's check.
bool TMainWin::Engine::TakeFileLock() {
  if (fileHolds == 0 && !netLock.Holding() && ChangedOnDisk()) {
    env.ui.ShowMessage(kNoticeTitle, kFileChangedText);
    ReloadEverything();
    return false;
  }
  if (!netLock.TakeFileLock()) return false;
  ++fileHolds;
  return true;
}

void TMainWin::Engine::ReleaseFileLock(bool changed) {
  --fileHolds;
  netLock.ReleaseFileLock(changed);
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
