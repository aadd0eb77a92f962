// The lock that serialises the writers of a stored file: the operating
// system's advisory lock (flock) on a lock file beside it, <file>.lock.
// Every change takes it exclusively for the whole read-change-write of the
// file; readers take it shared, so that they never meet a writer at work.
// The lock goes with its holder however that ends (even kill -9).
#pragma once

#include <filesystem>
#include <string>

namespace orrery {

class StoreLock {
 public:
  enum class Mode { Shared, Exclusive };

  // Waits for the lock of the file at path. When there is no lock file and
  // none can be made (a folder the user may not write), the lock is not
  // held and Problem() says why; readers go on without it, writers fail.
  StoreLock(const std::filesystem::path& path, Mode mode);
  ~StoreLock();
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  const std::string& Problem() const { return problem_; }

 private:
  int fd_ = -1;
  std::string problem_;
};

// The lock file of the file at path: beside the file a write replaces (the
// target of a link), named after it.
std::filesystem::path LockPathOf(const std::filesystem::path& path);

}  // namespace orrery
