// Notices when the system has silently taken the low-level hooks away.
// Windows removes a low-level hook whose procedure once answers too late,
// without telling its owner; the hooks then simply stop seeing input. The
// watchdog compares the last input the system received with the last event
// the hooks saw: input the hooks still have not seen after a grace period
// means they are gone and must be installed again.
#pragma once

#include <cstdint>

namespace tavrix::hook {

class HookWatchdog {
 public:
  // How long input may stay unseen before the hooks count as lost. Long
  // enough for input queued behind a busy moment to reach the hooks.
  static constexpr std::uint32_t kGraceMs = 2000;
  // The system's input time and the hooks' own clock reading differ a
  // little; within this the hooks count as having seen the input.
  static constexpr std::uint32_t kClockSlackMs = 250;

  // The hooks saw an event at `tick`. An event older than a restart changes
  // nothing: input before the reinstallation is not owed.
  void sawInput(std::uint32_t tick);
  // The hooks were (re)installed at `tick`: nothing before it is owed.
  void restarted(std::uint32_t tick);

  // Called on every poll with the tick of the system's last input: true when
  // input has gone unseen for the grace period.
  bool hooksLost(std::uint32_t lastInputTick, std::uint32_t now);

 private:
  std::uint32_t lastSeen_ = 0;
  bool suspicious_ = false;
  std::uint32_t suspiciousSince_ = 0;
};

}  // namespace tavrix::hook
