#include "playback/pause_box.h"

#include <algorithm>

namespace tavrix {
namespace {

constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 25;
constexpr int kClientWidth = TPauseMacro::kWidth - kFrameWidth;
constexpr int kButtonsAboveBottom = 52;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = (kClientWidth - 2 * kButtonWidth) / 3;
constexpr int kLabelLeft = 8;
constexpr int kLabelWidth = kClientWidth - 2 * kLabelLeft;
constexpr int kLabelHeight = 16;

Point PausePlace(std::string_view message, std::optional<Point> place, int screenWidth, int screenHeight) {
  const int height = TPauseMacro::kBasicHeight + TPauseMacro::MessageHeight(message);
  if (!place) return {(screenWidth - TPauseMacro::kWidth) / 2, (screenHeight - height) / 2};
  return {std::min(place->left, screenWidth - TPauseMacro::kWidth), std::min(place->top, screenHeight - height)};
}

}  // namespace

int TPauseMacro::MessageHeight(std::string_view message) {
  return message.empty() ? 0 : static_cast<int>(message.size() / 30) * 19 + 19;
}

TPauseMacro::TPauseMacro(std::string caption, std::string nickname, std::string message, std::optional<Point> place,
                         int screenWidth, int screenHeight)
    : Form(kName, std::move(caption), kClientWidth, kBasicHeight + MessageHeight(message) - kFrameHeight),
      titleLabel(*this, "TitleLabel", {kLabelLeft, 4, kLabelWidth, kLabelHeight}, "Tavrix Pause"),
      nicknameLabel(*this, "NicknameLabel", {kLabelLeft, 20, kLabelWidth, kLabelHeight}, std::move(nickname)),
      messageLabel(*this, "MessageLabel", {kLabelLeft, 38, kLabelWidth, MessageHeight(message)}, message),
      resumeButton(*this, "ResumeButton",
                   {kButtonGap, kBasicHeight + MessageHeight(message) - kButtonsAboveBottom, kButtonWidth,
                    kButtonHeight},
                   "&Resume", ButtonRole::Default),
      abortButton(*this, "AbortButton",
                  {kClientWidth - kButtonGap - kButtonWidth, resumeButton.bounds.top, kButtonWidth, kButtonHeight},
                  "&Abort") {
  position = PausePlace(message, place, screenWidth, screenHeight);
  topMost = true;
  activeControl = &resumeButton;
  messageLabel.visible = !message.empty();
  resumeButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
  // Escape does nothing: stopping the macro takes a deliberate click.
  abortButton.onClick = [] { return FormReply::Close(ModalResult::Cancel); };
}

}  // namespace tavrix
