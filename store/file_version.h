// Which version of a file this copy of the program last read or wrote, so
// that it can tell when another program has changed the file since. The
// stamp (identity, size, write time) tells at once; while the write time is
// so recent that another write may share it, a digest of the bytes decides.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "store/file_access.h"

namespace tavrix {

class FileVersion {
 public:
  explicit FileVersion(FileAccess& access) : access_(access) {}

  // The file at `path` as it is now is ours. `open` is the file when the
  // caller holds it open (its lock included); nothing makes this open it.
  void Remember(const std::string& path, LockedFile* open = nullptr);
  // Whether the file differs from the version remembered (a missing file
  // differs from one that existed). `open` as for Remember.
  bool Differs(const std::string& path, LockedFile* open = nullptr);
  void Forget();

 private:
  FileAccess& access_;
  std::optional<FileStamp> stamp_;
  std::optional<std::uint64_t> digest_;  // kept while the stamp is recent
};

}  // namespace tavrix
