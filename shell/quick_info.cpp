#include "shell/quick_info.h"

#include <cstdio>

#include "activation/scheduler.h"
#include "base/hot_key_table.h"
#include "store/date_time.h"

namespace tavrix {
namespace {

std::string ScopeText(const MacroRecord& record) {
  const bool topMost = record.TopMostOnly() != 0;
  switch (record.Scope()) {
    case kScopeGlobal: return "GLOBAL";
    case kScopePopupMenu: return "Popup Menu";
    case kScopeSystem: return "SYSTEM";
    case kScopeWindow: return record.ScopeName() + (topMost ? " \"Window\" (Top Most Only)" : " \"Window\" (If Running)");
    case kScopeProgram:
      return record.ScopeName() + (topMost ? " \"Program\" (Top Most Only)" : " \"Program\" (If Running)");
    default: return {};
  }
}

bool ShowsText(const MacroRecord& record) {
  return record.Scope() != kScopePopupMenu && record.Scope() != kScopeSystem;
}

}  // namespace

std::string LastModifiedText(double lastModified) {
  const LocalDateTime t = FromDateTimeValue(lastModified);
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Last Modified On %d/%d/%d %d:%02d:%02d %s", t.month, t.day, t.year, hour12,
                t.minute, t.second, t.hour < 12 ? "AM" : "PM");
  return buffer;
}

QuickInfoIcon IconOf(const MacroRecord& record, const std::string& programFolder,
                     const std::function<bool(const std::string&)>& fileExists) {
  const std::string name = record.IconName();
  if (name == "MENU") return {QuickInfoIcon::Kind::Menu, {}};
  if (name == "MAIN" || name.empty()) return {};
  const std::string path = programFolder + "\\Icons\\" + name;
  if (!fileExists || !fileExists(path)) return {};
  return {QuickInfoIcon::Kind::File, path};
}

std::vector<std::pair<std::string, std::string>> QuickInfoLines(const MacroRecord& record) {
  std::vector<std::pair<std::string, std::string>> lines;
  lines.emplace_back(LastModifiedText(record.LastModified()), "");
  const std::uint16_t code = record.Activation();
  if (code == kTimedActivation) lines.emplace_back("Timed Macro:", GetSched(record));
  else if (code == kWordletActivation) lines.emplace_back("Wordlet:", record.WordletText());
  else lines.emplace_back("Hot Key:", HotKeyName(code));
  lines.emplace_back("Nickname:", record.NickName());
  lines.emplace_back("Scope:", ScopeText(record));
  lines.emplace_back("Active:", record.Active() != 0 ? "Yes" : "No");
  if (ShowsText(record)) lines.emplace_back("Macro Text:", record.MacroText());
  return lines;
}

TQuickInfo::TQuickInfo(const MacroRecord& record) : Form("TQuickInfo", "Quick Info", 384, 255) {
  const auto lines = QuickInfoLines(record);
  modifiedLabel.text = lines[0].first;
  activationLabel.text = lines[1].first;
  activationValue.text = lines[1].second;
  nicknameValue.text = lines[2].second;
  scopeValue.text = lines[3].second;
  activeValue.text = lines[4].second;
  const bool text = ShowsText(record);
  textLabel.visible = textValue.visible = text;
  if (text) textValue.text = lines[5].second;
  activeControl = &okButton;
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
  iconButton.iconSize = 24;
  ShowIcon(icon);
}

void TQuickInfo::ShowIcon(const QuickInfoIcon& shown) {
  icon = shown;
  iconButton.icon = shown.kind == QuickInfoIcon::Kind::File   ? shown.path
                    : shown.kind == QuickInfoIcon::Kind::Menu ? "menu"
                                                              : "program";
}

}  // namespace tavrix
