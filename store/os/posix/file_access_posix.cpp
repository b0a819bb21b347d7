// File access on POSIX systems (the tavrix tool and the native tests): an
// flock() on the file itself, rename() for the one-step replace.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <ctime>

#include "store/file_access.h"

namespace tavrix {
namespace {

class PosixLockedFile : public LockedFile {
 public:
  explicit PosixLockedFile(int fd) : fd_(fd) {}
  ~PosixLockedFile() override { ::close(fd_); }  // also frees the lock

  std::optional<std::uint64_t> Size() override {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) override {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
      const ssize_t got = ::pread(fd_, bytes, size, static_cast<off_t>(offset));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      bytes += got;
      offset += static_cast<std::uint64_t>(got);
      size -= static_cast<std::size_t>(got);
    }
    return true;
  }
  bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
      const ssize_t put = ::pwrite(fd_, bytes, size, static_cast<off_t>(offset));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      bytes += put;
      offset += static_cast<std::uint64_t>(put);
      size -= static_cast<std::size_t>(put);
    }
    return true;
  }
  bool Flush() override { return ::fsync(fd_) == 0; }
  bool Truncate(std::uint64_t size) override { return ::ftruncate(fd_, static_cast<off_t>(size)) == 0; }

 private:
  int fd_;
};

bool SameFile(int fd, const std::string& path) {
  struct stat open {}, named {};
  if (::fstat(fd, &open) != 0 || ::stat(path.c_str(), &named) != 0) return false;
  return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Waits for the lock, at most about half a minute: a copy that hangs while
// holding it must not hang every other copy too.
bool Lock(int fd, int operation) {
  for (int tries = 0; tries < 30000; ++tries) {
    if (::flock(fd, operation | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    const timespec pause{0, 1000000};
    ::nanosleep(&pause, nullptr);
  }
  return false;
}

// A file reached through a symbolic link is replaced where it lies, so the
// link stays (a dangling link's folder may not exist: the replace fails).
std::string LinkTarget(std::string path) {
  for (int depth = 0; depth < 8; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target.string() : (std::filesystem::path(path).parent_path() / target).string();
  }
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

class PosixFileAccess : public FileAccess {
 public:
  std::unique_ptr<LockedFile> Open(const std::string& path, LockedOpen how, bool* created) override {
    if (created) *created = false;
    const int access = how == LockedOpen::Read ? O_RDONLY : O_RDWR;
    // A waiter may find, once it has the lock, that the name now belongs to
    // another file (a removal replaced it): it then starts again on that one.
    for (int attempt = 0; attempt < 100; ++attempt) {
      int fd = -1;
      if (how == LockedOpen::ChangeOrCreate) {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 && created) *created = true;
        if (fd < 0 && errno != EEXIST) return nullptr;
      }
      // Not waiting on a pipe or a device: a pipe opened for reading would
      // wait for a writer forever. Anything but a regular file is refused below.
      if (fd < 0) fd = ::open(path.c_str(), access | O_CLOEXEC | O_NONBLOCK);
      if (fd < 0) {
        if (errno == ENOENT && how == LockedOpen::ChangeOrCreate) continue;  // removed meanwhile
        return nullptr;
      }
      struct stat st {};
      if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
          !Lock(fd, how == LockedOpen::Read ? LOCK_SH : LOCK_EX)) {
        ::close(fd);
        return nullptr;
      }
      if (SameFile(fd, path)) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return std::make_unique<PosixLockedFile>(fd);
      }
      ::close(fd);
      if (created) *created = false;
    }
    return nullptr;
  }

  PathKind Kind(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? PathKind::Missing : PathKind::Other;
    return S_ISREG(st.st_mode) ? PathKind::RegularFile : PathKind::Other;
  }

  bool ReadPart(const std::string& path, std::uint64_t offset, void* data, std::size_t size) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    PosixLockedFile file(fd);
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && file.ReadAt(offset, data, size);
  }

  bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return false;
    }
    PosixLockedFile file(fd);
    return file.WriteAt(0, bytes.data(), bytes.size()) && file.Flush();
  }

  bool Replace(const std::string& from, const std::string& link) override {
    const std::string to = LinkTarget(link);
    // The new file takes the old one's mode and owner: a file shared by a
    // group stays writable for the group. Where the owner cannot be given
    // (not root), the group still can be when we belong to it.
    struct stat old {};
    if (::stat(to.c_str(), &old) == 0) {
      if (::chown(from.c_str(), old.st_uid, old.st_gid) != 0 && ::chown(from.c_str(), static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Kept as made: our own user and group.
      }
      if (::chmod(from.c_str(), old.st_mode & 07777) != 0) return false;
    }
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    // The new name reaches the disk with the folder.
    const int folder = ::open(FolderOf(to).c_str(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
      ::fsync(folder);
      ::close(folder);
    }
    return true;
  }

  void Remove(const std::string& path) override { ::unlink(path.c_str()); }

  std::optional<FileStamp> StampOf(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return FileStamp{static_cast<std::uint64_t>(st.st_ino) ^ (static_cast<std::uint64_t>(st.st_dev) << 40),
                     static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     now.tv_sec - st.st_mtim.tv_sec < 3};
  }
};

}  // namespace

FileAccess& SystemFileAccess() {
  static PosixFileAccess access;
  return access;
}

}  // namespace tavrix
