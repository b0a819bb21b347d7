// The modal boxes of the simulated desktop: every box answers at once from a
// script the test sets up beforehand and writes one line to the trace:
// "pause <left> <top> <message>", "prompt", "message <caption>: <text>",
// "question <caption>: <text>", "filedialog <title>".
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_trace.h"
#include "platform/ui.h"

namespace tavrix {

class SimUi : public Ui {
 public:
  explicit SimUi(SimTrace& trace) : trace_(trace) {}

  // --- Scripted answers: each queued answer is used once, in order; when the
  // queue is empty the default answers. --------------------------------------
  void QueuePauseAnswer(bool resume) { pauseAnswers_.push_back(resume); }
  void SetDefaultPauseAnswer(bool resume) { defaultPauseAnswer_ = resume; }
  void QueueRepeatCount(std::uint16_t count) { repeatCounts_.push_back(count); }
  void SetDefaultRepeatCount(std::uint16_t count) { defaultRepeatCount_ = count; }
  void QueueYesNo(bool yes) { yesNoAnswers_.push_back(yes); }
  void SetDefaultYesNo(bool yes) { defaultYesNo_ = yes; }
  void QueueFileName(std::optional<std::string> path) { fileNames_.push_back(std::move(path)); }
  // Runs while a pause box is open, before it answers.
  void SetWhilePaused(std::function<void()> action) { whilePaused_ = std::move(action); }

  // --- What was shown ---------------------------------------------------------
  const std::vector<PauseRequest>& Pauses() const { return pauses_; }
  int ResumeRequests() const { return resumeRequests_; }

  // --- Ui ------------------------------------------------------------------------
  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void DoAMessage(const std::string& caption, const std::string& text) override;
  bool ShowPause(const PauseRequest& request) override;
  void ResumePause() override { ++resumeRequests_; }
  std::uint16_t AskRepeatCount() override;
  std::optional<std::string> AskFileName(const FileDialogRequest& request) override;

 private:
  SimTrace& trace_;
  std::deque<bool> pauseAnswers_;
  bool defaultPauseAnswer_ = true;
  std::deque<std::uint16_t> repeatCounts_;
  std::uint16_t defaultRepeatCount_ = 1;
  std::deque<bool> yesNoAnswers_;
  bool defaultYesNo_ = false;
  std::deque<std::optional<std::string>> fileNames_;
  std::function<void()> whilePaused_;
  std::vector<PauseRequest> pauses_;
  int resumeRequests_ = 0;
};

}  // namespace tavrix
