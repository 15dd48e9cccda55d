#include "shared/DataRoot.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteBytes;

TEST(DataRootTest, WritableFolderKeepsTheFilesElseTheyGoUnderXdgDataHome) {
  struct Row {
    const char* name;
    bool writable;
    std::string xdg, home, word, expected;
  };
  const Row rows[] = {
      {"portable copy", true, "/x/share", "/home/a", "english", "/opt/kurs/"},
      {"read-only, XDG set", false, "/x/share", "/home/a", "german", "/x/share/tessaron/german/"},
      {"XDG with a slash", false, "/x/share/", "/home/a", "french", "/x/share/tessaron/french/"},
      {"XDG unset", false, "", "/home/a", "english", "/home/a/.local/share/tessaron/english/"},
      {"XDG relative is ignored", false, "share", "/home/a", "english",
       "/home/a/.local/share/tessaron/english/"},
  };
  for (const Row& row : rows) {
    std::string asked;
    const std::string root = DataRootOf({"/opt/kurs/", row.word, row.xdg, row.home,
                                         [&](const std::string& folder) {
                                           asked = folder;
                                           return row.writable;
                                         }});
    EXPECT_EQ(root, row.expected) << row.name;
    EXPECT_EQ(asked, "/opt/kurs/") << row.name << ": the installation folder is probed";
  }
}

TEST(DataRootTest, CourseWordComesFromTheCourseFileOrTheFallback) {
  EXPECT_EQ(CourseWordOf(1), "english");
  EXPECT_EQ(CourseWordOf(2), "german");
  EXPECT_EQ(CourseWordOf(3), "french");
  EXPECT_EQ(CourseWordOf(6), "english") << "the Russian dictionary has no course of its own";

  struct Row {
    const char* name;
    std::optional<std::string> languageLine;  // none: no tess_r.txt
    int expected;
  };
  const Row rows[] = {
      {"no course file", std::nullopt, 6}, {"empty line", "", 1}, {"zero", "0", 1},
      {"German", " 2 ", 2},                {"not a number", "x", 6}, {"out of range", "7", 6},
  };
  for (const Row& row : rows) {
    TempFolder folder;
    const std::string dir = folder.path() + "/";
    if (row.languageLine) WriteBytes(dir + "tess_r.txt", "Kurs\r\n" + *row.languageLine + "\r\n");
    EXPECT_EQ(InstalledCourseLanguage(dir, 6), row.expected) << row.name;
  }
}

TEST(DataRootTest, FolderWritableFollowsThePermissions) {
  TempFolder folder;
  EXPECT_TRUE(FolderWritable(folder.path() + "/"));
  EXPECT_FALSE(FolderWritable(folder.path() + "/missing/"));
  ::chmod(folder.path().c_str(), 0555);
  if (::geteuid() == 0) {
    GTEST_SKIP() << "running as root: a read-only folder is still writable, the probe is "
                    "injected where the other tests need a read-only installation";
  }
  EXPECT_FALSE(FolderWritable(folder.path() + "/"));
}

TEST(DataRootTest, SettlingMakesTheDataRootPrivateOnlyWhenItIsNeeded) {
  TempFolder install;
  TempFolder data;
  const std::string programDir = install.path() + "/";
  const ScopedEnv xdg("XDG_DATA_HOME", (data.path() + "/share").c_str());

  EXPECT_EQ(SettleDataRoot(programDir, 2, [](const std::string&) { return true; }), programDir);
  EXPECT_FALSE(std::filesystem::exists(data.path() + "/share"));

  const std::string root = SettleDataRoot(programDir, 2, [](const std::string&) { return false; });
  EXPECT_EQ(root, data.path() + "/share/tessaron/german/");
  struct stat info {};
  ASSERT_EQ(::stat(root.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_TRUE(std::filesystem::is_empty(install.path()));
}

TEST(DataRootTest, WithoutXdgDataHomeTheHomeFolderIsUsed) {
  TempFolder home;
  const ScopedEnv xdg("XDG_DATA_HOME", nullptr);
  const ScopedEnv homeVar("HOME", home.path().c_str());
  EXPECT_EQ(SettleDataRoot("/opt/kurs/", 1, [](const std::string&) { return false; }),
            home.path() + "/.local/share/tessaron/english/");
  EXPECT_TRUE(std::filesystem::is_directory(home.path() + "/.local/share/tessaron/english"));
}

}  // namespace
}  // namespace tess
