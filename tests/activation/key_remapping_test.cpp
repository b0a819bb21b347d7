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
#include "tests/support/scratch_folder.h"

namespace tavrix {
namespace {

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
      auto& list = static_cast<ListBox&>(*form.Find(grid));
      list.itemIndex = row;
      form.DoubleClicked(list);
      form.Clicked(*form.Find("OkButton"));
    });
    ui.AnswerForm("TDoSwapSpecial", [character](Form& form) {
      auto& select = static_cast<TDoSwapSpecial&>(form);
      if (character == 0) return (void)form.Clicked(select.cancelButton);
      select.characterGrid.itemIndex = character - 32;
      form.Clicked(select.okButton);
    });
  }

  SwapHookChange Remap(bool browse = false) {
    return MenuRemapClick(RemapRequest{ui, lock, hooks, keySwap, hookInstalled, swapPath, browse, 1024, 768, {}});
  }
  std::uint8_t Produces(char c) const { return keySwap.SwapTables()[SwapPosition(static_cast<std::uint8_t>(c))]; }

  SimTrace trace;
  SimUi ui;
  FakeLock lock;
  RecordingHookLibrary hooks;
  std::array<std::uint8_t, KeySwapControlBlock::kSize> blockBytes{};
  KeySwapControlBlock keySwap;
  bool hookInstalled = false;
  ScratchFolder folder;
  std::string swapPath = folder.File("TAVRX.TVS");
};

TEST_F(KeyRemappingTest, SelectCharacterHoldsTheCharacters32To255RowByRow) {
  TDoSwapSpecial select;
  ASSERT_EQ(select.characterGrid.items.size(), 224u);
  const struct {
    int row, column;
    char c;
  } cells[] = {{0, 0, ' '}, {0, 27, ' ' + 27}, {1, 0, ' ' + 28}, {7, 27, '\xFF'}};
  for (const auto& cell : cells)
    EXPECT_EQ(select.characterGrid.items[static_cast<std::size_t>(cell.row * 28 + cell.column)], std::string(1, cell.c));
}

TEST_F(KeyRemappingTest, SelectCharacterOpensOnTheCurrentCharacterBelowOrAboveTheCell) {
  const struct {
    const char* name;
    std::uint8_t current;
    int cellTop;
    int expectedIndex;
    bool below;
  } cases[] = {
      {"room below", 'b', 100, 'b' - 32, true},
      {"no room below", 'Z', 700, 'Z' - 32, false},
      {"none selects the first cell", 0, 100, 0, true},
      {"the last cell", 255, 100, 223, true},
  };
  for (const auto& c : cases) {
    TDoSwapSpecial select;
    select.Place(c.current, 1024, 768, c.cellTop, c.cellTop + 20);
    EXPECT_EQ(select.characterGrid.itemIndex, c.expectedIndex) << c.name;
    ASSERT_TRUE(select.position) << c.name;
    EXPECT_EQ(select.position->left, (1024 - select.clientWidth) / 2) << c.name;
    EXPECT_EQ(select.position->top, c.below ? c.cellTop + 20 : c.cellTop - select.clientHeight) << c.name;
  }
}

TEST_F(KeyRemappingTest, TheGridsShowEachCharacterAndWhatItProduces) {
  keySwap.SwapTables()[SwapPosition('a')] = 'b';
  keySwap.SwapTables()[SwapPosition('}')] = 0;
  TDoSwapKeys remapper(ui, keySwap.SwapTables(), false, 1024, 768);
  EXPECT_EQ(remapper.upperGrid.items.size(), 26u);
  EXPECT_EQ(remapper.lowerGrid.items.size(), 26u);
  EXPECT_EQ(remapper.punctuationGrid.items.size(), 31u);
  EXPECT_EQ(remapper.numericGrid.items.size(), 10u);
  EXPECT_EQ(remapper.upperGrid.items[0], SwapRowText('A', 'A'));
  EXPECT_EQ(remapper.lowerGrid.items[0], SwapRowText('a', 'b'));
  EXPECT_EQ(remapper.punctuationGrid.items[29], "}    none");
  EXPECT_EQ(remapper.numericGrid.items[9], SwapRowText('9', '9'));
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
    auto& grid = static_cast<ListBox&>(*remapper.Find(c.grid));
    ui.AnswerForm("TDoSwapSpecial", [&](Form& form) {
      EXPECT_EQ(Produces(c.from), c.from) << c.name;  // nothing stored before the choice
      auto& select = static_cast<TDoSwapSpecial&>(form);
      if (c.choice == 0) return (void)form.Clicked(select.cancelButton);
      select.characterGrid.itemIndex = c.choice - 32;
      form.DoubleClicked(select.characterGrid);
    });
    grid.itemIndex = c.row;
    remapper.DoubleClicked(grid);
    EXPECT_EQ(Produces(c.from), c.produced) << c.name;
    EXPECT_EQ(remapper.changed, c.changed) << c.name;
    EXPECT_EQ(grid.items[static_cast<std::size_t>(c.row)], SwapRowText(static_cast<std::uint8_t>(c.from), c.produced))
        << c.name;
  }
}

TEST_F(KeyRemappingTest, SelectCharacterShowsBelowTheRowOfTheCenteredRemapper) {
  TDoSwapKeys remapper(ui, keySwap.SwapTables(), false, 1024, 768);
  remapper.lowerGrid.itemIndex = 2;
  remapper.DoubleClicked(remapper.lowerGrid);
  const auto shown = ui.Shown("TDoSwapSpecial");
  ASSERT_EQ(shown.size(), 1u);
  const int rowBottom = (768 - remapper.clientHeight) / 2 + remapper.lowerGrid.bounds.top + 3 * kSwapRowHeight;
  ASSERT_TRUE(shown[0].position);
  EXPECT_EQ(shown[0].position->top, rowBottom);
}

TEST_F(KeyRemappingTest, InBrowseModeTheRemapperOnlyShowsTheTables) {
  TDoSwapKeys remapper(ui, keySwap.SwapTables(), true, 1024, 768);
  remapper.lowerGrid.itemIndex = 0;
  remapper.DoubleClicked(remapper.lowerGrid);
  EXPECT_TRUE(ui.Shown("TDoSwapSpecial").empty());
  EXPECT_FALSE(remapper.changed);
  EXPECT_EQ(Produces('a'), 'a');
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
    UserRemaps(step.grid, step.row, step.choice);
    EXPECT_EQ(Remap(), step.change) << step.name;
    if (step.hookCall != nullptr) {
      ASSERT_EQ(hooks.calls().size(), 1u) << step.name;
      EXPECT_EQ(hooks.calls()[0].name, step.hookCall) << step.name;
    } else {
      EXPECT_TRUE(hooks.calls().empty()) << step.name;
    }
    EXPECT_EQ(hookInstalled, SwapsInUse(keySwap.SwapTables())) << step.name;
    EXPECT_EQ(hooks.installedHooks().size(), hookInstalled ? 1u : 0u) << step.name;
    if (hookInstalled) {
      EXPECT_EQ(*hooks.installedHooks().begin(), keySwap.SwapHook()) << step.name;
    }
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
  bool installed = false;
  InitSwapKeys(keySwap.SwapTables());
  keySwap.SwapTables()[SwapPosition('x')] = 'y';
  EXPECT_EQ(FollowSwapsInUse(noHook, keySwap, installed), SwapHookChange::NotInstalled);
  EXPECT_FALSE(installed);
}

}  // namespace
}  // namespace tavrix
