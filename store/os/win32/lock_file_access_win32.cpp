// The lock file on Windows: LockFileEx on the record's 14 bytes. Unlike the
// macro file's named mutex this lock is seen by copies on other machines
// that share the folder (and by copies under another Wine server).
#include <windows.h>

#include "store/lock_file_access.h"

namespace tavrix {
namespace {

constexpr DWORD kLockedBytes = 14;
constexpr int kLockTries = 10000;  // about ten seconds

class Win32LockFile : public LockedFile {
 public:
  explicit Win32LockFile(HANDLE handle) : handle_(handle) {}
  ~Win32LockFile() override {
    OVERLAPPED at{};
    UnlockFileEx(handle_, 0, kLockedBytes, 0, &at);
    CloseHandle(handle_);
  }

  std::optional<std::uint64_t> Size() override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) override {
    if (!Seek(offset)) return false;
    DWORD got = 0;
    return ReadFile(handle_, data, static_cast<DWORD>(size), &got, nullptr) && got == size;
  }
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    if (!Seek(offset)) return false;
    DWORD put = 0;
    return WriteFile(handle_, data, static_cast<DWORD>(size), &put, nullptr) && put == size;
  }
  bool Flush() override { return FlushFileBuffers(handle_) != 0; }
  bool Truncate(std::uint64_t size) override { return Seek(size) && SetEndOfFile(handle_) != 0; }

 private:
  bool Seek(std::uint64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) != 0;
  }
  HANDLE handle_;
};

class Win32LockFileAccess : public LockFileAccess {
 public:
  std::unique_ptr<LockedFile> OpenLocked(const std::string& path, bool* created) override {
    if (created) *created = false;
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    const bool made = GetLastError() != ERROR_ALREADY_EXISTS;
    for (int tries = 0; tries < kLockTries; ++tries) {
      OVERLAPPED at{};
      if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, kLockedBytes, 0, &at)) {
        if (created) *created = made;
        return std::make_unique<Win32LockFile>(handle);
      }
      Sleep(1);
    }
    CloseHandle(handle);
    return nullptr;
  }
};

}  // namespace

LockFileAccess& SystemLockFileAccess() {
  static Win32LockFileAccess access;
  return access;
}

}  // namespace tavrix
