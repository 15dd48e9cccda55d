#include "users/Users.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"
#include "users/ChildProcess.h"

namespace tess {
namespace {

using testing::ChildProcess;
using testing::ChildResult;
using testing::OtherAccount;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class UsersTest : public ::testing::Test {
 protected:
  std::string ProgramDir() const { return folder.path() + "/"; }
  std::string UserFile() const { return folder / "usr.t"; }
  void WriteUsers(std::string_view bytes) const { WriteBytes(UserFile(), bytes); }
  std::string UserFileBytes() const { return ReadBytes(UserFile()); }

  TempFolder folder;
};

std::string ManyUsers(int count) {
  std::string bytes;
  for (int id = 1; id <= count; ++id)
    bytes += std::to_string(id) + "=User " + std::to_string(id) + "\r\n";
  return bytes;
}

TEST_F(UsersTest, ReadingKeepsWellFormedLinesOnly) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<LocalUser> users;
  };
  const Row rows[] = {
      {"plain", "1=Anna\r\n2=Bartek\r\n", {{1, "Anna"}, {2, "Bartek"}}},
      {"line_without_equals", "1=Anna\r\nBartek\r\n\r\n3=Celina\r\n", {{1, "Anna"}, {3, "Celina"}}},
      {"malformed_ids",
       "x=Anna\r\n-1=Bob\r\n+2=Cyd\r\n=Dora\r\n4 =Ewa\r\n1e3=Fil\r\n99999999999=Gil\r\n5=Gosia\r\n",
       {{5, "Gosia"}}},
      {"outer_blanks_go_inner_stay", "\t 7= Jan  Kowalski \t\r\n", {{7, "Jan  Kowalski"}}},
      {"later_equals_belong_to_name", "3=Ala=Ola=\r\n", {{3, "Ala=Ola="}}},
      {"leading_zeros", "007=Bond\r\n", {{7, "Bond"}}},
      {"empty_name_kept", "4=\r\n", {{4, ""}}},
      {"lf_and_no_final_line_end", "1=Anna\n2=Bartek", {{1, "Anna"}, {2, "Bartek"}}},
      {"cp1250_bytes_untouched",
       "1=\xA3ukasz \xAF\xF3\xB3\xE6\r\n",
       {{1, "\xA3ukasz \xAF\xF3\xB3\xE6"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteUsers(row.bytes);
    UserList list;
    list.Assign({{9, "stale"}});
    ASSERT_TRUE(LoadUsers(ProgramDir(), list));
    EXPECT_EQ(list.Users(), row.users);
  }
}

TEST_F(UsersTest, MissingFileGivesAnEmptyListAndFirstIdOne) {
  UserList list;
  list.Assign({{9, "stale"}});
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  EXPECT_TRUE(list.Empty());

  const AddUserResult added = AddUser(ProgramDir(), list, "Anna");
  ASSERT_EQ(added.Status, AddUserStatus::Added);
  EXPECT_EQ(added.Id, 1);
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n");
}

TEST_F(UsersTest, FileThatCannotBeReplacedIsReportedAndTheListKept) {
  WriteUsers("1=Anna\r\n");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  // A folder in the file's place cannot be renamed over.
  std::filesystem::remove(UserFile());
  std::filesystem::create_directory(UserFile());

  const AddUserResult added = AddUser(ProgramDir(), list, "Bartek");
  EXPECT_EQ(added.Status, AddUserStatus::FileError);
  EXPECT_NE(AddUserMessage(added, list.Limit()).find("usr.t"), std::string::npos);
  EXPECT_EQ(list.Find("Bartek"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(UserFile()));
}

TEST_F(UsersTest, NewUserGetsLargestIdPlusOneAndItsFolder) {
  WriteUsers("1=Anna\r\n7=Celina\r\n2=Bartek\r\n");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  EXPECT_EQ(list.NextId(), 8);

  const AddUserResult added = AddUser(ProgramDir(), list, "  Dorota  ");
  ASSERT_EQ(added.Status, AddUserStatus::Added);
  EXPECT_EQ(added.Id, 8);
  EXPECT_EQ(added.Position, 4);
  EXPECT_EQ(list.At(4), (LocalUser{8, "Dorota"}));
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n7=Celina\r\n2=Bartek\r\n8=Dorota\r\n");

  std::string userDir;
  ASSERT_TRUE(MakeUserFolder(ProgramDir(), added.Id, userDir));
  EXPECT_EQ(userDir, ProgramDir() + "8\\");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "8"));
  // An existing folder is fine and kept.
  WriteBytes(folder / "8/keep", "x");
  ASSERT_TRUE(MakeUserFolder(ProgramDir(), added.Id, userDir));
  EXPECT_TRUE(std::filesystem::exists(folder / "8/keep"));
}

TEST_F(UsersTest, NamesAreCheckedBeforeAnythingIsWritten) {
  struct Row {
    const char* name;
    std::string typed;
    AddUserStatus status;
  };
  const Row rows[] = {
      {"one_character", "A", AddUserStatus::NameTooShort},
      {"one_character_in_blanks", "  A \t", AddUserStatus::NameTooShort},
      {"two_characters", "Al", AddUserStatus::Added},
      {"thirty_characters", std::string(30, 'x'), AddUserStatus::Added},
      {"thirty_one_characters", std::string(31, 'y'), AddUserStatus::NameTooLong},
      {"line_break_inside", "Jan\r\nNowak", AddUserStatus::NameHasControls},
      {"same_name", "Anna", AddUserStatus::NameTaken},
      {"capitals_az", "ANNA", AddUserStatus::NameTaken},
      {"same_after_trimming", " anna ", AddUserStatus::NameTaken},
      {"polish_capitals", "\xA3UKASZ \xAF\xD3\xA3\xC6", AddUserStatus::NameTaken},  // ŁUKASZ ŻÓŁĆ
      {"polish_small", "\xB3ukasz \xBF\xF3\xB3\xE6", AddUserStatus::NameTaken},  // łukasz żółć
      {"different_letter", "Lukasz \xAF\xF3\xB3\xE6", AddUserStatus::Added},
      {"prefix_is_not_equal", "Ann", AddUserStatus::Added},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string before = "1=Anna\r\n2=\xA3ukasz \xAF\xF3\xB3\xE6\r\n";
    WriteUsers(before);
    UserList list;
    ASSERT_TRUE(LoadUsers(ProgramDir(), list));
    const AddUserResult added = AddUser(ProgramDir(), list, row.typed);
    EXPECT_EQ(added.Status, row.status);
    if (row.status == AddUserStatus::Added) {
      EXPECT_EQ(list.Count(), 3);
    } else {
      EXPECT_EQ(UserFileBytes(), before) << "nothing is written for a refused name";
      EXPECT_EQ(list.Count(), 2);
    }
  }
}

TEST_F(UsersTest, CaseFoldingCoversEveryCp1250LetterAndNothingElse) {
  struct Row {
    const char* name;
    std::string a;
    std::string b;
    bool same;
  };
  const Row rows[] = {
      {"az", "Zofia", "zOFIA", true},
      {"polish_a_c_e", "\xA5\xC6\xCA", "\xB9\xE6\xEA", true},              // ĄĆĘ ąćę
      {"polish_l_n_o", "\xA3\xD1\xD3", "\xB3\xF1\xF3", true},              // ŁŃÓ łńó
      {"polish_s_z_z", "\x8C\x8F\xAF", "\x9C\x9F\xBF", true},              // ŚŹŻ śźż
      {"czech_and_german", "\x8A\xC8\xD8\xDC", "\x9A\xE8\xF8\xFC", true},  // ŠČŘÜ ščřü
      {"ogonek_is_a_letter_of_its_own", "\xA5", "a", false},               // Ą a
      {"times_and_divide_are_not_letters", "\xD7", "\xF7", false},         // × ÷
      {"sharp_s_has_no_capital_here", "\xDF", "\xFF", false},              // ß ˙
      {"quotes_stay_apart", "\x8B", "\x9B", false},                        // ‹ ›
      {"lengths_differ", "Ola", "Olaf", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SameUserName(row.a, row.b), row.same);
  }
}

TEST_F(UsersTest, AddRereadsTheFileSoAnotherProgramsUsersSurvive) {
  WriteUsers("1=Anna\r\n");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  // The dictionary adds a user while the course shows its list.
  WriteUsers("1=Anna\r\n2=Bartek\r\n");

  const AddUserResult added = AddUser(ProgramDir(), list, "Celina");
  ASSERT_EQ(added.Status, AddUserStatus::Added);
  EXPECT_EQ(added.Id, 3);
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Bartek\r\n3=Celina\r\n");
  EXPECT_EQ(list.Users(), (std::vector<LocalUser>{{1, "Anna"}, {2, "Bartek"}, {3, "Celina"}}));

  // A name the other program took meanwhile is refused, and the list shows that user.
  WriteUsers("1=Anna\r\n2=Bartek\r\n3=Celina\r\n4=Dorota\r\n");
  const AddUserResult taken = AddUser(ProgramDir(), list, "DOROTA");
  EXPECT_EQ(taken.Status, AddUserStatus::NameTaken);
  EXPECT_EQ(list.Count(), 4);
}

TEST_F(UsersTest, FullListRefusesAndNeverDropsLines) {
  struct Row {
    const char* name;
    int limit;
    int inFile;
  };
  const Row rows[] = {
      {"course_251st", kCourseUserLimit, 250},
      // A program with a smaller list (the dictionary's 50) lists the first users only and
      // must not cut the others off the file.
      {"smaller_list_than_file", 3, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string before = ManyUsers(row.inFile);
    WriteUsers(before);
    UserList list(row.limit);
    ASSERT_TRUE(LoadUsers(ProgramDir(), list));
    EXPECT_EQ(list.Count(), row.limit);
    const AddUserResult added = AddUser(ProgramDir(), list, "Nowy");
    EXPECT_EQ(added.Status, AddUserStatus::ListFull);
    EXPECT_EQ(UserFileBytes(), before);
    EXPECT_NE(AddUserMessage(added, row.limit).find(std::to_string(row.limit) + " użytkowników"),
              std::string::npos);
  }
  // One below the limit the last place is still free.
  WriteUsers(ManyUsers(249));
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  EXPECT_EQ(AddUser(ProgramDir(), list, "Nowy").Status, AddUserStatus::Added);
  EXPECT_EQ(list.Count(), 250);
}

TEST_F(UsersTest, RewriteReplacesTheFileWholeAndLeavesNothingBehind) {
  WriteUsers("1=Anna\r\nbroken line\r\n");
  std::filesystem::create_hard_link(UserFile(), folder / "old-usr.t");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  ASSERT_EQ(AddUser(ProgramDir(), list, "Bartek").Status, AddUserStatus::Added);

  // A new file was renamed into place: the old one was never written into.
  EXPECT_EQ(ReadBytes(folder / "old-usr.t"), "1=Anna\r\nbroken line\r\n");
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\nbroken line\r\n2=Bartek\r\n");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"old-usr.t", "usr.t", "usr.t.lock"}));
}

TEST_F(UsersTest, AddWaitsForTheOtherProgramsLock) {
  WriteUsers("1=Anna\r\n");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));

  // The other program holds the lock while it rewrites the file.
  const int fd = ::open((folder / "usr.t.lock").c_str(), O_RDWR | O_CREAT, 0666);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  std::atomic<bool> done = false;
  AddUserResult added;
  std::thread adder([&] {
    added = AddUser(ProgramDir(), list, "Celina");
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(done) << "AddUser went ahead while the lock was held";
  WriteUsers("1=Anna\r\n2=Bartek\r\n");
  ::flock(fd, LOCK_UN);
  ::close(fd);
  adder.join();

  EXPECT_EQ(added.Status, AddUserStatus::Added);
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Bartek\r\n3=Celina\r\n");
}

TEST_F(UsersTest, AddingKeepsEveryLineItDidNotWriteAndOutgrowsEveryIdInIt) {
  struct Row {
    const char* name;
    std::string before;
    int id;
    std::string appended;  ///< what follows `before` afterwards
  };
  const Row rows[] = {
      {"hand_edited_blanks", "1=Anna\r\n 7 = Ania\r\n", 8, "8=Nowy\r\n"},
      {"comment_and_line_without_equals", "// klasa 3b\r\n1=Anna\r\nnotatka\r\n", 2, "2=Nowy\r\n"},
      {"leading_zeros_kept", "007=Bond\r\n2=Ola\r\n", 8, "8=Nowy\r\n"},
      {"signs_and_blanks_around_ids", "1=Anna\r\n+12=Zyta\r\n\t30 =Ula\r\n", 31, "31=Nowy\r\n"},
      {"id_in_a_line_without_equals", "1=Anna\r\n40 Olek\r\n", 41, "41=Nowy\r\n"},
      {"last_line_without_line_end", "1=Anna\r\n2=Ola", 3, "\r\n3=Nowy\r\n"},
      {"last_line_ends_in_cr", "1=Anna\r", 2, "\n2=Nowy\r\n"},
      {"lf_line_ends", "1=Anna\n2=Ola\n", 3, "3=Nowy\r\n"},
      {"blank_lines_and_cp1250", "\r\n1=\xA3ukasz\r\n\t\r\n", 2, "2=Nowy\r\n"},
      {"empty_file", "", 1, "1=Nowy\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteUsers(row.before);
    UserList list;
    ASSERT_TRUE(LoadUsers(ProgramDir(), list));
    const AddUserResult added = AddUser(ProgramDir(), list, "Nowy");
    ASSERT_EQ(added.Status, AddUserStatus::Added) << added.Error;
    EXPECT_EQ(added.Id, row.id);
    EXPECT_EQ(UserFileBytes(), row.before + row.appended);
    EXPECT_EQ(list.At(added.Position), (LocalUser{row.id, "Nowy"}));
  }
}

TEST_F(UsersTest, NewIdPassesOverFoldersAlreadyThere) {
  WriteUsers("1=Anna\r\n");
  // Left by a user whose line is gone: a new user must not inherit its results.
  std::filesystem::create_directory(folder / "2");
  std::filesystem::create_directory(folder / "3");
  WriteBytes(folder / "4", "not a folder, but the name is taken");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));
  const AddUserResult added = AddUser(ProgramDir(), list, "Bartek");
  ASSERT_EQ(added.Status, AddUserStatus::Added);
  EXPECT_EQ(added.Id, 5);
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n5=Bartek\r\n");
}

TEST_F(UsersTest, AnIdThatCannotGrowMeansTheListIsFull) {
  struct Row {
    const char* name;
    std::string before;
    const char* takenFolder;  ///< a folder already there, or nullptr
    AddUserStatus status;
  };
  const Row rows[] = {
      {"largest_int", "1=Anna\r\n2147483647=Max\r\n", nullptr, AddUserStatus::NoIdLeft},
      {"largest_int_in_a_skipped_line", "1=Anna\r\n 2147483647 = Max\r\n", nullptr,
       AddUserStatus::NoIdLeft},
      {"huge_digit_string", "1=Anna\r\n" + std::string(5000, '9') + "=Gil\r\n", nullptr,
       AddUserStatus::NoIdLeft},
      {"last_id_left_is_given", "2147483646=Prawie\r\n", nullptr, AddUserStatus::Added},
      {"last_id_left_has_a_folder", "2147483646=Prawie\r\n", "2147483647", AddUserStatus::NoIdLeft},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder own;
    const std::string dir = own.path() + "/";
    WriteBytes(dir + "usr.t", row.before);
    if (row.takenFolder) std::filesystem::create_directory(dir + row.takenFolder);
    UserList list;
    ASSERT_TRUE(LoadUsers(dir, list));
    const AddUserResult added = AddUser(dir, list, "Nowy");
    EXPECT_EQ(added.Status, row.status);
    if (row.status == AddUserStatus::Added) {
      EXPECT_EQ(added.Id, INT_MAX);
      EXPECT_EQ(ReadBytes(dir + "usr.t"), row.before + "2147483647=Nowy\r\n");
    } else {
      EXPECT_EQ(ReadBytes(dir + "usr.t"), row.before);
      EXPECT_NE(AddUserMessage(added, list.Limit()).find("lista jest pełna"), std::string::npos);
    }
  }
  UserList list;
  list.Assign({{INT_MAX, "Max"}});
  EXPECT_EQ(list.NextId(), 0) << "no id is left";
}

TEST_F(UsersTest, LockFileIsOpenToEveryAccountWhateverTheUmask) {
  const mode_t saved = ::umask(077);
  UserList list;
  const AddUserResult added = AddUser(ProgramDir(), list, "Anna");
  ::umask(saved);
  ASSERT_EQ(added.Status, AddUserStatus::Added);
  struct stat info;
  ASSERT_EQ(::stat((folder / "usr.t.lock").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666);
}

// The other writer could not use the lock file and holds the folder instead.
TEST_F(UsersTest, AddWaitsForAWriterThatLocksTheFolder) {
  WriteUsers("1=Anna\r\n");
  std::filesystem::create_symlink(folder / "missing/usr.t.lock", folder / "usr.t.lock");
  UserList list;
  ASSERT_TRUE(LoadUsers(ProgramDir(), list));

  const int fd = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  std::atomic<bool> done = false;
  AddUserResult added;
  std::thread adder([&] {
    added = AddUser(ProgramDir(), list, "Celina");
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(done) << "AddUser went ahead while the folder was locked";
  WriteUsers("1=Anna\r\n2=Bartek\r\n");
  ::close(fd);
  adder.join();

  EXPECT_EQ(added.Status, AddUserStatus::Added) << added.Error;
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Bartek\r\n3=Celina\r\n");
}

// Run as root, the writer below is another account; otherwise the lock file is made read-only,
// which refuses its owner just as well.
TEST_F(UsersTest, AnotherAccountsLockFileStillLocks) {
  WriteUsers("1=Anna\r\n");
  const std::string lockPath = folder / "usr.t.lock";
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::fchmod(fd, ::geteuid() == 0 ? 0644 : 0444), 0);
  ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
  ASSERT_EQ(::chmod(UserFile().c_str(), 0666), 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);

  const std::string dir = ProgramDir();
  ChildProcess writer(
      [&] {
        ::close(fd);  // the parent's lock, which the child would otherwise share
        UserList list;
        const AddUserResult added = AddUser(dir, list, "Celina");
        return std::to_string(static_cast<int>(added.Status)) + " " + added.Error;
      },
      OtherAccount(1));
  ASSERT_TRUE(writer.Started());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(writer.Running()) << "the other account wrote without the lock";
  WriteUsers("1=Anna\r\n2=Bartek\r\n");
  ::close(fd);
  const ChildResult result = writer.Wait(std::chrono::seconds(10));
  ASSERT_TRUE(result.Finished);
  if (result.ExitCode == testing::kCannotSwitchAccount) GTEST_SKIP() << "cannot switch accounts";
  EXPECT_EQ(result.Output, std::to_string(static_cast<int>(AddUserStatus::Added)) + " ");
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Bartek\r\n3=Celina\r\n");
}

TEST_F(UsersTest, WithoutAnyLockNothingIsWritten) {
  const std::string before = "1=Anna\r\n";
  WriteUsers(before);
  // Neither the lock file nor the folder can be opened; the folder can still be written.
  const std::string lockPath = folder / "usr.t.lock";
  WriteBytes(lockPath, "");
  ASSERT_EQ(::chmod(lockPath.c_str(), 0), 0);
  ASSERT_EQ(::chmod(UserFile().c_str(), 0666), 0);
  ASSERT_EQ(::chmod(folder.path().c_str(), 0333), 0);

  const std::string dir = ProgramDir();
  ChildProcess writer(
      [&] {
        UserList list;
        const AddUserResult added = AddUser(dir, list, "Celina");
        return std::to_string(static_cast<int>(added.Status)) + " " +
               AddUserMessage(added, list.Limit());
      },
      OtherAccount(1));
  ASSERT_TRUE(writer.Started());
  const ChildResult result = writer.Wait(std::chrono::seconds(10));
  ::chmod(folder.path().c_str(), 0700);
  ASSERT_TRUE(result.Finished);
  if (result.ExitCode == testing::kCannotSwitchAccount) GTEST_SKIP() << "cannot switch accounts";
  EXPECT_EQ(result.Output.substr(0, 2),
            std::to_string(static_cast<int>(AddUserStatus::FileError)) + " ");
  EXPECT_NE(result.Output.find("zablokowa"), std::string::npos) << result.Output;
  EXPECT_EQ(UserFileBytes(), before);
}

TEST_F(UsersTest, AMegabyteFileIsReadInLinearTime) {
  // Long names, long junk lines and a few users: anything quadratic in a line or in the
  // number of lines shows here.
  std::string bytes;
  const std::string longName(2000, 'x');
  const std::string junk(5000, '=');
  for (int line = 0; bytes.size() < (1u << 20); ++line) {
    if (line % 50 == 0) {
      bytes += std::to_string(line) + "=" + longName + "\r\n";
    } else if (line % 2 == 0) {
      bytes += junk + "\r\n";
    } else {
      bytes += std::string(3000, '7') + " bez znaku\r\n";
    }
  }
  WriteUsers(bytes);

  // The best of a few runs, so that a busy machine does not fail a linear reader; a
  // quadratic one fails every run.
  using Clock = std::chrono::steady_clock;
  Clock::duration loading = Clock::duration::max();
  Clock::duration adding = Clock::duration::max();
  for (int run = 0; run < 3; ++run) {
    UserList list;
    const auto start = Clock::now();
    ASSERT_TRUE(LoadUsers(ProgramDir(), list));
    const auto loaded = Clock::now();
    // Refused (the digit runs leave no id), but only after reading every line.
    ASSERT_EQ(AddUser(ProgramDir(), list, "Nowy").Status, AddUserStatus::NoIdLeft);
    const auto added = Clock::now();
    ASSERT_GT(list.Count(), 0);
    loading = std::min(loading, loaded - start);
    adding = std::min(adding, added - loaded);
  }
  EXPECT_LT(loading, std::chrono::milliseconds(100));
  EXPECT_LT(adding, std::chrono::milliseconds(100));
}

}  // namespace
}  // namespace tess
