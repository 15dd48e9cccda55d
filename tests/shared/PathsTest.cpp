#include "shared/Paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    root_ = folder_.path();
    std::filesystem::create_directories(root_ + "/Lang_r/0/gfx_r");
    std::filesystem::create_directories(root_ + "/Hdd/bsgram");
    std::filesystem::create_directories(root_ + "/But_R");
    std::filesystem::create_directories(root_ + "/Źródła");
    WriteBytes(root_ + "/Lang_r/0/gfx_r/Info.bmp", "");
    WriteBytes(root_ + "/But_R/ok2.bmp", "");
    WriteBytes(root_ + "/Data.TXT", "");
    WriteBytes(root_ + "/DATA.txt", "");
  }

  TempFolder folder_;
  std::string root_;
};

TEST_F(PathsTest, Resolve) {
  struct Row {
    const char* name;
    std::string path, expected;
  };
  const Row rows[] = {
      {"exact", "/Lang_r/0/gfx_r/Info.bmp", "/Lang_r/0/gfx_r/Info.bmp"},
      {"backslashes and case", "\\LANG_R\\0\\GFX_R\\info.BMP", "/Lang_r/0/gfx_r/Info.bmp"},
      {"doubled separators", "//Lang_r\\0\\\\gfx_r\\info.bmp", "/Lang_r/0/gfx_r/Info.bmp"},
      {"missing file in a folder", "\\HDD\\bsgram\\tmp1.Wav", "/Hdd/bsgram/tmp1.Wav"},
      {"missing middle keeps the rest", "\\lang_r\\7\\GFX_R\\x.bmp", "/Lang_r/7/GFX_R/x.bmp"},
      {"trailing separator", "\\hdd\\", "/Hdd/"},
      {"exact match preferred", "\\Data.TXT", "/Data.TXT"},
      {"else first in byte order", "\\data.txt", "/DATA.txt"},
      // Only A to Z fold: Polish letters in UTF-8 names must match in case.
      {"non-ascii letters do not fold", "\\źródła\\X", "/źródła/X"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ResolvePath(root_ + row.path), root_ + row.expected);
  }
  EXPECT_EQ(ResolvePath(""), "");
}

TEST_F(PathsTest, RelativePathsStartAtTheCurrentFolder) {
  const std::filesystem::path previous = std::filesystem::current_path();
  ASSERT_EQ(::chdir(root_.c_str()), 0);
  const std::string windowsStyle = ResolvePath("but_r\\OK2.bmp");
  const std::string missing = ResolvePath("Hdd\\nowhere\\x");
  const bool exists = FileExists("but_r\\ok2.bmp");
  std::filesystem::current_path(previous);

  EXPECT_EQ(windowsStyle, "But_R/ok2.bmp");
  EXPECT_EQ(missing, "Hdd/nowhere/x");
  EXPECT_TRUE(exists);
}

TEST_F(PathsTest, ExistenceByKind) {
  EXPECT_TRUE(FileExists(root_ + "\\lang_r\\0\\gfx_r\\INFO.bmp"));
  EXPECT_FALSE(DirectoryExists(root_ + "\\lang_r\\0\\gfx_r\\INFO.bmp"));
  EXPECT_TRUE(DirectoryExists(root_ + "\\HDD\\BSGRAM\\"));
  EXPECT_FALSE(FileExists(root_ + "\\HDD\\BSGRAM\\"));
  EXPECT_FALSE(FileExists(root_ + "\\nothing.txt"));
  EXPECT_FALSE(DirectoryExists(root_ + "\\nothing"));
  EXPECT_FALSE(FileExists(""));
}

TEST_F(PathsTest, MakeDirectoryReusesExistingParents) {
  EXPECT_TRUE(MakeDirectory(root_ + "\\HDD\\bsgram\\New\\Sub\\"));
  EXPECT_TRUE(std::filesystem::is_directory(root_ + "/Hdd/bsgram/New/Sub"));
  EXPECT_FALSE(std::filesystem::exists(root_ + "/HDD"));
  EXPECT_TRUE(MakeDirectory(root_ + "\\hdd\\BSGRAM\\new\\sub")) << "already there";
  // A file in the way cannot become a folder.
  EXPECT_FALSE(MakeDirectory(root_ + "\\Data.TXT\\x"));
}

TEST(WithTrailingSeparator, Table) {
  struct Row {
    const char* name;
    std::string_view folder, expected;
  };
  const Row rows[] = {
      {"added", "/opt/tess", "/opt/tess\\"},
      {"backslash kept", "Lang_r\\0\\", "Lang_r\\0\\"},
      {"slash kept", "/opt/tess/", "/opt/tess/"},
      {"empty", "", "\\"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(WithTrailingSeparator(row.folder), row.expected);
  }
}

}  // namespace
}  // namespace tess
