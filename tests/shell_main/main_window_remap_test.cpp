// "&Remap" in the main window: the key-swap file is saved and the swap hook
// follows the tables; a macro file loaded afterwards brings its own tables
// and the hook follows them at once.
#include <array>

#include "activation/key_remapping.h"
#include "main_window_fixture.h"
#include "store/key_swap_file.h"

namespace tavrix::testing {
namespace {

class RemapTest : public MainWindowTest {
 protected:
  // The user maps the small letter `from` to `to` and closes the remapper.
  void UserRemaps(char from, char to) {
    ui.AnswerForm("TDoSwapKeys", [from](Form& form) {
      auto& remapper = static_cast<TDoSwapKeys&>(form);
      DoubleClickGridCell(form, remapper.lowerGrid, {from - 'a', 1});
      form.Clicked(remapper.okButton);
    });
    ui.AnswerForm("TDoSwapSpecial", [to](Form& form) {
      auto& select = static_cast<TDoSwapSpecial&>(form);
      select.characterGrid.selected = TDoSwapSpecial::CellOf(static_cast<std::uint8_t>(to));
      form.Clicked(select.okButton);
    });
  }
  std::uint8_t SavedFor(const std::string& macroFile, char c) {
    std::array<std::uint8_t, kSwapTablesSize> tables{};
    if (!LoadSwapKeys(SwapFileName(macroFile), tables)) return 0;
    return tables[SwapPosition(static_cast<std::uint8_t>(c))];
  }
  std::size_t SwapHooks() const { return hooks.installedHooks().size() - 3; }  // beside keyboard, mouse, window
};

TEST_F(RemapTest, RemapSavesTheTablesAndTheSwapHookFollowsEveryLoadedFile) {
  const std::string plain = folder.File("PLAIN.TVX");
  WriteMacroFile(plain, SystemEntries());
  ASSERT_TRUE(Start(SystemEntries()));
  EXPECT_EQ(SwapHooks(), 0u);

  UserRemaps('a', 'b');
  window->OnCommand(Command::Remap);
  EXPECT_EQ(SavedFor(macroPath, 'a'), 'b');
  EXPECT_EQ(SwapHooks(), 1u);

  // Another file without remapped keys: the hook goes at once.
  ui.QueueFileName(plain);
  window->OnCommand(Command::OpenFile);
  EXPECT_EQ(window->File().Path(), plain);
  EXPECT_EQ(SavedFor(plain, 'a'), 'a');
  EXPECT_EQ(SwapHooks(), 0u);

  // Back to the first: its mapping is in force again.
  ui.QueueFileName(macroPath);
  window->OnCommand(Command::OpenFile);
  EXPECT_EQ(SwapHooks(), 1u);

  UserRemaps('a', 'a');
  window->OnCommand(Command::Remap);
  EXPECT_EQ(SavedFor(macroPath, 'a'), 'a');
  EXPECT_EQ(SwapHooks(), 0u);
  EXPECT_EQ(hooks.CountOf("TvxHookSwap"), 2u);
}

TEST_F(RemapTest, AFailedSwapHookIsReportedAndTheProgramGoesOn) {
  ASSERT_TRUE(Start(SystemEntries()));
  hooks.SetFailing("TvxHookSwap");
  UserRemaps('a', 'b');
  window->OnCommand(Command::Remap);
  EXPECT_EQ(SavedFor(macroPath, 'a'), 'b');
  EXPECT_EQ(Messages().back(), "message Error: The key swap hook of Tavrix could not be installed.");
  EXPECT_FALSE(window->Closing());
}

}  // namespace
}  // namespace tavrix::testing
