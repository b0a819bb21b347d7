// File access on Windows. Windows (and Wine, even with FILE_SHARE_DELETE)
// refuses to replace a file while any handle to it is open, so the lock
// cannot be a byte-range lock on the macro file itself: a removal must hold
// the lock across the replace. Every copy of the program on this machine
// instead takes a named mutex made from the file's full path; the handle to
// the file is opened only while the mutex is held and closed before a
// replace. (Copies on other machines are kept apart by network mode's lock
// file.)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "store/file_access.h"

namespace tavrix {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kLockWaitMilliseconds = 30000;

// "TavrixMacroFile" and a hash of the upper-case full path: one name per
// file, whichever way the path was written.
std::string MutexName(const std::string& path) {
  char full[MAX_PATH * 2];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  std::string name = length > 0 && length < sizeof full ? std::string(full, length) : path;
  char longName[MAX_PATH * 2];
  const DWORD longLength = GetLongPathNameA(name.c_str(), longName, sizeof longName);
  if (longLength > 0 && longLength < sizeof longName) name.assign(longName, longLength);
  std::uint64_t hash = 1469598103934665603ull;
  for (char c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == '/') c = '\\';
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char text[40];
  std::snprintf(text, sizeof text, "TavrixMacroFile%016llx", static_cast<unsigned long long>(hash));
  return text;
}

class FileMutex {
 public:
  explicit FileMutex(const std::string& path) : handle_(CreateMutexA(nullptr, FALSE, MutexName(path).c_str())) {
    if (handle_ == nullptr) return;
    const DWORD waited = WaitForSingleObject(handle_, kLockWaitMilliseconds);
    // A copy that ended while holding it leaves it abandoned: ours now.
    owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  }
  ~FileMutex() {
    if (owned_) ReleaseMutex(handle_);
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  FileMutex(const FileMutex&) = delete;
  FileMutex& operator=(const FileMutex&) = delete;
  bool Owned() const { return owned_; }

 private:
  HANDLE handle_;
  bool owned_ = false;
};

class Win32File {
 public:
  explicit Win32File(HANDLE handle) : handle_(handle) {}
  ~Win32File() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Win32File(const Win32File&) = delete;
  Win32File& operator=(const Win32File&) = delete;

  std::optional<std::uint64_t> Size() {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }
  bool Seek(std::uint64_t offset) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) != 0;
  }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) {
    if (!Seek(offset)) return false;
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
      DWORD got = 0;
      if (!ReadFile(handle_, bytes, static_cast<DWORD>(size), &got, nullptr) || got == 0) return false;
      bytes += got;
      size -= got;
    }
    return true;
  }
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    if (!Seek(offset)) return false;
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
      DWORD put = 0;
      if (!WriteFile(handle_, bytes, static_cast<DWORD>(size), &put, nullptr) || put == 0) return false;
      bytes += put;
      size -= put;
    }
    return true;
  }
  bool Flush() { return FlushFileBuffers(handle_) != 0; }
  bool Truncate(std::uint64_t size) { return Seek(size) && SetEndOfFile(handle_) != 0; }
  void Close() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

class Win32LockedFile : public LockedFile {
 public:
  Win32LockedFile(std::unique_ptr<FileMutex> mutex, HANDLE handle) : mutex_(std::move(mutex)), file_(handle) {}
  std::optional<std::uint64_t> Size() override { return file_.Size(); }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) override { return file_.ReadAt(offset, data, size); }
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    return file_.WriteAt(offset, data, size);
  }
  bool Flush() override { return file_.Flush(); }
  bool Truncate(std::uint64_t size) override { return file_.Truncate(size); }
  void PrepareForReplace() override { file_.Close(); }

 private:
  std::unique_ptr<FileMutex> mutex_;  // released after the file is closed
  Win32File file_;
};

bool IsRegularFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileInformationByHandle(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// What a replacement takes over from the file it replaces; nothing when that
// file is missing or its security cannot be read (the replace goes on).
void TakeAttributesAndSecurity(const std::string& replaced, const std::string& replacement) {
  const DWORD attributes = GetFileAttributesA(replaced.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  constexpr SECURITY_INFORMATION kWhat = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                         DACL_SECURITY_INFORMATION;
  DWORD needed = 0;
  GetFileSecurityA(replaced.c_str(), kWhat, nullptr, 0, &needed);
  if (needed > 0) {
    std::vector<char> descriptor(needed);
    if (GetFileSecurityA(replaced.c_str(), kWhat, descriptor.data(), needed, &needed))
      SetFileSecurityA(replacement.c_str(), kWhat, descriptor.data());
  }
  SetFileAttributesA(replacement.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

class Win32FileAccess : public FileAccess {
 public:
  std::unique_ptr<LockedFile> Open(const std::string& path, LockedOpen how, bool* created) override {
    if (created) *created = false;
    auto mutex = std::make_unique<FileMutex>(path);
    if (!mutex->Owned()) return nullptr;
    const DWORD access = how == LockedOpen::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (how == LockedOpen::ChangeOrCreate) {
      // CREATE_NEW never empties a file another copy has just made.
      handle = CreateFileA(path.c_str(), access, kShareAll, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle != INVALID_HANDLE_VALUE && created) *created = true;
      if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return nullptr;
    }
    if (handle == INVALID_HANDLE_VALUE)
      handle = CreateFileA(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (!IsRegularFile(handle)) {
      CloseHandle(handle);
      return nullptr;
    }
    return std::make_unique<Win32LockedFile>(std::move(mutex), handle);
  }

  PathKind Kind(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing : PathKind::Other;
    }
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0 ? PathKind::RegularFile
                                                                                    : PathKind::Other;
  }

  bool ReadPart(const std::string& path, std::uint64_t offset, void* data, std::size_t size) override {
    Win32File file(CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Size().has_value() && file.ReadAt(offset, data, size);
  }

  bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
    Win32File file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Size().has_value() && file.WriteAt(0, bytes.data(), bytes.size()) && file.Flush();
  }

  bool Replace(const std::string& from, const std::string& to) override {
    // A reader that has the file open for a moment (a hot key reading its
    // record) makes the replace fail; a few tries ride that out. A file that
    // stays open or mapped elsewhere fails for good. The new file first takes
    // the replaced one's attributes and security (its access list), so a
    // file shared between users stays theirs.
    TakeAttributesAndSecurity(to, from);
    for (int tries = 0; tries < 10; ++tries) {
      if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
      const DWORD error = GetLastError();
      if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION &&
          error != ERROR_USER_MAPPED_FILE)
        return false;
      Sleep(20);
    }
    return false;
  }

  void Remove(const std::string& path) override { DeleteFileA(path.c_str()); }

  // Without opening the file, so that a look never makes a replace fail. A
  // replacement is a file written later, so its write time tells it apart.
  std::optional<FileStamp> StampOf(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    const auto join = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t written = join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    constexpr std::uint64_t kTwoSeconds = 20000000;  // in the 100 ns steps of a FILETIME
    return FileStamp{join(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime),
                     join(data.nFileSizeHigh, data.nFileSizeLow), static_cast<std::int64_t>(written),
                     join(now.dwHighDateTime, now.dwLowDateTime) - written < kTwoSeconds};
  }
};

}  // namespace

FileAccess& SystemFileAccess() {
  static Win32FileAccess access;
  return access;
}

}  // namespace tavrix
