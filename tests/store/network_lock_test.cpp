// Network mode's lock file: its record, the file-in-use check between two
// copies, stale locks, the heartbeat and the release guard.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "store/date_time.h"
#include "store/network_lock.h"
#include "store_test_support.h"

namespace tavrix {
namespace {

using namespace testing_support;
using test_support::Lines;

constexpr const char* kInUse = "message Error: Macro File in use by another user.  Please try again later.";
constexpr const char* kChanged =
    "message Notice: Macro File has changed by another user.  Changed macro file will be reloaded after clicking "
    "\"ok\".";

struct RecordingLockHost : NetworkLockHost {
  Lines events;
  void StartNetTimer() override { events.push_back("start NetTimer"); }
  void StopNetTimer() override { events.push_back("stop NetTimer"); }
  void ReloadEverything() override { events.push_back("reload"); }
};

// One copy of the program: its boxes, its clock and its lock.
struct Copy : test_support::SimWorld {
  LocalDateTime now{2024, 3, 15, 12, 0, 0, 0};
  RecordingLockHost host;
  NetworkLock lock{ui, [this] { return now; }, host};
  explicit Copy(const std::string& macroPath) {
    lock.SetEnabled(true);
    lock.Prepare(macroPath);
  }
  void At(int hour, int minute, int second, int day = 15) { now = {2024, 3, day, hour, minute, second, 0}; }
};

LockRecord OnDisk(const std::string& lockPath) {
  const std::string bytes = ReadBytes(lockPath);
  return LockRecord::Decode(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

class SharingCopies : public ::testing::Test {
 protected:
  ScratchFolder folder;
  std::string macro = folder.File("SHARED.TVX");
  std::string lockPath = folder.File("SHARED.MAS");
  Copy a{macro};
  Copy b{macro};
};

TEST(LockRecordLayout, FourteenLittleEndianBytes) {
  const LockRecord record{0x01020304, kLockHeld, 1.5};
  const auto bytes = record.Encode();
  const std::array<std::uint8_t, 14> expected{4, 3, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(LockRecord::Decode(bytes), record);
}

TEST(LockRecordLayout, DamagedRecordsReadAsFreeKeepingTheirCount) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::int32_t count;
  };
  const std::vector<Case> cases{
      {{}, 0},
      {{7, 0, 0}, 0},
      {{7, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 7},             // 13 bytes
      {{7, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 9}, 7},  // 15 bytes
      {{9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, 9},     // LockState 0
      {{9, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}, 9},     // LockState 3
  };
  for (const Case& c : cases) {
    const LockRecord record = LockRecord::Decode(c.bytes);
    EXPECT_EQ(record.changeCount, c.count) << c.bytes.size();
    EXPECT_EQ(record.lockState, kLockFree) << c.bytes.size();
  }
}

TEST(LockFileNames, LastThreeCharactersBecomeMAS) {
  EXPECT_EQ(LockFileName("C:\\A\\X.TVX"), "C:\\A\\X.MAS");
  EXPECT_EQ(LockFileName("a.tvx"), "a.MAS");
  EXPECT_EQ(LockFileName("X.mas"), "X.mas.MAS");  // never the macro file itself
}

TEST(LockTimes, WholeSecondsCountDaysAndGoBackwards) {
  const LocalDateTime evening{2024, 3, 15, 23, 59, 30, 0};
  EXPECT_EQ(SecondsBetween(evening, {2024, 3, 16, 0, 0, 30, 0}), 60);
  EXPECT_EQ(SecondsBetween(evening, {2024, 3, 16, 23, 59, 40, 0}), 86410);
  EXPECT_EQ(SecondsBetween(evening, {2024, 3, 15, 23, 59, 29, 0}), -1);
  EXPECT_EQ(SecondsBetween(evening, {2024, 3, 15, 23, 59, 30, 999}), 0);
  EXPECT_EQ(ShortestDouble(0), "0");
  EXPECT_EQ(ShortestDouble(45366.5), "45366.5");
}

TEST_F(SharingCopies, AMissingLockFileIsCreatedFree) {
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{1, kLockFree, 0}));
  EXPECT_EQ(a.lock.KnownCount(), 1);
  EXPECT_EQ(std::filesystem::file_size(lockPath), 14u);
}

TEST_F(SharingCopies, ASaveByOneCopyIsNoticedByTheOtherBeforeItChangesAnything) {
  ASSERT_FALSE(a.lock.FileInUse());
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{1, kLockHeld, ToDateTimeValue(a.now)}));

  EXPECT_TRUE(b.lock.FileInUse());
  EXPECT_EQ(b.lock.LastCheck(), FileCheck::InUse);
  EXPECT_EQ(b.Messages(), Lines{kInUse});

  a.lock.ReleaseSyncFile(true);
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{2, kLockFree, ToDateTimeValue(a.now)}));
  EXPECT_EQ(a.host.events, (Lines{"start NetTimer", "stop NetTimer"}));

  EXPECT_TRUE(b.lock.FileInUse());
  EXPECT_EQ(b.lock.LastCheck(), FileCheck::Changed);
  EXPECT_EQ(b.Messages().back(), kChanged);
  EXPECT_EQ(b.host.events, Lines{"reload"});
  EXPECT_EQ(OnDisk(lockPath).lockState, kLockFree);

  EXPECT_FALSE(b.lock.FileInUse());  // the repeated command goes through
  b.lock.ReleaseSyncFile(false);     // a cancelled dialog
  EXPECT_EQ(OnDisk(lockPath).changeCount, 2);
}

// A command inside another (a capture started from "Add Macro") shares the
// outer command's lock: no "in use" message for itself, and the lock goes
// back once, when the outer one ends, counting the inner one's change.
TEST_F(SharingCopies, ANestedHoldSharesTheLockAndTheOuterReleaseCountsItsChange) {
  {
    SyncFileHold outer(a.lock);
    ASSERT_TRUE(outer.Taken());
    {
      SyncFileHold inner(a.lock);
      ASSERT_TRUE(inner.Taken());
      inner.Changed();
    }
    EXPECT_EQ(OnDisk(lockPath).lockState, kLockHeld);  // still the outer command's
    EXPECT_TRUE(b.lock.FileInUse());
  }
  EXPECT_EQ(a.Messages(), Lines{});
  EXPECT_EQ(OnDisk(lockPath).lockState, kLockFree);
  EXPECT_EQ(OnDisk(lockPath).changeCount, 2);
}

TEST_F(SharingCopies, ALockThatStandsStillForAMinuteIsTakenOver) {
  ASSERT_FALSE(a.lock.FileInUse());  // then copy A crashes, holding the lock
  struct Step {
    int hour, minute, second, day;
    bool inUse;
  };
  // First seen at 12:00:05; 59 seconds later still in use; 60 seconds later gone.
  for (const Step& step : {Step{12, 0, 5, 15, true}, Step{12, 1, 4, 15, true}, Step{12, 1, 5, 15, false}}) {
    b.At(step.hour, step.minute, step.second, step.day);
    EXPECT_EQ(b.lock.FileInUse(), step.inUse) << step.minute << ":" << step.second;
  }
  // The gone holder's change may be uncounted: the take-over counts one,
  // and B reads the file before it goes on.
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{2, kLockHeld, ToDateTimeValue(b.now)}));
  EXPECT_TRUE(b.lock.Holding());
  EXPECT_EQ(b.host.events, (Lines{"reload", "start NetTimer"}));
}

// A's release cannot be written (the lock file is briefly something else):
// it says that its change was made, and B, taking the stale lock over a
// minute later, reads the file again. A damaged, NaN lock time goes stale too.
TEST_F(SharingCopies, AReleaseThatCannotBeWrittenStillReachesTheOtherCopies) {
  ASSERT_FALSE(a.lock.FileInUse());
  const std::string held = ReadBytes(lockPath);
  std::filesystem::remove(lockPath);
  std::filesystem::create_directory(lockPath);
  a.lock.ReleaseSyncFile(true);
  EXPECT_EQ(a.Messages().back(), "message Error: The macro file was changed, but the lock file \"" + lockPath +
                                     "\" could not be written to give the lock back.  Other copies of Tavrix take it "
                                     "over after a minute and then read the macro file again.");
  std::filesystem::remove(lockPath);
  for (const double lockTime : {LockRecord::Decode(std::span(reinterpret_cast<const std::uint8_t*>(held.data()), held.size())).lockTime,
                                std::numeric_limits<double>::quiet_NaN()}) {
    const auto bytes = LockRecord{b.lock.KnownCount(), kLockHeld, lockTime}.Encode();
    std::ofstream(lockPath, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    b.host.events.clear();
    b.At(12, 0, 10);
    EXPECT_TRUE(b.lock.FileInUse());
    b.At(12, 1, 10);
    EXPECT_FALSE(b.lock.FileInUse());
    EXPECT_EQ(b.host.events, (Lines{"reload", "start NetTimer"}));
    b.lock.ReleaseSyncFile(false);
  }
}

// The tavrix tool waits for a held lock instead of refusing: a crashed
// holder's lock is taken over once it has stood still for the minute.
TEST_F(SharingCopies, ACopyThatMayWaitTakesOverADeadLock) {
  ASSERT_FALSE(a.lock.FileInUse());
  int waited = 0;
  b.lock.SetStaleWait([&] {
    ++waited;
    b.At(12, waited / 60, waited % 60);
  });
  EXPECT_FALSE(b.lock.FileInUse());
  EXPECT_EQ(waited, 60);
  EXPECT_TRUE(b.lock.Holding());
  EXPECT_EQ(b.Messages().front(), std::string("message Notice: ") + kWaitingText);
}

TEST_F(SharingCopies, TheMinuteCountsWholeDays) {
  ASSERT_FALSE(a.lock.FileInUse());
  b.At(23, 59, 30, 15);
  EXPECT_TRUE(b.lock.FileInUse());
  b.At(23, 59, 40, 16);  // a day and ten seconds later: hours and minutes both 0
  EXPECT_FALSE(b.lock.FileInUse());
}

TEST_F(SharingCopies, AClockSetBackNeverMakesALockStaleSooner) {
  ASSERT_FALSE(a.lock.FileInUse());
  b.At(12, 0, 0);
  EXPECT_TRUE(b.lock.FileInUse());
  b.At(11, 59, 0);  // the clock went back a minute
  EXPECT_TRUE(b.lock.FileInUse());
  b.At(11, 59, 59);
  EXPECT_TRUE(b.lock.FileInUse());
  b.At(12, 0, 0);  // a whole minute after the clock went back
  EXPECT_FALSE(b.lock.FileInUse());
}

TEST_F(SharingCopies, ATakenOverLockStillRunsTheChangedTest) {
  ASSERT_FALSE(a.lock.FileInUse());
  a.lock.ReleaseSyncFile(true);       // count 2
  ASSERT_FALSE(a.lock.FileInUse());   // and crashes holding it
  b.lock.SetKnownCount(1);            // B loaded before A's change
  b.At(12, 0, 10);
  EXPECT_TRUE(b.lock.FileInUse());
  b.At(12, 1, 10);
  EXPECT_TRUE(b.lock.FileInUse());
  EXPECT_EQ(b.lock.LastCheck(), FileCheck::Changed);
  EXPECT_EQ(OnDisk(lockPath).lockState, kLockFree);
  EXPECT_EQ(OnDisk(lockPath).changeCount, 2);
  EXPECT_FALSE(b.lock.Holding());
}

TEST_F(SharingCopies, TheHeartbeatKeepsALiveHolder) {
  ASSERT_FALSE(a.lock.FileInUse());
  b.At(12, 0, 1);
  EXPECT_TRUE(b.lock.FileInUse());
  a.At(12, 0, 30);
  a.lock.NetTimerTick();
  EXPECT_EQ(OnDisk(lockPath).lockTime, ToDateTimeValue(a.now));
  b.At(12, 1, 5);  // over a minute since B first saw the old time
  EXPECT_TRUE(b.lock.FileInUse());
  EXPECT_EQ(b.lock.LastCheck(), FileCheck::InUse);
}

TEST_F(SharingCopies, AHolderThatWasTakenOverLeavesTheNewHolderAlone) {
  ASSERT_FALSE(a.lock.FileInUse());
  b.At(12, 0, 1);
  b.lock.FileInUse();
  b.At(12, 1, 1);
  ASSERT_FALSE(b.lock.FileInUse());  // A was too slow
  a.lock.NetTimerTick();             // A's heartbeat does not steal it back
  EXPECT_EQ(OnDisk(lockPath).lockTime, ToDateTimeValue(b.now));
  a.lock.ReleaseSyncFile(true);  // A's change is counted (after the take-over's), B keeps the lock
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{3, kLockHeld, ToDateTimeValue(b.now)}));
  b.lock.ReleaseSyncFile(true);
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{4, kLockFree, ToDateTimeValue(b.now)}));
}

TEST(NetworkLock, ADamagedLockFileIsFreeWithItsCount) {
  ScratchFolder folder;
  test_support::WriteFileText(folder.File("D.MAS"), std::string("\x05\x00\x00\x00\x07", 5));
  Copy copy{folder.File("D.TVX")};
  EXPECT_EQ(copy.lock.KnownCount(), 5);
  EXPECT_FALSE(copy.lock.FileInUse());
  EXPECT_EQ(std::filesystem::file_size(folder.File("D.MAS")), 14u);
  EXPECT_EQ(OnDisk(folder.File("D.MAS")), (LockRecord{5, kLockHeld, ToDateTimeValue(copy.now)}));
}

TEST(NetworkLock, OffItNeverTouchesTheLockFile) {
  ScratchFolder folder;
  test_support::SimWorld world;
  NetworkLockHost host;
  NetworkLock lock{world.ui, [] { return LocalDateTime{}; }, host};
  EXPECT_FALSE(lock.FileInUse());
  lock.ReleaseSyncFile(true);
  EXPECT_FALSE(lock.ChangedSinceLoad());
  EXPECT_FALSE(std::filesystem::exists(folder.File("X.MAS")));
  EXPECT_TRUE(world.Messages().empty());
}

TEST(NetworkLock, ALockFileThatCannotBeMadeStopsTheCommandWithOneMessage) {
  ScratchFolder folder;
  Copy copy{folder.File("missing/X.TVX")};
  EXPECT_EQ(copy.Messages().size(), 1u);  // from Prepare
  EXPECT_TRUE(copy.lock.FileInUse());
  EXPECT_EQ(copy.lock.LastCheck(), FileCheck::Failed);
  const Lines messages = copy.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find("could not be read or written.  The macro file was not changed."), std::string::npos);
  EXPECT_FALSE(copy.lock.Holding());
}

TEST_F(SharingCopies, TheChangedTestForTheDispatcher) {
  EXPECT_FALSE(b.lock.ChangedSinceLoad());
  ASSERT_FALSE(a.lock.FileInUse());
  a.lock.ReleaseSyncFile(true);
  EXPECT_TRUE(b.lock.ChangedSinceLoad());
  EXPECT_FALSE(b.lock.ChangedSinceLoad());  // it reloaded
}

TEST_F(SharingCopies, TheHoldGivesTheLockBackOnEveryWayOut) {
  {
    SyncFileHold hold(a.lock);
    ASSERT_TRUE(hold.Taken());
    EXPECT_EQ(OnDisk(lockPath).lockState, kLockHeld);
  }
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{1, kLockFree, ToDateTimeValue(a.now)}));
  {
    SyncFileHold hold(a.lock);
    hold.Changed();
    SyncFileHold refused(b.lock);  // in use: nothing to give back
    EXPECT_FALSE(refused.Taken());
  }
  EXPECT_EQ(OnDisk(lockPath), (LockRecord{2, kLockFree, ToDateTimeValue(a.now)}));
}

}  // namespace
}  // namespace tavrix
