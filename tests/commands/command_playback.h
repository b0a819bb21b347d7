// Plays macro texts through the real player with the desktop commands on a
// simulated desktop, and reads the trace back.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "playback/desktop_playback_commands.h"
#include "playback/player.h"
#include "playback/player_host.h"
#include "tests/support/sim_world.h"

namespace tavrix {

class CommandPlayback : public test_support::SimWorld {
 public:
  CommandPlayback() { commands.SetSwapMacroFileHook([this](const std::string& path) { swaps.push_back(path); }); }

  void Play(std::string_view text) {
    desktop.Trace().Clear();
    startMilliseconds = desktop.Clock().Milliseconds();
    player.IntoProgram(text);
  }

  // The trace without key events and waits: the window, program and file actions.
  std::vector<std::string> Actions() const { return test_support::Actions(Trace()); }

  // Virtual keys pressed down, in order.
  std::vector<int> KeysDown() const { return test_support::KeysDown(Trace()); }

  bool Typed(int vk) const {
    const std::vector<int> keys = KeysDown();
    return std::find(keys.begin(), keys.end(), vk) != keys.end();
  }

  // Simulated milliseconds since the last Play started.
  std::int64_t Elapsed() { return desktop.Clock().Milliseconds() - startMilliseconds; }

  WindowlessPlayerHost host;
  std::vector<std::string> swaps;
  DesktopPlaybackCommands commands{desktop};
  Player player{desktop, ui, host, commands};
  std::int64_t startMilliseconds = 0;
};

}  // namespace tavrix
