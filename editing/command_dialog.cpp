#include "editing/command_dialog.h"

#include <cstdio>

#include "editing/script_compile.h"
#include "playback/field_conversion.h"

namespace tavrix {

namespace {
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr std::size_t kTagCapacity = 255;
}  // namespace

DialogButtons::DialogButtons(Form& form, int top)
    : ok(form, "OkButton", {8, top, kButtonWidth, kButtonHeight}, "&Ok", ButtonRole::Default),
      cancel(form, "CancelButton", {91, top, kButtonWidth, kButtonHeight}, "&Cancel", ButtonRole::Cancel),
      help(form, "HelpButton", {174, top, kButtonWidth, kButtonHeight}, "&Help", ButtonRole::Help) {}

FormReply CommandDialog::Accept(std::string tag, int kind, ScriptRecord values) {
  tagText = tag.substr(0, kTagCapacity);
  lineKind = kind;
  record = std::move(values);
  return FormReply::Close(ModalResult::Ok);
}

std::string TrimmedText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::optional<long long> WholeNumberIn(std::string_view text) {
  const std::string trimmed = TrimmedText(text);
  if (trimmed.empty() || trimmed.size() > 9) return std::nullopt;
  long long value = 0;
  for (const char c : trimmed) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<double> DecimalIn(std::string_view text) { return WholeDecimal(TrimmedText(text)); }

std::string TwoDecimals5(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  const std::string text = buffer;
  return text.size() < 5 ? std::string(5 - text.size(), '0') + text : text;
}

int CheckedIndex(std::initializer_list<const RadioButton*> radios) {
  int index = 0;
  for (const RadioButton* radio : radios) {
    ++index;
    if (radio->checked) return index;
  }
  return 0;
}

void CheckIndex(std::initializer_list<RadioButton*> radios, int index) {
  int at = 0;
  for (RadioButton* radio : radios) radio->checked = ++at == index;
}

std::string NumberText(double value, bool decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, decimals ? "%.2f" : "%.0f", value);
  return buffer;
}

}  // namespace tavrix
