#include "activation/key_remapping.h"

#include <algorithm>

namespace tavrix {

// --- TDoSwapSpecial -------------------------------------------------------------

TDoSwapSpecial::TDoSwapSpecial()
    : Form("TDoSwapSpecial", "Select Character", kGridWidth + 16, kGridHeight + 49) {
  characterGrid.rowHeight = kSwapRowHeight;
  characterGrid.centred = true;
  for (int c = 32; c <= 255; ++c) characterGrid.Text(CellOf(static_cast<std::uint8_t>(c))) = std::string(1, static_cast<char>(c));
  characterGrid.onDoubleClick = [this] { return OkButtonClick(); };
  okButton.onClick = [this] { return OkButtonClick(); };
  activeControl = &characterGrid;
}

GridCell TDoSwapSpecial::CellOf(std::uint8_t character) {
  const int cell = std::max(0, character - 32);
  return {cell / kColumns, cell % kColumns};
}

void TDoSwapSpecial::Place(std::uint8_t current, int screenWidth, int screenHeight, int cellTop, int cellBottom,
                           const Bounds& window) {
  characterGrid.selected = CellOf(current);
  const int left = std::max(0, (screenWidth - window.width) / 2);
  const int top = cellBottom + window.height <= screenHeight ? cellBottom : std::max(0, cellTop - window.height);
  position = Point{left, top};
}

FormReply TDoSwapSpecial::OkButtonClick() {
  if (!characterGrid.Selectable(characterGrid.selected)) return FormReply::Stay();
  chosen = static_cast<std::uint8_t>(32 + characterGrid.selected.row * kColumns + characterGrid.selected.column);
  return FormReply::Close(ModalResult::Ok);
}

// --- TDoSwapKeys ----------------------------------------------------------------

std::string SwapCellText(std::uint8_t produced) {
  return produced == 0 ? std::string("none") : std::string(1, static_cast<char>(produced));
}

TDoSwapKeys::TDoSwapKeys(Ui& ui, SwapTables tables, bool browse, int screenWidth, int screenHeight)
    : Form("TDoSwapKeys", "Keyboard Remapper", kNumericLeft + kGridWidth + 8, kButtonTop + 33),
      ui_(ui),
      tables_(tables),
      browse_(browse),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight) {
  upperGrid.onDoubleClick = [this] { return GridDoubleClick(upperGrid, kCapitalTable); };
  lowerGrid.onDoubleClick = [this] { return GridDoubleClick(lowerGrid, kSmallTable); };
  punctuationGrid.onDoubleClick = [this] { return GridDoubleClick(punctuationGrid, kPunctuationTable); };
  numericGrid.onDoubleClick = [this] { return GridDoubleClick(numericGrid, kDigitTable); };
  for (Grid* grid : {&upperGrid, &lowerGrid, &punctuationGrid, &numericGrid}) {
    grid->rowHeight = kSwapRowHeight;
    grid->centred = true;
  }
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
  activeControl = &upperGrid;
  Refresh();
}

void TDoSwapKeys::Fill(Grid& grid, SwapTableSpan table) {
  for (int row = 0; row < grid.rowCount && static_cast<std::size_t>(row) < table.size; ++row) {
    const std::size_t position = table.start + static_cast<std::size_t>(row);
    grid.Text({row, 0}) = std::string(1, kSwapAlphabet[position]);
    grid.SetBold({row, 0}, true);
    grid.Text({row, 1}) = SwapCellText(tables_[position]);
    grid.SetBold({row, 1}, tables_[position] != 0);
  }
}

void TDoSwapKeys::Refresh() {
  Fill(upperGrid, kCapitalTable);
  Fill(lowerGrid, kSmallTable);
  Fill(punctuationGrid, kPunctuationTable);
  Fill(numericGrid, kDigitTable);
}

std::pair<int, int> TDoSwapKeys::CellOnScreen(const Grid& grid) const {
  if (grid.pointedOnScreen) return {grid.pointedOnScreen->top, grid.pointedOnScreen->Bottom()};
  const int formTop = std::max(0, (screenHeight_ - clientHeight) / 2);
  const int row = std::min(grid.pointed.row, grid.RowsShown() - 1);
  const int top = formTop + grid.bounds.top + Grid::kFrame + row * grid.rowHeight;
  return {top, top + grid.rowHeight};
}

FormReply TDoSwapKeys::GridDoubleClick(Grid& grid, SwapTableSpan table) {
  const int row = grid.pointed.row;
  if (browse_ || row < 0 || static_cast<std::size_t>(row) >= table.size) return FormReply::Stay();
  const std::size_t position = table.start + static_cast<std::size_t>(row);
  TDoSwapSpecial select;
  const auto [cellTop, cellBottom] = CellOnScreen(grid);
  select.Place(tables_[position], screenWidth_, screenHeight_, cellTop, cellBottom, ui_.FormWindowSize(select));
  if (ui_.RunForm(select) != ModalResult::Ok || !select.chosen) return FormReply::Stay();
  // One byte store: a swap hook already installed uses it from the next key.
  tables_[position] = *select.chosen;
  changed = true;
  if (tablesChanged) tablesChanged();
  Refresh();
  return FormReply::Stay();
}

// --- The swap hook and "&Remap" ---------------------------------------------------

const char* SwapHookChangeText(SwapHookChange change) {
  switch (change) {
    case SwapHookChange::Installed: return "hook installed";
    case SwapHookChange::Removed: return "hook removed";
    case SwapHookChange::NotInstalled: return "hook not installed";
    case SwapHookChange::Unchanged: break;
  }
  return "hook unchanged";
}

SwapHookChange FollowSwapsInUse(HookLibrary& hooks, KeySwapControlBlock& block, HookHandle& swapHook) {
  hooks.TvxUpSwapKeys(block.SwapTables());
  const bool inUse = SwapsInUse(block.SwapTables());
  if (inUse == (swapHook != 0)) return SwapHookChange::Unchanged;
  if (!inUse) {
    hooks.TvxUnHook(swapHook);
    swapHook = 0;
    block.SetSwapHook(0);
    return SwapHookChange::Removed;
  }
  const HookHandle hook = hooks.TvxHookSwap();
  if (hook == 0) return SwapHookChange::NotInstalled;
  swapHook = hook;
  block.SetSwapHook(hook);
  return SwapHookChange::Installed;
}

SwapHookChange MenuRemapClick(const RemapRequest& request) {
  SyncFileHold hold(request.lock);
  if (!hold.Taken()) return SwapHookChange::Unchanged;
  TDoSwapKeys remapper(request.ui, request.block.SwapTables(), request.browse, request.screenWidth,
                       request.screenHeight);
  remapper.tablesChanged = [&request] { request.hooks.TvxUpSwapKeys(request.block.SwapTables()); };
  request.ui.RunForm(remapper);
  if (!remapper.changed) return SwapHookChange::Unchanged;
  hold.Changed();
  const SwapSaveResult saved = SaveSwapKeys(request.swapPath, request.block.SwapTables());
  const SwapHookChange change = FollowSwapsInUse(request.hooks, request.block, request.swapHook);
  // The new tables work now either way; the user must know they will not last.
  if (saved != SwapSaveResult::Saved) request.ui.ShowMessage("Error", SwapSaveMessage(saved, request.swapPath));
  return change;
}

}  // namespace tavrix
