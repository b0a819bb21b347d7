// The texts and the style of the macro list's rows, from the in-memory index
// alone.
#pragma once

#include <array>
#include <string>

#include "store/macro_index.h"

namespace tavrix {

inline constexpr int kMacroListColumns = 4;  // row number, "Activation", "Nickname", "Scope"
inline constexpr std::array<const char*, kMacroListColumns> kMacroListHeaders{"", "Activation", "Nickname", "Scope"};

// "Timed Macro", the Wordlet text, or the hot key name.
std::string ActivationCellText(const MacroIndex& index, int n);
std::string NicknameCellText(const MacroIndex& index, int n);
// "GLOBAL", "Popup Menu", "SYSTEM", or "Program: " / "Window: " followed by
// the table's 20-character scope name.
std::string ScopeCellText(const MacroIndex& index, int n);

// One row of the list: macro n shown in row `row` (1-based).
struct MacroListRow {
  std::array<std::string, kMacroListColumns> cells;
  bool deactivated = false;
  // A deactivated macro is drawn in grey italics, except its row number.
  bool Upright(int column) const { return !deactivated || column == 0; }
};
MacroListRow ListRow(const MacroIndex& index, int row, int n);

}  // namespace tavrix
