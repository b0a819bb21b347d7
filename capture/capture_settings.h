// The capture defaults ("Capture Defaults", section "Capture" of the
// configuration) and the speed tag a timed recording starts with.
#pragma once

#include <string>

namespace tavrix {

struct CaptureSettings {
  bool keys = true;
  bool doubleAlt = true;
  bool mouse = true;
  bool relativeToScreen = true;
  bool windowSize = true;
  bool time = true;
  int speed = 1;  // 1 actual, 2 half, 3 double, 4 quadruple
  bool prompt = true;
  bool global = true;

  // The window's size is recorded: mouse on, relative to the window, size asked for.
  bool EffectiveWindowSize() const { return mouse && !relativeToScreen && windowSize; }
  bool operator==(const CaptureSettings&) const = default;
};

// "<SPEED:00001>", "<SPEED:00002>", "<SPEED:00.50>", "<SPEED:00.25>" for
// speed codes 1..4 (any other code as 1).
std::string SpeedTag(int speed);

}  // namespace tavrix
