// Capture: while a capture the user asked for records, every key, click and
// wheel turn of the user goes to the recorder, and the text it makes is
// posted to the program one character each (message 3); a stop key is
// swallowed and ends the capture (message 4). Nothing is recorded before
// the program switches the capture on or after it ended; a new capture
// (a new publication of the capture fields) starts from nothing. The
// events themselves pass on: the user's programs get them as usual.
#pragma once

#include <cstdint>

#include "hook/capture_recorder.h"
#include "hook/hook_stage.h"

namespace tavrix::hook {

class CaptureStage final : public HookStage {
 public:
  HookVerdict decide(const InputEvent& event, const HookContext& context, HookOutcome& outcome) override;

 private:
  void post(const HookSettings& settings, HookOutcome& outcome);

  CaptureRecorder recorder_;
  bool started_ = false;            // a capture of this generation has started
  bool ended_ = false;              // and ended with a stop key
  std::uint32_t generation_ = 0;
};

}  // namespace tavrix::hook
