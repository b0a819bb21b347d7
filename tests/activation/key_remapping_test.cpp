// "Keyboard Remapper", "Select Character" and "&Remap": the grids show the
// tables live, a chosen character is stored at once, and closing after a
// change saves the key-swap file and installs or removes the swap hook.
#include "activation/key_remapping.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/recording_hook_library.h"
#include "tests/support/grid_rows.h"
#include "tests/support/scratch_folder.h"

namespace tavrix {
namespace {

using test_support::GridRow;
using test_support::ScratchFolder;

class FakeLock : public FileLockHolder {
 public:
  bool TakeFileLock() override { return free; }
  void ReleaseFileLock(bool changed) override { releases.push_back(changed); }
  bool free = true;
  std::vector<bool> releases;
};

class KeyRemappingTest : public ::testing::Test {
 protected:
  KeyRemappingTest() : ui(trace), keySwap(blockBytes) { InitSwapKeys(keySwap.SwapTables()); }

  // The user opens Select Character on `grid`'s row `row` and picks
  // `character` there (0: Cancel); then closes the remapper with Ok.
  void UserRemaps(std::string grid, int row, std::uint8_t character) {
    ui.AnswerForm("TDoSwapKeys", [this, grid, row](Form& form) {
      DoubleClickGridCell(form, static_cast<Grid&>(*form.Find(grid)), {row, 1});
      form.Clicked(*form.Find("OkButton"));
    });
    ui.AnswerForm("TDoSwapSpecial", [character](Form& form) {
      auto& select = static_cast<TDoSwapSpecial&>(form);
      if (character == 0) return (void)form.Clicked(select.cancelButton);
      select.characterGrid.selected = TDoSwapSpecial::CellOf(character);
      form.Clicked(select.okButton);
    });
  }

  SwapHookChange Remap(bool browse = false) {
    return MenuRemapClick(RemapRequest{ui, lock, hooks, keySwap, swapHook, swapPath, browse, 1024, 768});
  }
  std::uint8_t Produces(char c) const { return keySwap.SwapTables()[SwapPosition(static_cast<std::uint8_t>(c))]; }

  SimTrace trace;
  SimUi ui;
  FakeLock lock;
  RecordingHookLibrary hooks;
  std::array<std::uint8_t, KeySwapControlBlock::kSize> blockBytes{};
  KeySwapControlBlock keySwap;
  HookHandle swapHook = 0;
  ScratchFolder folder;
  std::string swapPath = folder.File("TAVRX.TVS");
};

TEST_F(KeyRemappingTest, SelectCharacterHoldsTheCharacters32To255RowByRow) {
  TDoSwapSpecial select;
  ASSERT_EQ(select.characterGrid.rowCount, 8);
  ASSERT_EQ(select.characterGrid.columnCount, 28);
  const struct {
    int row, column;
    char c;
  } cells[] = {{0, 0, ' '}, {0, 27, ' ' + 27}, {1, 0, ' ' + 28}, {2, 9, 'a'}, {7, 27, '\xFF'}};
  for (const auto& cell : cells) {
    EXPECT_EQ(select.characterGrid.Text({cell.row, cell.column}), std::string(1, cell.c));
    EXPECT_EQ(TDoSwapSpecial::CellOf(static_cast<std::uint8_t>(cell.c)), (GridCell{cell.row, cell.column}));
  }
}

// The arrow keys move the selection, and Ok or a double click chooses the
// selected cell's character; Cancel chooses nothing.
TEST_F(KeyRemappingTest, SelectCharacterChoosesTheSelectedCell) {
  const struct {
    const char* name;
    int rows, columns;  // the arrow keys pressed from "a"
    const char* close;  // "ok", "double" (on the selected cell) or "cancel"
    int chosen;         // -1: none
  } cases[] = {
      {"Ok on the current character", 0, 0, "ok", 'a'},
      {"Right", 0, 1, "ok", 'b'},
      {"Down: the row below", 1, 0, "ok", 'a' + 28},
      {"Up stops at the first row", -3, 0, "ok", ')'},
      {"Left stops at the first column", 0, -20, "ok", 'X'},
      {"double click", 0, 2, "double", 'c'},
      {"Cancel", 0, 1, "cancel", -1},
  };
  for (const auto& c : cases) {
    TDoSwapSpecial select;
    select.Place('a', 1024, 768, 100, 120, {0, 0, select.clientWidth, select.clientHeight});
    MoveGridSelection(select, select.characterGrid, c.rows, 0);
    MoveGridSelection(select, select.characterGrid, 0, c.columns);
    const std::string close = c.close;
    if (close == "ok") select.Click(select.okButton);
    if (close == "double") DoubleClickGridCell(select, select.characterGrid, select.characterGrid.selected);
    if (close == "cancel") select.Click(select.cancelButton);
    EXPECT_EQ(select.modalResult, c.chosen < 0 ? ModalResult::Cancel : ModalResult::Ok) << c.name;
    EXPECT_EQ(select.chosen ? *select.chosen : -1, c.chosen) << c.name;
  }
}

// The window's outer size decides whether it fits below the cell (a frame
// of 30 pixels here).
TEST_F(KeyRemappingTest, SelectCharacterOpensOnTheCurrentCharacterBelowOrAboveTheCell) {
  const int height = TDoSwapSpecial().clientHeight + 30;
  const int width = TDoSwapSpecial().clientWidth + 8;
  const struct {
    const char* name;
    std::uint8_t current;
    int cellTop;
    int expectedIndex;
    bool below;
  } cases[] = {
      {"room below", 'b', 100, 'b' - 32, true},
      {"no room below", 'Z', 700, 'Z' - 32, false},
      {"the window just fits below", 'Z', 768 - height - 20, 'Z' - 32, true},
      {"its client would fit, its frame not", 'Z', 768 - height - 19, 'Z' - 32, false},
      {"none selects the first cell", 0, 100, 0, true},
      {"the last cell", 255, 100, 223, true},
  };
  for (const auto& c : cases) {
    TDoSwapSpecial select;
    select.Place(c.current, 1024, 768, c.cellTop, c.cellTop + 20, {0, 0, width, height});
    EXPECT_EQ(select.characterGrid.selected, (GridCell{c.expectedIndex / 28, c.expectedIndex % 28})) << c.name;
    ASSERT_TRUE(select.position) << c.name;
    EXPECT_EQ(select.position->left, (1024 - width) / 2) << c.name;
    EXPECT_EQ(select.position->top, c.below ? c.cellTop + 20 : c.cellTop - height) << c.name;
  }
}

TEST_F(KeyRemappingTest, TheGridsShowEachCharacterAndWhatItProduces) {
  keySwap.SwapTables()[SwapPosition('a')] = 'b';
  keySwap.SwapTables()[SwapPosition('}')] = 0;
  TDoSwapKeys remapper(ui, keySwap.SwapTables(), false, 1024, 768);
  const struct {
    const Grid& grid;
    int rows;
    int row;
    const char* shown;
  } cases[] = {
      {remapper.upperGrid, 26, 0, "*A*|*A*"},        {remapper.lowerGrid, 26, 0, "*a*|*b*"},
      {remapper.lowerGrid, 26, 25, "*z*|*z*"},       {remapper.punctuationGrid, 31, 0, "* *|* *"},
      {remapper.punctuationGrid, 31, 29, "*}*|none"}, {remapper.numericGrid, 10, 9, "*9*|*9*"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.grid.rowCount, c.rows) << c.grid.name;
    EXPECT_EQ(c.grid.fixedColumns, 1) << c.grid.name;
    EXPECT_EQ(GridRow(c.grid, c.row), c.shown) << c.grid.name << " row " << c.row;
  }
}

TEST_F(KeyRemappingTest, AChosenCharacterIsStoredAtOnce) {
  const struct {
    const char* name;
    const char* grid;
    int row;
    char from;
    std::uint8_t choice;  // 0: Cancel
    std::uint8_t produced;
    bool changed;
  } cases[] = {
      {"small letter", "LowerGrid", 0, 'a', 'b', 'b', true},
      {"capital letter to a symbol", "UpperGrid", 25, 'Z', 0xE9, 0xE9, true},
      {"punctuation: the space", "PunctuationGrid", 0, ' ', '_', '_', true},
      {"digit", "NumericGrid", 3, '3', '#', '#', true},
      {"cancelled", "LowerGrid", 1, 'b', 0, 'b', false},
  };
  for (const auto& c : cases) {
    InitSwapKeys(keySwap.SwapTables());
    TDoSwapKeys remapper(ui, keySwap.SwapTables(), false, 1024, 768);
    auto& grid = static_cast<Grid&>(*remapper.Find(c.grid));
    ui.AnswerForm("TDoSwapSpecial", [&](Form& form) {
      EXPECT_EQ(Produces(c.from), c.from) << c.name;  // nothing stored before the choice
      auto& select = static_cast<TDoSwapSpecial&>(form);
      if (c.choice == 0) return (void)form.Clicked(select.cancelButton);
      DoubleClickGridCell(form, select.characterGrid, TDoSwapSpecial::CellOf(c.choice));
    });
    DoubleClickGridCell(remapper, grid, {c.row, 1});
    EXPECT_EQ(Produces(c.from), c.produced) << c.name;
    EXPECT_EQ(remapper.changed, c.changed) << c.name;
    EXPECT_EQ(grid.Text({c.row, 1}), SwapCellText(c.produced)) << c.name;
  }
}

// Only a cell of the second column opens "Select Character", on the
// position's current character, just below the cell: where the Ui saw it,
// else in the centred remapper.
TEST_F(KeyRemappingTest, ADoubleClickOnTheSecondColumnOpensSelectCharacterBelowTheCell) {
  keySwap.SwapTables()[SwapPosition('c')] = 'x';
  const int centredTop = (768 - TDoSwapKeys(ui, keySwap.SwapTables(), false, 1024, 768).clientHeight) / 2;
  const int cellTop = centredTop + TDoSwapKeys::kGridTop + Grid::kFrame + 2 * kSwapRowHeight;
  const struct {
    const char* name;
    int column;
    std::optional<Bounds> onScreen;
    bool opens;
    int top;
  } cases[] = {
      {"first column", 0, std::nullopt, false, 0},
      {"second column", 1, std::nullopt, true, cellTop + kSwapRowHeight},
      {"second column, seen on the screen", 1, Bounds{300, 200, 48, 25}, true, 225},
      {"seen near the bottom: above it", 1, Bounds{300, 700, 48, 25}, true, 700 - TDoSwapSpecial().clientHeight},
  };
  for (const auto& c : cases) {
    TDoSwapKeys remapper(ui, keySwap.SwapTables(), false, 1024, 768);
    const std::size_t before = ui.Shown("TDoSwapSpecial").size();
    DoubleClickGridCell(remapper, remapper.lowerGrid, {2, c.column}, c.onScreen);
    const auto shown = ui.Shown("TDoSwapSpecial");
    ASSERT_EQ(shown.size(), before + (c.opens ? 1 : 0)) << c.name;
    EXPECT_EQ(remapper.lowerGrid.selected, (GridCell{c.opens ? 2 : 0, 1})) << c.name;
    if (!c.opens) continue;
    ASSERT_TRUE(shown.back().position) << c.name;
    EXPECT_EQ(shown.back().position->top, c.top) << c.name;
    EXPECT_EQ(shown.back().selectedCells.at("CharacterGrid"), TDoSwapSpecial::CellOf('x')) << c.name;
  }
}

TEST_F(KeyRemappingTest, InBrowseModeTheRemapperOnlyShowsTheTables) {
  TDoSwapKeys remapper(ui, keySwap.SwapTables(), true, 1024, 768);
  DoubleClickGridCell(remapper, remapper.lowerGrid, {0, 1});
  EXPECT_TRUE(ui.Shown("TDoSwapSpecial").empty());
  EXPECT_FALSE(remapper.changed);
  EXPECT_EQ(Produces('a'), 'a');
  // Help works in browse mode too.
  ui.Click(remapper, remapper.helpButton);
  EXPECT_EQ(trace.Lines().back(), "help Keyboard Remapper");
}

// Closing after a change saves the file and the hook follows the tables:
// installed when the first character is remapped, removed when the last one
// is mapped back, left alone otherwise.
TEST_F(KeyRemappingTest, ClosingAfterAChangeSavesTheFileAndTheHookFollows) {
  const struct {
    const char* name;
    const char* grid;
    int row;
    std::uint8_t choice;
    SwapHookChange change;
    const char* hookCall;
  } steps[] = {
      {"a to b", "LowerGrid", 0, 'b', SwapHookChange::Installed, "TvxHookSwap"},
      {"c to d as well", "LowerGrid", 2, 'd', SwapHookChange::Unchanged, nullptr},
      {"c back", "LowerGrid", 2, 'c', SwapHookChange::Unchanged, nullptr},
      {"a back: nothing remapped", "LowerGrid", 0, 'a', SwapHookChange::Removed, "TvxUnHook"},
  };
  for (const auto& step : steps) {
    hooks.ClearCalls();
    keySwap.SetSwapHook(0xBAD0);  // another program writes the block: the handle kept aside counts
    UserRemaps(step.grid, step.row, step.choice);
    EXPECT_EQ(Remap(), step.change) << step.name;
    std::vector<std::string> hookCalls;
    for (const auto& call : hooks.calls())
      if (call.name != "TvxUpSwapKeys") hookCalls.push_back(call.name);
    EXPECT_EQ(hookCalls, step.hookCall ? std::vector<std::string>{step.hookCall} : std::vector<std::string>{})
        << step.name;
    EXPECT_EQ(swapHook != 0, SwapsInUse(keySwap.SwapTables())) << step.name;
    EXPECT_EQ(hooks.installedHooks().size(), swapHook != 0 ? 1u : 0u) << step.name;
    if (swapHook != 0) EXPECT_EQ(*hooks.installedHooks().begin(), swapHook) << step.name;
    // The library applies its own copy, taken as each character was chosen.
    const auto libraryCopy = hooks.libraryState().hookSettings().keySwap;
    EXPECT_TRUE(std::equal(libraryCopy.begin(), libraryCopy.end(), keySwap.SwapTables().begin())) << step.name;
    std::array<std::uint8_t, kSwapTablesSize> saved{};
    ASSERT_TRUE(LoadSwapKeys(swapPath, saved)) << step.name;
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), keySwap.SwapTables().begin())) << step.name;
  }
  // A close without a choice changes nothing and is no change of the file.
  ui.AnswerForm("TDoSwapKeys", [](Form& form) { form.Clicked(*form.Find("OkButton")); });
  EXPECT_EQ(Remap(), SwapHookChange::Unchanged);
  EXPECT_EQ(lock.releases, (std::vector<bool>{true, true, true, true, false}));
}

TEST_F(KeyRemappingTest, NothingWhenTheFileIsInUse) {
  lock.free = false;
  UserRemaps("LowerGrid", 0, 'b');
  EXPECT_EQ(Remap(), SwapHookChange::Unchanged);
  EXPECT_TRUE(ui.Shown("TDoSwapKeys").empty());
  EXPECT_FALSE(std::filesystem::exists(swapPath));
  EXPECT_EQ(Produces('a'), 'a');
}

TEST_F(KeyRemappingTest, AnUnsavableFileStillSwapsAndAFailedHookIsNotRecorded) {
  swapPath = folder.File("missing/TAVRX.TVS");
  UserRemaps("LowerGrid", 0, 'b');
  EXPECT_EQ(Remap(), SwapHookChange::Installed);
  EXPECT_FALSE(std::filesystem::exists(swapPath));

  struct NoHook : RecordingHookLibrary {
    HookHandle TvxHookSwap() override { return 0; }
  } noHook;
  HookHandle installed = 0;
  InitSwapKeys(keySwap.SwapTables());
  keySwap.SwapTables()[SwapPosition('x')] = 'y';
  EXPECT_EQ(FollowSwapsInUse(noHook, keySwap, installed), SwapHookChange::NotInstalled);
  EXPECT_EQ(installed, 0u);
}

}  // namespace
}  // namespace tavrix
