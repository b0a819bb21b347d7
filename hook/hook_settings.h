// The few fields of the library's table copy that the input decisions read,
// taken together in one short read so a key is decided on one consistent
// view.
#pragma once

#include <array>
#include <cstdint>

#include "base/hot_key_table.h"
#include "base/key_swap_alphabet.h"
#include "hook/key_character_map.h"
#include "hook/capture_options.h"

namespace tavrix::hook {

struct HookSettings {
  std::uint32_t mainWindow = 0;
  std::uint32_t entryWindow = 0;
  bool entryActive = false;
  bool inUse = false;
  bool mouseSwapped = false;
  bool hasWordlets = false;  // typed characters are reported for Wordlets
  std::array<std::uint8_t, kHotKeyCount> hotKeyUsed{};
  // Key swap: the library's own copy of the 93 bytes of the key-swap tables,
  // as last published; the tables the swap stage applies (that copy while
  // the swap hook is installed, null otherwise); and the layout of the
  // window in front.
  std::array<std::uint8_t, kSwapAlphabetSize> keySwap{};
  const std::uint8_t* swapTables = nullptr;
  const KeyCharacterMap* layout = nullptr;

  // A capture: on while it records; the generation changes with every
  // publication of the capture fields, so each capture starts afresh.
  bool captureOn = false;
  std::uint32_t captureGeneration = 0;
  std::uint16_t captureMacro = 0;
  CaptureOptions capture;
  StopKey stop;
  StopKey stop2;

  bool used(std::uint16_t code) const { return code < hotKeyUsed.size() && hotKeyUsed[code] == 1; }
};

}  // namespace tavrix::hook
