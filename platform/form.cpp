#include "platform/form.h"

#include <algorithm>
#include <cctype>

namespace tavrix {
namespace {

std::string WithoutAmpersands(std::string_view caption) {
  std::string plain(caption);
  plain.erase(std::remove(plain.begin(), plain.end(), '&'), plain.end());
  return plain;
}

bool SameCaption(std::string_view a, std::string_view b) { return WithoutAmpersands(a) == WithoutAmpersands(b); }

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The virtual key of a shortcut's last part; 0 when it names none.
int KeyOfName(std::string_view name) {
  constexpr int kF1 = 0x70;
  if (name.size() == 1) {
    const auto c = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
    return std::isalnum(c) ? c : 0;
  }
  if (SameWord(name, "Del") || SameWord(name, "Delete")) return 0x2E;
  if (SameWord(name, "Ins") || SameWord(name, "Insert")) return 0x2D;
  if (SameWord(name, "Space")) return 0x20;
  if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
    int n = 0;
    for (const char c : name.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
      n = n * 10 + (c - '0');
    }
    if (n >= 1 && n <= 12) return kF1 + n - 1;
  }
  return 0;
}

}  // namespace

std::optional<Shortcut> ParseShortcut(std::string_view text) {
  Shortcut shortcut;
  for (;;) {
    const std::size_t plus = text.find('+');
    // A last part of "+" alone is no key this reads.
    if (plus == std::string_view::npos || plus + 1 == text.size()) break;
    const std::string_view modifier = text.substr(0, plus);
    if (SameWord(modifier, "Ctrl")) {
      shortcut.ctrl = true;
    } else if (SameWord(modifier, "Shift")) {
      shortcut.shift = true;
    } else if (SameWord(modifier, "Alt")) {
      shortcut.alt = true;
    } else {
      return std::nullopt;
    }
    text.remove_prefix(plus + 1);
  }
  shortcut.virtualKey = KeyOfName(text);
  if (shortcut.virtualKey == 0) return std::nullopt;
  return shortcut;
}

void ApplyEditAction(EditAction action, Edit& field, std::string& clipboard) {
  const std::size_t start = std::min(static_cast<std::size_t>(std::max(field.selStart, 0)), field.text.size());
  const std::size_t length = std::min(static_cast<std::size_t>(std::max(field.selLength, 0)), field.text.size() - start);
  const std::string selected = field.text.substr(start, length);
  std::string inserted;
  switch (action) {
    case EditAction::None:
      return;
    case EditAction::Copy:
      if (length > 0) clipboard = selected;
      return;
    case EditAction::Cut:
      if (length == 0) return;
      clipboard = selected;
      break;
    case EditAction::Delete:
      if (length == 0) return;
      break;
    case EditAction::Paste:
      inserted = clipboard;
      if (field.maxLength > 0) {
        const std::size_t room = static_cast<std::size_t>(field.maxLength) - std::min(
            static_cast<std::size_t>(field.maxLength), field.text.size() - length);
        if (inserted.size() > room) inserted.resize(room);
      }
      break;
  }
  field.text.replace(start, length, inserted);
  field.selStart = static_cast<int>(start + inserted.size());
  field.selLength = 0;
}


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
  if (reply.focus != nullptr) {
    auto named = std::find(controls_.begin(), controls_.end(), reply.focus);
    if (named != controls_.end()) focused = *named;
  }
  return reply;
}

FormReply Form::Clicked(Control& control) {
  if (control.onClick) return Run(control.onClick);
  const auto* button = control.kind == ControlKind::Button ? static_cast<const Button*>(&control) : nullptr;
  if (button != nullptr && button->IsCancel()) return Run([] { return FormReply::Close(ModalResult::Cancel); });
  if (button != nullptr && button->role == ButtonRole::Help) return FormReply::Help(HelpKeyword());
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

FormReply Form::PressHelp() {
  Button* button = ButtonWith(&Button::IsHelp);
  return button != nullptr ? Clicked(*button) : FormReply::Help("");
}

FormReply Form::PressEscape() {
  Button* button = ButtonWith(&Button::IsCancel);
  return button != nullptr ? Clicked(*button) : FormReply::Stay();
}

FormReply Form::Click(Control& control) {
  focused = &control;
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

FormMenuItem* Form::FindMenuItem(std::string_view entryCaption, std::string_view itemCaption) {
  for (FormMenu& entry : menu) {
    if (!SameCaption(entry.caption, entryCaption)) continue;
    for (FormMenuItem& item : entry.items) {
      if (!item.IsSeparator() && SameCaption(item.caption, itemCaption)) return &item;
    }
  }
  return nullptr;
}

FormReply Form::ChooseMenuItem(FormMenuItem& item, std::string& clipboard) {
  if (item.editAction == EditAction::None) return Run(item.onClick);
  if (focused != nullptr && focused->kind == ControlKind::Edit) {
    auto& field = static_cast<Edit&>(*focused);
    // A hot key field shows a key's name; nothing is typed into it.
    if (!field.IsHotKeyField() || item.editAction == EditAction::Copy) {
      const std::string before = field.text;
      ApplyEditAction(item.editAction, field, clipboard);
      if (field.text != before) return Changed(field);
    }
  }
  return FormReply::Stay();
}

FormMenuItem Form::TwinOf(Button& button, std::string caption, std::string shortcut) {
  FormMenuItem item;
  item.caption = caption.empty() ? button.text : std::move(caption);
  item.shortcut = std::move(shortcut);
  item.onClick = [this, &button] { return Clicked(button); };
  return item;
}

}  // namespace tavrix
