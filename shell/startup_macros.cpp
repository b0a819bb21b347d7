#include "shell/startup_macros.h"

namespace tavrix {
namespace {

bool IsTimedAndActive(const MacroIndex& index, int n) {
  return index.table().Active(n) != 0 && index.table().Activation(n) == kTimedActivation;
}

}  // namespace

int DoStartUpMacros(const MacroFile& file, Desktop& desktop, Player& player, const AlarmSettings& alarm,
                    const PlayingMacroNotice& playing) {
  const MacroIndex& index = file.index();
  int played = 0;
  // The count is read on every pass: a macro may switch the macro file.
  for (int n = 1; n <= index.Count(); ++n) {
    if (!IsTimedAndActive(index, n)) continue;
    MacroRecord record;
    if (!file.ReadRecord(n, record) || record.SchedKind() != kScheduleAtStartUp) continue;
    if (playing) playing(n);
    // Start-up macros ignore the Caps Lock state.
    const TimedPlayResult result = PlayTimedMacro(record, desktop, player, alarm, false);
    if (playing) playing(0);
    if (result == TimedPlayResult::ScopeMissing) break;
    ++played;
  }
  return played;
}

}  // namespace tavrix
