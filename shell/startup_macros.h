// The start-up pass (`DoStartUpMacros`): shortly after the program starts,
// every active timed macro scheduled "At Startup" plays once, in file order.
#pragma once

#include <functional>

#include "activation/timed_macro_playback.h"
#include "platform/desktop.h"
#include "playback/player.h"
#include "store/macro_file.h"

namespace tavrix {

// Called with the macro number just before it plays and with 0 after.
using PlayingMacroNotice = std::function<void(int n)>;

// Plays the start-up macros; a macro whose window or program cannot be
// activated ends the pass. Answers how many played.
int DoStartUpMacros(const MacroFile& file, Desktop& desktop, Player& player, const AlarmSettings& alarm,
                    const PlayingMacroNotice& playing = {});

}  // namespace tavrix
