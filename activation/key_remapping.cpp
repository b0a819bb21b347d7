#include "activation/key_remapping.h"

#include <algorithm>

namespace tavrix {

// --- TDoSwapSpecial -------------------------------------------------------------

TDoSwapSpecial::TDoSwapSpecial()
    : Form("TDoSwapSpecial", "Select Character", 16 + kColumns * kCellWidth, 8 + kRows * kSwapRowHeight + 41) {
  for (int c = 32; c <= 255; ++c) characterGrid.items.emplace_back(1, static_cast<char>(c));
  characterGrid.itemIndex = 0;
  characterGrid.onDoubleClick = [this] { return OkButtonClick(); };
  okButton.onClick = [this] { return OkButtonClick(); };
  activeControl = &characterGrid;
}

void TDoSwapSpecial::Place(std::uint8_t current, int screenWidth, int screenHeight, int cellTop, int cellBottom) {
  characterGrid.itemIndex = std::max(0, current - 32);
  const int left = std::max(0, (screenWidth - clientWidth) / 2);
  const int top = cellBottom + clientHeight <= screenHeight ? cellBottom : std::max(0, cellTop - clientHeight);
  position = Point{left, top};
}

FormReply TDoSwapSpecial::OkButtonClick() {
  const int cell = characterGrid.itemIndex;
  if (cell < 0 || cell >= kRows * kColumns) return FormReply::Stay();
  chosen = static_cast<std::uint8_t>(32 + cell);
  return FormReply::Close(ModalResult::Ok);
}

// --- TDoSwapKeys ----------------------------------------------------------------

std::string SwapRowText(std::uint8_t character, std::uint8_t produced) {
  std::string text(1, static_cast<char>(character));
  text += "    ";
  if (produced == 0) return text + "none";
  return text + static_cast<char>(produced);
}

TDoSwapKeys::TDoSwapKeys(Ui& ui, SwapTables tables, bool browse, int screenWidth, int screenHeight)
    : Form("TDoSwapKeys", "Keyboard Remapper", 8 + 4 * (kGridWidth + 8), 42 + kVisibleRows * kSwapRowHeight + 25),
      ui_(ui),
      tables_(tables),
      browse_(browse),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight) {
  upperGrid.onDoubleClick = [this] { return GridDoubleClick(upperGrid, kCapitalTable); };
  lowerGrid.onDoubleClick = [this] { return GridDoubleClick(lowerGrid, kSmallTable); };
  punctuationGrid.onDoubleClick = [this] { return GridDoubleClick(punctuationGrid, kPunctuationTable); };
  numericGrid.onDoubleClick = [this] { return GridDoubleClick(numericGrid, kDigitTable); };
  okButton.onClick = [] { return FormReply::Close(ModalResult::Ok); };
  helpButton.onClick = [this] {
    if (showHelp) showHelp();
    return FormReply::Stay();
  };
  activeControl = &upperGrid;
  Refresh();
}

void TDoSwapKeys::Fill(ListBox& grid, SwapTableSpan table) {
  grid.items.clear();
  for (std::size_t i = table.start; i < table.start + table.size; ++i)
    grid.items.push_back(SwapRowText(static_cast<std::uint8_t>(kSwapAlphabet[i]), tables_[i]));
}

void TDoSwapKeys::Refresh() {
  Fill(upperGrid, kCapitalTable);
  Fill(lowerGrid, kSmallTable);
  Fill(punctuationGrid, kPunctuationTable);
  Fill(numericGrid, kDigitTable);
}

std::pair<int, int> TDoSwapKeys::CellOnScreen(const ListBox& grid, int row) const {
  const int formTop = std::max(0, (screenHeight_ - clientHeight) / 2);
  const int visibleRows = grid.bounds.height / kSwapRowHeight;
  const int top = formTop + grid.bounds.top + std::min(row, visibleRows - 1) * kSwapRowHeight;
  return {top, top + kSwapRowHeight};
}

FormReply TDoSwapKeys::GridDoubleClick(ListBox& grid, SwapTableSpan table) {
  const int row = grid.itemIndex;
  if (browse_ || row < 0 || static_cast<std::size_t>(row) >= table.size) return FormReply::Stay();
  const std::size_t position = table.start + static_cast<std::size_t>(row);
  TDoSwapSpecial select;
  const auto [cellTop, cellBottom] = CellOnScreen(grid, row);
  select.Place(tables_[position], screenWidth_, screenHeight_, cellTop, cellBottom);
  if (ui_.RunForm(select) != ModalResult::Ok || !select.chosen) return FormReply::Stay();
  // One byte store: a swap hook already installed uses it from the next key.
  tables_[position] = *select.chosen;
  changed = true;
  Refresh();
  grid.itemIndex = row;
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

SwapHookChange FollowSwapsInUse(HookLibrary& hooks, KeySwapControlBlock& block, bool& installed) {
  const bool inUse = SwapsInUse(block.SwapTables());
  if (inUse == installed) return SwapHookChange::Unchanged;
  if (!inUse) {
    if (block.SwapHook() != 0) hooks.TvxUnHook(block.SwapHook());
    block.SetSwapHook(0);
    installed = false;
    return SwapHookChange::Removed;
  }
  const HookHandle hook = hooks.TvxHookSwap();
  if (hook == 0) return SwapHookChange::NotInstalled;
  block.SetSwapHook(hook);
  installed = true;
  return SwapHookChange::Installed;
}

SwapHookChange MenuRemapClick(const RemapRequest& request) {
  SyncFileHold hold(request.lock);
  if (!hold.Taken()) return SwapHookChange::Unchanged;
  TDoSwapKeys remapper(request.ui, request.block.SwapTables(), request.browse, request.screenWidth,
                       request.screenHeight);
  remapper.showHelp = request.showHelp;
  request.ui.RunForm(remapper);
  if (!remapper.changed) return SwapHookChange::Unchanged;
  hold.Changed();
  SaveSwapKeys(request.swapPath, request.block.SwapTables());
  return FollowSwapsInUse(request.hooks, request.block, request.hookInstalled);
}

}  // namespace tavrix
