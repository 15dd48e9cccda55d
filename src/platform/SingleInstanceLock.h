#pragma once
// Lets only one copy of a program run for a user: an exclusive lock on a file that the kernel
// releases when the process ends in any way, so a copy that was killed leaves nothing behind.
#include <string>

namespace tess {

class SingleInstanceLock {
 public:
  /// Tries the lock of `name` at once; it is held until this object is destroyed.
  explicit SingleInstanceLock(const std::string& name);
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  /// Another process holds the lock. When the lock file cannot be made at all this is false
  /// too: the program then runs rather than never starting.
  bool AnotherRuns() const { return anotherRuns_; }
  bool Held() const { return fd_ >= 0; }

  /// $XDG_RUNTIME_DIR/name.lock (a folder of this user only), else /tmp/name-uid.lock.
  static std::string LockFilePath(const std::string& name);

 private:
  int fd_ = -1;
  bool anotherRuns_ = false;
};

}  // namespace tess
