#include "store/store_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "store/atomic_file.h"

namespace orrery {

std::filesystem::path LockPathOf(const std::filesystem::path& path) {
  std::filesystem::path target = WriteTarget(path);
  if (target.empty()) target = path;
  target += ".lock";
  return target;
}

StoreLock::StoreLock(const std::filesystem::path& path, Mode mode) {
  const std::filesystem::path lockPath = LockPathOf(path);
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  // flock needs no write access: a lock file made by another user still serves.
  if (fd_ < 0) fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    problem_ = "cannot create the lock file " + lockPath.string() + ": " + std::strerror(errno);
    return;
  }
  int result;
  do {
    result = ::flock(fd_, mode == Mode::Shared ? LOCK_SH : LOCK_EX);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    problem_ = "cannot lock " + lockPath.string() + ": " + std::strerror(errno);
    ::close(fd_);
    fd_ = -1;
  }
}

StoreLock::~StoreLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace orrery
