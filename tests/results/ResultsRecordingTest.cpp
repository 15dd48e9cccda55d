#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "results/ResultsStore.h"
#include "shared/DateTime.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

ResultRecord Record(const char* name, int kind, int item) {
  ResultRecord r;
  r.Name = name;
  r.Title = std::string(name) + " title";
  r.Kind = static_cast<std::uint8_t>(kind);
  r.Item = static_cast<std::uint8_t>(item);
  r.Level = 2;
  r.LastDate = 1000.0;
  r.Group = "G";
  return r;
}

// Two exercises of one text share kind 40 and differ by item only; rpg_1 appears twice,
// so the later record must win.
ResultsStore SmallStore() {
  ResultsStore store;
  for (const ResultRecord& r : {Record("tek_7", 41, 1), Record("tek_7", 40, 2), Record("tek_7", 40, 3),
                           Record("rpg_1", 54, 0), Record("rpg_1", 40, 0), Record("zda_1", 50, 0),
                           Record("zda_1", 51, 0), Record("rpg_1", 54, 0)}) {
    store.Append(r);
  }
  return store;
}

class RecordingReporter : public ResultReporter {
 public:
  void ReportResult(const ResultRecord& record) override { reported.push_back(record); }
  std::vector<ResultRecord> reported;
};

TEST(RecordResultTest, Cases) {
  struct Row {
    const char* name;
    int score;
    const char* key;
    int kind;
    int item;
    int finished;
    int position;  // 0: no record matches
    int stored;
  };
  const Row rows[] = {
      {"negative score stores 0", -5, "zda_1", 51, 0, 0, 7, 0},
      {"a score of 100 stays", 100, "zda_1", 50, 0, 1, 6, 100},
      {"above 100 is capped", 130, "zda_1", 50, 0, 1, 6, 100},
      {"capitals find the lower-case key", 75, "TEK_7", 41, 1, 1, 1, 75},
      {"same kind told apart by item 2", 60, "tek_7", 40, 2, 1, 2, 60},
      {"same kind told apart by item 3", 61, "tek_7", 40, 3, 0, 3, 61},
      {"the last match wins", 50, "rpg_1", 54, 0, 1, 8, 50},
      {"wrong item", 50, "tek_7", 40, 4, 1, 0, 0},
      {"wrong kind", 50, "zda_1", 52, 0, 1, 0, 0},
      {"no such key", 50, "dia_1", 70, 0, 1, 0, 0},
      {"no partial names", 50, "tek_", 41, 1, 1, 0, 0},
  };
  const double now = EncodeDateTime({2004, 5, 17, 10, 15, 0, 0});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResultsStore store = SmallStore();
    const ResultsStore before = store;
    const int position = RecordResult(store, row.score, row.key, row.kind, row.item, row.finished,
                                      {now, -1, nullptr});
    ASSERT_EQ(position, row.position);
    for (int p = 1; p <= store.Count(); ++p) {
      if (p == position) continue;
      EXPECT_EQ(store.At(p), before.At(p)) << "position " << p;
    }
    if (position == 0) continue;
    ResultRecord expected = before.At(position);  // title, level, group and the rest untouched
    expected.LastDate = now;
    expected.Score = static_cast<std::uint8_t>(row.stored);
    expected.Finished = static_cast<std::uint8_t>(row.finished);
    expected.Attempts = 1;
    EXPECT_EQ(store.At(position), expected);
  }
}

TEST(RecordResultTest, AttemptsCountAndTheScoreIsTheLastOne) {
  ResultsStore store = SmallStore();
  RecordResult(store, 90, "tek_7", 41, 1, 1, {1.0});
  RecordResult(store, 40, "tek_7", 41, 1, 0, {2.0});
  EXPECT_EQ(store.At(1).Attempts, 2);
  EXPECT_EQ(store.At(1).Score, 40);
  EXPECT_EQ(store.At(1).Finished, 0);
  EXPECT_EQ(store.At(1).LastDate, 2.0);
}

TEST(RecordResultTest, AttemptsStayCountable) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Row {
    const char* name;
    std::int32_t before;
    std::int32_t after;
  };
  const Row rows[] = {
      {"one below the maximum", kMax - 1, kMax},
      {"the maximum stays, never wraps to never done", kMax, kMax},
      {"a damaged negative count becomes one attempt", -7, 1},
      {"the lowest value too", std::numeric_limits<std::int32_t>::min(), 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ResultsStore store = SmallStore();
    store.At(1).Attempts = row.before;
    ASSERT_EQ(RecordResult(store, 50, "tek_7", 41, 1, 1, {3.0}), 1);
    EXPECT_EQ(store.At(1).Attempts, row.after);
  }
}

TEST(RecordResultTest, OnlyClassroomModeReportsAndOnlyAMatch) {
  RecordingReporter reporter;
  ResultsStore store = SmallStore();
  RecordResult(store, 80, "tek_7", 40, 3, 1, {5.0, -1, &reporter});
  EXPECT_TRUE(reporter.reported.empty());

  RecordResult(store, 70, "tek_7", 40, 9, 1, {5.0, 1, &reporter});
  EXPECT_TRUE(reporter.reported.empty());

  RecordResult(store, 70, "Tek_7", 40, 3, 1, {6.0, 1, &reporter});
  ASSERT_EQ(reporter.reported.size(), 1u);
  EXPECT_EQ(reporter.reported[0], store.At(3));
  EXPECT_EQ(reporter.reported[0].Attempts, 2);
}

class ResultsSummaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string infa;
    for (int n = 1; n <= 50; ++n) infa += std::to_string(n) + "==K" + std::to_string(n) + "=\r\n";
    testing::WriteBytes(folder_ / "infa_r.txt", infa);
    ASSERT_TRUE(texts_.Load(folder_ / "infa_r.txt"));
  }
  std::string Summary(const ResultsStore& store, const char* key, int kind) {
    return ResultsSummary(store, key, kind, 1, texts_);
  }

  testing::TempFolder folder_;
  InterfaceTexts texts_;
};

TEST_F(ResultsSummaryTest, Lines) {
  ResultsStore store = SmallStore();
  // The TF exercise: three attempts, the last on 2004-05-17 with 80 percent, finished.
  ResultRecord& tf = store.At(1);
  tf.Attempts = 3;
  tf.Score = 80;
  tf.Finished = 1;
  tf.LastDate = EncodeDateTime({2004, 5, 17, 23, 59, 0, 0});
  ResultRecord& unfinished = store.At(3);
  unfinished.Attempts = 1;
  unfinished.Score = 0;
  unfinished.Finished = 0;
  unfinished.LastDate = EncodeDateTime({2010, 1, 2, 0, 0, 0, 0});
  store.At(7).Attempts = 12;
  store.At(7).Score = 100;
  store.At(7).Finished = 1;
  store.At(7).LastDate = EncodeDateTime({2023, 12, 31, 8, 0, 0, 0});

  struct Row {
    const char* name;
    const char* key;
    int kind;
    std::string summary;
  };
  const Row rows[] = {
      {"tek_ lists every exercise whatever the kind", "tek_7", 99,
       "K30, 2004-05-17, 80%, (3) \r"
       "K29\r"
       "K29, 2010-01-02, 0%, (1) , !\r"},
      {"capitals", "TEK_7", 41,
       "K30, 2004-05-17, 80%, (3) \r"
       "K29\r"
       "K29, 2010-01-02, 0%, (1) , !\r"},
      {"zda_ lists both drills", "zda_1", 50, "K36\rK37, 2023-12-31, 100%, (12) \r"},
      {"rpg_ only the given kind", "rpg_1", 54, "K39\rK39\r"},
      {"rpg_ other kind", "rpg_1", 40, "K29\r"},
      {"unknown key", "dia_4", 70, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Summary(store, row.key, row.kind), row.summary);
  }
}

TEST_F(ResultsSummaryTest, NeverDoneAndNegativeAttemptsGiveTheKindNameOnly) {
  ResultsStore store;
  store.Append(Record("dia_2", 72, 0));
  store.Append(Record("dia_2", 73, 0));
  store.At(2).Attempts = -1;
  store.At(2).Score = 50;
  EXPECT_EQ(Summary(store, "dia_2", 72), "K42\rK43\r");
}

TEST_F(ResultsSummaryTest, AnImpossibleDateIsLeftOut) {
  const double impossible[] = {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               1e300,
                               -1e19,
                               9.3e18,
                               2958466.0,   // 10000-01-01
                               -693594.5};  // before the year 1
  for (const double date : impossible) {
    SCOPED_TRACE(date);
    ResultsStore store;
    store.Append(Record("rpg_3", 54, 0));
    store.At(1).Attempts = 3;
    store.At(1).Score = 80;
    store.At(1).Finished = 1;
    store.At(1).LastDate = date;
    EXPECT_EQ(Summary(store, "rpg_3", 54), "K39, 80%, (3) \r");
  }
}

}  // namespace
}  // namespace tess
