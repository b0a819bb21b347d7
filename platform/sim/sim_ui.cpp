#include "platform/sim/sim_ui.h"

#include <algorithm>

#include "platform/on_top_message.h"

namespace tavrix {

namespace {

template <typename T>
T TakeOr(std::deque<T>& queue, const T& fallback) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

constexpr int kSimCharacterWidth = 6;
constexpr int kSimLineHeight = 13;

}  // namespace

SimUi::SimUi(SimTrace& trace)
    : trace_(trace), measure_([](std::string_view text) {
        return TextSize{static_cast<int>(text.size()) * kSimCharacterWidth, kSimLineHeight};
      }) {}

void SimUi::AnswerForm(const std::string& formName, FormScript script) {
  formScripts_[formName].push_back(std::move(script));
}

void SimUi::AnswerFormAlways(const std::string& formName, FormScript script) {
  alwaysScripts_[formName] = std::move(script);
}

SimUi::FormScript SimUi::Answer(std::string click, std::vector<std::pair<std::string, std::string>> texts) {
  return [this, click = std::move(click), texts = std::move(texts)](Form& form) {
    for (const auto& [name, text] : texts) {
      if (Control* control = form.Find(name)) control->text = text;
    }
    if (Control* control = form.Find(click)) Click(form, *control);
  };
}

FormReply SimUi::Click(Form& form, Control& control) {
  FormReply reply = form.Click(control);
  Report(reply);
  return reply;
}

FormReply SimUi::ChooseMenu(Form& form, std::string_view entryCaption, std::string_view itemCaption) {
  FormMenuItem* item = form.FindMenuItem(entryCaption, itemCaption);
  if (item == nullptr) {
    trace_.Add("no menu item " + std::string(entryCaption) + " > " + std::string(itemCaption));
    return FormReply::Stay();
  }
  FormReply reply = form.ChooseMenuItem(*item, clipboard);
  Report(reply);
  return reply;
}

SimUi::FormScript SimUi::ScriptFor(const std::string& formName) {
  auto queued = formScripts_.find(formName);
  if (queued != formScripts_.end() && !queued->second.empty()) return TakeOr(queued->second, FormScript());
  auto always = alwaysScripts_.find(formName);
  return always != alwaysScripts_.end() ? always->second : FormScript();
}

std::vector<SimUi::ShownForm> SimUi::Shown(const std::string& formName) const {
  std::vector<ShownForm> named;
  std::copy_if(shown_.begin(), shown_.end(), std::back_inserter(named),
               [&](const ShownForm& form) { return form.name == formName; });
  return named;
}

void SimUi::Report(const FormReply& reply) {
  if (reply.kind == FormReply::Kind::Refuse) ShowMessage(reply.caption, reply.message);
  if (reply.kind == FormReply::Kind::Help) trace_.Add("help " + EscapeTraceText(reply.message));
}

void SimUi::ShowMessage(const std::string& caption, const std::string& text) {
  trace_.Add("message " + EscapeTraceText(caption) + ": " + EscapeTraceText(text));
}

bool SimUi::AskYesNo(const std::string& caption, const std::string& text) {
  trace_.Add("question " + EscapeTraceText(caption) + ": " + EscapeTraceText(text));
  return TakeOr(yesNoAnswers_, defaultYesNo_);
}

ModalResult SimUi::RunForm(Form& form) {
  form.modalResult = ModalResult::None;
  form.FormShow(measure_);
  form.focused = form.activeControl;
  if (form.Name() == TOnTopMessage::kName) {
    ShowMessage(form.caption, static_cast<const TOnTopMessage&>(form).messageLabel.text);
  } else {
    std::string line = "form " + form.Name() + " \"" + EscapeTraceText(form.caption) + "\"";
    if (form.position) line += " at " + std::to_string(form.position->left) + "," + std::to_string(form.position->top);
    trace_.Add(line);
  }
  ShownForm seen{form.Name(), form.caption, form.position, form.clientWidth, form.clientHeight, {}, {}};
  for (const Control* control : form.Controls()) {
    seen.texts[control->name] = control->text;
    if (control->kind == ControlKind::Grid) seen.selectedCells[control->name] = static_cast<const Grid*>(control)->selected;
  }
  shown_.push_back(std::move(seen));

  openForms_.push_back(&form);
  if (FormScript script = ScriptFor(form.Name())) script(form);
  if (!form.Closed()) {
    const FormReply reply = form.PressCloseBox();
    Report(reply);
  }
  if (!form.Closed()) form.modalResult = ModalResult::Cancel;
  openForms_.pop_back();
  return form.modalResult;
}

void SimUi::EndForm(Form& form, ModalResult result) {
  ++endFormRequests_;
  if (std::find(openForms_.begin(), openForms_.end(), &form) != openForms_.end() && !form.Closed()) {
    form.modalResult = result;
  }
}

void SimUi::EndAllForms() {
  for (auto open = openForms_.rbegin(); open != openForms_.rend(); ++open) EndForm(**open, ModalResult::Cancel);
}

std::optional<std::string> SimUi::AskFileName(const FileDialogRequest& request) {
  trace_.Add("filedialog " + EscapeTraceText(request.title));
  return TakeOr(fileNames_, std::optional<std::string>());
}

}  // namespace tavrix
