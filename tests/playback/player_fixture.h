// A player on a simulated desktop, and a reader that turns the traced key
// events back into the text a US English window would have received.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_ui.h"
#include "platform/sim/us_keyboard_layout.h"
#include "playback/player.h"
#include "playback/recording_commands.h"

namespace tavrix {

using Lines = std::vector<std::string>;

// The characters the key events of a trace type: Shift picks the upper
// character of a key, Ctrl+key shows as "^" + key, Alt with keypad digits
// gives the character of the code, Enter and Tab show as \n and \t, other
// keys as "[vk]".
inline std::string TypedText(const Lines& lines) {
  std::map<std::pair<int, bool>, char> keyToCharacter;
  for (int ch = 32; ch < 127; ++ch) {
    const int scan = UsKeyScan(static_cast<unsigned char>(ch));
    keyToCharacter.emplace(std::make_pair(scan & 0xFF, (scan >> 8) == 1), static_cast<char>(ch));
  }
  std::string typed;
  bool shift = false, ctrl = false, alt = false;
  std::string altDigits;
  for (const std::string& line : lines) {
    int vk = 0;
    char direction[8] = {};
    if (std::sscanf(line.c_str(), "key %d %7s", &vk, direction) != 2) continue;
    const bool down = std::string(direction) == "down";
    if (vk == 16) { shift = down; continue; }
    if (vk == 17) { ctrl = down; continue; }
    if (vk == 18) {
      if (!down && !altDigits.empty()) typed += static_cast<char>(std::stoi(altDigits) & 0xFF);
      altDigits.clear();
      alt = down;
      continue;
    }
    if (!down) continue;
    if (alt && vk >= 96 && vk <= 105) {
      altDigits += static_cast<char>('0' + vk - 96);
      continue;
    }
    std::string key;
    if (vk == 13) {
      key = "\n";
    } else if (vk == 9) {
      key = "\t";
    } else {
      const auto found = keyToCharacter.find({vk, shift});
      key = found != keyToCharacter.end() ? std::string(1, found->second) : "[" + std::to_string(vk) + "]";
    }
    typed += ctrl ? "^" + key : key;
  }
  return typed;
}

// Only the lines that are not key events.
inline Lines OtherLines(const Lines& lines) {
  Lines others;
  for (const auto& line : lines) {
    if (line.rfind("key ", 0) != 0) others.push_back(line);
  }
  return others;
}

// A host that notes what the player asked of the main window.
class NotingHost : public PlayerHost {
 public:
  explicit NotingHost(SimTrace& trace) : trace_(trace) {}
  std::string HotKeyName(std::uint16_t code) override { return "Ctrl+Shift+" + std::to_string(code); }
  bool InTrayMode() override { return trayMode; }
  void ShowTaskbarWindow(bool visible) override { trace_.Add(visible ? "host taskbar shown" : "host taskbar hidden"); }
  bool ProgramMinimized() override { return minimized; }
  void RestoreProgram() override {
    minimized = false;
    trace_.Add("host restore");
  }
  void MinimizeProgram() override {
    minimized = true;
    trace_.Add("host minimize");
  }
  void ShowMainWindow() override { trace_.Add("host main window shown"); }

  bool trayMode = false;
  bool minimized = false;

 private:
  SimTrace& trace_;
};

class PlayerTest : public ::testing::Test {
 protected:
  Lines Play(std::string_view text) {
    player.IntoProgram(text);
    return desktop.Trace().Lines();
  }
  std::string Typed(std::string_view text) { return TypedText(Play(text)); }
  // Aborts the playback once `count` key-down events of `vk` have been sent.
  void AbortAfterKey(int vk, int count) {
    desktop.SetMessageHandler([this, vk, count] {
      int seen = 0;
      for (const auto& line : desktop.Trace().Lines()) seen += line == "key " + std::to_string(vk) + " down";
      if (seen >= count) player.RequestAbort();
    });
  }

  SimDesktop desktop;
  SimUi ui{desktop.Trace()};
  NotingHost host{desktop.Trace()};
  RecordingCommands commands{[this](std::string line) { desktop.Trace().Add(std::move(line)); }};
  Player player{desktop, ui, host, commands};
};

}  // namespace tavrix
