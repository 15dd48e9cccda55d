// The attempts log: its lines, a tolerant reading, durable appends, and the one place every
// window's save writes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "core/CourseState.h"
#include "platform/MessageBox.h"
#include "results/AttemptLog.h"
#include "results/ResultsStore.h"
#include "results/UserResults.h"
#include "shared/DateTime.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

class RecordingMessages : public MessageBox {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowWarning(const std::string& text) override { messages.push_back(text); }
  void Beep() override {}
  std::vector<std::string> messages;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteText(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

LoggedAttempt Attempt(const char* when, int kind, const char* name, int item, const char* group,
                      int percent, bool finished) {
  return {when, kind, name, item, group, percent, finished};
}

TEST(AttemptLogTest, PathNamesTheEditionAndTheUserInHex) {
  EXPECT_EQ(AttemptLogPath("/d/0_tmp\\", "ts50", "Ala"), "/d/0_tmp\\historia_ts50_416c61.txt");
  // A cp1250 letter and a slash stay out of the file name's syntax.
  EXPECT_EQ(AttemptLogPath("/d/1/", "ts50", "\xA3/k"), "/d/1/historia_ts50_a32f6b.txt");
}

TEST(AttemptLogTest, AnAttemptIsOneTabSeparatedLine) {
  LoggedAttempt attempt = Attempt("2004-05-17T10:15:00", 41, "tek_7", 3, "Gram\xB9tyka", 80, true);
  EXPECT_EQ(FormatAttemptLine(attempt), "2004-05-17T10:15:00\t41\ttek_7\t3\tGram\xB9tyka\t80\t1");
  EXPECT_EQ(ParseAttemptLine(FormatAttemptLine(attempt)), attempt);

  // Separators inside a text must not shift the fields.
  attempt.Group = "a\tb\r\nc";
  const std::string line = FormatAttemptLine(attempt);
  EXPECT_EQ(line, "2004-05-17T10:15:00\t41\ttek_7\t3\ta b  c\t80\t1");
  ASSERT_TRUE(ParseAttemptLine(line));
  EXPECT_EQ(ParseAttemptLine(line)->Group, "a b  c");
}

TEST(AttemptLogTest, TheAttemptOfARecordIsTakenFromIt) {
  ResultRecord record;
  record.Name = "dia_2";
  record.Kind = 72;
  record.Group = "G";
  record.Score = 65;
  record.Finished = 0;
  record.LastDate = EncodeDateTime({2024, 1, 9, 7, 5, 3, 999});
  EXPECT_EQ(AttemptOf(record), Attempt("2024-01-09T07:05:03", 72, "dia_2", 0, "G", 65, false));
  record.LastDate = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(AttemptOf(record));
}

TEST(AttemptLogTest, OnlyWholeWellFormedLinesAreAttempts) {
  struct Row {
    const char* name;
    const char* line;
    bool read;
  };
  const Row rows[] = {
      {"whole line", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t100\t0", true},
      {"empty group", "2004-05-17T10:15:00\t54\trpg_1\t0\t\t0\t1", true},
      {"cut in the last field", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t100\t", false},
      {"cut in the percent", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t10", false},
      {"cut in the date", "2004-05-17T10:1", false},
      {"an extra field", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t100\t0\t", false},
      {"blank for T", "2004-05-17 10:15:00\t40\ttek_1\t1\tG\t100\t0", false},
      {"month 13", "2004-13-17T10:15:00\t40\ttek_1\t1\tG\t100\t0", false},
      {"hour 24", "2004-05-17T24:15:00\t40\ttek_1\t1\tG\t100\t0", false},
      {"percent above 100", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t101\t0", false},
      {"signed percent", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t-1\t0", false},
      {"blank in a number", "2004-05-17T10:15:00\t 40\ttek_1\t1\tG\t50\t0", false},
      {"kind above a byte", "2004-05-17T10:15:00\t256\ttek_1\t1\tG\t50\t0", false},
      {"no name", "2004-05-17T10:15:00\t40\t\t1\tG\t50\t0", false},
      {"finished 2", "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t50\t2", false},
      {"empty line", "", false},
      {"binary junk", "\x01\x02\xFF", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ParseAttemptLine(row.line).has_value(), row.read);
  }
}

TEST(AttemptLogTest, ReadingSkipsDamagedLinesAndALastLineCutByACrash) {
  const std::string bytes =
      "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t50\t1\r\n"
      "garbage\r\n"
      "2004-05-17T10:1\r\n"                            // cut, then ended by the next append
      "2004-05-18T09:00:00\t41\ttek_1\t2\tG\t70\t0\n"  // LF alone ends a line too
      "2004-05-19T09:00:00\t41\ttek_1\t2\tG\t90\t1";   // no line end: the crash cut it
  const std::vector<LoggedAttempt> read = ParseAttemptLog(bytes);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], Attempt("2004-05-17T10:15:00", 40, "tek_1", 1, "G", 50, true));
  EXPECT_EQ(read[1], Attempt("2004-05-18T09:00:00", 41, "tek_1", 2, "G", 70, false));
  EXPECT_TRUE(ParseAttemptLog("2004-05-19T09:00:00\t41\ttek_1\t2\tG\t90\t1").empty());
  EXPECT_TRUE(ReadAttemptLog("/nonexistent/historia.txt").empty());
}

TEST(AttemptLogTest, AppendsAddLinesAndNeverJoinACutOne) {
  TempFolder folder;
  const std::string path = folder / "historia.txt";
  const LoggedAttempt first = Attempt("2004-05-17T10:15:00", 40, "tek_1", 1, "G", 50, true);
  const LoggedAttempt second = Attempt("2004-05-17T10:20:00", 54, "rpg_3", 0, "H", 0, false);
  ASSERT_TRUE(AppendAttempts(path, {first}));
  ASSERT_TRUE(AppendAttempts(path, {second}));
  EXPECT_EQ(FileText(path),
            "2004-05-17T10:15:00\t40\ttek_1\t1\tG\t50\t1\r\n"
            "2004-05-17T10:20:00\t54\trpg_3\t0\tH\t0\t0\r\n");

  // A crash cut the next line; the append after it starts on a line of its own.
  WriteText(path, FileText(path) + "2004-05-17T10:2");
  ASSERT_TRUE(AppendAttempts(path, {first}));
  EXPECT_EQ(ReadAttemptLog(path), (std::vector<LoggedAttempt>{first, second, first}));

  std::string reason;
  EXPECT_FALSE(AppendAttempts(folder / "no-such-folder/historia.txt", {first}, &reason));
  EXPECT_FALSE(reason.empty());
}

ResultRecord MakeRecord(const char* name, int kind, int item) {
  ResultRecord record;
  record.Name = name;
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Item = static_cast<std::uint8_t>(item);
  record.Group = "G";
  return record;
}

class SavedAttemptsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    state.UserDir = folder.path() + "/";
    state.Install.SettingsTag = "ts50";
    state.UserName = "Ola";
    for (const ResultRecord& record :
         {MakeRecord("tek_1", 40, 1), MakeRecord("tek_1", 41, 2), MakeRecord("rpg_1", 54, 0)}) {
      store.Append(record);
    }
  }

  void Record(int score, const char* name, int kind, int item, int finished, int minute) {
    const double now = EncodeDateTime({2024, 3, 2, 18, minute, 0, 0});
    ASSERT_NE(RecordResult(store, score, name, static_cast<std::uint8_t>(kind),
                           static_cast<std::uint8_t>(item), static_cast<std::uint8_t>(finished),
                           {now, kRunModeLocal, nullptr}),
              0);
  }

  TempFolder folder;
  CourseState state;
  ResultsStore store;
  RecordingMessages messages;
};

TEST_F(SavedAttemptsTest, EverySavedAttemptIsLoggedOnce) {
  Record(75, "tek_1", 41, 2, 1, 1);
  Record(40, "rpg_1", 54, 0, 0, 2);
  Record(90, "rpg_1", 54, 0, 1, 3);  // the same record twice before one save: two attempts
  ASSERT_TRUE(SaveUserResults(state, store, messages));
  ASSERT_TRUE(SaveUserResults(state, store, messages));  // nothing new: nothing appended
  EXPECT_TRUE(store.RecordedAttempts().empty());

  const std::string log = folder / "historia_ts50_4f6c61.txt";
  EXPECT_EQ(FileText(log),
            "2024-03-02T18:01:00\t41\ttek_1\t2\tG\t75\t1\r\n"
            "2024-03-02T18:02:00\t54\trpg_1\t0\tG\t40\t0\r\n"
            "2024-03-02T18:03:00\t54\trpg_1\t0\tG\t90\t1\r\n");
  EXPECT_TRUE(messages.messages.empty());
  ResultsStore saved;
  ASSERT_TRUE(LoadResults(UserResultsPath(state), saved));
  EXPECT_EQ(saved.At(3).Score, 90);
}

TEST_F(SavedAttemptsTest, ALogThatCannotBeWrittenCostsNoResultAndOneMessage) {
  std::filesystem::create_directory(folder / "historia_ts50_4f6c61.txt");
  Record(75, "tek_1", 41, 2, 1, 1);
  EXPECT_TRUE(SaveUserResults(state, store, messages));
  ResultsStore saved;
  ASSERT_TRUE(LoadResults(UserResultsPath(state), saved));
  EXPECT_EQ(saved.At(2).Score, 75);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("historii"), std::string::npos);

  // When the results could not be saved either, only that is told.
  messages.messages.clear();
  std::filesystem::remove(folder / "ts50");
  std::filesystem::create_directory(folder / "ts50");
  std::filesystem::create_directory(folder / "ts50/keep");  // a folder cannot be replaced
  Record(80, "tek_1", 41, 2, 1, 2);
  EXPECT_FALSE(SaveUserResults(state, store, messages));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].find("historii"), std::string::npos);
}

}  // namespace
}  // namespace tess
