#include "shell/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace orrery {

namespace {

constexpr char Request[] = "front\n";

// The socket's address; a home too long for sockaddr_un is reached through
// an open descriptor of the home folder (/proc/self/fd/N/orrery.sock).
struct SocketAddress {
  sockaddr_un address{};
  int homeFd = -1;

  explicit SocketAddress(const std::filesystem::path& home) {
    address.sun_family = AF_UNIX;
    std::string path = (home / "orrery.sock").string();
    if (path.size() >= sizeof address.sun_path) {
      homeFd = ::open(home.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      path = "/proc/self/fd/" + std::to_string(homeFd) + "/orrery.sock";
    }
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  }
  ~SocketAddress() {
    if (homeFd >= 0) ::close(homeFd);
  }
  const sockaddr* Get() const { return reinterpret_cast<const sockaddr*>(&address); }
};

}  // namespace

InstanceGuard::InstanceGuard(const std::filesystem::path& home) : home_(home) {
  lockFd_ = ::open((home / "orrery.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd_ < 0) return;  // an unwritable home: no guard, the stores report their own errors
  if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    other_ = true;
    ::close(lockFd_);
    lockFd_ = -1;
    return;
  }
  const SocketAddress address(home);
  ::unlink(address.address.sun_path);  // left behind by a program that ended abruptly
  listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listenFd_ >= 0 && (::bind(listenFd_, address.Get(), sizeof address.address) != 0 ||
                         ::listen(listenFd_, 4) != 0)) {
    ::close(listenFd_);
    listenFd_ = -1;
  }
}

InstanceGuard::~InstanceGuard() {
  if (listenFd_ >= 0) {
    ::close(listenFd_);
    const SocketAddress address(home_);
    ::unlink(address.address.sun_path);
  }
  if (lockFd_ >= 0) ::close(lockFd_);
}

bool InstanceGuard::AskToComeToFront() const {
  const SocketAddress address(home_);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool sent = ::connect(fd, address.Get(), sizeof address.address) == 0 &&
                    ::send(fd, Request, sizeof Request - 1, MSG_NOSIGNAL) == sizeof Request - 1;
  ::close(fd);
  return sent;
}

bool InstanceGuard::TakeFrontRequest() {
  if (listenFd_ < 0) return false;
  const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return false;
  // The request is sent in one piece right after connecting; a peer that
  // sends nothing within a short wait is not asking for anything.
  timeval wait{0, 200000};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  char text[sizeof Request] = {};
  const ssize_t n = ::recv(fd, text, sizeof Request - 1, MSG_WAITALL);
  ::close(fd);
  return n == ssize_t(sizeof Request - 1) && std::memcmp(text, Request, sizeof Request - 1) == 0;
}

}  // namespace orrery
