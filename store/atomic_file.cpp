#include "store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "store/stored_file.h"

namespace orrery {

namespace {

constexpr char TempMark[] = ".tmp-";

void (*beforeRenameHook)() = nullptr;

bool Fail(std::string* problem, const std::string& cause) {
  if (problem != nullptr) *problem = cause;
  return false;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure.
void SyncFolder(const std::filesystem::path& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The complete, flushed temporary file; false with errno set.
bool WriteTemp(const std::filesystem::path& temp, const std::uint8_t* data, std::size_t size) {
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool written = WriteAll(fd, data, size) && ::fsync(fd) == 0;
  int error = written ? 0 : errno;
  written = ::close(fd) == 0 && written;
  if (!written && error != 0) errno = error;
  return written;
}

}  // namespace

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

std::filesystem::path WriteTarget(const std::filesystem::path& path, std::string* problem) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  std::filesystem::path target = std::filesystem::canonical(path, error);
  if (error) {
    Fail(problem, "it is a link to a file that does not exist");
    return {};
  }
  return target;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::uint8_t* data,
                         std::size_t size, std::string* problem) {
  std::filesystem::path target = WriteTarget(path, problem);
  if (target.empty()) return false;
  std::filesystem::path temp = target;
  temp += TempMark + std::to_string(::getpid());
  if (!WriteTemp(temp, data, size)) {
    int error = errno;
    ::unlink(temp.c_str());
    return Fail(problem, std::strerror(error));
  }
  if (beforeRenameHook != nullptr) beforeRenameHook();
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    return Fail(problem, std::strerror(error));
  }
  SyncFolder(target.parent_path());
  return true;
}

void RemoveStaleTempFiles(const std::filesystem::path& path) {
  std::filesystem::path target = WriteTarget(path);
  if (target.empty()) return;
  const std::string prefix = target.filename().string() + TempMark;
  std::error_code error;
  std::filesystem::directory_iterator entries(target.parent_path(), error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::filesystem::path& entry = entries->path();
    std::error_code ignored;
    if (entry.filename().string().starts_with(prefix) &&
        std::filesystem::is_regular_file(std::filesystem::symlink_status(entry, ignored))) {
      std::filesystem::remove(entry, ignored);
    }
  }
}

void SetBeforeRenameHook(void (*hook)()) { beforeRenameHook = hook; }

}  // namespace orrery
