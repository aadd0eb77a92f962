#include "store/damaged_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <system_error>

#include "store/atomic_file.h"

namespace orrery {

namespace {

constexpr char DamagedMark[] = ".damaged-";

// Compared through stdio rather than streams: the web build carries no
// iostreams.
bool SameBytes(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::file_size(a, error) != std::filesystem::file_size(b, error) || error)
    return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> x(std::fopen(a.c_str(), "rb"), std::fclose),
      y(std::fopen(b.c_str(), "rb"), std::fclose);
  if (!x || !y) return false;
  char bx[8192], by[8192];
  for (;;) {
    const std::size_t nx = std::fread(bx, 1, sizeof bx, x.get());
    const std::size_t ny = std::fread(by, 1, sizeof by, y.get());
    if (nx != ny || std::memcmp(bx, by, nx) != 0) return false;
    if (nx < sizeof bx) return !std::ferror(x.get()) && !std::ferror(y.get());
  }
}

std::filesystem::path ExistingCopy(const std::filesystem::path& path) {
  const std::string prefix = path.filename().string() + DamagedMark;
  std::error_code error;
  std::filesystem::directory_iterator entries(path.parent_path(), error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    if (entries->path().filename().string().starts_with(prefix) && SameBytes(path, entries->path()))
      return entries->path();
  }
  return {};
}

std::string TimeMark() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// A new file of that name (never one that exists), or -1 with errno set.
int CreateCopyFile(const std::filesystem::path& path, std::filesystem::path& copy) {
  const std::string base = path.string() + DamagedMark + TimeMark();
  for (int n = 1; n < 100; ++n) {
    copy = n == 1 ? base : base + "-" + std::to_string(n);
    int fd = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool CopyBytes(const std::filesystem::path& from, int to) {
  int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char block[65536];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = WriteAll(to, reinterpret_cast<const std::uint8_t*>(block), static_cast<std::size_t>(n));
    if (!ok) break;
  }
  int error = errno;
  ::close(fd);
  errno = error;
  return ok && ::fsync(to) == 0;
}

}  // namespace

std::filesystem::path KeepDamagedCopy(const std::filesystem::path& path, std::string& problem) {
  if (std::filesystem::path found = ExistingCopy(path); !found.empty()) return found;
  std::filesystem::path copy;
  int fd = CreateCopyFile(path, copy);
  if (fd < 0) {
    problem = "cannot create " + copy.string() + ": " + std::strerror(errno);
    return {};
  }
  bool copied = CopyBytes(path, fd);
  int error = errno;
  copied = ::close(fd) == 0 && copied;
  if (!copied) {
    ::unlink(copy.c_str());
    problem = "cannot copy to " + copy.string() + ": " + std::strerror(error);
    return {};
  }
  return copy;
}

}  // namespace orrery
