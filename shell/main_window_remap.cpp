// The main window's part in key remapping: "&Remap", and the swap hook
// following the tables of each macro file loaded.
#include <algorithm>
#include <array>

#include "activation/key_remapping.h"
#include "shell/main_window.h"
#include "shell/main_window_engine.h"
#include "store/key_swap_file.h"

namespace tavrix {

void TMainWin::Engine::RemapClick() {
  const SwapHookChange change = MenuRemapClick(RemapRequest{
      env.ui, *this, env.hooks, keySwap, swapHook, SwapFileName(file.Path()), modes.browse,
      env.desktop.ScreenWidth(), env.desktop.ScreenHeight()});
  if (change == SwapHookChange::NotInstalled) Checked(0, "key swap", false);
  swapsInUse = SwapsInUse(keySwap.SwapTables());
  // The file is ours again when it holds the tables in force (the remapper
  // saved them); anything else came from elsewhere and is loaded later.
  std::array<std::uint8_t, kSwapTablesSize> saved{};
  const std::string swapFile = SwapFileName(file.Path());
  if (LoadSwapKeys(swapFile, saved) && std::ranges::equal(saved, keySwap.SwapTables()))
    RememberSwapFile(swapFile);
}

// A loaded file's mapping is in force at once (and none is left over from
// the file before). Start-up installs the hook itself, after the tables.
void TMainWin::Engine::KeySwapStateChanged() {
  RememberSwapFile(SwapFileName(file.Path()));
  swapsInUse = SwapsInUse(keySwap.SwapTables());
  if (index.table().KeyboardHook() == 0) return;
  if (FollowSwapsInUse(env.hooks, keySwap, swapHook) == SwapHookChange::NotInstalled)
    Checked(0, "key swap", false);
}

}  // namespace tavrix
