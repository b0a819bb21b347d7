// Files held in memory: the same FileAccess the macro file, the key-swap file
// and the lock file use on disk, for the fuzz targets (no disk, no fsync per
// input) and for tests that make a file call fail. A file opened before a
// Replace keeps its old bytes, as an open file does on disk.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "store/file_access.h"
#include "store/lock_file_access.h"

namespace tavrix {

class MemoryFileAccess : public FileAccess, public LockFileAccess {
 public:
  std::unique_ptr<LockedFile> Open(const std::string& path, LockedOpen how, bool* created = nullptr) override;
  PathKind Kind(const std::string& path) override;
  bool ReadPart(const std::string& path, std::uint64_t offset, void* data, std::size_t size) override;
  bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
  bool Replace(const std::string& from, const std::string& to) override;
  void Remove(const std::string& path) override;
  std::unique_ptr<LockedFile> OpenLocked(const std::string& path, bool* created) override;

  void Put(const std::string& path, std::string bytes);
  // The file's bytes; nothing when it does not exist.
  const std::string* Find(const std::string& path) const;
  // Makes `path` exist as something that is not a regular file (a folder).
  void PutFolder(const std::string& path);
  void Clear() { files_.clear(); }

 private:
  struct Entry {
    std::shared_ptr<std::string> bytes;
    bool regular = true;
  };
  std::map<std::string, Entry> files_;
};

}  // namespace tavrix
