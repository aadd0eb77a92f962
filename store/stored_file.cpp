#include "store/stored_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orrery {

namespace {

FileStamp StampFrom(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::uint64_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
          static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

StoredFile Unreadable(std::string problem) {
  StoredFile file;
  file.status = StoredFile::Status::Unreadable;
  file.problem = std::move(problem);
  return file;
}

// Why open() failed: a name that is not there at all is a missing file; a
// link whose target is missing is there, and is not one.
StoredFile OpenFailure(const std::filesystem::path& path, int error) {
  struct stat link;
  if (error == ENOENT && ::lstat(path.c_str(), &link) != 0) return {};
  if (error == ENOENT) return Unreadable("it is a link to a file that does not exist");
  return Unreadable(std::strerror(error));
}

std::string KindProblem(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return "it is a folder, not a file";
  if (S_ISFIFO(info.st_mode)) return "it is a pipe (FIFO), not a file";
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "it is a device, not a file";
  return "it is not a regular file";
}

bool ReadInto(int fd, std::vector<std::uint8_t>& bytes, int& error) {
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = errno;
      return false;
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  bytes.resize(filled);
  return true;
}

}  // namespace

StoredFile ReadStoredFile(const std::filesystem::path& path, std::size_t maxBytes) {
  // Non-blocking, so that a FIFO in the file's place does not hang the open.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return OpenFailure(path, errno);
  struct stat info{};
  if (::fstat(fd, &info) != 0) {
    int error = errno;
    ::close(fd);
    return Unreadable(std::strerror(error));
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return Unreadable(KindProblem(info));
  }
  StoredFile file;
  file.status = StoredFile::Status::Read;
  file.stamp = StampFrom(info);
  // Sized by the file, so a large maxBytes costs nothing; a file that grows
  // while it is read is cut where it stood.
  std::size_t expected = static_cast<std::size_t>(info.st_size);
  file.bytes.resize(expected < maxBytes ? expected : maxBytes);
  int error = 0;
  bool read = ReadInto(fd, file.bytes, error);
  ::close(fd);
  return read ? file : Unreadable(std::strerror(error));
}

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return StampFrom(info);
}

}  // namespace orrery
