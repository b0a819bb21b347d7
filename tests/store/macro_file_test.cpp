// Loading, saving, appending, deleting and the system activations.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/date_time.h"
#include "store_test_support.h"

namespace tavrix {
namespace {

using namespace testing_support;

TEST(MacroFileLoad, MissingFileIsCreatedWithTheFourSystemActivations) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("NEW.TVX");
  rig.file.LoadFile(path);

  ASSERT_EQ(RecordsOnDisk(path), 4u);
  EXPECT_EQ(rig.index.Count(), 4);
  const char* names[] = {"Activate Tavrix", "Start / Stop Capture", "Resume Pause",
                         "Menu of Macros for Top Most Window"};
  for (int n = 1; n <= 4; ++n) {
    const MacroRecord r = RecordOnDisk(path, n);
    EXPECT_EQ(r.NickName(), names[n - 1]);
    EXPECT_EQ(r.ScopeName(), std::to_string(n));
    EXPECT_EQ(r.Activation(), 261 + n);
    EXPECT_EQ(r.Scope(), kScopeSystem);
    EXPECT_EQ(r.Active(), 1);
    EXPECT_EQ(r.WordletText(), "");
    EXPECT_EQ(r.LastModified(), ToDateTimeValue(rig.now));
    EXPECT_EQ(rig.index.NickName(n), names[n - 1]);
    // The library's copy holds the entry too.
    EXPECT_EQ(rig.hooks.copy().Activation(n), 261 + n);
    EXPECT_EQ(rig.hooks.copy().ScopeName(n), std::to_string(n));
  }
  EXPECT_EQ(rig.hooks.copy().MacroCount(), 4);
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(rig.file.State(), MacroFileState::Ready);
}

TEST(MacroFileLoad, EmptyFileGainsTheSystemActivationsInDigitOrder) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("EMPTY.TVX");
  WriteFile(path, {});
  rig.file.LoadFile(path);
  ASSERT_EQ(RecordsOnDisk(path), 4u);
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(RecordOnDisk(path, n).ScopeName(), std::to_string(n));
  // Each is counted and published before it is saved.
  std::vector<std::string> order;
  for (const auto& call : rig.hooks.calls()) order.push_back(call.name);
  const std::vector<std::string> expected{"TvxUpNumKeys", "TvxUpNumKeys", "TvxUpItem", "TvxUpNumKeys", "TvxUpItem",
                                          "TvxUpNumKeys", "TvxUpItem",    "TvxUpNumKeys", "TvxUpItem"};
  EXPECT_EQ(order, expected);
}

TEST(MacroFileLoad, OnlyMissingSystemActivationsAreAppendedAndNicknamesAreCanonicalInMemoryOnly) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("MINE.TVX");
  WriteFile(path, {HotKeyMacro("first", 0), SystemMacro(3, "My own resume"), SystemMacro(1, "Activate Tavrix")});
  rig.file.LoadFile(path);

  ASSERT_EQ(RecordsOnDisk(path), 5u);
  EXPECT_EQ(rig.index.NickName(2), "Resume Pause");
  EXPECT_EQ(RecordOnDisk(path, 2).NickName(), "My own resume");  // the file keeps its text
  EXPECT_EQ(RecordOnDisk(path, 4).ScopeName(), "2");
  EXPECT_EQ(RecordOnDisk(path, 5).ScopeName(), "4");
  EXPECT_EQ(rig.index.Count(), 5);
}

TEST(MacroFileRecords, SaveInPlaceAppendReadAndDelete) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("A.TVX");
  WriteFile(path, {SystemMacro(1, "a"), SystemMacro(2, "b"), SystemMacro(3, "c"), SystemMacro(4, "d"),
                   HotKeyMacro("five", 5)});
  rig.file.LoadFile(path);
  ASSERT_EQ(rig.index.Count(), 5);

  // In place: the index and the library's copy follow the record.
  MacroRecord changed = HotKeyMacro("renamed", 7, kScopeWindow);
  changed.SetScopeName("A window title longer than twenty");
  changed.SetWordletText("zz");
  rig.hooks.ClearCalls();
  ASSERT_TRUE(rig.file.SaveRecord(5, changed));
  EXPECT_EQ(RecordOnDisk(path, 5).NickName(), "renamed");
  EXPECT_EQ(rig.index.NickName(5), "renamed");
  EXPECT_EQ(rig.index.Wordlet(5), "zz");
  EXPECT_EQ(rig.hooks.copy().ScopeName(5), "A window title longe");
  EXPECT_EQ(rig.hooks.copy().Activation(5), 7);
  EXPECT_EQ(rig.hooks.calls(), (std::vector<RecordingHookLibrary::Call>{{"TvxUpItem", 5}}));

  // Append: the caller raises the count first.
  rig.index.SetCount(6);
  ASSERT_TRUE(rig.file.SaveRecord(-1, HotKeyMacro("six", 6)));
  EXPECT_EQ(RecordsOnDisk(path), 6u);
  EXPECT_EQ(rig.index.NickName(6), "six");

  MacroRecord buffer;
  ASSERT_TRUE(rig.file.ReadRecord(6, buffer));
  EXPECT_EQ(buffer.NickName(), "six");
  buffer.SetNickName("untouched");
  EXPECT_FALSE(rig.file.ReadRecord(7, buffer));
  EXPECT_EQ(buffer.NickName(), "untouched");

  ASSERT_TRUE(rig.file.SetActiveOnDisk(6, 0));
  EXPECT_EQ(RecordOnDisk(path, 6).Active(), 0);
  EXPECT_EQ(RecordOnDisk(path, 6).NickName(), "six");

  // Delete in the middle moves the rest down (the file keeps its mode);
  // deleting the last only truncates.
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write);
  ASSERT_TRUE(rig.file.DeleteRecord(5));
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write);
  ASSERT_EQ(RecordsOnDisk(path), 5u);
  EXPECT_EQ(RecordOnDisk(path, 5).NickName(), "six");
  ASSERT_TRUE(rig.file.DeleteRecord(5));
  ASSERT_EQ(RecordsOnDisk(path), 4u);
  EXPECT_EQ(RecordOnDisk(path, 4).NickName(), "d");
  EXPECT_FALSE(rig.file.DeleteRecord(9));  // gone meanwhile: said so
  EXPECT_EQ(RecordsOnDisk(path), 4u);
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Error: Macro 9 was changed, moved or removed by another "
                                                     "program since it was chosen, so nothing was removed.  Please try "
                                                     "again."});
}

TEST(MacroFileRecords, SaveFailsWithTheMessageWhenTheFileIsGone) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("GONE.TVX");
  rig.file.LoadFile(path);
  std::filesystem::remove(path);
  rig.hooks.ClearCalls();
  EXPECT_FALSE(rig.file.SaveRecord(1, HotKeyMacro("x", 1)));
  EXPECT_EQ(rig.Messages().back(), "message Error: Saving of keystrokes failed.");
  EXPECT_FALSE(std::filesystem::exists(path));  // saving never creates the file
  EXPECT_TRUE(rig.hooks.calls().empty());
  EXPECT_EQ(rig.index.NickName(1), "Activate Tavrix");
}

TEST(MacroFileRecords, NoSaveCanMakeA501stRecordOrLeaveAGap) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("FULL.TVX");
  std::vector<MacroRecord> records(500, HotKeyMacro("m", 1));
  for (int d = 1; d <= 4; ++d) records[static_cast<std::size_t>(d - 1)] = SystemMacro(d, "s");
  WriteFile(path, records);
  rig.file.LoadFile(path);
  ASSERT_EQ(rig.index.Count(), 500);

  EXPECT_FALSE(rig.file.SaveRecord(-1, HotKeyMacro("501", 2)));
  EXPECT_EQ(rig.Messages().back(), "message Error: Maximum number of hot keys has been reached.  Add not allowed.");
  EXPECT_EQ(RecordsOnDisk(path), 500u);

  ASSERT_TRUE(rig.file.DeleteRecord(500));
  ASSERT_TRUE(rig.file.DeleteRecord(499));
  EXPECT_FALSE(rig.file.SaveRecord(500, HotKeyMacro("gap", 2)));  // record 499 would be undefined
  EXPECT_EQ(rig.Messages().back(), "message Error: Saving of keystrokes failed.");
  EXPECT_EQ(RecordsOnDisk(path), 498u);
}

// A damaged file keeps every byte: it is indexed as far as it is whole and
// every change is refused until it is repaired.
class DamagedMacroFile : public ::testing::Test {
 protected:
  void ExpectEveryChangeRefused(StoreRig& rig, const std::string& path) {
    const std::string before = ReadBytes(path);
    const std::string refusal = "message Error: The macro file \"" + path +
                                "\" is damaged and cannot be changed until it is repaired.";
    rig.trace.Clear();
    EXPECT_FALSE(rig.file.SaveRecord(-1, HotKeyMacro("new", 3)));
    EXPECT_FALSE(rig.file.SaveRecord(1, HotKeyMacro("over", 3)));
    EXPECT_FALSE(rig.file.SetActiveOnDisk(1, 0));
    EXPECT_FALSE(rig.file.DeleteRecord(1));
    EXPECT_EQ(rig.Messages(), std::vector<std::string>(4, refusal));
    EXPECT_EQ(ReadBytes(path), before);
  }
  ScratchFolder folder;
};

// A cut-off last record whose bytes cannot be kept in the side file (here a
// folder has its name) leaves the file as it is.
TEST_F(DamagedMacroFile, SizeNotAWholeNumberOfRecords) {
  StoreRig rig;
  const std::string path = folder.File("TORN.TVX");
  WriteFile(path, {HotKeyMacro("one", 1), HotKeyMacro("two", 2)}, 100);
  std::filesystem::create_directory(MacroFile::CutOffTailFile(path));
  rig.file.LoadFile(path);
  EXPECT_EQ(rig.file.State(), MacroFileState::Damaged);
  EXPECT_EQ(rig.index.Count(), 2);
  EXPECT_EQ(rig.index.NickName(2), "two");
  ASSERT_EQ(rig.Messages().size(), 1u);  // told once, no system activations added
  EXPECT_EQ(rig.Messages()[0], "message Error: The macro file \"" + path +
                                   "\" is damaged: its size is not a whole number of macros.  Only the first 2 "
                                   "macros were loaded.  Tavrix will not change this file until it is repaired.");
  EXPECT_EQ(ReadBytes(path).size(), 2 * kMacroRecordSize + 100);
  ExpectEveryChangeRefused(rig, path);
  MacroRecord buffer;
  EXPECT_TRUE(rig.file.ReadRecord(2, buffer));  // reading stays possible
}

TEST_F(DamagedMacroFile, MoreThan500Records) {
  StoreRig rig;
  const std::string path = folder.File("BIG.TVX");
  std::vector<MacroRecord> records(502, HotKeyMacro("m", 1));
  records[500].SetNickName("five hundred and one");
  WriteFile(path, records);
  rig.file.LoadFile(path);
  EXPECT_EQ(rig.file.State(), MacroFileState::Damaged);
  EXPECT_EQ(rig.index.Count(), 500);
  EXPECT_EQ(rig.hooks.copy().MacroCount(), 500);
  ASSERT_EQ(rig.Messages().size(), 1u);
  EXPECT_NE(rig.Messages()[0].find("holds more than 500 macros.  Only the first 500 were loaded."), std::string::npos);
  ExpectEveryChangeRefused(rig, path);
}

TEST_F(DamagedMacroFile, ChangedBehindOurBackAfterLoading) {
  StoreRig rig;
  const std::string path = folder.File("LATER.TVX");
  rig.file.LoadFile(path);
  { std::ofstream(path, std::ios::binary | std::ios::app) << "junk"; }
  EXPECT_FALSE(rig.file.SaveRecord(1, HotKeyMacro("x", 1)));
  EXPECT_EQ(rig.file.State(), MacroFileState::Damaged);
  EXPECT_EQ(ReadBytes(path).size(), 4 * kMacroRecordSize + 4);
}

TEST_F(DamagedMacroFile, AnExistingFileThatCannotBeOpenedIsNeverRecreated) {
  StoreRig rig;
  const std::string path = folder.File("FOLDER.TVX");
  std::filesystem::create_directory(path);  // exists, but cannot be read as a file
  rig.file.LoadFile(path);
  EXPECT_EQ(rig.file.State(), MacroFileState::Unreadable);
  EXPECT_EQ(rig.index.Count(), 0);
  ASSERT_EQ(rig.Messages().size(), 1u);
  EXPECT_EQ(rig.Messages()[0], "message Error: The macro file \"" + path +
                                   "\" could not be opened.  Tavrix will not change this file until it can be opened.");
  EXPECT_TRUE(std::filesystem::is_directory(path));
  rig.index.SetCount(1);
  EXPECT_FALSE(rig.file.SaveRecord(-1, HotKeyMacro("x", 1)));
  EXPECT_NE(rig.Messages().back().find("could not be read and cannot be changed"), std::string::npos);
}

TEST(MacroFileLoad, ANewFileThatCannotBeCreatedLeavesAnEmptyIndex) {
  ScratchFolder folder;
  StoreRig rig;
  rig.file.LoadFile(folder.File("no such folder/X.TVX"));
  EXPECT_EQ(rig.index.Count(), 0);
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Error: New file could not be created."});
}

TEST(MacroFileLoad, ReadOnlyLoadNeverCreatesOrAppends) {
  ScratchFolder folder;
  StoreRig rig;
  EXPECT_FALSE(rig.file.LoadReadOnly(folder.File("NONE.TVX")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("NONE.TVX")));
  const std::string path = folder.File("ONE.TVX");
  WriteFile(path, {SystemMacro(2, "mine")});
  EXPECT_TRUE(rig.file.LoadReadOnly(path));
  EXPECT_EQ(rig.index.Count(), 1);
  EXPECT_EQ(rig.index.NickName(1), "Start / Stop Capture");
  EXPECT_EQ(RecordsOnDisk(path), 1u);
}

}  // namespace
}  // namespace tavrix
