#include "platform/form.h"

namespace tavrix {

Control::Control(Form& form, ControlKind kind, std::string name, Bounds bounds, std::string text)
    : kind(kind), name(std::move(name)), bounds(bounds), text(std::move(text)) {
  form.controls_.push_back(this);
}

Form::Form(std::string name, std::string caption, int clientWidth, int clientHeight)
    : caption(std::move(caption)), clientWidth(clientWidth), clientHeight(clientHeight), name_(std::move(name)) {}

Control* Form::Find(std::string_view controlName) const {
  for (Control* control : controls_) {
    if (control->name == controlName) return control;
  }
  return nullptr;
}

FormReply Form::Run(const Handler& handler) {
  if (!handler) return FormReply::Stay();
  FormReply reply = handler();
  if (reply.kind == FormReply::Kind::Close) modalResult = reply.result;
  return reply;
}

FormReply Form::Clicked(Control& control) {
  if (control.onClick) return Run(control.onClick);
  const auto* button = control.kind == ControlKind::Button ? static_cast<const Button*>(&control) : nullptr;
  if (button != nullptr && button->IsCancel()) return Run([] { return FormReply::Close(ModalResult::Cancel); });
  return FormReply::Stay();
}

Button* Form::ButtonWith(bool (Button::*role)() const) const {
  for (Control* control : controls_) {
    if (control->kind != ControlKind::Button || !control->enabled || !control->visible) continue;
    auto* button = static_cast<Button*>(control);
    if ((button->*role)()) return button;
  }
  return nullptr;
}

FormReply Form::PressEnter() {
  Button* button = ButtonWith(&Button::IsDefault);
  return button != nullptr ? Clicked(*button) : FormReply::Stay();
}

FormReply Form::PressEscape() {
  Button* button = ButtonWith(&Button::IsCancel);
  return button != nullptr ? Clicked(*button) : FormReply::Stay();
}

FormReply Form::Click(Control& control) {
  if (control.kind == ControlKind::CheckBox) {
    auto& box = static_cast<CheckBox&>(control);
    box.checked = !box.checked;
  } else if (control.kind == ControlKind::RadioButton) {
    auto& chosen = static_cast<RadioButton&>(control);
    for (Control* other : controls_) {
      if (other->kind != ControlKind::RadioButton) continue;
      auto& radio = static_cast<RadioButton&>(*other);
      if (radio.group == chosen.group) radio.checked = &radio == &chosen;
    }
  }
  return Clicked(control);
}

}  // namespace tavrix
