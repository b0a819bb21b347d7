#include "editing/script_wizard.h"

#include "editing/command_names.h"
#include "editing/text_insertion.h"

namespace tavrix {
namespace {

namespace lk = line_kind;

constexpr std::array<WizardChoice, 16> kChoices{{
    {"&Enter Text, Symbols, Keystrokes", lk::Text},
    {"Mouse Clic&ks, Movements, Wheel", lk::MouseMove},
    {"&Activate / Launch Programs", lk::ActivateOrLaunch},
    {"Launch a &Web Site", lk::WebSite},
    {"Insert &Date (current, past or future)", lk::Date},
    {"Insert &Time", lk::Time},
    {"Macro &Pause", lk::Pause},
    {"E&nter a Comment or Remark", lk::Remark},
    {"&Set Keyboard or Mouse Speed", lk::KeystrokeSpeed},
    {"&Insert a Delay", lk::Delay},
    {"Set a Window Si&ze or Position", lk::ResizeWindow},
    {"&Maximize, Minimize, etc Windows", lk::MinimizeWindow},
    {"&Clipboard Functions (copy, paste)", lk::ClipboardFileCopy},
    {"Pla&y a Sound", lk::SoundWaveFile},
    {"Delete, Copy, Rename &Files, etc", lk::ChangeFolder},
    {"Repeat &Loop", lk::RepeatStart},
}};

}  // namespace

const std::array<WizardChoice, 16>& WizardChoices() { return kChoices; }

std::vector<std::unique_ptr<Button>> TDoWizard::MakeChoiceButtons() {
  std::vector<std::unique_ptr<Button>> buttons;
  for (std::size_t i = 0; i < kChoices.size(); ++i) {
    buttons.push_back(std::make_unique<Button>(*this, "Choice" + PlainCaption(kChoices[i].caption),
                                               Bounds{8, 30 + static_cast<int>(i) * 26, 308, 24}, kChoices[i].caption));
    buttons.back()->onClick = [this, i] { return ChoiceClick(i); };
  }
  return buttons;
}

TDoWizard::TDoWizard(Ui& ui, std::function<bool(int kind)> addLine)
    : Form(kName, "Scripting Wizard", 324, 485), ui_(ui), addLine_(std::move(addLine)) {
  helpKeyword = "Command Wizard";
  activeControl = choiceButtons.front().get();
}

FormReply TDoWizard::ChoiceClick(std::size_t index) {
  if (index >= kChoices.size() || !addLine_ || !addLine_(kChoices[index].kind)) return FormReply::Stay();
  if (ui_.AskYesNo(kWizardAddedCaption, kWizardContinueQuestion)) return FormReply::Stay();
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
