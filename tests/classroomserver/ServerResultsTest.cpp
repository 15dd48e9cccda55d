// The server's results files: a reported attempt lands in the right record (by position for
// "tek_" records, by name and kind for the others), an upload keeps its whole records, and
// the CSV export.
#include <gtest/gtest.h>

#include <cmath>

#include "classroomserver/ServerResults.h"
#include "results/ResultsStore.h"

namespace tess {
namespace {

ResultRecord Record(std::string name, std::uint8_t kind, std::uint8_t item) {
  ResultRecord record;
  record.Name = std::move(name);
  record.Title = "Tytu\xB3 = Title = Titel = ";
  record.Kind = kind;
  record.Item = item;
  record.Level = 2;
  record.LastDate = 45000.25;
  record.Group = "zakupy";
  return record;
}

std::string File(const std::vector<ResultRecord>& records) {
  std::string bytes;
  for (const ResultRecord& record : records) {
    const ResultRecordBytes serialised = SerialiseResultRecord(record);
    bytes.append(reinterpret_cast<const char*>(serialised.data()), serialised.size());
  }
  return bytes;
}

ResultRecord At(const std::string& file, int position) {
  return DeserialiseResultRecord(reinterpret_cast<const std::uint8_t*>(file.data()) +
                                 (position - 1) * kResultRecordSize);
}

ReportedResult Reported(std::string name, std::uint8_t kind, std::uint8_t item) {
  ReportedResult result;
  result.Name = std::move(name);
  result.Kind = kind;
  result.Item = item;
  result.Date = CivilDateTime{2026, 3, 4};
  result.Score = 75;
  result.Attempts = 4;
  result.Finished = 1;
  result.Title = "ignored";
  result.Group = "ignored";
  return result;
}

TEST(ServerResultsTest, AReportedResultLandsInItsRecord) {
  // Two exercises of text 8 of the same kind, told apart by their positions only.
  const std::string original = File({Record("tek_8", 42, 1), Record("tek_8", 42, 2),
                                     Record("rpg_1", 54, 0), Record("rpg_1", 54, 0)});
  const double now = EncodeDateTime({2026, 3, 4, 15, 30});

  std::string file = original;
  ASSERT_TRUE(ApplyReportedResult(file, Reported("TEK_8", 42, 2), now));
  EXPECT_EQ(At(file, 1), At(original, 1));
  ResultRecord changed = At(file, 2);
  EXPECT_EQ(changed.Score, 75);
  EXPECT_EQ(changed.Attempts, 4);
  EXPECT_EQ(changed.Finished, 1);
  EXPECT_DOUBLE_EQ(changed.LastDate, now);  // reported today: the server's time of day
  // Title, level and group stay the server's.
  EXPECT_EQ(changed.Title, At(original, 2).Title);
  EXPECT_EQ(changed.Group, "zakupy");
  EXPECT_EQ(changed.Level, 2);

  // Other keys: the last record of the name and kind, as the course updates it.
  file = original;
  ReportedResult earlier = Reported("rpg_1", 54, 0);
  earlier.Date = CivilDateTime{2026, 1, 2};
  ASSERT_TRUE(ApplyReportedResult(file, earlier, now));
  EXPECT_EQ(At(file, 3), At(original, 3));
  EXPECT_DOUBLE_EQ(At(file, 4).LastDate, EncodeDateTime({2026, 1, 2}));

  struct Row {
    const char* name;
    ReportedResult result;
  };
  const Row unmatched[] = {
      {"position of another text", Reported("tek_8", 42, 3)},
      {"kind differs", Reported("tek_8", 41, 1)},
      {"unknown key", Reported("dia_9", 70, 0)},
  };
  for (const Row& row : unmatched) {
    SCOPED_TRACE(row.name);
    file = original;
    std::string error;
    EXPECT_FALSE(ApplyReportedResult(file, row.result, now, &error));
    EXPECT_EQ(file, original);
    EXPECT_FALSE(error.empty());
  }
}

TEST(ServerResultsTest, ItemsCountPositionsModulo256) {
  std::vector<ResultRecord> records;
  for (int position = 1; position <= 300; ++position) {
    records.push_back(Record(position <= 256 ? "tek_1" : "tek_2", 40,
                             static_cast<std::uint8_t>(position & 0xFF)));
  }
  std::string file = File(records);
  ASSERT_TRUE(ApplyReportedResult(file, Reported("tek_2", 40, 3), 46000));
  EXPECT_EQ(At(file, 259).Attempts, 4);
  EXPECT_EQ(At(file, 3).Attempts, 0);
  ASSERT_TRUE(ApplyReportedResult(file, Reported("tek_1", 40, 0), 46000));
  EXPECT_EQ(At(file, 256).Attempts, 4);
}

TEST(ServerResultsTest, UploadsKeepWholeRecords) {
  const std::string two = File({Record("tek_1", 40, 1), Record("tek_1", 41, 2)});
  EXPECT_EQ(WholeRecords(two), two);
  EXPECT_EQ(WholeRecords(two + "torn"), two);
  EXPECT_EQ(WholeRecords("short"), "");
}

TEST(ServerResultsTest, CsvExport) {
  ResultRecord done = Record("tek_8", 42, 1);
  done.Title = "Zwrot, \"kurtki\" = ";
  done.LastDate = EncodeDateTime({2026, 12, 10, 18});
  done.Score = 89;
  done.Attempts = 3;
  done.Finished = 1;
  const std::vector<StoredResults> results{{"Ola", "tsa2", File({done})},
                                           {"Ewa", "tsa2", File({Record("rpg_1", 54, 0)})}};
  const std::string csv = ResultsCsv(results, [](std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(c == '\xB3' ? 'L' : c);  // stands for decoding
    return upper;
  });
  EXPECT_EQ(csv,
            "learner,tag,name,title,kind,item,level,date,score,attempts,finished,group\n"
            "Ola,tsa2,tek_8,\"Zwrot, \"\"kurtki\"\" = \",42,1,2,2026-12-10,89,3,1,zakupy\n"
            "Ewa,tsa2,rpg_1,TytuL = Title = Titel = ,54,0,2,2023-03-15,0,0,0,zakupy\n");
}

}  // namespace
}  // namespace tess
