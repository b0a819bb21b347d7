// What a capture records and which keys end it, as the program publishes
// them in the capture fields of the shared table.
#pragma once

#include <cstdint>

#include "hook/modifiers.h"

namespace tavrix::hook {

struct CaptureOptions {
  bool keys = true;
  bool mouse = true;
  bool relativeToScreen = true;
  bool time = true;
  bool windowSize = true;  // the effective flag: mouse, relative to the window, size asked for
  bool doubleAlt = true;
};

// A key or mouse button that ends the capture, as DecipherKey decodes a hot key.
struct StopKey {
  bool armed = false;
  std::uint8_t mouse = 0;  // 0 a key, 1 left, 2 right, 3 middle
  std::uint16_t vk = 0;
  Modifiers modifiers;
};

// The window in front when a mouse event happened.
struct FrontWindow {
  std::uint32_t id = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

}  // namespace tavrix::hook
