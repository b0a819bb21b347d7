// The main window's answers to the hook library's messages, its timers and
// the menu commands that need no form.
#include "activation/foreground_tracking.h"
#include "base/private_messages.h"
#include "shell/main_window.h"
#include "shell/main_window_engine.h"
#include "shell/startup_macros.h"
#include "store/key_swap_file.h"

namespace tavrix {
namespace {

constexpr const char* kWarningTitle = "Warning";
constexpr const char* kPausedText =
    "A current playback macro is in the middle of a PAUSE. Tavrix cannot be invoked until the PAUSE is either "
    "cancelled or resumed.";
constexpr const char* kPopupText =
    "A Tavrix Popup Menu is currently being displayed. Tavrix cannot be invoked until this menu has been cleared.";
constexpr const char* kRecordingText =
    "A macro is currently being recorded. Tavrix cannot be invoked until the recording is completed.";

constexpr const char* kKeyboardHooksTitle = "Keyboard Hooks";
constexpr const char* kKeyboardHooksQuestion =
    "It is possible for other programs which are run after Tavrix to improperly install themselves into the system "
    "wide Windows keyboard hooks.  This causes Tavrix to no longer be able to monitor keystrokes.  This option will "
    "reinstall the Windows keyboard hooks used by Tavrix so that Tavrix will have the first look at the keystrokes "
    "and will be able to monitor the keystrokes again.  Continue?";
constexpr const char* kMouseHooksTitle = "Mouse Hooks";
constexpr const char* kMouseHooksQuestion =
    "It is possible for other programs which are run after Tavrix to improperly install themselves into the system "
    "wide Windows mouse hooks.  This causes Tavrix to no longer be able to monitor mouse movements and clicks.  This "
    "option will reinstall the Windows mouse hooks used by Tavrix so that Tavrix will have the first look at the "
    "mouse movements and will be able to monitor the mouse again.  Continue?";

}  // namespace

// --- The hook library's messages ---------------------------------------------

// A new private message is a new case here and its handler.
void TMainWin::OnPrivateMessage(std::uint32_t message, std::uint32_t wParam, std::intptr_t lParam) {
  Enter([&] {
    switch (message) {
      case kMsgActivation: OnActivation(wParam, static_cast<WindowId>(lParam)); break;
      case kMsgAbort: OnAbort(); break;
      case kMsgForegroundChanged: OnForegroundChanged(static_cast<WindowId>(wParam)); break;
      case kMsgCapsLock: OnCapsLockState(wParam != 0); break;
      case kMsgClearInUse: OnClearInUse(); break;
      case kMsgCaptureChar: engine_->capture.OnCaptureChar(wParam, static_cast<std::uint8_t>(lParam & 0xFF)); break;
      case kMsgCaptureComplete: engine_->capture.OnCaptureComplete(wParam); break;
      case kMsgWordletChar: OnWordletCharacter(wParam, static_cast<std::uint8_t>(lParam & 0xFF)); break;
      default: break;  // capture and hot key entry are not handled here yet
    }
  });
}

void TMainWin::OnActivation(std::uint32_t wParam, WindowId focusWindow) {
  engine_->dispatcher.Fire(wParam, focusWindow);
}

void TMainWin::OnAbort() { engine_->player.RequestAbort(); }

void TMainWin::OnWordletCharacter(std::uint32_t state, std::uint8_t character) {
  engine_->wordlets.OnCharacter(state, character, engine_->Wordlets());
}

void TMainWin::OnForegroundChanged(WindowId window) {
  Engine& e = *engine_;
  // Typing in another window does not continue the same text.
  e.wordlets.Matcher().Clear();
  TrackForeground(env_.desktop, e.index.table(), env_.hooks, window, env_.programFileName, e.foreground);
}

void TMainWin::OnCapsLockState(bool on) { engine_->dispatcher.SetCapsLockOn(on); }

// The library saw the end-of-macro key: it has cleared its own copy already.
void TMainWin::OnClearInUse() { engine_->index.table().SetInUse(0); }

void TMainWin::OnTimer(MainTimer timer) {
  Enter([&] { RunTimer(timer); });
}

void TMainWin::RunTimer(MainTimer timer) {
  Engine& e = *engine_;
  switch (timer) {
    case MainTimer::Clear:
      env_.host.StopTimer(MainTimer::Clear);
      e.index.table().SetInUse(0);
      env_.hooks.TvxUpInUse(e.index.table().bytes());
      break;
    case MainTimer::StartUp:
      env_.host.StopTimer(MainTimer::StartUp);
      DoStartUpMacros(e.file, env_.desktop, e.player, e.Alarm(),
                      [&dispatcher = e.dispatcher](int n) { dispatcher.SetPlayingMacro(n); });
      break;
    case MainTimer::Scheduler: e.CheckTimedMacros(); break;
    case MainTimer::HookWatch:
      // Watching the hooks is the Windows side's and the hook library's job;
      // the macro file is ours.
      e.ReloadIfChangedOnDisk();
      break;
    case MainTimer::Net:
      e.netLock.NetTimerTick();
      break;
    case MainTimer::Sync:
      e.SyncTimerTick();
      break;
  }
}

// --- Commands --------------------------------------------------------------------

void TMainWin::ActivateMe() {
  ForegroundHandover& handover = engine_->player.Handover();
  if (Paused()) {
    handover.DoAMessage(kWarningTitle, kPausedText);
    return;
  }
  if (PopupShown()) {
    handover.DoAMessage(kWarningTitle, kPopupText);
    return;
  }
  if (Capturing()) {
    handover.DoAMessage(kWarningTitle, kRecordingText);
    return;
  }
  MainWindowHost& host = env_.host;
  if (host.IsVisible() && !TrayMode()) {
    if (host.IsMinimized()) host.RestoreWindow();
    host.BringToFront();
    return;
  }
  // Shown again, the list has the configured column widths and the row
  // that was selected when the window was hidden.
  host.ShowWindow();
  host.SetColumnWidths(env_.configuration.columnWidths);
  if (engine_->hiddenSelection > 0) host.SelectMacro(engine_->hiddenSelection);
  host.BringToFront();
}

void TMainWin::MenuKeyHooksClick() {
  if (!env_.ui.AskYesNo(kKeyboardHooksTitle, kKeyboardHooksQuestion)) return;
  Engine& e = *engine_;
  SharedMacroTable& table = e.index.table();
  // UnHookTheKeyboard, HookTheKeyboard.
  if (table.KeyboardHook() != 0) env_.hooks.TvxUnHook(table.KeyboardHook());
  table.SetKeyboardHook(e.Checked(env_.hooks.TvxHookKeyboard(), "keyboard", false));
  env_.hooks.TvxUpKeyHook(table.bytes());
  if (e.swapsInUse) {
    // Two swap hooks would swap every key twice, so the old one goes first.
    if (e.swapHook != 0) env_.hooks.TvxUnHook(e.swapHook);
    e.swapHook = e.Checked(env_.hooks.TvxHookSwap(), "key swap", false);
    e.keySwap.SetSwapHook(e.swapHook);
  }
}

void TMainWin::MenuMouseHooksClick() {
  if (!env_.ui.AskYesNo(kMouseHooksTitle, kMouseHooksQuestion)) return;
  SharedMacroTable& table = engine_->index.table();
  if (table.MouseHook() != 0) env_.hooks.TvxUnHook(table.MouseHook());
  table.SetMouseHook(engine_->Checked(env_.hooks.TvxHookMouse(), "mouse", false));
  env_.hooks.TvxUpMouseHook(table.bytes());
}

bool TMainWin::AllowScreenSaver() const {
  if (!env_.configuration.disableScreenSaver) return true;
  const MacroIndex& index = engine_->index;
  for (int n = 1; n <= index.Count(); ++n)
    if (index.table().Active(n) != 0 && index.table().Activation(n) == kTimedActivation) return false;
  return true;
}

void TMainWin::RunMacro(int n) { engine_->dispatcher.RunMacro(n); }

}  // namespace tavrix
