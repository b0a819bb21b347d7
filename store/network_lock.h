// Network mode: several copies of the program share one macro file through
// a small lock file beside it (the macro file's name with its last three
// characters replaced by "MAS"). Its one 14-byte record says how often the
// macro file was changed (`ChangeCount`), whether a copy holds the right to
// change it (`LockState` 1 held, 2 free) and since when (`LockTime`,
// refreshed every 30 seconds by the holder's heartbeat).
//
// Every command that changes the macro file asks `FileInUse` first and
// gives the right back with `ReleaseSyncFile` on every way out; the scoped
// `SyncFileHold` below does both, so no path can forget the release.
//
// Each read-check-write and each release of the record holds an OS byte
// lock on it (LockFileAccess), so two copies that check at the same instant
// can never both take the lock.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "platform/desktop.h"
#include "platform/ui.h"
#include "store/lock_file_access.h"

namespace tavrix {

inline constexpr std::size_t kLockRecordSize = 14;
inline constexpr std::int16_t kLockHeld = 1;
inline constexpr std::int16_t kLockFree = 2;
// How long a held lock's time must stand still before its holder is taken
// to be gone.
inline constexpr std::int64_t kStaleLockSeconds = 60;
inline constexpr std::uint32_t kNetTimerMs = 30000;
inline constexpr std::uint32_t kSyncTimerMs = 60000;

inline constexpr const char* kFileInUseText = "Macro File in use by another user.  Please try again later.";
// How long a copy that may wait (the tavrix tool) watches a held lock: the
// stale period and a heartbeat more.
inline constexpr int kStaleWaitSeconds = 75;
inline constexpr const char* kWaitingText =
    "Macro File in use by another user.  Waiting up to 75 seconds for it to be given back or for its holder to be "
    "found gone.";
inline constexpr const char* kNoticeTitle = "Notice";
inline constexpr const char* kFileChangedText =
    "Macro File has changed by another user.  Changed macro file will be reloaded after clicking \"ok\".";

// <int32 ChangeCount><int16 LockState><double LockTime>, little-endian.
struct LockRecord {
  std::int32_t changeCount = 1;
  std::int16_t lockState = kLockFree;
  double lockTime = 0;

  std::array<std::uint8_t, kLockRecordSize> Encode() const;
  // Any bytes. A record that is not exactly 14 bytes, or whose LockState is
  // neither 1 nor 2, is read as free; it keeps the ChangeCount of its first
  // four bytes (0 when it has fewer), so a damaged lock file never blocks
  // the copies, and never hides a change count that is still there.
  static LockRecord Decode(std::span<const std::uint8_t> bytes);
  bool operator==(const LockRecord&) const = default;
};

// "C:\A\X.TVX" gives "C:\A\X.MAS".
std::string LockFileName(const std::string& macroPath);

// Whole seconds from `from` to `to`, days included; negative when `to` is
// earlier.
std::int64_t SecondsBetween(const LocalDateTime& from, const LocalDateTime& to);

// The shortest decimal text that reads back as exactly `value`.
std::string ShortestDouble(double value);

// Where the lock reaches out of the store: the heartbeat timer and the
// reload of everything after another copy changed the file.
class NetworkLockHost {
 public:
  virtual ~NetworkLockHost() = default;
  virtual void StartNetTimer() {}
  virtual void StopNetTimer() {}
  // Popup tray icons, macro file, key-swap state, list, activations,
  // buttons, scheduler: all from the file again.
  virtual void ReloadEverything() {}
};

// What the last file-in-use check answered.
enum class FileCheck {
  NotInUse,  // the lock is ours (or network mode is off)
  InUse,     // another copy holds it
  Changed,   // another copy changed the file: reloaded, repeat the command
  Failed,    // the lock file could not be read or written
};

// Something that can give the right to change the macro file and take it
// back: the network lock itself, or the main window in front of it.
class FileLockHolder {
 public:
  virtual ~FileLockHolder() = default;
  // The file-in-use check: false when the command must give up.
  virtual bool TakeFileLock() { return true; }
  virtual void ReleaseFileLock(bool /*changed*/) {}
};

// The right to change the macro file for one command: taken when made (ask
// `Taken()`), given back when it goes out of scope, marking a change when
// `Changed()` was called.
class SyncFileHold {
 public:
  explicit SyncFileHold(FileLockHolder& holder) : holder_(holder), taken_(holder.TakeFileLock()) {}
  ~SyncFileHold() {
    if (taken_) holder_.ReleaseFileLock(changed_);
  }
  SyncFileHold(const SyncFileHold&) = delete;
  SyncFileHold& operator=(const SyncFileHold&) = delete;
  bool Taken() const { return taken_; }
  void Changed() { changed_ = true; }

 private:
  FileLockHolder& holder_;
  bool taken_;
  bool changed_ = false;
};

class NetworkLock : public FileLockHolder {
 public:
  using Clock = std::function<LocalDateTime()>;
  NetworkLock(Ui& ui, Clock now, NetworkLockHost& host, LockFileAccess& access = SystemLockFileAccess());

  // Network mode ("Network Mode" of the configuration). Off: every check
  // answers "not in use" and nothing reads, creates or writes the lock file.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  const std::string& Path() const { return path_; }

  // Computes the lock file of `macroPath`, reads it (creating it when
  // missing) and takes its ChangeCount as known. False when it could not be
  // read or created (the user has been told).
  bool Prepare(const std::string& macroPath);
  // The record under the OS lock; a missing or empty lock file is created
  // free with ChangeCount 1 and this copy's last LockTime. Nothing when the
  // file cannot be opened, read or created.
  std::optional<LockRecord> Read();

  // The check every change starts with; true when the caller must give up
  // (the user has been told why). `LastCheck()` says which answer it was.
  bool FileInUse();
  FileCheck LastCheck() const { return lastCheck_; }
  // Gives the lock back: ChangeCount raised by `changed`, LockState free,
  // LockTime kept. Nothing when this copy does not hold it.
  void ReleaseSyncFile(bool changed);
  // The heartbeat (`NetTimer`): LockTime = now while this copy holds it.
  void NetTimerTick();
  // Whether another copy changed the macro file since this copy last read it.
  bool ChangedSinceLoad();
  bool Holding() const { return holding_; }
  // Lets FileInUse wait for a held lock instead of refusing at once:
  // `pause` waits about a second, and is called at most kStaleWaitSeconds
  // times per check.
  void SetStaleWait(std::function<void()> pause) { pause_ = std::move(pause); }

  int KnownCount() const { return knownCount_; }
  void SetKnownCount(int count) { knownCount_ = count; }
  // Another copy's LockTime seen before, first seen at `firstSeen`.
  void SetSeen(double lockTime, const LocalDateTime& firstSeen) {
    seenTime_ = lockTime;
    firstSeen_ = firstSeen;
  }

  // FileLockHolder. A command inside another that holds the lock (a capture
  // started from "Add Macro") shares it: only the outermost release gives
  // the lock back, counting a change made by any of them.
  bool TakeFileLock() override {
    if (enabled_ && holding_) {
      ++nestedHolds_;
      return true;
    }
    return !FileInUse();
  }
  void ReleaseFileLock(bool changed) override {
    if (nestedHolds_ > 0 && holding_) {
      --nestedHolds_;
      nestedChange_ = nestedChange_ || changed;
      return;
    }
    nestedHolds_ = 0;
    ReleaseSyncFile(changed || std::exchange(nestedChange_, false));
  }

 private:
  std::unique_ptr<LockedFile> Open();
  std::optional<LockRecord> ReadOpen(LockedFile& file);
  bool Write(LockedFile& file, const LockRecord& record);
  bool Stale(double lockTime, const LocalDateTime& now);
  bool Fail();

  Ui& ui_;
  Clock now_;
  NetworkLockHost& host_;
  LockFileAccess& access_;
  bool enabled_ = false;
  std::string path_;
  int knownCount_ = 0;
  double ownLockTime_ = 0;  // this copy's LockTime, 0 before it first took the lock
  std::optional<double> seenTime_;
  LocalDateTime firstSeen_;
  bool holding_ = false;
  int nestedHolds_ = 0;
  bool nestedChange_ = false;
  FileCheck lastCheck_ = FileCheck::NotInUse;
  std::function<void()> pause_;
};

}  // namespace tavrix
