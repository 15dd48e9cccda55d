// The seven requests over a scripted link: what is sent, what the learner is told, and that a
// failed download never spoils the results file.
#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "classroom/ClassroomClient.h"
#include "shared/TextFile.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

// Answers each request with the next scripted reply; a reply of pieces feeds them in turn.
class ScriptedLink : public ServerLink {
 public:
  struct Answer {
    bool Ok = true;
    std::vector<std::string> Pieces;
    std::string Failure;
  };
  std::deque<Answer> Answers;
  std::vector<std::string> Sent;

  Exchanged Exchange(std::string_view request, std::string_view body,
                     const ReplyShape& shape) override {
    Sent.push_back(std::string(request) + std::string(body));
    Answer answer = Answers.empty() ? Answer{} : Answers.front();
    if (!Answers.empty()) Answers.pop_front();
    Exchanged result;
    result.Ok = answer.Ok;
    result.Failure = answer.Failure;
    for (const std::string& piece : answer.Pieces) {
      if (shape.Piece) {
        if (shape.Piece(piece)) break;
      } else {
        result.Reply += piece;
      }
    }
    return result;
  }
};

const ServerCredentials kWho{"Ola", "tajne", "tsa2_2003"};

TEST(ClassroomClientTest, LoginTellsWhatTheServerSaid) {
  struct Row {
    ScriptedLink::Answer answer;
    bool ok;
    const char* messageStart;  // empty: no message
  };
  const Row rows[] = {
      {{true, {"1#0#"}, {}}, true, ""},
      {{true, {"0#"}, {}},
       false,
       "Pr\xF3"
       "ba logowania"},
      {{true, {"2#"}, {}}, false, "Nie masz dost\xEApu"},
      {{false, {}, "Connection refused"},
       false,
       "B\xB3\xB9"
       "d podczas pr\xF3"
       "by po\xB3\xB9"
       "czenia z serwerem. (id: Connection refused). "},
  };
  for (const Row& row : rows) {
    ScriptedLink link;
    link.Answers.push_back(row.answer);
    ClassroomClient client(link, kWho);
    const LoginOutcome outcome = client.Login();
    EXPECT_EQ(outcome.Request.Ok, row.ok);
    EXPECT_EQ(outcome.Request.Message.rfind(row.messageStart, 0), 0u) << outcome.Request.Message;
    EXPECT_EQ(outcome.Request.Message.empty(), *row.messageStart == '\0');
    EXPECT_EQ(link.Sent.at(0), "LOG:Ola#tajne#tsa2_2003#\r\n");
  }
}

TEST(ClassroomClientTest, ResultsGoUpAsTheyAreAndComeDownWhole) {
  testing::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string file = folder.path() + "/tsa2_2003";
  ScriptedLink link;
  ClassroomClient client(link, kWho);

  // No file: the line goes alone and the learner is told.
  RequestOutcome up = client.UploadResults(file);
  EXPECT_FALSE(up.Ok);
  EXPECT_EQ(up.Message, "Na komputerze klienta nie znaleziono struktury CW_Info");
  EXPECT_EQ(link.Sent.back(), "PCW:Ola#tajne#tsa2_2003#\r\n");

  const std::string old(204, 'o');
  ASSERT_TRUE(WriteFileAtomically(file, old));
  EXPECT_TRUE(client.UploadResults(file).Ok);
  EXPECT_EQ(link.Sent.back(), "PCW:Ola#tajne#tsa2_2003#\r\n" + old);

  // A download that breaks off keeps the old file; one that ends replaces it whole.
  link.Answers.push_back({false, {std::string(100, 'n')}, "Connection reset"});
  RequestOutcome down = client.DownloadResults(file);
  EXPECT_FALSE(down.Ok);
  EXPECT_EQ(down.Message.rfind("B\xB3"
                               "ad! Mozliwe przyczyny\r- serwer",
                               0),
            0u);
  EXPECT_EQ(ReadFileBytes(file).Bytes, old);
  link.Answers.push_back({true, {std::string(204, 'a'), std::string(204, 'b')}, {}});
  EXPECT_TRUE(client.DownloadResults(file).Ok);
  EXPECT_EQ(ReadFileBytes(file).Bytes, std::string(204, 'a') + std::string(204, 'b'));
}

TEST(ClassroomClientTest, UserInfoLessonsPasswordAndRecords) {
  ScriptedLink link;
  ClassroomClient client(link, kWho);
  std::string info;
  link.Answers.push_back({true, {std::string(291, 'i')}, {}});
  EXPECT_FALSE(client.GetUserInfo(info).Ok);
  link.Answers.push_back({true, {std::string(292, 'i')}, {}});
  EXPECT_TRUE(client.GetUserInfo(info).Ok);
  EXPECT_EQ(info.size(), 292u);

  ClassroomLessons lessons;
  link.Answers.push_back({true, {std::string(8, '\0')}, {}});
  EXPECT_TRUE(client.GetLessons(lessons).Ok);
  EXPECT_TRUE(lessons.Lessons.empty() && lessons.Assignments.empty());
  link.Answers.push_back({false, {}, "timeout"});
  EXPECT_EQ(client.GetLessons(lessons).Message.rfind("B\xB3"
                                                     "ad! Mozliwe przyczyny",
                                                     0),
            0u);

  link.Answers.push_back({true, {"TRUE"}, {}});
  EXPECT_EQ(client.ChangePassword("Ola", "a", "b").Message, "Has\xB3o zosta\xB3o zmienione!");
  link.Answers.push_back({true, {"FALSE"}, {}});
  EXPECT_EQ(client.ChangePassword("Ola", "a", "b")
                .Message.rfind("B\xB3"
                               "ad - serwer odpowiedzial \"FALSE\"",
                               0),
            0u);
  link.Answers.push_back({false, {}, "x"});
  EXPECT_EQ(client.ChangePassword("Ola", "a", "b").Message,
            "B\xB3"
            "ad!!!");

  ResultRecord record;
  record.Name = "tek_1";
  link.Answers.push_back({true, {"TRUE"}, {}});
  EXPECT_TRUE(client.SendResultRecord(record).Ok);
  link.Answers.push_back({true, {"NO"}, {}});
  EXPECT_EQ(client.SendResultRecord(record).Message,
            "Wys\xB3"
            "anie rekordu CW_Info nie powiod\xB3o si\xEA.");
  link.Answers.push_back({false, {}, "Host not found"});
  EXPECT_EQ(client.SendResultRecord(record).Message,
            "B\xB3\xB9"
            "d serwera: Host not found - skontaktuj si\xEA z administratorem");
}

}  // namespace
}  // namespace tess
