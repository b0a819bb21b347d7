// The operating system's side of network mode's lock file: the file opened
// (created when missing) with an exclusive byte-range lock on its record, so
// that two copies of the program, on this machine or on others sharing the
// folder, never read-check-write the record at the same time. The lock is
// held until the returned file is destroyed. os/posix/ and os/win32/
// implement it (fcntl record locks, LockFileEx).
#pragma once

#include <memory>
#include <string>

#include "store/file_access.h"

namespace tavrix {

class LockFileAccess {
 public:
  virtual ~LockFileAccess() = default;
  // Nothing when the file cannot be opened or created, or the lock does not
  // come within a few seconds. `created` tells whether this call made it.
  virtual std::unique_ptr<LockedFile> OpenLocked(const std::string& path, bool* created) = 0;
};

LockFileAccess& SystemLockFileAccess();

}  // namespace tavrix
