// The modal boxes of the simulated desktop: every box answers at once from a
// script the test sets up beforehand and writes one line to the trace:
// "form <name> \"<caption>\"" (with " at <left>,<top>" for a placed form),
// "message <caption>: <text>" (also for a form's refusal and for the
// top-most message, which a test reads as a message), "question
// <caption>: <text>", "filedialog <title>".
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/form_grid.h"
#include "platform/sim/sim_trace.h"
#include "platform/ui.h"

namespace tavrix {

class SimUi : public Ui {
 public:
  // What a user does with a form while it is open. A form the script leaves
  // open is closed with its close box (and with Cancel if that refuses).
  using FormScript = std::function<void(Form&)>;

  // What a form looked like when it showed (after its FormShow).
  struct ShownForm {
    std::string name;
    std::string caption;
    std::optional<Point> position;
    int clientWidth = 0;
    int clientHeight = 0;
    std::map<std::string, std::string> texts;  // control name -> text
    std::map<std::string, GridCell> selectedCells;  // grid name -> its selected cell
  };

  explicit SimUi(SimTrace& trace);

  // --- Scripted answers --------------------------------------------------------
  // A script for the next form of that name; queued scripts are used once, in
  // order, and then the one set with AnswerFormAlways (if any).
  void AnswerForm(const std::string& formName, FormScript script);
  void AnswerFormAlways(const std::string& formName, FormScript script);
  // A script that types `texts` into the named controls and clicks the
  // control named `click`.
  FormScript Answer(std::string click, std::vector<std::pair<std::string, std::string>> texts = {});
  // A click as the user makes it; a refusal shows its message in the trace,
  // a Help button writes "help KEYWORD".
  FormReply Click(Form& form, Control& control);
  // A menu item chosen as the user chooses it, named by the captions of its
  // menu and its own (with or without "&"); its edit actions use
  // `clipboard`. A refusal shows its message; a missing item writes
  // "no menu item <menu> > <item>" to the trace and does nothing.
  FormReply ChooseMenu(Form& form, std::string_view entryCaption, std::string_view itemCaption);
  // What the forms' Edit menus cut, copy and paste.
  std::string clipboard;
  void QueueYesNo(bool yes) { yesNoAnswers_.push_back(yes); }
  void SetDefaultYesNo(bool yes) { defaultYesNo_ = yes; }
  void QueueFileName(std::optional<std::string> path) { fileNames_.push_back(std::move(path)); }
  // The font forms are laid out in: by default 6 pixels a character, 13 high.
  void SetTextMeasure(TextMeasure measure) { measure_ = std::move(measure); }

  // --- What was shown ---------------------------------------------------------
  const std::vector<ShownForm>& Shown() const { return shown_; }
  std::vector<ShownForm> Shown(const std::string& formName) const;
  int EndFormRequests() const { return endFormRequests_; }

  // --- Ui ------------------------------------------------------------------------
  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  ModalResult RunForm(Form& form) override;
  void EndForm(Form& form, ModalResult result) override;
  void EndAllForms() override;
  std::optional<std::string> AskFileName(const FileDialogRequest& request) override;

 private:
  FormScript ScriptFor(const std::string& formName);
  // A refusal's message box, or "help KEYWORD" for a Help button.
  void Report(const FormReply& reply);

  SimTrace& trace_;
  std::map<std::string, std::deque<FormScript>> formScripts_;
  std::map<std::string, FormScript> alwaysScripts_;
  TextMeasure measure_;
  std::vector<Form*> openForms_;
  std::deque<bool> yesNoAnswers_;
  bool defaultYesNo_ = false;
  std::deque<std::optional<std::string>> fileNames_;
  std::vector<ShownForm> shown_;
  int endFormRequests_ = 0;
};

}  // namespace tavrix
