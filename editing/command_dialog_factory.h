// The command dialog that builds a line of each kind, wired to the desktop,
// the file checks and the boxes it needs; shared by the script editor and
// the direct editor's command buttons.
#pragma once

#include <memory>

#include "editing/command_dialog.h"
#include "editing/file_checks.h"
#include "platform/desktop.h"
#include "platform/ui.h"

namespace tavrix {

// The dialog of `kind` (a line kind); `newLine` for a command not yet in
// the macro (the web dialog then starts with its prefix).
std::unique_ptr<CommandDialog> CommandDialogFor(int kind, bool newLine, Ui& ui, Desktop& desktop, FileChecks& files);

// Whether a new line of `kind` starts with the dialog preset to that kind
// (the text, file, remark and web dialogs start empty instead).
bool PresetForNewLine(int kind);

}  // namespace tavrix
