#include "shell/main_buttons.h"

namespace tavrix {
namespace {

constexpr PanelButton kPanel[] = {
    {Command::AddMacro, "&Add Macro"},
    {Command::CopyMacro, "Cop&y Macro"},
    {Command::ScriptingEditor, "&Scripting Editor"},
    {Command::ModifyDirectly, kModifyDirectlyCaption},
    {Command::RecaptureMacro, "Re&capture Macro"},
    {Command::RenameMacro, "Re&name Macro"},
    {Command::ActivateMacro, kActivateCaption},
    {Command::RemoveMacro, "R&emove Macro"},
};

constexpr ToolButton kTools[] = {
    {Command::NewFile, "New Macro File"},
    {Command::OpenFile, "Open Macro File"},
    {Command::AddMacro, "Add Macro"},
    {Command::ScriptingEditor, "Modify Macro Using Scripting Editor"},
    {Command::ModifyDirectly, "Modify Macro Directly"},
    {Command::RecaptureMacro, "Recapture Macro"},
    {Command::RenameMacro, "Rename Macro"},
    {Command::CopyMacro, "Copy Macro"},
    {Command::ActivateMacro, "Activate Macro"},
    {Command::RemoveMacro, "Delete Macro"},
    {Command::ImportMacros, "Import Macros"},
    {Command::ExportMacros, "Export Macros"},
    {Command::PrintMacroList, "Print Macro List"},
    {Command::Appearance, "Appearance"},
    {Command::Sort, "Sort Order"},
    {Command::HelpContents, "Help"},
};

}  // namespace

std::span<const PanelButton> LetterPanelButtons() { return kPanel; }
std::span<const ToolButton> ToolButtons() { return kTools; }

std::string PanelCaption(Command command, const std::string& menuCaption) {
  for (const PanelButton& button : kPanel) {
    if (button.command != command) continue;
    // These two read as their menu entries do.
    if (command == Command::ActivateMacro || command == Command::ModifyDirectly) return menuCaption;
    return button.caption;
  }
  return {};
}

std::string ToolHint(Command command, const std::string& menuCaption) {
  if (command == Command::ActivateMacro)
    return menuCaption == kDeactivateCaption ? "Deactivate Macro" : "Activate Macro";
  if (command == Command::ModifyDirectly)
    return menuCaption == kModifyPopupMenuCaption ? "Modify Macro Popup Menu" : "Modify Macro Directly";
  for (const ToolButton& button : kTools)
    if (button.command == command) return button.hint;
  return {};
}

}  // namespace tavrix
