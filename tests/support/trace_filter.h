// Reading the simulated desktop's trace: lines of one kind, and the keys and
// text its key events type.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/us_keyboard_layout.h"

namespace tavrix::test_support {

using Lines = std::vector<std::string>;

inline Lines LinesStartingWith(const Lines& lines, const std::string& prefix) {
  Lines found;
  for (const auto& line : lines)
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  return found;
}

// The lines that are neither key events nor waits: the window, program,
// file and box actions.
inline Lines Actions(const Lines& lines) {
  Lines actions;
  for (const std::string& line : lines) {
    if (line.rfind("key ", 0) == 0 || line.rfind("wait ", 0) == 0) continue;
    actions.push_back(line);
  }
  return actions;
}

// The virtual keys pressed down, in order.
inline std::vector<int> KeysDown(const Lines& lines) {
  std::vector<int> keys;
  for (const std::string& line : lines) {
    int vk = 0;
    char direction[8] = {};
    if (std::sscanf(line.c_str(), "key %d %7s", &vk, direction) == 2 && std::string(direction) == "down")
      keys.push_back(vk);
  }
  return keys;
}

// The lower-case letters and digits the key-down events type.
inline std::string TypedLetters(const Lines& lines) {
  std::string typed;
  for (const int vk : KeysDown(lines)) {
    if (vk >= 'A' && vk <= 'Z') typed += static_cast<char>(vk - 'A' + 'a');
    if (vk >= '0' && vk <= '9') typed += static_cast<char>(vk);
  }
  return typed;
}

// The characters the key events type in a US English window: Shift picks
// the upper character of a key, Ctrl+key shows as "^" + key, Alt with keypad
// digits gives the character of the code, Enter and Tab show as \n and \t,
// other keys as "[vk]". Caps Lock, the end-of-macro key and the unassigned
// key 232 type nothing and are left out.
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
    if (!down || vk == 20 || vk == 43 || vk == 232) continue;
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

}  // namespace tavrix::test_support
