// Playing a timed macro: the scheduler's due macros and the start-up pass
// play a record directly, without the in-use mark and the end-of-macro key of
// a hot key.
#pragma once

#include <string>

#include "platform/desktop.h"
#include "playback/player.h"
#include "store/macro_record.h"

namespace tavrix {

// The alarm played before each timed macro.
struct AlarmSettings {
  bool useWaveFile = false;
  bool waveFileWait = false;
  std::string waveFile;
};

enum class TimedPlayResult {
  Played,
  ScopeMissing,  // its window or program could not be activated: not played
};

// Activates the record's window or program (window and program scopes), plays
// the alarm, then plays the macro text at normal speed. With `capsLockOn` the
// playback presses Caps Lock before and after, as for a hot key with Caps
// Lock on.
TimedPlayResult PlayTimedMacro(const MacroRecord& record, Desktop& desktop, Player& player,
                               const AlarmSettings& alarm, bool capsLockOn);

}  // namespace tavrix
