#include "store/file_access.h"

namespace tavrix {

std::string ReplacementFile(const std::string& path) { return path + ".NEW"; }

std::optional<std::string> ReadWholeFile(FileAccess& access, const std::string& path) {
  const std::unique_ptr<LockedFile> file = access.Open(path, LockedOpen::Read);
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(*size), '\0');
  if (!bytes.empty() && !file->ReadAt(0, bytes.data(), bytes.size())) return std::nullopt;
  return bytes;
}

bool ReplaceWholeFile(FileAccess& access, const std::string& path, const std::string& bytes) {
  if (access.Kind(path) == PathKind::Other) return false;  // a folder or a pipe is never replaced
  const std::string beside = ReplacementFile(path);
  if (access.WriteWholeFile(beside, bytes) && access.Replace(beside, path)) return true;
  access.Remove(beside);
  return false;
}

}  // namespace tavrix
