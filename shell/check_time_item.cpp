#include "shell/check_time_item.h"

#include "shell/main_commands.h"
#include "store/macro_record.h"

namespace tavrix {

SelectedMacroCommands CheckTimeItem(const MacroIndex& index, int selected, bool browse) {
  SelectedMacroCommands offered;
  if (selected < 1 || selected > index.Count()) {
    const bool any = !browse && index.Count() > 0;
    offered.recapture = offered.scriptingEditor = offered.copy = any;
    offered.modifyDirectly = offered.remove = offered.activate = any;
    return offered;
  }
  const SharedMacroTable& table = index.table();
  const bool popupMenu = table.Scope(selected) == kScopePopupMenu;
  offered.modifyCaption = popupMenu ? kModifyPopupMenuCaption : kModifyDirectlyCaption;
  // In browse mode a click on a row leaves the entry's caption alone.
  if (!browse) offered.activateCaption = table.Active(selected) != 0 ? kDeactivateCaption : kActivateCaption;
  if (browse || table.Scope(selected) == kScopeSystem) return offered;

  offered.copy = offered.modifyDirectly = offered.remove = offered.activate = true;
  offered.recapture = !popupMenu && table.Activation(selected) != kTimedActivation;
  offered.scriptingEditor = !popupMenu;
  return offered;
}

}  // namespace tavrix
