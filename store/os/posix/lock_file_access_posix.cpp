// The lock file on POSIX systems: an fcntl() write lock on the record's 14
// bytes, the same kind of lock Wine gives a Windows program's LockFileEx,
// so the tool and the program under Wine keep each other out too.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "store/lock_file_access.h"

namespace tavrix {
namespace {

constexpr off_t kLockedBytes = 14;
constexpr int kLockTries = 10000;  // about ten seconds

class PosixLockFile : public LockedFile {
 public:
  explicit PosixLockFile(int fd) : fd_(fd) {}
  ~PosixLockFile() override { ::close(fd_); }  // also frees the lock

  std::optional<std::uint64_t> Size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) override {
    const ssize_t got = ::pread(fd_, data, size, static_cast<off_t>(offset));
    return got == static_cast<ssize_t>(size);
  }
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    const ssize_t put = ::pwrite(fd_, data, size, static_cast<off_t>(offset));
    return put == static_cast<ssize_t>(size);
  }
  bool Flush() override { return ::fsync(fd_) == 0; }
  bool Truncate(std::uint64_t size) override { return ::ftruncate(fd_, static_cast<off_t>(size)) == 0; }

 private:
  int fd_;
};

bool LockRecordBytes(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = kLockedBytes;
  for (int tries = 0; tries < kLockTries; ++tries) {
    if (::fcntl(fd, F_SETLK, &lock) == 0) return true;
    if (errno != EACCES && errno != EAGAIN && errno != EINTR) return false;
    const timespec pause{0, 1000000};
    ::nanosleep(&pause, nullptr);
  }
  return false;
}

class PosixLockFileAccess : public LockFileAccess {
 public:
  std::unique_ptr<LockedFile> OpenLocked(const std::string& path, bool* created) override {
    if (created) *created = false;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 && created) *created = true;
    if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !LockRecordBytes(fd)) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixLockFile>(fd);
  }
};

}  // namespace

LockFileAccess& SystemLockFileAccess() {
  static PosixLockFileAccess access;
  return access;
}

}  // namespace tavrix
