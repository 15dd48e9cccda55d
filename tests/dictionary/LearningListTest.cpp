#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tess::dictionary
