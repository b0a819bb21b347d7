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
#include "platform/ui.h"
#include "store/hook_library.h"
#include "store/key_swap_file.h"
#include "store/network_lock.h"
#include "store/shared_macro_table.h"

namespace tavrix {

inline constexpr int kSwapRowHeight = 20;

// "Select Character": a grid of 8 rows by 28 columns of the characters 32
// to 255 (row r, column c holds 32 + 28 r + c); the list holds the cells row
// by row.
class TDoSwapSpecial : public Form {
 public:
  static constexpr int kRows = 8;
  static constexpr int kColumns = 28;
  static constexpr int kCellWidth = 20;

  TDoSwapSpecial();
  // Selects the cell of `current` (at least the first) and places the
  // dialog: centred across the screen, just below the cell that was
  // double-clicked (screen rows `cellTop` to `cellBottom`), or above it when
  // there is no room below.
  void Place(std::uint8_t current, int screenWidth, int screenHeight, int cellTop, int cellBottom);
  // "&Ok" or a double click: the selected cell's character is the choice.
  FormReply OkButtonClick();

  std::optional<std::uint8_t> chosen;

  ListBox characterGrid{*this, "CharacterGrid", {8, 8, kColumns * kCellWidth, kRows * kSwapRowHeight}};
  Button okButton{*this, "OkButton", {8 + kColumns * kCellWidth - 158, 8 + kRows * kSwapRowHeight + 8, 75, 25}, "&Ok",
                  ButtonRole::Default};
  Button cancelButton{*this, "CancelButton", {8 + kColumns * kCellWidth - 75, 8 + kRows * kSwapRowHeight + 8, 75, 25},
                      "&Cancel", ButtonRole::Cancel};
};

// The text of one row of a remapper grid: the character, and what it
// produces ("none" for 0).
std::string SwapRowText(std::uint8_t character, std::uint8_t produced);

// "Keyboard Remapper": four two-column grids, each row a character and what
// it produces, read live from `tables`. A double click on a row (not in
// browse mode) chooses a new character through "Select Character", which is
// stored at once.
class TDoSwapKeys : public Form {
 public:
  static constexpr int kGridWidth = 104;
  static constexpr int kVisibleRows = 26;

  TDoSwapKeys(Ui& ui, SwapTables tables, bool browse, int screenWidth, int screenHeight);

  // Rebuilds the rows from the tables.
  void Refresh();
  // A double click on row `row` of the grid of `table`.
  FormReply GridDoubleClick(ListBox& grid, SwapTableSpan table);

  // Set when a double click stored a character.
  bool changed = false;
  // Opens the help file at the remapper's keyword.
  std::function<void()> showHelp;

  Label upperLabel{*this, "UpperLabel", {8, 8, kGridWidth, 16}, "Upper Case"};
  Label lowerLabel{*this, "LowerLabel", {8 + (kGridWidth + 8), 8, kGridWidth, 16}, "Lower Case"};
  Label punctuationLabel{*this, "PunctuationLabel", {8 + 2 * (kGridWidth + 8), 8, kGridWidth, 16}, "Punctuation"};
  Label numericLabel{*this, "NumericLabel", {8 + 3 * (kGridWidth + 8), 8, kGridWidth, 16}, "Numeric"};
  ListBox upperGrid{*this, "UpperGrid", {8, 26, kGridWidth, kVisibleRows * kSwapRowHeight}};
  ListBox lowerGrid{*this, "LowerGrid", {8 + (kGridWidth + 8), 26, kGridWidth, kVisibleRows * kSwapRowHeight}};
  ListBox punctuationGrid{*this, "PunctuationGrid",
                          {8 + 2 * (kGridWidth + 8), 26, kGridWidth, kVisibleRows * kSwapRowHeight}};
  ListBox numericGrid{*this, "NumericGrid", {8 + 3 * (kGridWidth + 8), 26, kGridWidth, 10 * kSwapRowHeight}};
  Button okButton{*this, "OkButton", {8 + 4 * (kGridWidth + 8) - 166, 34 + kVisibleRows * kSwapRowHeight, 75, 25},
                  "&Ok", ButtonRole::DefaultAndCancel};
  Button helpButton{*this, "HelpButton", {8 + 4 * (kGridWidth + 8) - 83, 34 + kVisibleRows * kSwapRowHeight, 75, 25},
                    "&Help"};

 private:
  void Fill(ListBox& grid, SwapTableSpan table);
  // The screen rows of a grid's row, with the remapper centred.
  std::pair<int, int> CellOnScreen(const ListBox& grid, int row) const;

  Ui& ui_;
  SwapTables tables_;
  bool browse_;
  int screenWidth_;
  int screenHeight_;
};

// What became of the swap hook.
enum class SwapHookChange { Unchanged, Installed, Removed, NotInstalled };
const char* SwapHookChangeText(SwapHookChange change);

// The swap hook follows the tables: installed while any character is
// remapped (its handle at offset 4 of the control block), removed when none
// is. `installed` is the main window's record of it.
SwapHookChange FollowSwapsInUse(HookLibrary& hooks, KeySwapControlBlock& block, bool& installed);

// "&Remap": under the file-in-use check, the remapper; when it changed a
// table, the key-swap file `swapPath` is saved (silently not, when it cannot
// be) and the swap hook follows. Nothing when the check refuses.
struct RemapRequest {
  Ui& ui;
  FileLockHolder& lock;
  HookLibrary& hooks;
  KeySwapControlBlock& block;
  bool& hookInstalled;
  std::string swapPath;
  bool browse = false;
  int screenWidth = 1024;
  int screenHeight = 768;
  std::function<void()> showHelp;
};
SwapHookChange MenuRemapClick(const RemapRequest& request);

}  // namespace tavrix
