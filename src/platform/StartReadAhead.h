#pragma once
#include <thread>

namespace tess {

/// What the first window would otherwise wait for, done on threads of their own while the
/// program makes its windows and reads its files: Qt's list of the installed fonts, and the
/// session bus the screen readers' bridge connects to. Made after the application object and
/// the substitutions, ended before the application object.
class StartReadAhead {
 public:
  StartReadAhead();
  ~StartReadAhead();
  StartReadAhead(const StartReadAhead&) = delete;
  StartReadAhead& operator=(const StartReadAhead&) = delete;

 private:
  std::thread bus_;
  std::thread fonts_;
};

}  // namespace tess
