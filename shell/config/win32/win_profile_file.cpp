#include "shell/config/win32/win_profile_file.h"

#include <windows.h>

#include <vector>

#include "store/file_access.h"

namespace tavrix {
namespace {

// Long enough for any value the program stores; grown for a hand-edited file
// with longer lines, so a value is never cut here.
constexpr DWORD kFirstBufferSize = 1024;
constexpr DWORD kLargestBufferSize = 1 << 20;

}  // namespace

WinProfileFile::WinProfileFile(std::string path) : path_(std::move(path)) {}

std::string WinProfileFile::GetString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) {
  for (DWORD size = kFirstBufferSize;; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                  size, path_.c_str());
    // A full buffer (size - 1 characters) may mean the value was cut.
    if (length + 1 < size || size >= kLargestBufferSize) return std::string(buffer.data(), length);
  }
}

void WinProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (held_) {
    writes_.push_back({section, key, value});
    return;
  }
  // A single failed write is ignored; the held writes of a whole save report theirs.
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

std::string WinProfileFile::FullPath() const {
  if (path_.find_first_of("\\/") != std::string::npos) return path_;
  char folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(folder, length) + "\\" + path_ : path_;
}

// The profile functions write a copy of the file beside it, and that copy
// then replaces the file in one step (keeping its attributes and security).
bool WinProfileFile::WriteHeld() {
  held_ = false;
  const std::vector<Write> writes = std::move(writes_);
  writes_.clear();
  const std::string path = FullPath();
  const std::string beside = ReplacementFile(path);
  DeleteFileA(beside.c_str());
  if (!CopyFileA(path.c_str(), beside.c_str(), FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  bool written = true;
  for (const Write& w : writes)
    written = written && WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(), beside.c_str());
  // Flushes the system's cached copy of the file to the disk.
  written = written && (WritePrivateProfileStringA(nullptr, nullptr, nullptr, beside.c_str()), true);
  if (written && SystemFileAccess().Replace(beside, path)) return true;
  DeleteFileA(beside.c_str());
  return false;
}

}  // namespace tavrix
