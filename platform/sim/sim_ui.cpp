#include "platform/sim/sim_ui.h"

namespace tavrix {

namespace {

template <typename T>
T TakeOr(std::deque<T>& queue, const T& fallback) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace

void SimUi::ShowMessage(const std::string& caption, const std::string& text) {
  trace_.Add("message " + EscapeTraceText(caption) + ": " + EscapeTraceText(text));
}

bool SimUi::AskYesNo(const std::string& caption, const std::string& text) {
  trace_.Add("question " + EscapeTraceText(caption) + ": " + EscapeTraceText(text));
  return TakeOr(yesNoAnswers_, defaultYesNo_);
}

void SimUi::DoAMessage(const std::string& caption, const std::string& text) {
  trace_.Add("message " + EscapeTraceText(caption) + ": " + EscapeTraceText(text));
}

bool SimUi::ShowPause(const PauseRequest& request) {
  trace_.Add("pause " + std::to_string(request.left) + " " + std::to_string(request.top) + " " +
             EscapeTraceText(request.message));
  pauses_.push_back(request);
  if (whilePaused_) whilePaused_();
  return TakeOr(pauseAnswers_, defaultPauseAnswer_);
}

std::uint16_t SimUi::AskRepeatCount() {
  trace_.Add("prompt");
  return TakeOr(repeatCounts_, defaultRepeatCount_);
}

std::optional<std::string> SimUi::AskFileName(const FileDialogRequest& request) {
  trace_.Add("filedialog " + EscapeTraceText(request.title));
  return TakeOr(fileNames_, std::optional<std::string>());
}

}  // namespace tavrix
