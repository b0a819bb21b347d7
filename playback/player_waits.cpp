// Waits. The desktop's Wait keeps the application answering its messages.
#include <cmath>
#include <limits>

#include "playback/player.h"

namespace tavrix {

namespace {

// Whole milliseconds of a duration given in milliseconds, truncated. The
// small allowance keeps a value such as 0.57 s from becoming 569 ms through
// binary rounding. A wait longer than 32 bits can count (<SPEED:99999>
// with <DELAY:99.99>, about 116 days) waits the longest 32-bit wait,
// 49.7 days, instead of wrapping round to a short one; the abort key ends it.
std::uint32_t WholeMilliseconds(double milliseconds) {
  const double whole = std::floor(milliseconds + 1e-6);
  if (!(whole > 0)) return 0;
  if (whole >= static_cast<double>(std::numeric_limits<std::uint32_t>::max())) {
    return std::numeric_limits<std::uint32_t>::max();
  }
  return static_cast<std::uint32_t>(whole);
}

}  // namespace

void Player::PauseFor(double seconds) {
  if (state_.speedFactor == 0) return;
  desktop_.Wait(WholeMilliseconds(state_.speedFactor * seconds * 1000.0));
}

void Player::PauseForNoSpeed(double seconds) { desktop_.Wait(WholeMilliseconds(seconds * 1000.0)); }

void Player::PauseForMilliseconds(std::uint32_t milliseconds) {
  if (state_.speedFactor == 0) return;
  desktop_.Wait(WholeMilliseconds(state_.speedFactor * milliseconds));
}

}  // namespace tavrix
