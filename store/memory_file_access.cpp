#include "store/memory_file_access.h"

#include <algorithm>
#include <cstring>

namespace tavrix {
namespace {

class MemoryFile : public LockedFile {
 public:
  explicit MemoryFile(std::shared_ptr<std::string> bytes) : bytes_(std::move(bytes)) {}
  std::optional<std::uint64_t> Size() override { return bytes_->size(); }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) override {
    if (offset > bytes_->size() || size > bytes_->size() - offset) return false;
    std::memcpy(data, bytes_->data() + offset, size);
    return true;
  }
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (offset + size > bytes_->size()) bytes_->resize(static_cast<std::size_t>(offset + size), '\0');
    std::memcpy(bytes_->data() + offset, data, size);
    return true;
  }
  bool Flush() override { return true; }
  bool Truncate(std::uint64_t size) override {
    bytes_->resize(static_cast<std::size_t>(size), '\0');
    return true;
  }

 private:
  std::shared_ptr<std::string> bytes_;
};

}  // namespace

std::unique_ptr<LockedFile> MemoryFileAccess::Open(const std::string& path, LockedOpen how, bool* created) {
  if (created) *created = false;
  auto found = files_.find(path);
  if (found == files_.end()) {
    if (how != LockedOpen::ChangeOrCreate) return nullptr;
    found = files_.emplace(path, Entry{std::make_shared<std::string>(), true}).first;
    if (created) *created = true;
  }
  if (!found->second.regular) return nullptr;
  return std::make_unique<MemoryFile>(found->second.bytes);
}

PathKind MemoryFileAccess::Kind(const std::string& path) {
  const auto found = files_.find(path);
  if (found == files_.end()) return PathKind::Missing;
  return found->second.regular ? PathKind::RegularFile : PathKind::Other;
}

bool MemoryFileAccess::ReadPart(const std::string& path, std::uint64_t offset, void* data, std::size_t size) {
  const std::unique_ptr<LockedFile> file = Open(path, LockedOpen::Read);
  return file && file->ReadAt(offset, data, size);
}

bool MemoryFileAccess::WriteWholeFile(const std::string& path, const std::string& bytes) {
  const auto found = files_.find(path);
  if (found != files_.end() && !found->second.regular) return false;
  files_[path] = Entry{std::make_shared<std::string>(bytes), true};
  return true;
}

bool MemoryFileAccess::Replace(const std::string& from, const std::string& to) {
  const auto source = files_.find(from);
  if (source == files_.end()) return false;
  Entry moved = source->second;
  files_.erase(source);
  files_[to] = moved;
  return true;
}

void MemoryFileAccess::Remove(const std::string& path) { files_.erase(path); }

std::unique_ptr<LockedFile> MemoryFileAccess::OpenLocked(const std::string& path, bool* created) {
  return Open(path, LockedOpen::ChangeOrCreate, created);
}

void MemoryFileAccess::Put(const std::string& path, std::string bytes) {
  files_[path] = Entry{std::make_shared<std::string>(std::move(bytes)), true};
}

const std::string* MemoryFileAccess::Find(const std::string& path) const {
  const auto found = files_.find(path);
  return found == files_.end() || !found->second.regular ? nullptr : found->second.bytes.get();
}

void MemoryFileAccess::PutFolder(const std::string& path) { files_[path] = Entry{std::make_shared<std::string>(), false}; }

}  // namespace tavrix
