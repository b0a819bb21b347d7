// Publishing the hot keys in use, and the key-swap file beside a macro file.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>

#include "store/key_swap_file.h"
#include "store/set_hot_keys.h"
#include "store_test_support.h"

namespace tavrix {
namespace {

using namespace testing_support;

void Put(SharedMacroTable& t, int n, std::uint16_t code, std::uint8_t active) {
  t.SetActivation(n, code);
  t.SetActive(n, active);
  t.SetMacroCount(std::max(t.MacroCount(), n));
}

TEST(SetHotKeys, MarksTheCodesOfActiveMacrosOnly) {
  SharedMacroTable t;
  RecordingHookLibrary hooks;
  t.SetHotKeyUsed(100, 1);  // stale mark from before
  Put(t, 1, 5, 1);
  Put(t, 2, 7, 0);    // deactivated alone: not marked
  Put(t, 3, 9, 0);    // deactivated but shared with an active one: marked
  Put(t, 4, 9, 1);
  Put(t, 5, kTimedActivation, 1);
  Put(t, 6, kWordletActivation, 0);  // an inactive Wordlet still counts
  SetHotKeys(t, hooks);

  for (int code = 0; code < kHotKeyCount; ++code)
    EXPECT_EQ(t.HotKeyUsed(code), code == 5 || code == 9 ? 1 : 0) << code;
  EXPECT_EQ(t.HasWordlets(), 1);
  EXPECT_EQ(hooks.calls(), (std::vector<RecordingHookLibrary::Call>{{"TvxUpKeys", 0}}));
  EXPECT_EQ(hooks.copy().HotKeyUsed(9), 1);
  EXPECT_EQ(hooks.copy().HasWordlets(), 1);
  EXPECT_EQ(hooks.copy().Activation(1), 0);  // TvxUpKeys takes nothing else

  // Entries beyond the count take no part.
  t.SetMacroCount(4);
  SetHotKeys(t, hooks);
  EXPECT_EQ(t.HasWordlets(), 0);
  EXPECT_FALSE(ThereAreWordlets(t));
}

TEST(RecordingHookLibrary, EachCallTakesOnlyTheFieldsItNames) {
  SharedMacroTable t;
  for (int n = 1; n <= 3; ++n) {
    t.SetScope(n, kScopeWindow);
    t.SetScopeName(n, "Title " + std::to_string(n));
    t.SetActive(n, 1);
    t.SetActivation(n, static_cast<std::uint16_t>(n));
    t.SetTopMostOnly(n, 1);
  }
  t.SetMacroCount(3);
  t.SetInUse(1);
  RecordingHookLibrary hooks;
  hooks.TvxUpItem(t.bytes(), 2);
  EXPECT_EQ(hooks.copy().ScopeName(2), "Title 2");
  EXPECT_EQ(hooks.copy().Scope(2), kScopeWindow);
  EXPECT_EQ(hooks.copy().Active(2), 1);
  EXPECT_EQ(hooks.copy().Activation(2), 2);
  EXPECT_EQ(hooks.copy().TopMostOnly(2), 1);
  EXPECT_EQ(hooks.copy().Activation(1), 0);
  EXPECT_EQ(hooks.copy().Activation(3), 0);
  EXPECT_EQ(hooks.copy().MacroCount(), 0);
  hooks.TvxUpNumKeys(t.bytes());
  EXPECT_EQ(hooks.copy().MacroCount(), 3);
  EXPECT_EQ(hooks.copy().InUse(), 0);

  // The capture call takes the capture fields around, but not the hook
  // handles, the entry window or InUse, which have calls of their own.
  t.SetCaptureMacro(7);
  t.SetStopKey(0x57);
  t.SetStop2On(1);
  t.SetCaptureWindowPos(1);
  t.SetCaptureKeys(1);
  t.SetCaptureWindowPosCopy(1);
  t.SetMouseHook(0x1111);
  t.SetKeyboardHook(0x2222);
  t.SetEntryWindow(0x3333);
  t.SetEntryActive(1);
  hooks.TvxUpCapture(t.bytes());
  EXPECT_EQ(hooks.copy().CaptureMacro(), 7);
  EXPECT_EQ(hooks.copy().StopKey(), 0x57);
  EXPECT_EQ(hooks.copy().Stop2On(), 1);
  EXPECT_EQ(hooks.copy().CaptureWindowPos(), 1);
  EXPECT_EQ(hooks.copy().CaptureKeys(), 1);
  EXPECT_EQ(hooks.copy().CaptureWindowPosCopy(), 1);
  EXPECT_EQ(hooks.copy().MouseHook(), 0u);
  EXPECT_EQ(hooks.copy().KeyboardHook(), 0u);
  EXPECT_EQ(hooks.copy().EntryWindow(), 0u);
  EXPECT_EQ(hooks.copy().EntryActive(), 0);
  EXPECT_EQ(hooks.copy().InUse(), 0);
  EXPECT_EQ(hooks.copy().Scope(1), 0);  // the first Scope entry follows byte 791

  hooks.TvxUpInUse(t.bytes());
  EXPECT_EQ(hooks.copy().InUse(), 1);

  const HookHandle keyboard = hooks.TvxHookKeyboard();
  const HookHandle mouse = hooks.TvxHookMouse();
  EXPECT_NE(keyboard, mouse);
  hooks.TvxUnHook(keyboard);
  EXPECT_EQ(hooks.installedHooks(), std::set<HookHandle>{mouse});
}

TEST(KeySwapFile, NameReplacesTheTvxExtensionOrAppendsOne) {
  EXPECT_EQ(SwapFileName("C:\\TAVRIX\\TAVRX.TVX"), "C:\\TAVRIX\\TAVRX.TVS");
  EXPECT_EQ(SwapFileName("c:\\mine.tvx"), "c:\\mine.TVS");
  EXPECT_EQ(SwapFileName("C:\\MACROS.TVS"), "C:\\MACROS.TVS.TVS");  // never the macro file itself
  EXPECT_EQ(SwapFileName("MACROS"), "MACROS.TVS");
}

TEST(KeySwapFile, MissingFileIsCreatedWithUnchangedTablesAndAnExistingOneIsLoaded) {
  ScratchFolder folder;
  const std::string macros = folder.File("K.TVX");
  std::array<std::uint8_t, 93> tables{};
  GetSwapFile(macros, tables);
  const std::string saved = ReadBytes(folder.File("K.TVS"));
  ASSERT_EQ(saved.size(), 93u);
  EXPECT_EQ(saved.substr(0, 26), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(saved.substr(52, 10), "0123456789");
  EXPECT_EQ(saved.substr(62), " !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~");
  EXPECT_FALSE(SwapsInUse(tables));

  tables[0] = 'B';  // A gives B
  ASSERT_EQ(SaveSwapKeys(folder.File("K.TVS"), tables), SwapSaveResult::Saved);
  std::array<std::uint8_t, 93> loaded{};
  GetSwapFile(macros, loaded);
  EXPECT_EQ(loaded[0], 'B');
  EXPECT_TRUE(SwapsInUse(loaded));
}

struct UnusableSwapFile {
  const char* name;
  std::string contents;
  SwapSaveResult saved;
};

// A key-swap file that is not exactly the 93 bytes gives the unchanged
// tables (never the tables of the file loaded before) and loading leaves it
// alone. A remap's save replaces it (a crash may have left it torn), except
// a macro file of that name, which stays as it is.
class KeySwapFileNot93Bytes : public ::testing::TestWithParam<UnusableSwapFile> {};

TEST_P(KeySwapFileNot93Bytes, GivesUnchangedTablesAndOnlyAMacroFileIsLeftAlone) {
  ScratchFolder folder;
  const std::string contents = GetParam().contents;
  { std::ofstream(folder.File("S.TVS"), std::ios::binary) << contents; }
  std::array<std::uint8_t, 93> tables{};
  InitSwapKeys(tables);
  tables[5] = 0;  // F gave nothing in the file loaded before
  EXPECT_EQ(GetSwapFile(folder.File("S.TVX"), tables), SwapFileResult::Unusable);
  EXPECT_EQ(tables[5], 'F');
  EXPECT_FALSE(SwapsInUse(tables));
  EXPECT_EQ(ReadBytes(folder.File("S.TVS")), contents);
  tables[0] = 'b';
  EXPECT_EQ(SaveSwapKeys(folder.File("S.TVS"), tables), GetParam().saved);
  EXPECT_EQ(ReadBytes(folder.File("S.TVS")), GetParam().saved == SwapSaveResult::Saved
                                                 ? std::string(tables.begin(), tables.end())
                                                 : contents);
  EXPECT_FALSE(LoadSwapKeys(folder.File("none.TVS"), tables));

  // A save the disk refuses keeps whatever was there.
  StoreRig rig;
  rig.access.failReplace = true;
  tables[0] = 'c';
  EXPECT_NE(SaveSwapKeys(folder.File("S.TVS"), tables, rig.access), SwapSaveResult::Saved);
  EXPECT_NE(ReadBytes(folder.File("S.TVS")), std::string(tables.begin(), tables.end()));
  EXPECT_FALSE(std::filesystem::exists(folder.File("S.TVS.NEW")));
}

std::string MacroFileBytes() {
  ScratchFolder folder;
  StoreRig rig;
  rig.file.LoadFile(folder.File("K.TVS.TVX"));
  return ReadBytes(folder.File("K.TVS.TVX"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeySwapFileNot93Bytes,
    ::testing::Values(UnusableSwapFile{"Empty", "", SwapSaveResult::Saved},
                      UnusableSwapFile{"Short", "ABC", SwapSaveResult::Saved},
                      UnusableSwapFile{"OneByteTooMany", std::string(94, 'A'), SwapSaveResult::Saved},
                      UnusableSwapFile{"AMacroFile", MacroFileBytes(), SwapSaveResult::MacroFileThere}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeySwapFile, AMacroFileIsNeverCreatedUnderAKeySwapFileName) {
  ScratchFolder folder;
  StoreRig rig;
  rig.file.LoadFile(folder.File("K.tvs"));
  EXPECT_FALSE(std::filesystem::exists(folder.File("K.tvs")));
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Error: Invalid file type selected."});
  EXPECT_NE(rig.file.State(), MacroFileState::Ready);
}

}  // namespace
}  // namespace tavrix
