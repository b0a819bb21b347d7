#include "shell/config/win32/win_profile_file.h"

#include <windows.h>

#include <vector>

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
  // A failed write is ignored: settings are a convenience, never worth an error box.
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

}  // namespace tavrix
