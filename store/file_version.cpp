#include "store/file_version.h"

#include <memory>

namespace tavrix {
namespace {

// An FNV-1a digest of the whole file; nothing when it cannot be read.
std::optional<std::uint64_t> DigestOf(LockedFile& file) {
  const std::optional<std::uint64_t> size = file.Size();
  if (!size) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(*size), '\0');
  if (!bytes.empty() && !file.ReadAt(0, bytes.data(), bytes.size())) return std::nullopt;
  std::uint64_t digest = 1469598103934665603ull;
  for (const char c : bytes) digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return digest;
}

// The caller's open file, or one opened for reading here.
std::optional<std::uint64_t> DigestOf(FileAccess& access, const std::string& path, LockedFile* open) {
  if (open) return DigestOf(*open);
  const std::unique_ptr<LockedFile> file = access.Open(path, LockedOpen::Read);
  return file ? DigestOf(*file) : std::nullopt;
}

}  // namespace

void FileVersion::Remember(const std::string& path, LockedFile* open) {
  stamp_ = access_.StampOf(path);
  digest_.reset();
  if (stamp_ && stamp_->recent) digest_ = DigestOf(access_, path, open);
}

bool FileVersion::Differs(const std::string& path, LockedFile* open) {
  const std::optional<FileStamp> now = access_.StampOf(path);
  if (now != stamp_) return true;
  if (!now || !stamp_->recent) return false;
  const std::optional<std::uint64_t> digest = DigestOf(access_, path, open);
  if (!digest || digest != digest_) return true;
  // Once the stamp is old, any later write moves it: the bytes need not be
  // read again.
  if (!now->recent) stamp_->recent = false;
  return false;
}

void FileVersion::Forget() {
  stamp_.reset();
  digest_.reset();
}

}  // namespace tavrix
