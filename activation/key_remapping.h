// Key remapping on the program's side: the "Keyboard Remapper" dialog
// (`TDoSwapKeys`) with its "Select Character" (`TDoSwapSpecial`), which edit
// the key-swap tables in place, the "&Remap" command around them, and the
// swap hook, which is installed exactly while any character is remapped.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/key_swap_alphabet.h"
#include "platform/form.h"
#include "platform/form_grid.h"
#include "platform/ui.h"
#include "store/hook_library.h"
#include "store/key_swap_file.h"
#include "store/network_lock.h"
#include "store/shared_macro_table.h"

namespace tavrix {

inline constexpr int kSwapRowHeight = 20;

// "Select Character": a grid of 8 rows by 28 columns of the characters 32
// to 255 (row r, column c holds 32 + 28 r + c).
class TDoSwapSpecial : public Form {
 public:
  static constexpr int kRows = 8;
  static constexpr int kColumns = 28;
  static constexpr int kCellWidth = 20;
  static constexpr int kGridWidth = kColumns * kCellWidth + 2 * Grid::kFrame;
  static constexpr int kGridHeight = kRows * kSwapRowHeight + 2 * Grid::kFrame;

  TDoSwapSpecial();
  // The cell that holds `character` (at least the first cell).
  static GridCell CellOf(std::uint8_t character);
  // Selects the cell of `current` and places the dialog, whose window is
  // `window` big on the screen: centred across the screen, just below the
  // cell that was double-clicked (screen rows `cellTop` to `cellBottom`), or
  // above it when there is no room below.
  void Place(std::uint8_t current, int screenWidth, int screenHeight, int cellTop, int cellBottom,
             const Bounds& window);
  // "&Ok" or a double click: the selected cell's character is the choice.
  FormReply OkButtonClick();

  std::optional<std::uint8_t> chosen;

  Grid characterGrid{*this, "CharacterGrid", {8, 8, kGridWidth, kGridHeight}, kRows, kColumns};
  Button okButton{*this, "OkButton", {kGridWidth - 150, kGridHeight + 16, 75, 25}, "&Ok", ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {kGridWidth - 67, kGridHeight + 16, 75, 25}, "&Cancel",
                      ButtonRole::Cancel};
};

// What a remapper grid shows for the character a position produces: the
// character, or "none" for 0.
std::string SwapCellText(std::uint8_t produced);

// "Keyboard Remapper": four two-column grids, each row a character on a
// silver background and what it produces, read from `tables` (bold; "none"
// in normal weight). A double click on a cell of the second column (not in
// browse mode) chooses a new character through "Select Character", which
// is stored at once.
class TDoSwapKeys : public Form {
 public:
  static constexpr int kColumnWidth = 48;
  static constexpr int kVisibleRows = 26;
  static constexpr int kGridWidth = 2 * kColumnWidth + 2 * Grid::kFrame;
  // The punctuation grid scrolls: its 31 rows do not fit.
  static constexpr int kScrollingGridWidth = kGridWidth + Grid::kScrollBarWidth;
  static constexpr int kGridTop = 26;
  static constexpr int kGridHeight = kVisibleRows * kSwapRowHeight + 2 * Grid::kFrame;
  static constexpr int kLowerLeft = 8 + kGridWidth + 8;
  static constexpr int kPunctuationLeft = kLowerLeft + kGridWidth + 8;
  static constexpr int kNumericLeft = kPunctuationLeft + kScrollingGridWidth + 8;
  static constexpr int kButtonTop = kGridTop + kGridHeight + 8;

  TDoSwapKeys(Ui& ui, SwapTables tables, bool browse, int screenWidth, int screenHeight);

  // Rebuilds the cells from the tables.
  void Refresh();
  // A double click on a cell of the second column of the grid of `table`.
  FormReply GridDoubleClick(Grid& grid, SwapTableSpan table);

  // Set when a double click stored a character.
  bool changed = false;
  // Called after each character stored, so that the swap hook applies it at once.
  std::function<void()> tablesChanged;

  Label upperLabel{*this, "UpperLabel", {8, 8, kGridWidth, 16}, "Upper Case"};
  Label lowerLabel{*this, "LowerLabel", {kLowerLeft, 8, kGridWidth, 16}, "Lower Case"};
  Label punctuationLabel{*this, "PunctuationLabel", {kPunctuationLeft, 8, kScrollingGridWidth, 16}, "Punctuation"};
  Label numericLabel{*this, "NumericLabel", {kNumericLeft, 8, kGridWidth, 16}, "Numeric"};
  Grid upperGrid{*this, "UpperGrid", {8, kGridTop, kGridWidth, kGridHeight}, 26, 2, 1};
  Grid lowerGrid{*this, "LowerGrid", {kLowerLeft, kGridTop, kGridWidth, kGridHeight}, 26, 2, 1};
  Grid punctuationGrid{*this, "PunctuationGrid", {kPunctuationLeft, kGridTop, kScrollingGridWidth, kGridHeight}, 31, 2, 1};
  Grid numericGrid{*this, "NumericGrid", {kNumericLeft, kGridTop, kGridWidth, Grid::OuterHeight(10, kSwapRowHeight)},
                   10, 2, 1};
  Button okButton{*this, "OkButton", {kNumericLeft + kGridWidth - 158, kButtonTop, 75, 25}, "&Ok",
                  ButtonRole::DefaultAndCancel};
  Button helpButton{*this, "HelpButton", {kNumericLeft + kGridWidth - 75, kButtonTop, 75, 25}, "&Help", ButtonRole::Help};

 private:
  void Fill(Grid& grid, SwapTableSpan table);
  // The screen rows of the double-clicked cell: where the Ui saw it, or
  // else in the remapper centred on the screen, its grid not scrolled.
  std::pair<int, int> CellOnScreen(const Grid& grid) const;

  Ui& ui_;
  SwapTables tables_;
  bool browse_;
  int screenWidth_;
  int screenHeight_;
};

// What became of the swap hook.
enum class SwapHookChange { Unchanged, Installed, Removed, NotInstalled };
const char* SwapHookChangeText(SwapHookChange change);

// The swap hook follows the tables, which the library takes first: installed
// while any character is remapped, removed when none is. `swapHook` is the
// caller's own record of its handle (0 while none is installed); offset 4 of
// the control block only mirrors it for other copies, since any program may
// write there.
SwapHookChange FollowSwapsInUse(HookLibrary& hooks, KeySwapControlBlock& block, HookHandle& swapHook);

// "&Remap": under the file-in-use check, the remapper; when it changed a
// table, the key-swap file `swapPath` is saved (silently not, when it cannot
// be) and the swap hook follows. Nothing when the check refuses.
struct RemapRequest {
  Ui& ui;
  FileLockHolder& lock;
  HookLibrary& hooks;
  KeySwapControlBlock& block;
  HookHandle& swapHook;
  std::string swapPath;
  bool browse = false;
  int screenWidth = 1024;
  int screenHeight = 768;
};
SwapHookChange MenuRemapClick(const RemapRequest& request);

}  // namespace tavrix
