// Quick Info (`TQuickInfo`): a macro's activation, nickname, scope, state
// and text at a glance, read from its record.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "store/macro_record.h"

namespace tavrix {

// "Last Modified On 12/7/2026 3:09:51 PM".
std::string LastModifiedText(double lastModified);

// The icon the dialog shows: the menu icon for "MENU", the program icon for
// "MAIN" or a missing file, otherwise the file in the "Icons" folder.
struct QuickInfoIcon {
  enum class Kind { Program, Menu, File } kind = Kind::Program;
  std::string path;  // Kind::File
};
QuickInfoIcon IconOf(const MacroRecord& record, const std::string& programFolder,
                     const std::function<bool(const std::string&)>& fileExists);

// The dialog's lines as it shows them: a label and its value ("Hot Key:",
// "Ctrl+A"); the first is the last-modified line with an empty value. The
// macro text and its label are left out for popup menus and SYSTEM macros.
std::vector<std::pair<std::string, std::string>> QuickInfoLines(const MacroRecord& record);

class TQuickInfo : public Form {
 public:
  explicit TQuickInfo(const MacroRecord& record);

  // Shows `icon` on `iconButton`.
  void ShowIcon(const QuickInfoIcon& shown);

  QuickInfoIcon icon;
  Label modifiedLabel{*this, "ModifiedLabel", {12, 10, 360, 16}};
  Button iconButton{*this, "IconButton", {12, 26, 36, 28}, ""};
  Label activationLabel{*this, "ActivationLabel", {12, 58, 90, 16}};
  Label activationValue{*this, "ActivationValue", {106, 58, 266, 16}};
  Label nicknameLabel{*this, "NicknameLabel", {12, 80, 90, 16}, "Nickname:"};
  Label nicknameValue{*this, "NicknameValue", {106, 80, 266, 16}};
  Label scopeLabel{*this, "ScopeLabel", {12, 102, 90, 16}, "Scope:"};
  Label scopeValue{*this, "ScopeValue", {106, 102, 266, 16}};
  Label activeLabel{*this, "ActiveLabel", {12, 124, 90, 16}, "Active:"};
  Label activeValue{*this, "ActiveValue", {106, 124, 266, 16}};
  Label textLabel{*this, "TextLabel", {12, 146, 90, 16}, "Macro Text:"};
  Label textValue{*this, "TextValue", {106, 146, 266, 64}};
  Button okButton{*this, "OkButton", {150, 220, 75, 25}, "&Ok", ButtonRole::DefaultAndCancel};
};

}  // namespace tavrix
