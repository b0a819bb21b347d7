// The two rows of buttons the main window can show above its list (which one
// is "Use Speed"): the letter panel's captioned buttons and the toolbar's
// buttons with their hints. Each button is a command of the menus and
// follows its menu entry: enabled with it, and the entries whose captions
// change take the button's caption and hint with them.
#pragma once

#include <span>
#include <string>

#include "shell/main_commands.h"

namespace tavrix {

struct PanelButton {
  Command command;
  const char* caption;
};
struct ToolButton {
  Command command;
  const char* hint;
};

std::span<const PanelButton> LetterPanelButtons();
std::span<const ToolButton> ToolButtons();

// The letter panel's caption of `command` while its menu entry reads
// `menuCaption`; empty when the panel has no such button.
std::string PanelCaption(Command command, const std::string& menuCaption);
// The hint of the tool button of `command` while its menu entry reads
// `menuCaption`; empty when the toolbar has no such button.
std::string ToolHint(Command command, const std::string& menuCaption);

}  // namespace tavrix
