#include "users/Users.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"

namespace tess {
namespace {

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
  EXPECT_EQ(UserFileBytes(), "1=Anna\r\n2=Bartek\r\n");
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

}  // namespace
}  // namespace tess
