// The texts of the macro list's cells, from the in-memory index alone.
#pragma once

#include <string>

#include "store/macro_index.h"

namespace tavrix {

// "Timed Macro", the Wordlet text, or the hot key name.
std::string ActivationCellText(const MacroIndex& index, int n);
std::string NicknameCellText(const MacroIndex& index, int n);
// "GLOBAL", "Popup Menu", "SYSTEM", or "Program: " / "Window: " followed by
// the table's 20-character scope name.
std::string ScopeCellText(const MacroIndex& index, int n);

}  // namespace tavrix
