#include "hook/hook_watchdog.h"

namespace tavrix::hook {

namespace {

// Ticks wrap after 49.7 days; differences stay right across the wrap.
std::int32_t ticksFrom(std::uint32_t earlier, std::uint32_t later) {
  return static_cast<std::int32_t>(later - earlier);
}

}  // namespace

void HookWatchdog::sawInput(std::uint32_t tick) {
  if (ticksFrom(lastSeen_, tick) > 0) lastSeen_ = tick;
}

void HookWatchdog::restarted(std::uint32_t tick) {
  lastSeen_ = tick;
  suspicious_ = false;
}

bool HookWatchdog::hooksLost(std::uint32_t lastInputTick, std::uint32_t now) {
  const bool unseenInput = ticksFrom(lastSeen_, lastInputTick) > static_cast<std::int32_t>(kClockSlackMs);
  if (!unseenInput) {
    suspicious_ = false;
    return false;
  }
  if (!suspicious_) {
    suspicious_ = true;
    suspiciousSince_ = now;
    return false;
  }
  return ticksFrom(suspiciousSince_, now) >= static_cast<std::int32_t>(kGraceMs);
}

}  // namespace tavrix::hook
