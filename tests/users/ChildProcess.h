#pragma once
// A forked child for tests of programs that share files: it may run as another account (when
// the tests run as root), and the parent collects what it printed within a time limit, so a
// child stuck on a lock fails the test instead of hanging it.
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>

namespace tess::testing {

/// An account other than the one running the tests, numbered from 1; 0 (stay as we are) when
/// the tests do not run as root and so cannot switch.
inline uid_t OtherAccount(int number) {
  return ::geteuid() == 0 ? static_cast<uid_t>(65534 - (number - 1)) : 0;
}

/// What the child wrote, and how it ended.
struct ChildResult {
  bool Finished = false;  ///< false when it was killed at the time limit
  int ExitCode = -1;
  std::string Output;
};

/// Exit code of a child that could not switch to its account.
constexpr int kCannotSwitchAccount = 97;

class ChildProcess {
 public:
  /// Forks and runs `body` in the child, as `account` unless that is 0; the child's output is
  /// what `body` returns.
  ChildProcess(const std::function<std::string()>& body, uid_t account = 0) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(fds[0]);
      if (account != 0 &&
          (::setgroups(0, nullptr) != 0 || ::setgid(account) != 0 || ::setuid(account) != 0)) {
        ::_exit(kCannotSwitchAccount);
      }
      const std::string output = body();
      std::string_view rest = output;
      while (!rest.empty()) {
        const ssize_t written = ::write(fds[1], rest.data(), rest.size());
        if (written <= 0) break;
        rest.remove_prefix(static_cast<size_t>(written));
      }
      ::_exit(0);
    }
    ::close(fds[1]);
    if (pid_ < 0) {
      ::close(fds[0]);
      return;
    }
    out_ = fds[0];
  }
  ~ChildProcess() {
    if (pid_ > 0 && !reaped_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }

  /// Whether the child still runs (without waiting for it).
  bool Running() {
    if (reaped_ || pid_ <= 0) return false;
    return ::waitpid(pid_, &status_, WNOHANG) == 0 ? true : (reaped_ = true, false);
  }

  /// Reads the output until the child ends, killing it when `limit` passes first.
  ChildResult Wait(std::chrono::milliseconds limit) {
    ChildResult result;
    if (pid_ <= 0) return result;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool open = out_ >= 0;
    while (open && std::chrono::steady_clock::now() < deadline) {
      pollfd ready{out_, POLLIN, 0};
      if (::poll(&ready, 1, 20) <= 0) continue;
      char buffer[4096];
      const ssize_t got = ::read(out_, buffer, sizeof buffer);
      if (got > 0) {
        output_.append(buffer, static_cast<size_t>(got));
      } else {
        open = false;  // end of output: the child is exiting
      }
    }
    if (open) {
      ::kill(pid_, SIGKILL);
    }
    if (!reaped_) ::waitpid(pid_, &status_, 0);
    reaped_ = true;
    result.Finished = !open && WIFEXITED(status_);
    result.ExitCode = WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    result.Output = output_;
    return result;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int status_ = 0;
  bool reaped_ = false;
  std::string output_;
};

}  // namespace tess::testing
