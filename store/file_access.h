// What the macro file needs from the operating system beyond plain reading:
// opening a file under a lock that every other copy of the program (and the
// tavrix tool) respects, flushing written bytes to the disk, and replacing a
// file by another in one step. The portable core uses only this interface;
// file_access_posix.cpp and win32/file_access_win32.cpp implement it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tavrix {

// An open file whose lock is held until the object is destroyed.
class LockedFile {
 public:
  virtual ~LockedFile() = default;
  virtual std::optional<std::uint64_t> Size() = 0;
  // Exactly `size` bytes at `offset`; false when fewer could be read.
  virtual bool ReadAt(std::uint64_t offset, void* data, std::size_t size) = 0;
  // All `size` bytes at `offset`; false when any of them could not be written.
  virtual bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) = 0;
  // Waits until everything written has reached the disk.
  virtual bool Flush() = 0;
  virtual bool Truncate(std::uint64_t size) = 0;
  // Lets the file be replaced (FileAccess::Replace) while the lock is still
  // held. Where the system refuses to replace an open file, this closes the
  // file; nothing may be read or written after it.
  virtual void PrepareForReplace() {}
};

enum class PathKind { Missing, RegularFile, Other };
// What tells one version of a file from another without reading it: which
// file it is (a replacement is another file), its size and the time it was
// last written. The system keeps that time in steps of a few milliseconds,
// so a stamp written within the last two seconds is `recent`: another write
// may still follow in the same step and leave the stamp as it is.
struct FileStamp {
  std::uint64_t identity = 0;
  std::uint64_t size = 0;
  std::int64_t writeTime = 0;
  bool recent = false;
  bool operator==(const FileStamp& other) const {
    return identity == other.identity && size == other.size && writeTime == other.writeTime;
  }
};

enum class LockedOpen {
  Read,            // an existing file, for reading; others may read at the same time
  Change,          // an existing file, for reading and writing, alone
  ChangeOrCreate,  // as Change; a missing file is created empty, an existing one is never emptied
};

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // Opens `path` and waits (bounded) for its lock. Nothing when the file is
  // missing (Read, Change), cannot be opened or created, or the lock does
  // not come. `created` tells whether this call made the file.
  // Anything that is not a regular file (a folder, a pipe, a device) is
  // refused without waiting on it.
  virtual std::unique_ptr<LockedFile> Open(const std::string& path, LockedOpen how, bool* created = nullptr) = 0;
  virtual PathKind Kind(const std::string& path) = 0;
  // Exactly `size` bytes at `offset` of a regular file, without waiting for
  // its lock (a reader never waits on a change: a change either rewrites
  // records in place or replaces the file whole).
  virtual bool ReadPart(const std::string& path, std::uint64_t offset, void* data, std::size_t size) = 0;
  // Creates or empties `path`, writes `bytes` and flushes them to the disk.
  virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
  // Puts `from` in the place of `to` in one step: afterwards `to` holds
  // either all of its old bytes or all of the new ones, and keeps the
  // permissions (mode and owner, or attributes and security) it had, so a
  // file shared between users stays writable for all of them. False leaves
  // both as they were.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
  // The stamp of the file at `path` now; nothing when it is missing or
  // cannot be looked at (or this access cannot tell).
  virtual std::optional<FileStamp> StampOf(const std::string& /*path*/) { return std::nullopt; }
};

// The operating system's file access.
FileAccess& SystemFileAccess();

// The whole of a regular file; nothing when it is missing, is no regular
// file or cannot be read.
std::optional<std::string> ReadWholeFile(FileAccess& access, const std::string& path);
// Writes `bytes` beside `path` (ReplacementFile), flushes them and replaces
// `path` by it: a failure or a crash at any moment leaves either the old
// file whole or the new one. False (the old file untouched, nothing left
// beside it) when any step failed.
bool ReplaceWholeFile(FileAccess& access, const std::string& path, const std::string& bytes);
// The file a replacement is written to before it takes `path`'s place.
std::string ReplacementFile(const std::string& path);

}  // namespace tavrix
