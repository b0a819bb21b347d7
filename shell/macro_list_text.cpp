#include "shell/macro_list_text.h"

#include "base/hot_key_table.h"
#include "store/macro_record.h"

namespace tavrix {

std::string ActivationCellText(const MacroIndex& index, int n) {
  const std::uint16_t code = index.table().Activation(n);
  if (code == kTimedActivation) return "Timed Macro";
  if (code == kWordletActivation) return index.Wordlet(n);
  return HotKeyName(code);  // empty for a code no hot key has
}

std::string NicknameCellText(const MacroIndex& index, int n) { return index.NickName(n); }

std::string ScopeCellText(const MacroIndex& index, int n) {
  const SharedMacroTable& table = index.table();
  switch (table.Scope(n)) {
    case kScopeGlobal: return "GLOBAL";
    case kScopePopupMenu: return "Popup Menu";
    case kScopeSystem: return "SYSTEM";
    case kScopeProgram: return "Program: " + table.ScopeName(n);
    case kScopeWindow: return "Window: " + table.ScopeName(n);
    default: return {};
  }
}

MacroListRow ListRow(const MacroIndex& index, int row, int n) {
  MacroListRow shown;
  shown.cells = {std::to_string(row), ActivationCellText(index, n), NicknameCellText(index, n),
                 ScopeCellText(index, n)};
  shown.deactivated = n >= 1 && n <= index.Count() && index.table().Active(n) == 0;
  return shown;
}

}  // namespace tavrix
