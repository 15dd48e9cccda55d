// Saves that die at any moment: the results file is always the old one or the new one, whole,
// and what the dead saves left behind goes at the next save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "results/ResultsStore.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

ResultsStore StoreOf(int records, int attempts) {
  ResultsStore store;
  for (int i = 1; i <= records; ++i) {
    ResultRecord r;
    r.Name = "tek_" + std::to_string(i);
    r.Title = "Tekst " + std::to_string(i) + " = Text = Text = ";
    r.Kind = 40;
    r.Item = static_cast<std::uint8_t>(i);
    r.LastDate = 45000.5 + i;
    r.Attempts = attempts;
    r.Group = "Podstawy";
    store.Append(r);
  }
  return store;
}

std::string BytesOf(const ResultsStore& store) {
  std::string bytes;
  for (const ResultRecord& record : store.Records()) {
    const ResultRecordBytes one = SerialiseResultRecord(record);
    bytes.append(reinterpret_cast<const char*>(one.data()), one.size());
  }
  return bytes;
}

int EntriesIn(const std::string& folder) {
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    (void)entry;
    ++entries;
  }
  return entries;
}

// A child that saves the two stores in turn, `first` first, `saves` times or until it is
// killed; killed, it exits by itself only when a save fails.
pid_t StartSaving(const std::string& path, const ResultsStore& older, const ResultsStore& newer,
                  int first, int saves = -1) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  int failures = 0;
  for (int i = first; saves < 0 || i < first + saves; ++i) {
    if (!SaveResults(path, i % 2 == 0 ? newer : older)) ++failures;
    if (saves < 0 && failures > 0) break;
  }
  ::_exit(failures > 100 ? 100 : failures);
}

TEST(SaveUnderKill, TheFileIsAlwaysTheOldOrTheNewOneWhole) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "tsa2_2003";
  const ResultsStore older = StoreOf(1000, 1);
  const ResultsStore newer = StoreOf(700, 2);
  const std::string oldBytes = BytesOf(older);
  const std::string newBytes = BytesOf(newer);
  ASSERT_TRUE(SaveResults(path, older));

  // A save takes about ten milliseconds here; the kills fall anywhere within one or two.
  constexpr int kTrials = 200;
  std::mt19937 random(20040517);
  std::uniform_int_distribution<long> delayNs(0, 12'000'000);
  int old = 0, fresh = 0, torn = 0, exitedByThemselves = 0, mostLeftBehind = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const pid_t child = StartSaving(path, older, newer, trial);
    ASSERT_GT(child, 0);
    const timespec delay{0, delayNs(random)};
    ::nanosleep(&delay, nullptr);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) ++exitedByThemselves;

    const std::string now = ReadBytes(path);
    if (now == oldBytes) {
      ++old;
    } else if (now == newBytes) {
      ++fresh;
    } else {
      ++torn;
    }
    mostLeftBehind = std::max(mostLeftBehind, EntriesIn(folder.path()) - 1);
  }
  std::cout << "[ figures  ] " << kTrials << " killed saves: " << old << " old, " << fresh
            << " new, " << torn << " torn; at most " << mostLeftBehind
            << " temporary file(s) left at once" << std::endl;
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(exitedByThemselves, 0) << "a save failed";
  EXPECT_GT(old, 0);
  EXPECT_GT(fresh, 0);
  EXPECT_LE(mostLeftBehind, 1) << "each save clears what the killed one before it left";

  ASSERT_TRUE(SaveResults(path, older));
  EXPECT_EQ(EntriesIn(folder.path()), 1) << "nothing but the results file after the next save";
  EXPECT_EQ(ReadBytes(path), oldBytes);
}

TEST(SaveUnderKill, TwoSavingProgramsDoNotRemoveEachOthersFiles) {
  // Two copies of the program saving one file at once: neither takes the other's temporary
  // file away in the middle of its save.
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "tsa2_2003";
  const ResultsStore older = StoreOf(300, 1);
  const ResultsStore newer = StoreOf(200, 2);
  const pid_t first = StartSaving(path, older, newer, 0, 60);
  const pid_t second = StartSaving(path, older, newer, 1, 60);
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  for (const pid_t child : {first, second}) {
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "failed saves";
  }
  const std::string now = ReadBytes(path);
  EXPECT_TRUE(now == BytesOf(older) || now == BytesOf(newer));
  EXPECT_EQ(EntriesIn(folder.path()), 1);
}

}  // namespace
}  // namespace tess
