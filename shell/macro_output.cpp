#include "shell/macro_output.h"

#include <cstdio>

#include "activation/scheduler.h"
#include "base/hot_key_table.h"
#include "store/file_access.h"

namespace tavrix {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string IconLine(const MacroRecord& record) {
  if (record.Scope() == kScopeSystem) return "Icon: (None)";
  const std::string icon = record.IconName();
  if (icon == "MAIN") return "Icon: (Default Icon)";
  if (icon == "MENU") return "Icon: (Default Menu Icon)";
  return "Icon: " + icon;
}

std::string ActivationLine(const MacroRecord& record) {
  const std::uint16_t code = record.Activation();
  if (code == kTimedActivation) return "Timed Macro";
  if (code == kWordletActivation) return "Wordlet: " + record.WordletText();
  return "Hot Key: " + HotKeyName(code);
}

std::string ScopeLine(const MacroRecord& record) {
  const std::string where = record.TopMostOnly() != 0 ? ", Top Most Only" : ", If Active";
  switch (record.Scope()) {
    case kScopeGlobal: return "Scope: GLOBAL";
    case kScopePopupMenu: return "Scope: Popup Menu";
    case kScopeSystem: return "Scope: SYSTEM";
    case kScopeWindow: return "Window: " + record.ScopeName() + where;
    case kScopeProgram: return "Program: " + record.ScopeName() + where;
    default: return "Scope: ";
  }
}

}  // namespace

std::optional<OutputItems> ParseOutputItems(std::string_view words) {
  OutputItems items{false, false, false, false, false, false};
  while (!words.empty()) {
    const std::size_t comma = words.find(',');
    const std::string_view word = words.substr(0, comma);
    if (word == "icon") items.icon = true;
    else if (word == "hotkey") items.hotKey = true;
    else if (word == "name") items.name = true;
    else if (word == "window") items.window = true;
    else if (word == "schedule") items.schedule = true;
    else if (word == "text") items.text = true;
    else return std::nullopt;
    if (comma == std::string_view::npos) break;
    words.remove_prefix(comma + 1);
  }
  if (!items.Any()) return std::nullopt;
  return items;
}

std::string MacroOutputText(const MacroRecord& record, const OutputItems& items) {
  std::string out;
  const auto line = [&out](const std::string& text) { out += text + kLineEnd; };
  const std::int16_t scope = record.Scope();
  if (items.icon) line(IconLine(record));
  if (items.hotKey) line(ActivationLine(record));
  if (items.name) line("Name: " + record.NickName());
  if (items.window) line(ScopeLine(record));
  if (items.schedule && record.Activation() == kTimedActivation) line("Schedule: " + GetSched(record));
  if (items.text && scope != kScopePopupMenu && scope != kScopeSystem) line("Text: " + record.MacroText());
  out += kLineEnd;
  return out;
}

bool WriteMacroOutput(const MacroFile& file, const std::vector<int>& rowMap, const OutputItems& items,
                      const std::string& path) {
  std::string text;
  MacroRecord record;
  for (const int n : rowMap) {
    if (!file.ReadRecord(n, record)) return false;
    text += MacroOutputText(record, items);
  }
  // Written beside under one fixed name and then put in place: a failure
  // leaves the old file, and what a crash leaves beside is overwritten by
  // the next output instead of piling up.
  return ReplaceWholeFile(SystemFileAccess(), path, text);
}

TDoOutput::TDoOutput() : Form("TDoOutput", "Output Macro Information", 282, 145) {
  for (CheckBox* box : {&iconBox, &hotKeyBox, &nameBox, &windowBox, &scheduleBox, &textBox}) box->checked = true;
  activeControl = &okButton;
  okButton.onClick = [this] { return OkButtonClick(); };
}

OutputItems TDoOutput::Items() const {
  return OutputItems{iconBox.checked,   hotKeyBox.checked,   nameBox.checked,
                     windowBox.checked, scheduleBox.checked, textBox.checked};
}

FormReply TDoOutput::OkButtonClick() {
  if (!Items().Any()) return FormReply::Refuse("Error", kNothingCheckedText, iconBox);
  return FormReply::Close(ModalResult::Ok);
}

}  // namespace tavrix
