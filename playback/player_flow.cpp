// Repeat blocks, counters, pauses, the repeat prompt and text files.
#include <algorithm>

#include "playback/pause_box.h"
#include "playback/player.h"
#include "playback/repeat_prompt.h"

namespace tavrix {

namespace {

constexpr std::string_view EndRepeatLiteral = "<ENDREP>";
constexpr char CtrlZ = 26;

}  // namespace

// A block plays its body n - 1 times from the repeat buffer, then once more
// as part of the current text. Inside the passes another start tag is only
// skipped: blocks do not nest.
Player::Step Player::StartRepeat(const MacroElement& element, TextScan& scan) {
  std::int32_t count = element.number;
  if (element.kind == ElementKind::PromptRepeat) count = DoRepPrompt();
  if (state_.inRepeatPasses) return Step::Continue;
  const std::size_t close = scan.text.find(EndRepeatLiteral, scan.position);
  if (close == std::string_view::npos) return Step::Continue;

  state_.repeatBuffer.count = count;
  state_.repeatBuffer.body.assign(scan.text.substr(scan.position, close - scan.position));
  state_.inRepeatPasses = true;
  state_.repeatCounter = 0;
  state_.lastPass = false;
  bool stopped = false;
  if (count > 1) {
    const std::string body = state_.repeatBuffer.body;
    for (std::int32_t pass = 1; pass < count && !state_.abortRequested; ++pass) {
      ++state_.repeatCounter;
      if (PlayText(body) == TextEnd::Stopped) {
        stopped = true;
        break;
      }
    }
  }
  state_.inRepeatPasses = false;
  ++state_.repeatCounter;
  state_.lastPass = true;
  if (state_.abortRequested) {
    ShowAbortMessage();
    return Step::Stop;
  }
  // An aborted pause inside a pass ends the whole playback.
  return stopped ? Step::Stop : Step::Continue;
}

Player::Step Player::TypeCounter(const MacroElement& element) {
  if (!state_.inRepeatPasses && !state_.lastPass) return Step::Continue;
  std::string digits = std::to_string(state_.repeatCounter);
  if (digits.size() < static_cast<std::size_t>(element.number)) {
    digits.insert(0, static_cast<std::size_t>(element.number) - digits.size(), '0');
  }
  return PlayText(digits) == TextEnd::Stopped ? Step::Stop : Step::Continue;
}

std::string Player::PauseCaption() const {
  if (state_.activation == TimedMacroActivation || state_.activation == WordletActivation) return "Pause";
  return "Pause (" + host_.HotKeyName(state_.activation) + ")";
}

Player::Step Player::DoPause(const MacroElement& element) {
  std::string message;
  std::optional<Point> place;
  if (element.kind != ElementKind::Pause) {
    message = std::string(element.text);
    place = Point{element.number2, element.number};
  }
  TPauseMacro box(PauseCaption(), state_.nickname, message, place, state_.screenWidth, state_.screenHeight);

  state_.pauseShown = true;
  state_.paused = true;
  openPause_ = &box;
  openBoxes_.emplace_back(&box, ModalResult::Ok);
  handover_.ShowModal(box, state_.targetWindow);
  openBoxes_.pop_back();
  openPause_ = nullptr;
  state_.paused = false;
  if (handover_.RestoredProgram()) state_.programWasMinimized = true;
  KeepCapsLockOff();
  if (box.Resumed()) return Step::Continue;

  RestoreCapsLock();
  if (!host_.InTrayMode()) {
    host_.ShowMainWindow();
    if (state_.programWasMinimized) host_.MinimizeProgram();
    handover_.BringToFront(MakeSureItsAParent(state_.targetWindow));
  }
  return Step::Stop;
}

void Player::ResumePause() {
  if (openPause_ != nullptr) ui_.EndForm(*openPause_, ModalResult::Ok);
}

void Player::RequestStop() {
  state_.abortRequested = true;
  stopQuietly_ = true;
  for (const auto& [box, answer] : openBoxes_) ui_.EndForm(*box, answer);
}

std::uint16_t Player::DoRepPrompt() {
  TRepeatPrompt prompt;
  openBoxes_.emplace_back(&prompt, ModalResult::Cancel);
  handover_.ShowModal(prompt);
  openBoxes_.pop_back();
  KeepCapsLockOff();
  return prompt.count;
}

// A trailing Ctrl-Z (end-of-file mark of old editors) is not part of the text.
std::optional<std::string> Player::ReadTextFile(std::string_view file) {
  std::optional<std::string> contents = desktop_.ReadFile(std::string(file));
  if (contents && !contents->empty() && contents->back() == CtrlZ) contents->pop_back();
  return contents;
}

// A text file that plays itself, directly or through others, stops at
// MaxTextFileDepth: the deeper tag is skipped and playback goes on.
Player::Step Player::PlayTextFile(std::string_view file) {
  if (!run_ || run_->textFileDepth >= MaxTextFileDepth) return Step::Continue;
  const std::optional<std::string> contents = ReadTextFile(file);
  if (!contents) return Step::Continue;
  ++run_->textFileDepth;
  const TextEnd end = PlayText(*contents);
  --run_->textFileDepth;
  return end == TextEnd::Stopped ? Step::Stop : Step::Continue;
}

}  // namespace tavrix
