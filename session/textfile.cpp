#include "textfile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvex {

namespace {

std::string systemMessage(EFileError::Problem problem, int error) {
  switch (problem) {
  case EFileError::Problem::System:
    return std::strerror(error);
  case EFileError::Problem::NotAFile:
    return "it is not a regular file";
  case EFileError::Problem::ReadOnly:
    return "it is read-only";
  }
  return {};
}

[[noreturn]] void fail(int error = errno) {
  throw EFileError(EFileError::Problem::System, error);
}

// Closes on every way out; close() itself is checked where it matters.
class FileDescriptor {
public:
  explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0)
      ::close(fd_);
  }
  FileDescriptor(const FileDescriptor &) = delete;
  FileDescriptor &operator=(const FileDescriptor &) = delete;
  int get() const noexcept { return fd_; }
  // Closes now; false (errno set) when the system reports a failed write.
  bool close() noexcept {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

private:
  int fd_;
};

int openRetrying(const char *path, int flags, mode_t mode = 0) noexcept {
  int fd = -1;
  do
    fd = ::open(path, flags, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

std::string folderOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at; path itself when it is none.
// The end need not exist: a link to a file not yet made names where it goes.
std::string followLinks(std::string path) {
  // As many links as the system itself follows before it gives up.
  constexpr int maxLinks = 40;
  for (int i = 0; i < maxLinks; ++i) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
      if (errno == ENOENT)
        return path;
      fail();
    }
    if (!S_ISLNK(info.st_mode))
      return path;
    std::string target(
        static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0)
      fail();
    target.resize(static_cast<std::size_t>(length));
    if (target.starts_with('/'))
      path = target;
    else
      path = folderOf(path).append("/").append(target);
  }
  fail(ELOOP);
}

void writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      fail(written < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// A name beside the target that no other save uses, hidden from listings,
// that tells what it was for should a crash leave it behind. Long names are
// cut so that the whole stays within the system's limit of 255 bytes.
std::string temporaryName(const std::string &target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  constexpr std::size_t keptName = 200;
  const std::size_t slash = target.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return target.substr(0, nameStart) + "." + target.substr(nameStart, keptName) + "." +
         std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
         std::to_string(attempt) + ".tmp";
}

} // namespace

EFileError::EFileError(Problem problem, int systemError)
    : Exception(systemMessage(problem, systemError)), problem_(problem),
      systemError_(systemError) {}

std::string readFileStart(const std::string &path, std::size_t maxBytes) {
  // Not blocking on a pipe that nobody writes to: it is refused below.
  FileDescriptor fd(
      openRetrying(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.get() < 0)
    fail();
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0)
    fail();
  if (!S_ISREG(info.st_mode))
    throw EFileError(EFileError::Problem::NotAFile, 0);
  std::string bytes;
  // The size is only a hint: the file may grow or shrink while it is read.
  bytes.reserve(std::min(maxBytes, static_cast<std::size_t>(info.st_size)));
  char buffer[1 << 16];
  while (bytes.size() < maxBytes) {
    const ssize_t got =
        ::read(fd.get(), buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      fail();
    if (got == 0)
      break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return bytes;
}

void replaceFile(const std::string &path, std::string_view bytes) {
  const std::string target = followLinks(path);
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (!replacing && errno != ENOENT)
    fail();
  if (replacing && !S_ISREG(old.st_mode))
    throw EFileError(EFileError::Problem::NotAFile, 0);
  // Renaming over a read-only file would succeed wherever its folder is
  // writable; the permission is the owner's word that it stays as it is.
  // The bits are checked as well as access(), which grants root everything.
  if (replacing && ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                    ::access(target.c_str(), W_OK) != 0))
    throw EFileError(EFileError::Problem::ReadOnly, 0);

  std::string temporary;
  int created = -1;
  for (unsigned attempt = 0; created < 0; ++attempt) {
    temporary = temporaryName(target, attempt);
    // 0666 less the umask, as any new file; a replaced file's own mode below.
    created = openRetrying(temporary.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (created < 0 && (errno != EEXIST || attempt >= 100))
      fail();
  }
  FileDescriptor fd(created);
  try {
    if (replacing) {
      // Best effort: only the owner of the old file or root may give it away.
      [[maybe_unused]] const int owned = ::fchown(fd.get(), old.st_uid, old.st_gid);
      if (::fchmod(fd.get(), old.st_mode & 07777) != 0)
        fail();
    }
    writeAll(fd.get(), bytes);
    // On the disk before it takes the old file's place, so that a crash
    // leaves the old file or the whole new one.
    if (::fsync(fd.get()) != 0 || !fd.close())
      fail();
    if (::rename(temporary.c_str(), target.c_str()) != 0)
      fail();
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  // The rename itself on the disk too; a folder that cannot be synced still
  // holds the complete file.
  FileDescriptor folder(
      openRetrying(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0)
    ::fsync(folder.get());
}

} // namespace quorvex
