#include "shell/do_activate.h"

#include "shell/macro_output.h"
#include "store/set_hot_keys.h"

namespace tavrix {

bool DoActivate(MacroFile& file, Ui& ui, FileLockHolder& lock, int n) {
  MacroIndex& index = file.index();
  if (index.Count() == 0) {
    ui.ShowMessage("Error", kNoHotKeysText);
    return false;
  }
  if (n < 1 || n > index.Count()) {
    ui.ShowMessage("Error", "No hot key selected.  Please select one.");
    return false;
  }
  SyncFileHold hold(lock);
  if (!hold.Taken()) return false;
  // The disk goes first: a flag the file did not take must not show as changed.
  SharedMacroTable& table = index.table();
  const std::uint8_t flipped = table.Active(n) != 0 ? 0 : 1;
  if (!file.SetActiveOnDisk(n, flipped)) return false;
  hold.Changed();
  table.SetActive(n, flipped);
  file.hooks().TvxUpItem(table.bytes(), static_cast<std::uint16_t>(n));
  SetHotKeys(table, file.hooks());
  return true;
}

}  // namespace tavrix
