#include "store/network_lock.h"

#include <bit>
#include <charconv>
#include <chrono>

#include "base/ascii_text.h"
#include "base/byte_fields.h"
#include "store/date_time.h"

namespace tavrix {
namespace {

constexpr const char* kErrorTitle = "Error";

std::int64_t MillisecondsSinceEpoch(const LocalDateTime& t) {
  using namespace std::chrono;
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
  const std::int64_t days = sys_days{date}.time_since_epoch().count();
  return ((days * 24 + t.hour) * 60 + t.minute) * 60000LL + t.second * 1000LL + t.millisecond;
}

// Lock times are compared bit for bit: a damaged time may be NaN, which no
// comparison of values would ever find equal to itself.
bool SameTime(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// One change more; a count at its largest wraps round instead of overflowing.
std::int32_t CountedOnce(std::int32_t count) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
}

}  // namespace

std::array<std::uint8_t, kLockRecordSize> LockRecord::Encode() const {
  std::array<std::uint8_t, kLockRecordSize> bytes{};
  bytes::WriteI32(bytes, 0, changeCount);
  bytes::WriteI16(bytes, 4, lockState);
  bytes::WriteDouble(bytes, 6, lockTime);
  return bytes;
}

LockRecord LockRecord::Decode(std::span<const std::uint8_t> data) {
  LockRecord record;
  if (data.size() != kLockRecordSize) {
    record.changeCount = data.size() >= 4 ? bytes::ReadI32(data, 0) : 0;
    return record;
  }
  record.changeCount = bytes::ReadI32(data, 0);
  record.lockState = bytes::ReadI16(data, 4);
  record.lockTime = bytes::ReadDouble(data, 6);
  if (record.lockState != kLockHeld && record.lockState != kLockFree) {
    record.lockState = kLockFree;
    record.lockTime = 0;
  }
  return record;
}

std::string LockFileName(const std::string& macroPath) {
  std::string name = macroPath.size() >= 3 ? macroPath.substr(0, macroPath.size() - 3) + "MAS" : macroPath + "MAS";
  // A macro file that itself ends in "MAS" must never be its own lock file.
  if (EqualsIgnoringCase(name, macroPath)) name = macroPath + ".MAS";
  return name;
}

std::int64_t SecondsBetween(const LocalDateTime& from, const LocalDateTime& to) {
  const std::int64_t ms = MillisecondsSinceEpoch(to) - MillisecondsSinceEpoch(from);
  return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

std::string ShortestDouble(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

NetworkLock::NetworkLock(Ui& ui, Clock now, NetworkLockHost& host, LockFileAccess& access)
    : ui_(ui), now_(std::move(now)), host_(host), access_(access) {}

std::unique_ptr<LockedFile> NetworkLock::Open() {
  if (path_.empty()) return nullptr;
  return access_.OpenLocked(path_, nullptr);
}

bool NetworkLock::Write(LockedFile& file, const LockRecord& record) {
  const auto bytes = record.Encode();
  if (!file.WriteAt(0, bytes.data(), bytes.size())) return false;
  const std::optional<std::uint64_t> size = file.Size();
  return size && (*size == kLockRecordSize || file.Truncate(kLockRecordSize));
}

// An empty file is one a copy has just created and not written yet (or a
// lock file cut to nothing): whoever has the OS lock first fills it.
std::optional<LockRecord> NetworkLock::ReadOpen(LockedFile& file) {
  const std::optional<std::uint64_t> size = file.Size();
  if (!size) return std::nullopt;
  if (*size == 0) {
    LockRecord fresh{1, kLockFree, ownLockTime_};
    if (!Write(file, fresh)) return std::nullopt;
    return fresh;
  }
  // A damaged file may be of any size; its first bytes are enough to decide.
  std::array<std::uint8_t, kLockRecordSize + 1> bytes{};
  const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(*size, bytes.size()));
  if (!file.ReadAt(0, bytes.data(), wanted)) return std::nullopt;
  return LockRecord::Decode(std::span<const std::uint8_t>(bytes.data(), wanted));
}

std::optional<LockRecord> NetworkLock::Read() {
  const std::unique_ptr<LockedFile> file = Open();
  if (!file) return std::nullopt;
  return ReadOpen(*file);
}

bool NetworkLock::Prepare(const std::string& macroPath) {
  if (holding_) ReleaseSyncFile(false);
  path_ = LockFileName(macroPath);
  seenTime_.reset();
  const std::optional<LockRecord> record = Read();
  if (!record) {
    Fail();
    return false;
  }
  knownCount_ = record->changeCount;
  return true;
}

bool NetworkLock::Fail() {
  lastCheck_ = FileCheck::Failed;
  ui_.ShowMessage(kErrorTitle, "The lock file \"" + path_ +
                                   "\" could not be read or written.  The macro file was not changed.");
  return true;
}

// The holder is taken to be gone when its LockTime has stood still for a
// whole minute of this copy's clock, days included. A clock set back starts
// the minute again instead of making the lock look older.
bool NetworkLock::Stale(double lockTime, const LocalDateTime& now) {
  if (!seenTime_ || !SameTime(*seenTime_, lockTime)) {
    seenTime_ = lockTime;
    firstSeen_ = now;
    return false;
  }
  const std::int64_t seconds = SecondsBetween(firstSeen_, now);
  if (seconds < 0) {
    firstSeen_ = now;
    return false;
  }
  return seconds >= kStaleLockSeconds;
}

bool NetworkLock::FileInUse() {
  lastCheck_ = FileCheck::NotInUse;
  if (!enabled_) return false;
  std::unique_ptr<LockedFile> file;
  std::optional<LockRecord> record;
  LocalDateTime now;
  bool tookOver = false;
  // With a pause to wait by (the tavrix tool), a held lock is watched until
  // it is given back or has stood still long enough to be taken over; the
  // program asks the user to try again instead.
  for (int waited = 0;; ++waited) {
    file = Open();
    if (!file) return Fail();
    record = ReadOpen(*file);
    if (!record) return Fail();
    now = now_();
    if (record->lockState != kLockHeld) break;
    if (Stale(record->lockTime, now)) {
      tookOver = true;
      break;
    }
    file.reset();  // the OS lock is not held while the user reads or we wait
    if (!pause_ || waited >= kStaleWaitSeconds) {
      lastCheck_ = FileCheck::InUse;
      ui_.ShowMessage(kErrorTitle, kFileInUseText);
      return true;
    }
    if (waited == 0) ui_.ShowMessage(kNoticeTitle, kWaitingText);
    pause_();
  }
  // A holder that is gone may have changed the file without counting it
  // (its release never came): the take-over counts a change, so every other
  // copy reads the file again, and this one reads it before it goes on.
  if (tookOver && record->changeCount == knownCount_) {
    record->changeCount = CountedOnce(record->changeCount);
    knownCount_ = record->changeCount;
    host_.ReloadEverything();
  }
  if (record->changeCount != knownCount_) {
    if (tookOver) {
      record->lockState = kLockFree;
      if (!Write(*file, *record)) return Fail();
    }
    file.reset();
    knownCount_ = record->changeCount;
    lastCheck_ = FileCheck::Changed;
    ui_.ShowMessage(kNoticeTitle, kFileChangedText);
    host_.ReloadEverything();
    return true;
  }

  const LockRecord free = *record;
  record->lockState = kLockHeld;
  record->lockTime = ToDateTimeValue(now);
  if (!Write(*file, *record)) {
    // A write cut short must not leave the lock held by nobody.
    Write(*file, free);
    return Fail();
  }
  ownLockTime_ = record->lockTime;
  holding_ = true;
  host_.StartNetTimer();
  return false;
}

void NetworkLock::ReleaseSyncFile(bool changed) {
  if (!enabled_ || !holding_) return;
  holding_ = false;
  host_.StopNetTimer();
  const std::unique_ptr<LockedFile> file = Open();
  std::optional<LockRecord> record = file ? ReadOpen(*file) : std::nullopt;
  if (record) {
    if (changed) record->changeCount = CountedOnce(record->changeCount);
    // A copy that took the lock over from us (our heartbeat stopped for a
    // minute) keeps it; our change is still counted.
    if (record->lockState != kLockHeld || SameTime(record->lockTime, ownLockTime_)) record->lockState = kLockFree;
    if (Write(*file, *record)) {
      knownCount_ = record->changeCount;
      return;
    }
  }
  // The lock stays marked as ours and its time stands still: after a
  // minute another copy takes it over and, as after any take-over, reads
  // the macro file again, so our change still reaches everyone.
  lastCheck_ = FileCheck::Failed;
  ui_.ShowMessage(kErrorTitle, std::string(changed ? "The macro file was changed" : "The macro file was not changed") +
                                   ", but the lock file \"" + path_ +
                                   "\" could not be written to give the lock back.  Other copies of Tavrix take it "
                                   "over after a minute and then read the macro file again.");
}

void NetworkLock::NetTimerTick() {
  if (!enabled_ || !holding_) return;
  const std::unique_ptr<LockedFile> file = Open();
  std::optional<LockRecord> record = file ? ReadOpen(*file) : std::nullopt;
  if (!record || record->lockState != kLockHeld || !SameTime(record->lockTime, ownLockTime_)) return;
  record->lockTime = ToDateTimeValue(now_());
  if (Write(*file, *record)) ownLockTime_ = record->lockTime;
}

bool NetworkLock::ChangedSinceLoad() {
  if (!enabled_) return false;
  const std::optional<LockRecord> record = Read();
  if (!record || record->changeCount == knownCount_) return false;
  knownCount_ = record->changeCount;  // the caller reloads now
  return true;
}

}  // namespace tavrix
