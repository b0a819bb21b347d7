#include "hook/stages/capture_stage.h"

#include "base/private_messages.h"

namespace tavrix::hook {

HookVerdict CaptureStage::decide(const InputEvent& event, const HookContext& context, HookOutcome& outcome) {
  const HookSettings& settings = context.settings;
  if (!settings.captureOn || settings.mainWindow == 0) {
    // Switched off by the program: whatever was recorded is over.
    if (recorder_.recording()) recorder_.finish();
    recorder_.clearText();
    started_ = false;
    return HookVerdict::Pass;
  }
  if (!started_ || generation_ != settings.captureGeneration) {
    started_ = true;
    ended_ = false;
    generation_ = settings.captureGeneration;
    recorder_.start(settings.capture, settings.stop, settings.stop2);
  }
  if (ended_) return HookVerdict::Pass;
  const FrontWindow front{event.frontWindow, event.frontLeft, event.frontTop, event.frontWidth, event.frontHeight};
  CaptureRecorder::Result result;
  switch (event.kind) {
    case InputEvent::Kind::Key:
      result = recorder_.key(event.vk, event.up, context.modifiers, event.time, event.character);
      break;
    case InputEvent::Kind::Button:
      result = recorder_.button(event.button, event.up, event.x, event.y, front, context.modifiers, event.time);
      break;
    case InputEvent::Kind::Wheel:
      result = recorder_.wheel(event.notches, event.x, event.y, front, context.modifiers, event.time);
      break;
    default:
      result = CaptureRecorder::Result::Idle;
      break;
  }
  post(settings, outcome);
  if (result != CaptureRecorder::Result::Stopped) return HookVerdict::Pass;
  ended_ = true;
  outcome.posts.add({settings.mainWindow, kMsgCaptureComplete, settings.captureMacro, 0, false});
  return HookVerdict::Swallow;
}

void CaptureStage::post(const HookSettings& settings, HookOutcome& outcome) {
  for (const char c : recorder_.text()) {
    outcome.posts.add({settings.mainWindow, kMsgCaptureChar, settings.captureMacro,
                       static_cast<std::uint8_t>(c), false});
  }
  recorder_.clearText();
}

}  // namespace tavrix::hook
