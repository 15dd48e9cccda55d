#include "shared/TextFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace tess {
namespace {

using Lines = std::vector<std::string>;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TextFile, LineEnds) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  struct Row {
    const char* name;
    std::string_view bytes;
    Lines expected;
  };
  const Row rows[] = {
      {"empty file", "", {}},
      {"crlf", "ab\r\ncd\r\n", {"ab", "cd"}},
      {"lf", "ab\ncd\n", {"ab", "cd"}},
      {"last line without end", "ab\r\ncd", {"ab", "cd"}},
      {"one line end only", "\r\n", {""}},
      {"empty lines kept", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
      {"cr inside a line stays", "a\rb\r\n", {"a\rb"}},
      {"cr at the very end stays", "a\r", {"a\r"}},
      {"cr cr lf drops one", "a\r\r\n", {"a\r"}},
      {"cp1250 bytes and nul",
       std::string_view("\xA3\xF3\x00z\r\n", 6),
       {std::string("\xA3\xF3\x00z", 4)}},
  };
  int number = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder / ("f" + std::to_string(++number) + ".txt");
    WriteBytes(path, row.bytes);

    EXPECT_EQ(ReadTextLines(path), row.expected);

    TextFileReader reader(path);
    ASSERT_TRUE(reader.IsOpen());
    Lines read;
    std::string line;
    while (!reader.AtEnd()) {
      ASSERT_TRUE(reader.ReadLine(line));
      read.push_back(line);
    }
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(read, row.expected);
  }
}

TEST(TextFile, OpensThroughTheResolverAndReportsMissingFiles) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  WriteBytes(folder / "Tess_R.txt", "x\r\n");
  EXPECT_EQ(ReadTextLines(folder.path() + "\\TESS_r.TXT"), Lines{"x"});
  EXPECT_EQ(ReadTextLines(folder / "missing.txt"), std::nullopt);
  TextFileReader reader;
  EXPECT_FALSE(reader.Open(folder / "missing.txt"));
  EXPECT_TRUE(reader.AtEnd());
  std::string line = "old";
  EXPECT_FALSE(reader.ReadLine(line));
}

TEST(TextFile, JoinCrLfEndsEveryLine) {
  EXPECT_EQ(JoinCrLf({}), "");
  EXPECT_EQ(JoinCrLf({"a", "", "\xA3"}), "a\r\n\r\n\xA3\r\n");
}

TEST(WriteFileAtomically, ReplacesAndCreates) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "usr.t";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "new\r\n", &error)) << error;
  EXPECT_EQ(ReadBytes(path), "new\r\n");
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);

  ::chmod(path.c_str(), 0600);
  ASSERT_TRUE(WriteFileAtomically(path, "newer", &error)) << error;
  EXPECT_EQ(ReadBytes(path), "newer");
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "the old file's mode is kept";

  // The name is resolved like any other path, so the existing file is replaced.
  ASSERT_TRUE(WriteFileAtomically(folder.path() + "\\USR.T", "", &error)) << error;
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_EQ(Entries(folder.path()), Lines{"usr.t"});
}

TEST(WriteFileAtomically, FailureLeavesTheOldFile) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::string error;

  EXPECT_FALSE(WriteFileAtomically(folder / "missing/usr.t", "x", &error));
  EXPECT_NE(error.find("missing"), std::string::npos) << error;

  // A folder in the way of the rename: the write succeeds, the replacement does not.
  std::filesystem::create_directories(folder / "usr.t/inside");
  error.clear();
  EXPECT_FALSE(WriteFileAtomically(folder / "usr.t", "x", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Entries(folder.path()), Lines{"usr.t"}) << "no temporary file remains";
}

TEST(WriteFileAtomically, WriteErrorLeavesTheOldFile) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "results";
  WriteBytes(path, "old content");

  // A file size limit makes the write itself fail, even for root.
  rlimit saved;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool written = WriteFileAtomically(path, std::string(100, 'x'), &error);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(written);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(path), "old content");
  EXPECT_EQ(Entries(folder.path()), Lines{"results"}) << "no temporary file remains";
}

TEST(WriteFileAtomically, RemovesOnlyItsOwnStaleTemporaries) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "results";
  WriteBytes(path, "old");
  // Left by saves that were killed: our exact naming for this target.
  for (const char* stale : {"results.tmp-AbC123", "results.tmp-zz9900"}) {
    WriteBytes(folder / stale, std::string(204, 'x'));
  }
  // Not ours, or not of this target, or not a plain file: kept.
  const Lines others = {"other.tmp-AbC123",
                        "results.tmp-AbC12",
                        "results.tmp-AbC1234",
                        "results.tmp-AB_123",
                        "results.tmp-AbC123~",
                        "results.tmp-DIR123",
                        "results.tmp-LNK123",
                        "results.tmp-LIVE12",
                        "results.tmp.AbC123",
                        "results2.tmp-AbC123",
                        "target"};
  for (const std::string& name : others) {
    if (name == "results.tmp-DIR123") {
      std::filesystem::create_directory(folder / name);
    } else if (name == "results.tmp-LNK123") {
      std::filesystem::create_symlink(folder / "target", folder / name);
    } else {
      WriteBytes(folder / name, "keep");
    }
  }
  // Another process still writing this one holds its lock.
  const int live = ::open((folder / "results.tmp-LIVE12").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(live, 0);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);

  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
  ::close(live);

  Lines expected = others;
  expected.push_back("results");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Entries(folder.path()), expected);
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(ReadBytes(folder / "target"), "keep");

  // Unlocked now, so the next save removes it too.
  ASSERT_TRUE(WriteFileAtomically(path, "newer", &error)) << error;
  EXPECT_FALSE(std::filesystem::exists(folder / "results.tmp-LIVE12"));
}

}  // namespace
}  // namespace tess
