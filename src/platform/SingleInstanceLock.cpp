#include "platform/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tess {

std::string SingleInstanceLock::LockFilePath(const std::string& name) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  struct stat info;
  if (runtime != nullptr && runtime[0] == '/' && ::stat(runtime, &info) == 0 &&
      S_ISDIR(info.st_mode)) {
    return std::string(runtime) + "/" + name + ".lock";
  }
  return "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
}

SingleInstanceLock::SingleInstanceLock(const std::string& name) {
  // O_NOFOLLOW: in a shared /tmp a planted link must not make us open someone else's file.
  const int fd =
      ::open(LockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return;
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    fd_ = fd;
    return;
  }
  anotherRuns_ = errno == EWOULDBLOCK;
  ::close(fd);
}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace tess
