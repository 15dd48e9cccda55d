#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "dictionary/DictionaryFixture.h"
#include "dictionary/DictionaryState.h"
#include "platform/SingleInstanceLock.h"

extern char** environ;

namespace tess {
namespace {

using namespace std::chrono_literals;
using testing::DictionaryFolder;
using testing::TempFolder;
using testing::WordLine;

// The lock lives in a runtime folder of this test alone, so a dictionary the user runs on
// the same machine neither disturbs the test nor is disturbed by it.
class PrivateRuntimeDir {
 public:
  PrivateRuntimeDir() {
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    if (old != nullptr) old_ = old;
    hadOld_ = old != nullptr;
    ::setenv("XDG_RUNTIME_DIR", folder_.path().c_str(), 1);
  }
  ~PrivateRuntimeDir() {
    if (hadOld_) {
      ::setenv("XDG_RUNTIME_DIR", old_.c_str(), 1);
    } else {
      ::unsetenv("XDG_RUNTIME_DIR");
    }
  }
  const std::string& path() const { return folder_.path(); }

 private:
  TempFolder folder_;
  std::string old_;
  bool hadOld_ = false;
};

TEST(SingleInstanceLockTest, SecondLockSeesTheFirstUntilItIsGone) {
  const PrivateRuntimeDir runtime;
  EXPECT_EQ(SingleInstanceLock::LockFilePath("x"), runtime.path() + "/x.lock");
  auto first = std::make_unique<SingleInstanceLock>("x");
  ASSERT_TRUE(first->Held());
  {
    const SingleInstanceLock second("x");
    EXPECT_TRUE(second.AnotherRuns());
    EXPECT_FALSE(second.Held());
  }
  first.reset();
  const SingleInstanceLock third("x");
  EXPECT_TRUE(third.Held());
  EXPECT_FALSE(third.AnotherRuns());
}

// A copy of the built program in an installation of its own, started as a real process.
class WordbookProcessTest : public ::testing::Test {
 public:
  void SetUp() override {
    folder.WriteInstallation();
    folder.WriteLines("sba_s.txt", {WordLine(1, "house", "dom [1]")});
    QImage strip(50, 25, QImage::Format_RGB32);
    strip.fill(Qt::darkCyan);
    for (const char* skin : {"minim", "zamknij_rog", "ok2", "nowy_user"}) {
      std::filesystem::create_directories(folder / "but_slow_r");
      ASSERT_TRUE(strip.save(
          QString::fromStdString(folder / ("but_slow_r/" + std::string(skin) + ".bmp")), "BMP"));
    }
    std::filesystem::copy_file(TESS_INSTALL_DIR "/wordbook", folder / "wordbook");
  }
  void TearDown() override {
    for (const pid_t pid : started) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }

  pid_t StartCopy() {
    std::vector<std::string> variables;
    for (char** v = environ; *v != nullptr; ++v) variables.emplace_back(*v);
    variables.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    const std::string program = folder / "wordbook";
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string log = folder / "log.txt";
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = -1;
    const int result = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) return -1;
    started.push_back(pid);
    return pid;
  }

  /// Whether some process holds the dictionary's lock now.
  bool LockTaken() const {
    const std::string path = SingleInstanceLock::LockFilePath(dictionary::kInstanceLockName);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // releases it again if we got it
    return taken;
  }

  bool WaitForLock() const {
    for (auto waited = 0ms; waited < 15s; waited += 20ms) {
      if (LockTaken()) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  /// The exit status of `pid` when it ends within the time; -1 when it is still running.
  int WaitForExit(pid_t pid, std::chrono::milliseconds limit) {
    for (auto waited = 0ms; waited < limit; waited += 20ms) {
      int status = 0;
      if (::waitpid(pid, &status, WNOHANG) == pid) {
        std::erase(started, pid);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(20ms);
    }
    return -1;
  }

  const PrivateRuntimeDir runtime;
  DictionaryFolder folder;
  std::vector<pid_t> started;
};

TEST_F(WordbookProcessTest, SecondCopyEndsSilentlyAndAKilledCopyBlocksNothing) {
  const pid_t first = StartCopy();
  ASSERT_GT(first, 0);
  ASSERT_TRUE(WaitForLock()) << testing::ReadBytes(folder / "log.txt");

  const pid_t second = StartCopy();
  ASSERT_GT(second, 0);
  EXPECT_EQ(WaitForExit(second, 15s), 0);
  EXPECT_EQ(WaitForExit(first, 0ms), -1) << "the first copy must still run";

  ASSERT_EQ(::kill(first, SIGKILL), 0);
  EXPECT_EQ(WaitForExit(first, 15s), 128 + SIGKILL);
  EXPECT_FALSE(LockTaken());

  const pid_t third = StartCopy();
  ASSERT_GT(third, 0);
  EXPECT_TRUE(WaitForLock()) << testing::ReadBytes(folder / "log.txt");
  EXPECT_EQ(WaitForExit(third, 500ms), -1) << "the copy after the killed one must run";
}

}  // namespace
}  // namespace tess
