// The answers to the seven requests over an in-memory storage: the login fields, the results
// file up and down, the user block, the lessons with their dates, the password and a reported
// result; a storage that fails never yields an accepting answer.
#include <gtest/gtest.h>

#include "FakeClassroomStorage.h"
#include "classroom/ServerProtocol.h"
#include "classroomserver/ClassroomService.h"
#include "results/ResultsStore.h"

namespace tess {
namespace {

constexpr double kNow = 46000.5;

std::string File(int count) {
  std::string bytes;
  for (int position = 1; position <= count; ++position) {
    ResultRecord record;
    record.Name = "tek_1";
    record.Kind = 40;
    record.Item = static_cast<std::uint8_t>(position);
    const ResultRecordBytes serialised = SerialiseResultRecord(record);
    bytes.append(reinterpret_cast<const char*>(serialised.data()), serialised.size());
  }
  return bytes;
}

class ClassroomServiceTest : public ::testing::Test {
 protected:
  ClassroomServiceTest() {
    storage.AddLearner({"Ola", hasher.Hash("tajne"), true, false});
    storage.AddLearner({"Zdzis\xB3" "aw", hasher.Hash("has\xB3o"), true, true});
    storage.AddLearner({"Bez", hasher.Hash("dost"), false, false});
  }

  ServerAnswer Ask(const std::string& line, std::string_view upload = {}) {
    const ParsedRequest parsed = ParseRequestLine(line);
    EXPECT_TRUE(parsed.Request) << line;
    return service.Answer(*parsed.Request, upload);
  }

  FakeClassroomStorage storage;
  FakeHasher hasher;
  ClassroomService service{storage, hasher, [] { return kNow; }};
};

TEST_F(ClassroomServiceTest, LoginFields) {
  storage.PutResults("Ola", "done", File(2));
  struct Row {
    const char* name;
    const char* line;
    const char* reply;
  };
  const Row rows[] = {
      {"accepted, no results for the tag", "LOG:Ola#tajne#tsa2#", "1#0#\r\n"},
      {"accepted, results held", "LOG:Ola#tajne#done#", "1#1#\r\n"},
      {"Polish name and password", "LOG:Zdzis\xB3" "aw#has\xB3o#t#", "1#0#\r\n"},
      {"wrong password", "LOG:Ola#Tajne#tsa2#", "0#\r\n"},
      {"unknown learner", "LOG:Ala#tajne#tsa2#", "0#\r\n"},
      {"names match exactly", "LOG:ola#tajne#tsa2#", "0#\r\n"},
      {"no access", "LOG:Bez#dost#tsa2#", "2#\r\n"},
      {"no access told only with the right password", "LOG:Bez#x#tsa2#", "0#\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ServerAnswer answer = Ask(row.line);
    EXPECT_EQ(answer.Reply, row.reply);
    // The course reads the line as it would any server's.
    const LoginReply read = ParseLoginReply(answer.Reply.substr(0, answer.Reply.size() - 2));
    EXPECT_EQ(read.Verdict == LoginVerdict::Accepted, answer.Reply[0] == '1');
  }
  // An unknown learner costs a check like a known one.
  hasher.Checks = 0;
  Ask("LOG:Nikt#x#t#");
  EXPECT_EQ(hasher.Checks, 1);
}

TEST_F(ClassroomServiceTest, ResultsFileUpAndDown) {
  // An upload is stored whole records only; the server sends nothing back.
  ServerAnswer answer = Ask("PCW:Ola#tajne#tsa2#", File(3) + "xy");
  EXPECT_EQ(answer.Reply, "");
  EXPECT_TRUE(answer.Refused);  // logged: a torn tail was dropped
  EXPECT_EQ(Ask("GCW:Ola#tajne#tsa2#").Reply, File(3));
  EXPECT_EQ(Ask("LOG:Ola#tajne#tsa2#").Reply, "1#1#\r\n");

  struct Row {
    const char* name;
    const char* line;
    std::string upload;
  };
  const Row refused[] = {
      {"wrong password", "PCW:Ola#x#tsa2#", File(1)},
      {"no access", "PCW:Bez#dost#tsa2#", File(1)},
      {"nothing uploaded", "PCW:Ola#tajne#tsa2#", ""},
      {"less than a record", "PCW:Ola#tajne#tsa2#", "abc"},
  };
  for (const Row& row : refused) {
    SCOPED_TRACE(row.name);
    answer = Ask(row.line, row.upload);
    EXPECT_TRUE(answer.Refused);
    EXPECT_EQ(Ask("GCW:Ola#tajne#tsa2#").Reply, File(3));
  }
  EXPECT_EQ(Ask("GCW:Ola#x#tsa2#").Reply, "");
  EXPECT_EQ(Ask("GCW:Ola#tajne#other#").Reply, "");
}

TEST_F(ClassroomServiceTest, UserBlockCarriesWholeMaterial) {
  std::string block = Ask("GUI:Zdzis\xB3" "aw#has\xB3o#t#").Reply;
  ASSERT_EQ(block.size(), kUserInfoSize);
  EXPECT_TRUE(WholeMaterialOf(block));
  block = Ask("GUI:Ola#tajne#t#").Reply;
  ASSERT_EQ(block.size(), kUserInfoSize);
  EXPECT_FALSE(WholeMaterialOf(block));
  EXPECT_EQ(Ask("GUI:Ola#x#t#").Reply, "");
}

TEST_F(ClassroomServiceTest, LessonsWithDatesAsTheCourseReadsThem) {
  storage.PutResults("Ola", "t", File(5));
  storage.AddLesson("Zakupy", {1, 2, 9});  // the learner's file has no position 9
  storage.AddLesson("Podr\xF3\xBF" "e", {5});
  storage.AddLesson("Nie dla Oli", {1});
  storage.AssignLesson("Podr\xF3\xBF" "e", "Ola", "2026-03-01", "2026-03-31", false);
  storage.AssignLesson("Zakupy", "Ola", "2026-02-01", "2026-02-14", true);
  storage.AssignLesson("Podr\xF3\xBF" "e", "Ola", "2026-05-01", "2026-05-02", false);
  storage.AssignLesson("Nie dla Oli", "Ewa", "2026-02-01", "2026-02-14", false);

  LessonsReader reader;
  reader.Feed(Ask("GIL:Ola#tajne#t#").Reply);
  ASSERT_TRUE(reader.Complete());
  const ClassroomLessons& got = reader.Lessons();
  ASSERT_EQ(got.Lessons.size(), 2u);
  EXPECT_EQ(got.Lessons[0].Name, "Podr\xF3\xBF" "e");
  EXPECT_EQ(got.Lessons[0].Positions, std::vector<int>{5});
  EXPECT_EQ(got.Lessons[1].Name, "Zakupy");
  EXPECT_EQ(got.Lessons[1].Positions, (std::vector<int>{1, 2}));
  ASSERT_EQ(got.Assignments.size(), 3u);
  EXPECT_EQ(got.Assignments[0].ID, 1);
  EXPECT_EQ(got.Assignments[1].ID, 2);
  EXPECT_EQ(got.Assignments[2].ID, 1);
  EXPECT_DOUBLE_EQ(got.Assignments[1].OD, EncodeDateTime({2026, 2, 1}));
  EXPECT_TRUE(got.Assignments[1].OdRazu);
  EXPECT_FALSE(got.Assignments[0].OdRazu);
  // The last day is open to its end, and not a moment longer.
  EXPECT_LT(got.Assignments[1].DO, EncodeDateTime({2026, 2, 15}));
  EXPECT_GT(got.Assignments[1].DO, EncodeDateTime({2026, 2, 14, 23, 59}));

  reader = LessonsReader();
  reader.Feed(Ask("GIL:Zdzis\xB3" "aw#has\xB3o#t#").Reply);
  EXPECT_TRUE(reader.Complete());
  EXPECT_TRUE(reader.Lessons().Lessons.empty());
  EXPECT_EQ(Ask("GIL:Ola#x#t#").Reply, "");
}

TEST_F(ClassroomServiceTest, PasswordChange) {
  EXPECT_EQ(Ask("CHP:Ola#tajne#nowe has\xB3o #").Reply, "TRUE\r\n");
  EXPECT_EQ(Ask("LOG:Ola#tajne#t#").Reply, "0#\r\n");
  EXPECT_EQ(Ask("LOG:Ola#nowe has\xB3o #t#").Reply, "1#0#\r\n");
  // Typed texts as they are: a blank after the name is another name.
  EXPECT_EQ(Ask("CHP:Ola #nowe has\xB3o #x#").Reply, "FALSE\r\n");
  EXPECT_EQ(Ask("CHP:Ola#wrong#x#").Reply, "FALSE\r\n");
  EXPECT_EQ(Ask("CHP:Ola#nowe has\xB3o ##").Reply, "FALSE\r\n");
  EXPECT_EQ(Ask("CHP:Bez#dost#inne#").Reply, "TRUE\r\n");
}

TEST_F(ClassroomServiceTest, ReportedResultUpdatesTheFile) {
  storage.PutResults("Ola", "t", File(3));
  EXPECT_EQ(Ask("RCW:Ola#tajne#t#tek_1#T#40#2#1#2025-12-01#80#3#1#g#").Reply, "TRUE\r\n");
  std::optional<std::string> file;
  storage.Results("Ola", "t", file);
  const ResultRecord changed =
      DeserialiseResultRecord(reinterpret_cast<const std::uint8_t*>(file->data()) + 204);
  EXPECT_EQ(changed.Score, 80);
  EXPECT_EQ(changed.Attempts, 3);
  EXPECT_DOUBLE_EQ(changed.LastDate, EncodeDateTime({2025, 12, 1}));  // an earlier day: its midnight

  const char* refused[] = {
      "RCW:Ola#x#t#tek_1#T#40#2#1#2025-12-09#80#3#1#g#",      // wrong password
      "RCW:Ola#tajne#other#tek_1#T#40#2#1#2025-12-09#80#3#1#g#",  // no file for the tag
      "RCW:Ola#tajne#t#tek_1#T#40#9#1#2025-12-09#80#3#1#g#",  // no such position
      "RCW:Ola#tajne#t#tek_1#T#40#2#1#2025-12-09#180#3#1#g#", // score out of range
  };
  for (const char* line : refused) {
    SCOPED_TRACE(line);
    const ServerAnswer answer = Ask(line);
    EXPECT_EQ(answer.Reply, "FALSE\r\n");
    EXPECT_TRUE(answer.Refused);
  }
}

TEST_F(ClassroomServiceTest, AFailingStorageAcceptsNothing) {
  storage.PutResults("Ola", "t", File(3));
  storage.Failing = true;
  EXPECT_EQ(Ask("LOG:Ola#tajne#t#").Reply, "");
  EXPECT_EQ(Ask("GCW:Ola#tajne#t#").Reply, "");
  EXPECT_EQ(Ask("GUI:Ola#tajne#t#").Reply, "");
  EXPECT_EQ(Ask("GIL:Ola#tajne#t#").Reply, "");
  EXPECT_EQ(Ask("CHP:Ola#tajne#n#").Reply, "FALSE\r\n");
  const ServerAnswer answer = Ask("RCW:Ola#tajne#t#tek_1#T#40#2#1#2025-12-09#80#3#1#g#");
  EXPECT_EQ(answer.Reply, "FALSE\r\n");
  EXPECT_NE(answer.Note.find("database gone"), std::string::npos);
}

}  // namespace
}  // namespace tess
