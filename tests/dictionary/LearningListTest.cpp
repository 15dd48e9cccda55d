#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "dictionary/DictionaryFixture.h"
#include "dictionary/LearningList.h"

namespace tess::dictionary {
namespace {

using testing::DictionaryFolder;
using testing::ReadBytes;

const std::string kHeader =
    "Tessaron 5.0\r\nS\xB3\xF3wka ze s\xB3ownika...\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

TEST(LearningListTest, FileNameDependsOnTheLanguage) {
  EXPECT_EQ(LearningListPath("/p/3\\", 1), "/p/3\\eng_34slow.txt");
  EXPECT_EQ(LearningListPath("/p/3\\", 2), "/p/3\\niem_1234slow.txt");
  EXPECT_EQ(LearningListPath("/p/3\\", 3), "/p/3\\slow.txt");
  EXPECT_EQ(LearningListPath("/p/3\\", 6), "/p/3\\ros5slow.txt");
  EXPECT_EQ(LearningListPath("", 1), "eng_34slow.txt");
}

TEST(LearningListTest, NewFileGetsTenHeaderLinesThenNumbersAreAppended) {
  DictionaryFolder folder;
  const std::string path = LearningListPath(folder.ProgramDir() + "7\\", 1);
  folder.Write("7/keep", "");
  ASSERT_TRUE(AppendToLearningList(path, 12));
  EXPECT_EQ(ReadBytes(folder / "7/eng_34slow.txt"), kHeader + "12\r\n");
  ASSERT_TRUE(AppendToLearningList(path, 40));
  ASSERT_TRUE(AppendToLearningList(path, 12));  // the same entry twice is written twice
  EXPECT_EQ(ReadBytes(folder / "7/eng_34slow.txt"), kHeader + "12\r\n40\r\n12\r\n");
}

TEST(LearningListTest, AFileWithoutItsLastLineEndKeepsThatLine) {
  DictionaryFolder folder;
  folder.Write("eng_34slow.txt", kHeader + "5");
  ASSERT_TRUE(AppendToLearningList(folder.ProgramDir() + "eng_34slow.txt", 6));
  EXPECT_EQ(ReadBytes(folder / "eng_34slow.txt"), kHeader + "5\r\n6\r\n");
}

TEST(LearningListTest, AFileThatCannotBeWrittenIsReported) {
  DictionaryFolder folder;
  folder.Write("7", "a file where the user's folder should be");
  std::string error;
  EXPECT_FALSE(AppendToLearningList(folder.ProgramDir() + "7\\eng_34slow.txt", 1, &error));
  EXPECT_NE(error.find("Nie można zapisać listy słówek"), std::string::npos);
}

// Appends in a child whose files may grow by `room` bytes only, as on a nearly full disk.
// The child's exit code: 0 when the append reported failure with a message.
int AppendWithRoomFor(const std::string& path, int entryNo, rlim_t room) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{std::filesystem::file_size(path) + room, RLIM_INFINITY};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
    std::string error;
    const bool appended = AppendToLearningList(path, entryNo, &error);
    ::_exit(appended ? 1 : error.empty() ? 2 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LearningListTest, AShortWriteLeavesNoPartOfTheLine) {
  DictionaryFolder folder;
  const std::string path = folder.ProgramDir() + "eng_34slow.txt";
  struct Row {
    const char* name;
    std::string before;
  };
  const Row rows[] = {
      {"after whole lines", kHeader + "5\r\n"},
      {"after a line without its end", kHeader + "5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    folder.Write("eng_34slow.txt", row.before);
    EXPECT_EQ(AppendWithRoomFor(path, 123456, 3), 0);
    EXPECT_EQ(ReadBytes(folder / "eng_34slow.txt"), row.before);
    // With room again the next append is whole.
    ASSERT_TRUE(AppendToLearningList(path, 7));
    EXPECT_EQ(ReadBytes(folder / "eng_34slow.txt"), kHeader + "5\r\n7\r\n");
  }
}

}  // namespace
}  // namespace tess::dictionary
