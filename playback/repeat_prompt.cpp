#include "playback/repeat_prompt.h"

#include <algorithm>

#include "platform/repeat_count_text.h"

namespace tavrix {
namespace {

constexpr int kMargin = 8;
constexpr int kLabelToEdit = 4;
constexpr int kEditWidth = 58;
constexpr int kEditHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 24;
constexpr int kEditTop = 6;
constexpr int kEditToButton = 3;
// Room an edit and a button need around their text: borders and padding.
constexpr int kEditPadding = 8;
constexpr int kButtonPadding = 10;

}  // namespace

TRepeatPrompt::TRepeatPrompt()
    : Form(kName, "Macro Repeat", kClientWidth, kClientHeight),
      timesLabel(*this, "TimesLabel", {kMargin, 10, 88, 16}, "Times To Repeat"),
      countEdit(*this, "CountEdit", {100, kEditTop, kEditWidth, kEditHeight}, 4),
      okButton(*this, "OkButton", {46, 30, kButtonWidth, kButtonHeight}, "&Ok", ButtonRole::DefaultAndCancel) {
  activeControl = &countEdit;
  okButton.onClick = [this] { return OkButtonClick(); };
}

// One row of label and edit, the button centred below: every size comes
// from the measured texts, never smaller than the box's own proportions.
void TRepeatPrompt::FormShow(const TextMeasure& measure) {
  const TextSize label = measure(timesLabel.text);
  const TextSize digits = measure("0000");
  const TextSize ok = measure("Ok");

  const int editHeight = std::max(kEditHeight, digits.height + kEditPadding);
  const int editWidth = std::max(kEditWidth, digits.width + kEditPadding);
  const int rowHeight = std::max(editHeight, label.height);
  const int rowTop = kEditTop;
  timesLabel.bounds = {kMargin, rowTop + (rowHeight - label.height) / 2, label.width, label.height};
  countEdit.bounds = {timesLabel.bounds.Right() + kLabelToEdit, rowTop + (rowHeight - editHeight) / 2, editWidth,
                      editHeight};

  const int buttonWidth = std::max(kButtonWidth, ok.width + 2 * kButtonPadding);
  const int buttonHeight = std::max(kButtonHeight, ok.height + kButtonPadding);
  clientWidth = std::max(kClientWidth, countEdit.bounds.Right() + kMargin + 1);
  const int buttonTop = rowTop + rowHeight + kEditToButton;
  okButton.bounds = {(clientWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight};
  clientHeight = std::max(kClientHeight, okButton.bounds.Bottom() + 2);
}

FormReply TRepeatPrompt::OkButtonClick() {
  const std::optional<std::uint16_t> entered = RepeatCountFromText(countEdit.text);
  if (!entered) return FormReply::Refuse("Error", "Invalid numeric value entered.  Please Correct", countEdit);
  count = *entered;
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
