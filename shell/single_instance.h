// One program per home: the first orrery started with a home holds a lock
// file there (<home>/orrery.lock) and listens on a local socket beside it
// (<home>/orrery.sock). A second start with the same home finds the lock
// taken, sends "front" over the socket, asking the first to come to the
// front, and ends. The lock is the operating system's (flock), so it goes
// with its holder however that ends.
#pragma once

#include <filesystem>

namespace orrery {

class InstanceGuard {
 public:
  // Tries to become the program of this home.
  explicit InstanceGuard(const std::filesystem::path& home);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // Another program holds the home.
  bool OtherInstance() const { return other_; }
  // Asks that program to come to the front; false when it cannot be reached.
  bool AskToComeToFront() const;
  // For the first program: takes one waiting request without blocking;
  // true when a "front" request was taken.
  bool TakeFrontRequest();
  // The socket requests arrive on (-1 when there is none), for the host to
  // wake on.
  int RequestDescriptor() const { return listenFd_; }

 private:
  std::filesystem::path home_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  bool other_ = false;
};

}  // namespace orrery
