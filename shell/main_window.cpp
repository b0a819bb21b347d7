// The main window's life cycle: loading the configured macro file, creating
// the window (control blocks, hooks, the published table, the command line,
// timers) and closing it again.
#include "shell/main_window.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <system_error>

#include "base/hot_key_table.h"
#include "shell/main_window_caption.h"
#include "shell/main_window_engine.h"
#include "store/key_swap_file.h"
#include "store/set_hot_keys.h"

namespace tavrix {
namespace {

constexpr const char* kErrorTitle = "Error";

std::span<std::uint8_t, KeySwapControlBlock::kSize> KeySwapBytes(
    std::uint8_t* mapped, std::array<std::uint8_t, KeySwapControlBlock::kSize>& own) {
  if (mapped != nullptr) return std::span<std::uint8_t, KeySwapControlBlock::kSize>(mapped, KeySwapControlBlock::kSize);
  return own;
}

std::span<std::uint8_t, WindowControlBlock::kSize> WindowBytes(
    std::uint8_t* mapped, std::array<std::uint8_t, WindowControlBlock::kSize>& own) {
  if (mapped != nullptr) return std::span<std::uint8_t, WindowControlBlock::kSize>(mapped, WindowControlBlock::kSize);
  return own;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

TMainWin::Engine::Engine(TMainWin& owner_, Environment& environment)
    : owner(owner_),
      env(environment),
      file(index, environment.hooks, environment.ui, [&desktop = environment.desktop] { return desktop.Now(); }),
      keySwap(KeySwapBytes(environment.keySwapBlock, ownKeySwapBlock)),
      windowBlock(WindowBytes(environment.windowBlock, ownWindowBlock)),
      fileCommands(file, environment.ui, *this, keySwap.SwapTables()),
      commands(environment.desktop),
      player(environment.desktop, environment.ui, *this, commands),
      dispatcher(environment.desktop, environment.ui, environment.hooks, file, player, *this),
      wordlets(environment.desktop, environment.ui, player, dispatcher, index) {
  commands.SetSwapMacroFileHook([this](const std::string& path) { SwapMacroFile(path); });
}

std::string TMainWin::Engine::HotKeyName(std::uint16_t code) { return ::tavrix::HotKeyName(code); }

void TMainWin::Engine::SetCaption(const std::string& fileTitle) {
  std::string dateTime;
  if (env.configuration.showDate) dateTime = CaptionDateTime(env.desktop.Now());
  env.host.SetCaption(MainWindowCaption(fileTitle, modes, dateTime));
}

// Wherever the list changes (New, Open, a recent file, "<SWAP:"), its menu
// entries follow at once: an entry must never open another file than it shows.
void TMainWin::Engine::RecentFilesChanged(const RecentFiles& files) {
  KeepRecentFiles(files);
  env.host.SetRecentFiles(files);
  RefreshMenu();
}

void TMainWin::Engine::KeepRecentFiles(const RecentFiles& files) {
  for (std::size_t k = 0; k < files.size() && k < env.configuration.lastFiles.size(); ++k)
    env.configuration.lastFiles[k] = files[k];
}

void TMainWin::Engine::SelectAfterRemove(int n) {
  const int count = index.Count();
  if (count > 0) env.host.SelectMacro(std::min(n, count));
}

WordletOptions TMainWin::Engine::Wordlets() const {
  const Configuration& c = env.configuration;
  return WordletOptions{c.caseSensitive, c.useSuffix, c.prefixKeys, c.solitaryUsage};
}

void TMainWin::Engine::RearmScheduler() {
  scheduler.CheckAndSetTime(file, env.desktop.Now());
  if (scheduler.Count() > 0) {
    const int seconds = CheckIntervalSeconds(env.configuration.timerSeconds);
    env.host.StartTimer(MainTimer::Scheduler, static_cast<std::uint32_t>(seconds) * 1000);
  } else {
    env.host.StopTimer(MainTimer::Scheduler);
  }
}

void TMainWin::Engine::CheckTimedMacros() {
  scheduler.CheckOutTimerMacros(env.desktop.Now(), [this](int n) {
    MacroRecord record;
    if (!file.ReadRecord(n, record)) return;
    const int outer = dispatcher.PlayingMacro();
    dispatcher.SetPlayingMacro(n);
    PlayTimedMacro(record, env.desktop, player, Alarm(), dispatcher.CapsLockOn());
    dispatcher.SetPlayingMacro(outer);
  });
  if (env.configuration.showDate) RefreshCaption();
}

AlarmSettings TMainWin::Engine::Alarm() const {
  return AlarmSettings{env.configuration.useWaveFile, env.configuration.waveFileWait, env.configuration.waveFile};
}

HookHandle TMainWin::Engine::Checked(HookHandle hook, const char* hookName, bool terminating) {
  if (hook == 0) {
    std::string text = std::string("The ") + hookName + " hook of Tavrix could not be installed.";
    if (terminating) text += "  Tavrix will terminate.";
    env.ui.ShowMessage(kErrorTitle, text);
  }
  return hook;
}

bool TMainWin::Engine::InstallKeySwapHook() {
  const HookHandle hook = Checked(env.hooks.TvxHookSwap(), "key swap", true);
  if (hook == 0) return false;
  swapHook = hook;
  keySwap.SetSwapHook(hook);
  return true;
}

// The fields the library expects cleared or set before its first full copy.
void TMainWin::Engine::PublishStartUpFields() {
  SharedMacroTable& table = index.table();
  table.SetCaptureState765(0);
  table.SetCaptureState740(0);
  table.SetCaptureDoubleAlt(0);
  table.SetReserved4(0);
  table.SetStopKey(0);
  table.SetStopCtrl(0);
  table.SetStopAlt(0);
  table.SetStopShift(0);
  table.SetReserved14296(0);
  table.SetIsNT(env.isNT ? 1 : 0);
  table.SetMouseSwapped(env.mouseSwapped ? 1 : 0);
  env.hooks.TvxUpCapture(table.bytes());
  env.hooks.TvxUpInit(table.bytes());

  const WindowId mainWindow = env.host.Handle();
  table.SetMainWindow(mainWindow);
  env.hooks.TvxUpWindow(table.bytes());
  table.SetEntryWindow(mainWindow);
  table.SetEntryActive(0);
  env.hooks.TvxUpWindow2(table.bytes());
  table.SetFrontProgram("");
  env.hooks.TvxUpProg(table.bytes());
  table.SetCaptureOn(0);
  env.hooks.TvxUpCaptureOn(table.bytes());
  for (int k = 1; k <= kMaxPrograms; ++k) table.SetPrograms(k, "");
  table.SetProgramCount(0);
  env.hooks.TvxUpProgs(table.bytes());
}

bool TMainWin::Engine::InstallHooksAndPublish() {
  const WindowId mainWindow = env.host.Handle();

  keySwap.SetMainWindow(mainWindow);
  keySwap.SetReserved103(0);
  fileCommands.RebuildKeySwapState();  // reports a key-swap file it cannot create
  env.hooks.TvxUpSwapKeys(keySwap.SwapTables());
  swapsInUse = SwapsInUse(keySwap.SwapTables());
  if (swapsInUse && !InstallKeySwapHook()) return false;

  windowBlock.SetMainWindow(mainWindow);
  const HookHandle cbt = Checked(env.hooks.TvxHookCBT(), "window", true);
  if (cbt == 0) {
    RemoveInstalledHooks();
    return false;
  }
  cbtHook = cbt;
  windowBlock.SetCbtHook(cbt);
  windowBlock.SetIsNT(env.isNT ? 1 : 0);

  PublishStartUpFields();
  SharedMacroTable& table = index.table();
  SetHotKeys(table, env.hooks);

  const HookHandle keyboard = Checked(env.hooks.TvxHookKeyboard(), "keyboard", true);
  if (keyboard == 0) {
    RemoveInstalledHooks();
    return false;
  }
  table.SetKeyboardHook(keyboard);
  const HookHandle mouse = Checked(env.hooks.TvxHookMouse(), "mouse", true);
  if (mouse == 0) {
    RemoveInstalledHooks();
    return false;
  }
  table.SetMouseHook(mouse);
  env.hooks.TvxUpKeyHook(table.bytes());
  env.hooks.TvxUpMouseHook(table.bytes());
  return true;
}

// Shutdown order: keyboard, mouse, key swap, window.
void TMainWin::Engine::RemoveInstalledHooks() {
  SharedMacroTable& table = index.table();
  if (table.KeyboardHook() != 0) env.hooks.TvxUnHook(table.KeyboardHook());
  table.SetKeyboardHook(0);
  if (table.MouseHook() != 0) env.hooks.TvxUnHook(table.MouseHook());
  table.SetMouseHook(0);
  if (swapHook != 0) env.hooks.TvxUnHook(swapHook);
  swapHook = 0;
  keySwap.SetSwapHook(0);
  if (cbtHook != 0) env.hooks.TvxUnHook(cbtHook);
  cbtHook = 0;
  windowBlock.SetCbtHook(0);
}

void TMainWin::Engine::ProcessParam(const CommandLineSwitch& startupSwitch) {
  if (ApplyToConfiguration(startupSwitch, env.configuration)) {
    if (startupSwitch.kind == StartupSwitch::NetworkMode) PrepareNetworkLockFile();
    return;
  }
  if (startupSwitch.kind == StartupSwitch::LoadFile) LoadFileFromCommandLine(startupSwitch.path);
  // /HIDE, /B and /BA hold for the whole run: `modes` has them already.
}

// "/F": the recent files and the key-swap state stay those of the
// configured file.
void TMainWin::Engine::LoadFileFromCommandLine(const std::string& path) {
  if (!FileExists(path)) return;
  MacroFilePathChanged(path);
  file.LoadFile(path);
  SetHotKeys(index.table(), env.hooks);
  ShowFileState();
  RearmScheduler();
}

void TMainWin::Engine::ShowFileState() {
  SetCaption(FileTitle(file.Path()));
  RefillMacroList();
  RefreshMenu();
}

void TMainWin::Engine::SwapMacroFile(const std::string& path) {
  const std::string previous = file.Path();
  MacroFilePathChanged(path);
  RemovePopupTrayIcons();
  file.LoadFile(path);
  SetHotKeys(index.table(), env.hooks);
  ShowFileState();
  RearmScheduler();
  BuildPopupTrayIcons();
  fileCommands.DoLastFiles(previous, path);
  fileCommands.RebuildKeySwapState();
}

// --- TMainWin ------------------------------------------------------------------

TMainWin::TMainWin(Environment environment)
    : env_(std::move(environment)), engine_(std::make_unique<Engine>(*this, env_)) {}

TMainWin::~TMainWin() = default;

void TMainWin::LoadMacroFileAtStart() {
  Engine& e = *engine_;
  e.fileCommands.recentFiles() = env_.configuration.lastFiles;
  if (env_.configuration.currentFile.empty())
    env_.configuration.currentFile = DefaultMacroFile(env_.programFolder);
  e.file.LoadFile(env_.configuration.currentFile);
  if (env_.configuration.networkMode) e.PrepareNetworkLockFile();
}

bool TMainWin::FormCreate(const std::vector<CommandLineSwitch>& switches) {
  Engine& e = *engine_;
  e.dispatcher.SetPopupShown(false);
  e.modes = StartupModesOf(switches);

  if (!env_.trayAllowed) env_.configuration.useTray = false;
  e.RefreshMenu();

  if (!e.InstallHooksAndPublish()) return false;

  for (const CommandLineSwitch& startupSwitch : switches) e.ProcessParam(startupSwitch);
  e.ArmSyncTimer(true);

  // Nothing scheduled before the program started plays afterwards.
  e.scheduler.SetPreviousCheck(env_.desktop.Now());
  e.RearmScheduler();
  env_.host.StartTimer(MainTimer::StartUp, kStartUpDelayMs);
  env_.host.StartTimer(MainTimer::HookWatch, kHookWatchMs);
  e.SetCaption(FileTitle(e.file.Path()));
  e.RefreshMenu();
  return true;
}

void TMainWin::Start(FirstShow how) {
  Engine& e = *engine_;
  env_.host.SetRecentFiles(e.fileCommands.recentFiles());
  e.ShowTrayMode();
  e.RefillMacroList();
  e.RefreshMenu();
  e.BuildPopupTrayIcons();
  if (TrayMode()) {
    // In tray mode the program starts in the tray only.
    env_.host.ShowTaskbarWindow(false);
    return;
  }
  env_.host.ShowFirst(how);
  // "/HIDE": the window goes away again as soon as it has been shown.
  if (e.modes.hide) e.HideMainWindow();
}

void TMainWin::FormClose() {
  Engine& e = *engine_;
  if (e.closed) return;
  e.closed = true;
  e.RemoveInstalledHooks();
  e.KeepRecentFiles(e.fileCommands.recentFiles());
  e.SaveConfiguration();
}

void TMainWin::OnEndSession() {
  Engine& e = *engine_;
  if (e.shutDown) return;
  e.closing = true;
  ShutDown();
}

bool TMainWin::Closing() const { return engine_->closing || engine_->shutDown; }

// --- State other parts read ---------------------------------------------------

MacroIndex& TMainWin::Index() { return engine_->index; }
MacroFile& TMainWin::File() { return engine_->file; }
MacroFileCommands& TMainWin::FileCommands() { return engine_->fileCommands; }
Player& TMainWin::GetPlayer() { return engine_->player; }
const StartupModes& TMainWin::Modes() const { return engine_->modes; }
bool TMainWin::Paused() const { return engine_->dispatcher.Paused(); }
bool TMainWin::PopupShown() const { return engine_->dispatcher.PopupShown(); }
bool TMainWin::Capturing() const { return engine_->dispatcher.Capturing(); }
bool TMainWin::InUse() const { return engine_->index.table().InUse() != 0; }
bool TMainWin::TrayMode() const { return env_.configuration.useTray; }
ActivationDispatcher& TMainWin::Dispatcher() { return engine_->dispatcher; }
const ForegroundMemory& TMainWin::Foreground() const { return engine_->foreground; }

}  // namespace tavrix
