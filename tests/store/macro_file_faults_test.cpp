// The macro file under faults: a removal whose replace fails, an append that
// stops half-way, a file that ends in a cut-off record, too little room for
// the system activations, and two copies changing one file.
#include <gtest/gtest.h>

#include <array>

#include "store/file_commands.h"
#include "store_test_support.h"

namespace tavrix {
namespace {

using namespace testing_support;

std::vector<MacroRecord> WithSystemActivations(std::vector<MacroRecord> rest) {
  std::vector<MacroRecord> records{SystemMacro(1, "s1"), SystemMacro(2, "s2"), SystemMacro(3, "s3"),
                                   SystemMacro(4, "s4")};
  records.insert(records.end(), rest.begin(), rest.end());
  return records;
}

struct RemoveRig : StoreRig {
  FileCommandListener listener;
  std::array<std::uint8_t, 93> swap{};
  MacroFileCommands commands{file, ui, listener, swap};
};

enum class Fault { None, ReplaceRefused, ReplacementNotWritten };

struct RemoveCase {
  const char* name;
  Fault fault;
  int remove;
  std::vector<std::string> after;                  // nicknames from number 5 on
  std::vector<std::uint16_t> menuAfter;            // the popup menu's list afterwards
};

// 5 A, 6 B, 7 C, 8 M (a popup menu of 5 and 7), 9 D, 10 E.
class RecordRemoval : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RecordRemoval, EitherTheWholeNewFileOrTheOldOneExactly) {
  const RemoveCase& c = GetParam();
  ScratchFolder folder;
  RemoveRig rig;
  const std::string path = folder.File("R.TVX");
  WriteFile(path, WithSystemActivations({HotKeyMacro("A", 10), HotKeyMacro("B", 11), HotKeyMacro("C", 12),
                                         PopupMacro("M", 13, {5, 7}), HotKeyMacro("D", 14), HotKeyMacro("E", 15)}));
  rig.file.LoadFile(path);
  const std::string before = ReadBytes(path);
  rig.access.failReplace = c.fault == Fault::ReplaceRefused;
  rig.access.failReplacementFile = c.fault == Fault::ReplacementNotWritten;
  rig.trace.Clear();
  rig.hooks.ClearCalls();
  rig.ui.QueueYesNo(true);
  rig.ui.QueueYesNo(true);

  const bool removed = rig.commands.DoClear(c.remove);

  std::vector<std::string> names = NickNamesOnDisk(path);
  names.erase(names.begin(), names.begin() + 4);
  EXPECT_EQ(names, c.after);
  int menu = 0;
  for (std::size_t n = 1; n <= RecordsOnDisk(path); ++n)
    if (RecordOnDisk(path, static_cast<int>(n)).NickName() == "M") menu = static_cast<int>(n);
  ASSERT_NE(menu, 0);
  EXPECT_EQ(RecordOnDisk(path, menu).PopupMenuList(), c.menuAfter);
  EXPECT_FALSE(std::filesystem::exists(MacroFile::ReplacementFile(path)));
  if (c.fault == Fault::None) {
    EXPECT_TRUE(removed);
    EXPECT_EQ(rig.index.Count(), 9);
    EXPECT_EQ(rig.index.NickName(c.remove), c.after[static_cast<std::size_t>(c.remove - 5)]);
    return;
  }
  EXPECT_FALSE(removed);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(rig.index.Count(), 10);  // the index as before, nothing published
  EXPECT_EQ(rig.index.NickName(c.remove), before.substr((c.remove - 1) * kMacroRecordSize + 1, 1));
  EXPECT_TRUE(rig.hooks.calls().empty());
  EXPECT_EQ(rig.Messages().back(), "message Error: The macro could not be removed from the macro file.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordRemoval,
    ::testing::Values(
        RemoveCase{"RemovedWithTheMenuRenumbered", Fault::None, 6, {"A", "C", "M", "D", "E"}, {5, 6}},
        RemoveCase{"ListedMacroRemoved", Fault::None, 7, {"A", "B", "M", "D", "E"}, {5}},
        RemoveCase{"ReplaceRefused", Fault::ReplaceRefused, 6, {"A", "B", "C", "M", "D", "E"}, {5, 7}},
        RemoveCase{"ReplaceRefusedForTheFirst", Fault::ReplaceRefused, 5, {"A", "B", "C", "M", "D", "E"}, {5, 7}},
        RemoveCase{"ReplacementNotWritten", Fault::ReplacementNotWritten, 9, {"A", "B", "C", "M", "D", "E"},
                   {5, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AppendCase {
  const char* name;
  int failingWrite;  // which write to the opened file stops half-way
};

class FailedAppend : public ::testing::TestWithParam<AppendCase> {};

TEST_P(FailedAppend, IsCutBackAndTheFileStaysChangeable) {
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("FULL.TVX");
  WriteFile(path, WithSystemActivations({HotKeyMacro("five", 5)}));
  rig.file.LoadFile(path);
  const std::string before = ReadBytes(path);
  rig.access.writes = 0;
  rig.access.failWriteNumber = GetParam().failingWrite;

  rig.index.SetCount(6);
  EXPECT_FALSE(rig.file.SaveRecord(-1, HotKeyMacro("six", 6)));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(rig.Messages().back(), "message Error: Saving of keystrokes failed.");

  rig.access.failWriteNumber = 0;
  EXPECT_EQ(rig.file.State(), MacroFileState::Ready);
  ASSERT_TRUE(rig.file.SaveRecord(-1, HotKeyMacro("six again", 6)));
  EXPECT_EQ(rig.file.LastSavedNumber(), 6);
  EXPECT_EQ(RecordOnDisk(path, 6).NickName(), "six again");
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedAppend, ::testing::Values(AppendCase{"FirstWrite", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TailCase {
  const char* name;
  std::size_t tail;
};

class CutOffRecord : public ::testing::TestWithParam<TailCase> {};

TEST_P(CutOffRecord, WholeRecordsLoadTheTailMovesToTheSideFileAndChangesGoOn) {
  const std::size_t tail = GetParam().tail;
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("CUT.TVX");
  const std::string side = folder.File("CUT.TVX.CUT");
  EXPECT_EQ(MacroFile::CutOffTailFile(path), side);
  WriteFile(path, WithSystemActivations({HotKeyMacro("five", 5)}), tail);

  rig.file.LoadFile(path);
  EXPECT_EQ(rig.file.State(), MacroFileState::Ready);
  EXPECT_EQ(rig.index.Count(), 5);
  EXPECT_EQ(ReadBytes(path).size(), 5 * kMacroRecordSize);
  EXPECT_EQ(ReadBytes(side), std::string(tail, '\x5A'));
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message Warning: The macro file \"" + path +
                                                     "\" ended in a cut-off macro of " + std::to_string(tail) +
                                                     " bytes.  Those bytes were moved to the end of \"" + side +
                                                     "\" and the 5 whole macros were loaded."});
  rig.index.SetCount(6);
  ASSERT_TRUE(rig.file.SaveRecord(-1, HotKeyMacro("six", 6)));

  // A second cut-off tail goes after the first one.
  { std::ofstream(path, std::ios::binary | std::ios::app) << "tail2"; }
  rig.file.LoadFile(path);
  EXPECT_EQ(rig.index.Count(), 6);
  EXPECT_EQ(ReadBytes(side), std::string(tail, '\x5A') + "tail2");
}

INSTANTIATE_TEST_SUITE_P(Cases, CutOffRecord,
                         ::testing::Values(TailCase{"OneByte", 1}, TailCase{"HalfARecord", kMacroRecordSize / 2},
                                           TailCase{"AllButOneByte", kMacroRecordSize - 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoomCase {
  const char* name;
  int records;           // plain macros, no system activation among them
  int failingWrite;      // 0: none
  std::size_t expected;  // records in the file afterwards
  bool told;
};

class SystemActivationRoom : public ::testing::TestWithParam<RoomCase> {};

TEST_P(SystemActivationRoom, AllFourOrNone) {
  const RoomCase& c = GetParam();
  ScratchFolder folder;
  StoreRig rig;
  const std::string path = folder.File("ROOM.TVX");
  WriteFile(path, PlainMacros(c.records));
  rig.access.failWriteNumber = c.failingWrite;
  rig.file.LoadFile(path);
  EXPECT_EQ(RecordsOnDisk(path), c.expected);
  EXPECT_EQ(ReadBytes(path).size() % kMacroRecordSize, 0u);
  EXPECT_EQ(rig.index.Count(), static_cast<int>(c.expected));
  EXPECT_EQ(rig.hooks.copy().MacroCount(), static_cast<int>(c.expected));
  EXPECT_EQ(rig.Messages().empty(), !c.told);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SystemActivationRoom,
    ::testing::Values(RoomCase{"RoomForAllFour", 496, 0, 500, false}, RoomCase{"RoomForThree", 497, 0, 497, true},
                      RoomCase{"RoomForOne", 499, 0, 499, true}, RoomCase{"ThirdSaveFails", 10, 3, 10, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Two copies of the program on one file: an append goes after whatever the
// other copy appended, and the index follows the file.
TEST(TwoCopies, AnAppendGoesAfterTheOtherCopysAndTheIndexFollows) {
  ScratchFolder folder;
  StoreRig first, second;
  const std::string path = folder.File("TWO.TVX");
  first.file.LoadFile(path);
  second.file.LoadFile(path);
  second.index.SetCount(5);
  ASSERT_TRUE(second.file.SaveRecord(-1, HotKeyMacro("second's", 5)));
  first.index.SetCount(5);
  ASSERT_TRUE(first.file.SaveRecord(-1, HotKeyMacro("first's", 6)));
  EXPECT_EQ(first.file.LastSavedNumber(), 6);
  EXPECT_EQ(NickNamesOnDisk(path)[4], "second's");
  EXPECT_EQ(NickNamesOnDisk(path)[5], "first's");
  EXPECT_EQ(first.index.Count(), 6);
  EXPECT_EQ(first.index.NickName(5), "second's");
  EXPECT_EQ(first.index.NickName(1), "Activate Tavrix");
  EXPECT_EQ(first.hooks.copy().MacroCount(), 6);
}

}  // namespace
}  // namespace tavrix
