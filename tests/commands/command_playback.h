// Plays macro texts through the real player with the desktop commands on a
// simulated desktop, and reads the trace back.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "playback/desktop_playback_commands.h"
#include "playback/player.h"
#include "playback/player_host.h"

namespace tavrix {

class CommandPlayback {
 public:
  CommandPlayback() { commands.SetSwapMacroFileHook([this](const std::string& path) { swaps.push_back(path); }); }

  void Play(std::string_view text) {
    desktop.Trace().Clear();
    startMilliseconds = desktop.Clock().Milliseconds();
    player.IntoProgram(text);
  }

  // The trace without key events and waits: the window, program and file actions.
  std::vector<std::string> Actions() const {
    std::vector<std::string> actions;
    for (const std::string& line : desktop.Trace().Lines()) {
      if (line.rfind("key ", 0) == 0 || line.rfind("wait ", 0) == 0) continue;
      actions.push_back(line);
    }
    return actions;
  }

  // Virtual keys pressed down, in order.
  std::vector<int> KeysDown() const {
    std::vector<int> keys;
    for (const std::string& line : desktop.Trace().Lines()) {
      if (line.rfind("key ", 0) != 0 || line.find(" down") == std::string::npos) continue;
      keys.push_back(std::stoi(line.substr(4)));
    }
    return keys;
  }

  bool Typed(int vk) const {
    const std::vector<int> keys = KeysDown();
    return std::find(keys.begin(), keys.end(), vk) != keys.end();
  }

  // Simulated milliseconds since the last Play started.
  std::int64_t Elapsed() { return desktop.Clock().Milliseconds() - startMilliseconds; }

  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
  PlayerHost host;
  std::vector<std::string> swaps;
  DesktopPlaybackCommands commands{desktop};
  Player player{desktop, ui, host, commands};
  std::int64_t startMilliseconds = 0;
};

}  // namespace tavrix
