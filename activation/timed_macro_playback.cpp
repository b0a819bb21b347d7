#include "activation/timed_macro_playback.h"

#include "playback/window_lookup.h"

namespace tavrix {
namespace {

bool ActivateScope(const MacroRecord& record, Desktop& desktop, WindowId& target) {
  switch (record.Scope()) {
    case kScopeWindow: return ActivateIt(desktop, record.ScopeName(), target);
    case kScopeProgram: return ActivateProg(desktop, record.ScopeName(), target);
    default:
      target = desktop.ForegroundWindow();
      return true;
  }
}

}  // namespace

TimedPlayResult PlayTimedMacro(const MacroRecord& record, Desktop& desktop, Player& player,
                               const AlarmSettings& alarm, bool capsLockOn) {
  // A schedule that comes due while a macro plays runs inside that playback.
  const NestedPlayback nested(player);
  PlaybackState& state = player.State();
  if (!ActivateScope(record, desktop, state.targetWindow)) return TimedPlayResult::ScopeMissing;
  const std::string text = record.MacroText();
  if (alarm.useWaveFile) desktop.PlayWave(alarm.waveFile, alarm.waveFileWait);
  player.SetMacro(record.NickName(), record.Activation());
  state.capsLockToggled = capsLockOn;
  // IntoProgram resets the per-run state, the speed and the screen size.
  player.IntoProgram(text);
  return TimedPlayResult::Played;
}

}  // namespace tavrix
