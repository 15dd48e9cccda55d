// The course and the dictionary adding users to one usr.t at the same time, as two processes
// and, when the tests run as root, as two accounts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/DictionaryState.h"
#include "support/TempFolder.h"
#include "users/ChildProcess.h"
#include "users/Users.h"

namespace tess {
namespace {

using testing::ChildProcess;
using testing::ChildResult;
using testing::OtherAccount;
using testing::ReadBytes;
using testing::WriteBytes;

// A tmpfs folder when there is one: the race is about the lock, and flushing each rewrite to
// a disk would make hundreds of adds take many seconds.
class RaceFolder {
 public:
  RaceFolder() {
    std::error_code ignored;
    const std::string base = ::access("/dev/shm", W_OK | X_OK) == 0
                                 ? std::string("/dev/shm")
                                 : std::filesystem::temp_directory_path(ignored).string();
    std::string pattern = base + "/tess-race-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~RaceFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  RaceFolder(const RaceFolder&) = delete;
  RaceFolder& operator=(const RaceFolder&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

enum class Program { Course, Dictionary };

std::string Numbered(const char* prefix, int number) {
  char text[40];
  std::snprintf(text, sizeof text, "%s%03d", prefix, number);
  return text;
}

// Every fifth name is one the other program tries too, in other letter case (cp1250 "ó"/"Ó"),
// so exactly one of them may get it.
std::string NameToTry(Program program, int attempt) {
  const bool course = program == Program::Course;
  if (attempt % 5 == 0) return Numbered(course ? "Wsp\xF3lny " : "WSP\xD3LNY ", attempt / 5);
  return Numbered(course ? "Kurs " : "S\xB3ownik ", attempt);
}

// Both programs are ready before either starts, or one may be done before the other runs.
struct StartLine {
  int ready[2] = {-1, -1};
  int go[2] = {-1, -1};
  bool Open() { return ::pipe(ready) == 0 && ::pipe(go) == 0; }
  // In a program: says it is ready and waits until the go end is closed by everyone.
  void ReadyAndWait() const {
    ::close(go[1]);
    const char signal = 'r';
    (void)!::write(ready[1], &signal, 1);
    char ignored;
    while (::read(go[0], &ignored, 1) > 0) {
    }
  }
  // In the test: waits for `count` programs to be ready, then lets them all go.
  bool Start(int count) const {
    ::close(ready[1]);
    ::close(go[0]);
    int got = 0;
    char signal;
    while (got < count && ::read(ready[0], &signal, 1) == 1) ++got;
    ::close(ready[0]);
    ::close(go[1]);
    return got == count;
  }
};

// One program: reads its list at start, waits for the start, then adds users until its list
// is full. Reports "A id name", "T name" (taken), "F" (full) or "E status message".
std::string RunProgram(const std::string& programDir, Program program, const StartLine& start) {
  UserList list(program == Program::Course ? kCourseUserLimit : dictionary::kDictionaryUserLimit);
  LoadUsers(programDir, list);
  start.ReadyAndWait();
  std::string report;
  for (int attempt = 1; attempt <= 400; ++attempt) {
    const std::string name = NameToTry(program, attempt);
    const AddUserResult added = AddUser(programDir, list, name);
    switch (added.Status) {
      case AddUserStatus::Added:
        report += "A " + std::to_string(added.Id) + " " + name + "\n";
        continue;
      case AddUserStatus::NameTaken:
        report += "T " + name + "\n";
        continue;
      case AddUserStatus::ListFull:
        return report + "F\n";
      default:
        return report + "E " + std::to_string(static_cast<int>(added.Status)) + " " +
               AddUserMessage(added, list.Limit()) + "\n";
    }
  }
  return report + "E too many attempts\n";
}

struct Added {
  int Id;
  Program By;
};

// Hand-written lines a reader skips or reads oddly; the last has no line end. Ids 3, 5 and 7
// appear in them, and the folder of id 8 is there already.
const std::string kSeed =
    "// lista uczni\xF3w, prosz\xEA nie zmienia\xE6\r\n"
    " 7 = Ania\r\n"
    "notatka bez znaku r\xF3wno\x9C"
    "ci\r\n"
    "005=Bond\r\n"
    "3=Celina";
constexpr int kSeedUsers = 2;

enum class LockSetup { FreshFolder, ReadOnlyLockFile, UnusableLockFile };

struct RoundFigures {
  int courseAdds = 0;
  int dictionaryAdds = 0;
  int taken = 0;
  int lost = 0;
};

void RunRound(LockSetup setup, RoundFigures& figures) {
  RaceFolder folder;
  ASSERT_FALSE(folder.path().empty());
  const std::string dir = folder.path() + "/";
  ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
  WriteBytes(dir + "usr.t", kSeed);
  std::filesystem::create_directory(dir + "8");
  if (setup == LockSetup::ReadOnlyLockFile) {
    // Left by a third account: neither writer may write it.
    WriteBytes(dir + "usr.t.lock", "");
    ASSERT_EQ(::chmod((dir + "usr.t.lock").c_str(), 0444), 0);
  } else if (setup == LockSetup::UnusableLockFile) {
    std::filesystem::create_symlink(dir + "missing/usr.t.lock", dir + "usr.t.lock");
  }

  StartLine start;
  ASSERT_TRUE(start.Open());
  ChildProcess course([&] { return RunProgram(dir, Program::Course, start); }, OtherAccount(1));
  ChildProcess dictionary([&] { return RunProgram(dir, Program::Dictionary, start); },
                          OtherAccount(2));
  ASSERT_TRUE(course.Started());
  ASSERT_TRUE(dictionary.Started());
  ASSERT_TRUE(start.Start(2)) << "a writer did not get ready";
  const ChildResult results[] = {course.Wait(std::chrono::seconds(20)),
                                 dictionary.Wait(std::chrono::seconds(20))};
  const Program programs[] = {Program::Course, Program::Dictionary};

  // What each program was told.
  std::map<std::string, Added> added;
  for (int which = 0; which < 2; ++which) {
    const ChildResult& result = results[which];
    ASSERT_TRUE(result.Finished) << "a writer did not finish in time";
    ASSERT_NE(result.ExitCode, testing::kCannotSwitchAccount) << "cannot switch accounts";
    ASSERT_EQ(result.ExitCode, 0);
    ASSERT_TRUE(result.Output.ends_with("F\n"))
        << result.Output.substr(result.Output.size() > 300 ? result.Output.size() - 300 : 0);
    for (size_t from = 0; from < result.Output.size();) {
      const size_t end = result.Output.find('\n', from);
      const std::string line = result.Output.substr(from, end - from);
      from = end + 1;
      if (line.starts_with("A ")) {
        const size_t blank = line.find(' ', 2);
        const std::string name = line.substr(blank + 1);
        EXPECT_TRUE(
            added.emplace(name, Added{std::stoi(line.substr(2, blank - 2)), programs[which]})
                .second)
            << "both programs were told they added " << name;
        (programs[which] == Program::Course ? figures.courseAdds : figures.dictionaryAdds)++;
      } else if (line.starts_with("T ")) {
        ++figures.taken;
        EXPECT_TRUE(line.substr(2).starts_with("Wsp") || line.substr(2).starts_with("WSP"))
            << "only a name both programs try can be taken: " << line;
      }
    }
  }

  UserList all(1000);
  ASSERT_TRUE(LoadUsers(dir, all));
  for (const auto& [name, what] : added) {
    if (all.Find(name) == 0) ++figures.lost;
  }
  EXPECT_EQ(figures.lost, 0) << "added users missing from the file";

  // What the file holds: the seed byte for byte, then one well-formed line per added user.
  const std::string bytes = ReadBytes(dir + "usr.t");
  ASSERT_TRUE(bytes.starts_with(kSeed + "\r\n")) << "a hand-written line was changed";
  std::vector<std::string> lines;
  for (size_t from = kSeed.size() + 2; from < bytes.size();) {
    const size_t end = bytes.find("\r\n", from);
    ASSERT_NE(end, std::string::npos) << "the last line has no line end";
    lines.push_back(bytes.substr(from, end - from));
    from = end + 2;
  }
  ASSERT_EQ(all.Count(), kSeedUsers + static_cast<int>(lines.size()))
      << "a line the reader skips was written";
  EXPECT_EQ(all.Count(), kCourseUserLimit) << "the course filled its list";

  std::set<int> ids;
  std::set<std::string> names;
  for (int position = 1; position <= all.Count(); ++position) {
    const LocalUser& user = all.At(position);
    EXPECT_TRUE(ids.insert(user.Id).second) << "id " << user.Id << " twice";
    EXPECT_TRUE(names.insert(FoldUserNameCase(user.Name)).second) << user.Name << " twice";
    if (position <= kSeedUsers) continue;
    EXPECT_GT(user.Id, 8) << "an id at or below one in the file, or one with a folder";
    const auto told = added.find(user.Name);
    if (told == added.end()) {
      ADD_FAILURE() << user.Name << " is in the file though no program added it";
      continue;
    }
    EXPECT_EQ(told->second.Id, user.Id) << user.Name;
    if (told->second.By == Program::Dictionary) {
      EXPECT_LE(position, dictionary::kDictionaryUserLimit) << "beyond the dictionary's list";
    }
  }
}

TEST(UsersRaceTest, CourseAndDictionaryAddingAtOnceLoseNothing) {
  const struct {
    const char* name;
    LockSetup setup;
  } rounds[] = {
      {"fresh_folder", LockSetup::FreshFolder},
      {"read_only_lock_file", LockSetup::ReadOnlyLockFile},
      {"unusable_lock_file", LockSetup::UnusableLockFile},
  };
  // A round is over in a few tens of milliseconds, and how much the two overlap is up to the
  // scheduler, so each setup runs a few times.
  constexpr int kRepeats = 3;
  const auto start = std::chrono::steady_clock::now();
  for (const auto& round : rounds) {
    SCOPED_TRACE(round.name);
    RoundFigures figures;
    for (int repeat = 0; repeat < kRepeats; ++repeat) RunRound(round.setup, figures);
    std::printf("[ figures  ] %s: %d adds (course %d, dictionary %d), %d taken, %d lost%s\n",
                round.name, figures.courseAdds + figures.dictionaryAdds, figures.courseAdds,
                figures.dictionaryAdds, figures.taken, figures.lost,
                OtherAccount(1) != 0 ? ", as two accounts" : "");
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

}  // namespace
}  // namespace tess
