#include "platform/win32/pause_box.h"

namespace tavrix {
namespace {

// The box's sizes are those of a dialog frame 6 pixels wide and 25 high
// (caption and borders); its client area keeps those proportions whatever
// frame the system draws.
constexpr int kClassicFrameWidth = 6;
constexpr int kClassicFrameHeight = 25;
constexpr int kButtonsAboveBottom = 52;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kLabelLeft = 8;
constexpr int kLabelHeight = 16;

}  // namespace

int PauseMessageHeight(const std::string& message) {
  if (message.empty()) return 0;
  return static_cast<int>(message.size() / 30) * 19 + 19;
}

TPauseMacro::TPauseMacro(const PauseRequest& request) : request_(request) {}

bool TPauseMacro::ShowModal(HWND owner) {
  const int messageHeight = PauseMessageHeight(request_.message);
  const int height = kBasicHeight + messageHeight;
  const int clientWidth = kWidth - kClassicFrameWidth;
  if (!Create(request_.caption, clientWidth, height - kClassicFrameHeight, true)) return false;

  const int labelWidth = clientWidth - 2 * kLabelLeft;
  AddLabel("Tavrix Pause", kLabelLeft, 4, labelWidth, kLabelHeight);
  AddLabel(request_.nickname, kLabelLeft, 20, labelWidth, kLabelHeight);
  if (messageHeight > 0) AddLabel(request_.message, kLabelLeft, 38, labelWidth, messageHeight);

  const int buttonTop = height - kButtonsAboveBottom;
  const int gap = (clientWidth - 2 * kButtonWidth) / 3;
  resumeButton_ = AddButton("&Resume", kResumeButton, gap, buttonTop, kButtonWidth, kButtonHeight, true);
  AddButton("&Abort", kAbortButton, clientWidth - gap - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight, false);

  PlaceAt(request_.left, request_.top);
  resumed_ = false;
  if (!RunModal(resumeButton_, owner)) return false;
  return resumed_;
}

void TPauseMacro::Resume() { Finish(true); }

void TPauseMacro::Finish(bool resumed) {
  if (!IsRunning()) return;
  resumed_ = resumed;
  EndModal();
}

void TPauseMacro::OnCommand(int id) {
  if (id == kResumeButton || id == IDOK) Finish(true);
  if (id == kAbortButton) Finish(false);
  // Escape does nothing: stopping the macro takes a deliberate click.
}

void TPauseMacro::OnClose() { Finish(false); }

}  // namespace tavrix
