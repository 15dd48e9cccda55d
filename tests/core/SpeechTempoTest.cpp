#include "core/SpeechTempo.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(SpeechTempoTest, EveryStepReadsBackAndTheFileSitsBesideTheSettings) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string userDir = folder.path() + "\\";
  const std::string path = TempoFilePath(userDir, "tsa2_2003");
  EXPECT_EQ(path, userDir + "tempo_tsa2_2003.txt");
  EXPECT_EQ(ReadTempoPercent(path), 100) << "no file yet";
  for (int percent : kTempoSteps) {
    SCOPED_TRACE(percent);
    std::string error;
    ASSERT_TRUE(WriteTempoPercent(path, percent, &error)) << error;
    EXPECT_EQ(ReadTempoPercent(path), percent);
  }
  EXPECT_EQ(ReadBytes(folder / "tempo_tsa2_2003.txt"), "55\r\n");
}

TEST(SpeechTempoTest, AnythingOddInTheFileMeansFullSpeed) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "tempo.txt";
  const struct {
    const char* bytes;
    int percent;
  } rows[] = {
      {"70", 70},      {" 85 \r\n", 85}, {"55\nrest", 55},  {"", 100},
      {"\r\n70", 100}, {"75", 100},      {"-70", 100},      {"70%", 100},
      {"0070", 100},   {"abc", 100},     {"\xff\xfe", 100}, {"99999999999999999999", 100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.bytes);
    WriteBytes(path, row.bytes);
    EXPECT_EQ(ReadTempoPercent(path), row.percent);
  }
  EXPECT_EQ(ReadTempoPercent(""), 100) << "nobody logged in";
  EXPECT_TRUE(WriteTempoPercent("", 70)) << "nothing to keep then";
}

TEST(SpeechTempoTest, StepsCycleDownAndBackToFullSpeed) {
  EXPECT_EQ(NextTempoPercent(100), 85);
  EXPECT_EQ(NextTempoPercent(85), 70);
  EXPECT_EQ(NextTempoPercent(70), 55);
  EXPECT_EQ(NextTempoPercent(55), 100);
  EXPECT_EQ(NextTempoPercent(42), 85);
  EXPECT_DOUBLE_EQ(TempoSpeed(70), 0.70);
}

}  // namespace
}  // namespace tess
