#include "platform/on_top_message.h"

namespace tavrix {
namespace {

constexpr int kClientWidth = 235;
constexpr int kClientHeight = 130;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace

TOnTopMessage::TOnTopMessage(std::string caption, std::string text)
    : Form(kName, std::move(caption), kClientWidth, kClientHeight),
      messageLabel(*this, "MessageLabel", {kMargin, kMargin, kClientWidth - 2 * kMargin, 80}, std::move(text)),
      okButton(*this, "OkButton", {(kClientWidth - kButtonWidth) / 2, 98, kButtonWidth, kButtonHeight}, "&Ok",
               ButtonRole::DefaultAndCancel) {
  topMost = true;
  activeControl = &okButton;
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
}

}  // namespace tavrix
