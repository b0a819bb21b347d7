// "Scripting Wizard" (`TDoWizard`): sixteen common commands, each added to
// the end of the open script editor through its dialog, one at a time.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/ui.h"

namespace tavrix {

struct WizardChoice {
  const char* caption;  // its "&" letter is the Alt shortcut
  int kind;             // the kind of line it adds, with that kind's preset
};
// The choices in their order.
const std::array<WizardChoice, 16>& WizardChoices();

inline constexpr const char* kWizardAddedCaption = "Added";
inline constexpr const char* kWizardContinueQuestion = "Macro object successfully added.  Continue with wizard?";

class TDoWizard : public Form {
 public:
  static constexpr const char* kName = "TDoWizard";
  // `addLine` runs the editor's add operation for a kind at the end of the
  // script and answers whether its dialog was accepted.
  TDoWizard(Ui& ui, std::function<bool(int kind)> addLine);

  // A choice: its line through the editor; after an accepted one the user
  // says whether to go on (No closes the wizard).
  FormReply ChoiceClick(std::size_t index);

  Label questionLabel{*this, "QuestionLabel", {8, 8, 300, 16}, "What would you like to do?"};
  std::vector<std::unique_ptr<Button>> choiceButtons = MakeChoiceButtons();
  Button exitButton{*this, "ExitButton", {8, 452, 100, 25}, "E&xit", ButtonRole::Cancel};
  Button helpButton{*this, "HelpButton", {216, 452, 100, 25}, "&Help", ButtonRole::Help};

 private:
  std::vector<std::unique_ptr<Button>> MakeChoiceButtons();

  Ui& ui_;
  std::function<bool(int)> addLine_;
};

}  // namespace tavrix
