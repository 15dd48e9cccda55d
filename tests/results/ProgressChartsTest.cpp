// The figures of the progress window: bars from the results store, the line from the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "results/ProgressCharts.h"
#include "results/ResultsStore.h"

namespace tess {
namespace {

ResultRecord Scored(int kind, const char* group, int score, int attempts) {
  ResultRecord record;
  record.Name = "tek_1";
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Group = group;
  record.Score = static_cast<std::uint8_t>(score);
  record.Attempts = attempts;
  return record;
}

ResultsStore StoreOf(const std::vector<ResultRecord>& records) {
  ResultsStore store;
  for (const ResultRecord& record : records) store.Append(record);
  return store;
}

TEST(ProgressChartsTest, GroupBarsAgreeWithTheChooser) {
  GroupList groups;
  groups.Add({"Home", "Haus", "Dom", "g1"});
  groups.Add({"Town", "Stadt", "Miasto", "g2"});
  groups.Add({"Work", "Arbeit", "Praca", "g3"});
  struct Row {
    const char* name;
    std::vector<ResultRecord> records;
    std::vector<ProgressBar> bars;
  };
  const Row rows[] = {
      {"empty store: no bars", {}, {}},
      {"a half goes to the even neighbour",
       {Scored(40, "g1", 50, 1), Scored(41, "g1", 55, 2)},
       {{"Dom", 52, 2, 2}}},
      {"never done counts as 0",
       {Scored(40, "g2", 90, 1), Scored(41, "g2", 0, 0), Scored(42, "g2", 0, 0)},
       {{"Miasto", 30, 1, 3}}},
      {"list order, unknown groups left out",
       {Scored(40, "g3", 70, 1), Scored(40, "zz", 100, 1), Scored(54, "g1", 25, 1)},
       {{"Dom", 25, 1, 1}, {"Praca", 70, 1, 1}}},
      {"three exercises of a text: 58 rounded",
       {Scored(40, "g1", 50, 1), Scored(41, "g1", 60, 1), Scored(42, "g1", 65, 1)},
       {{"Dom", 58, 3, 3}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GroupBars(StoreOf(row.records), groups, 0), row.bars);
  }
  EXPECT_EQ(GroupBars(StoreOf({Scored(40, "g2", 10, 1)}), groups, 1),
            (std::vector<ProgressBar>{{"Town", 10, 1, 1}}));
}

TEST(ProgressChartsTest, KindBarsFollowTheKindCodes) {
  InterfaceTexts texts;
  const ResultsStore store =
      StoreOf({Scored(70, "g", 20, 1), Scored(40, "g", 45, 1), Scored(40, "g", 50, 1),
               Scored(54, "g", 0, 0), Scored(40, "g", 0, 0)});
  const std::vector<ProgressBar> bars = KindBars(store, 1, texts);
  ASSERT_EQ(bars.size(), 3u);
  // 95 / 3 = 31.67 rounds to 32.
  EXPECT_EQ(bars[0], (ProgressBar{KindName(40, 1, texts), 32, 2, 3}));
  EXPECT_EQ(bars[1], (ProgressBar{KindName(54, 1, texts), 0, 0, 1}));
  EXPECT_EQ(bars[2], (ProgressBar{KindName(70, 1, texts), 20, 1, 1}));
  EXPECT_FALSE(AnyAttempt(StoreOf({Scored(40, "g", 0, 0)})));
  EXPECT_TRUE(AnyAttempt(store));
}

TEST(ProgressChartsTest, OnePointPerDayInDayOrder) {
  const auto at = [](const char* when, int percent) {
    return LoggedAttempt{when, 40, "tek_1", 1, "g", percent, true};
  };
  struct Row {
    const char* name;
    std::vector<LoggedAttempt> attempts;
    std::vector<ProgressDay> line;
  };
  const Row rows[] = {
      {"no attempts", {}, {}},
      {"one attempt", {at("2024-03-02T18:00:00", 77)}, {{"2024-03-02", 77, 1}}},
      {"a day's mean, half to even",
       {at("2024-03-02T08:00:00", 50), at("2024-03-02T23:59:59", 75)},
       {{"2024-03-02", 62, 2}}},
      {"days sorted whatever the log order, midnight splits them",
       {at("2024-03-03T00:00:00", 10), at("2024-02-28T12:00:00", 100), at("2024-03-02T23:59:59", 0),
        at("2024-03-03T10:00:00", 21)},
       {{"2024-02-28", 100, 1}, {"2024-03-02", 0, 1}, {"2024-03-03", 16, 2}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DailyLine(row.attempts), row.line);
  }
}

}  // namespace
}  // namespace tess
