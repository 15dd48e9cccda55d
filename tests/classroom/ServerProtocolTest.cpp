// The bytes of the classroom protocol: what each request sends and how the replies are read.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "classroom/ServerProtocol.h"

namespace tess {
namespace {

const ServerCredentials kWho{"Ola", "tajne", "tsa2_2003"};

TEST(ServerProtocolTest, RequestsAreTheCommandAndHashEndedFields) {
  EXPECT_EQ(LoginRequest(kWho), "LOG:Ola#tajne#tsa2_2003#\r\n");
  EXPECT_EQ(UploadResultsRequest(kWho), "PCW:Ola#tajne#tsa2_2003#\r\n");
  EXPECT_EQ(DownloadResultsRequest(kWho), "GCW:Ola#tajne#tsa2_2003#\r\n");
  EXPECT_EQ(UserInfoRequest(kWho), "GUI:Ola#tajne#tsa2_2003#\r\n");
  EXPECT_EQ(LessonsRequest(kWho), "GIL:Ola#tajne#tsa2_2003#\r\n");
  // Typed texts go as they are, a trailing blank included.
  EXPECT_EQ(ChangePasswordRequest("Ola ", "stare", "nowe"), "CHP:Ola #stare#nowe#\r\n");

  ResultRecord record;
  record.Name = "tek_8";
  record.Title = "\xAFycie codzienne = Everyday life = Alltag = ";  // cp1250 as stored
  record.Kind = 42;
  record.Item = 27;
  record.Level = 3;
  record.LastDate = 46366.75;  // 2026-12-10, evening
  record.Score = 89;
  record.Attempts = 1;
  record.Finished = 1;
  record.Group = "zakupy";
  EXPECT_EQ(SendRecordRequest(kWho, record),
            "RCW:Ola#tajne#tsa2_2003#tek_8#\xAFycie codzienne = Everyday life = Alltag = #"
            "42#27#3#2026-12-10#89#1#1#zakupy#\r\n");
}

TEST(ServerProtocolTest, LoginReplyFields) {
  struct Row {
    const char* line;
    LoginVerdict verdict;
    bool hasResults;
  };
  const Row rows[] = {
      {"1#0#", LoginVerdict::Accepted, false},
      {"1#5#", LoginVerdict::Accepted, true},
      {"0#", LoginVerdict::WrongNameOrPassword, false},
      {"2#1#", LoginVerdict::NoAccess, false},
      // Without its "#" the digit reads as an empty field: accepted.
      {"0", LoginVerdict::Accepted, true},
      {"", LoginVerdict::Accepted, true},
      {"1#0", LoginVerdict::Accepted, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const LoginReply reply = ParseLoginReply(row.line);
    EXPECT_EQ(reply.Verdict, row.verdict);
    if (row.verdict == LoginVerdict::Accepted) {
      EXPECT_EQ(reply.ServerHasResults, row.hasResults);
    }
  }
  EXPECT_EQ(ReplyField("a#b#c", 2), "b");
  EXPECT_EQ(ReplyField("a#b#c", 3), "");
}

TEST(ServerProtocolTest, ReplyLinesEndAtLfAndLoseTheirCr) {
  std::string received = "TRUE\r\nrest";
  EXPECT_EQ(TakeReplyLine(received), "TRUE");
  EXPECT_EQ(received, "rest");
  EXPECT_EQ(TakeReplyLine(received), std::nullopt);
  received = "x\n";
  EXPECT_EQ(TakeReplyLine(received), "x");
}

TEST(ServerProtocolTest, WholeMaterialIsByte115) {
  std::string info(kUserInfoSize, '\0');
  EXPECT_FALSE(WholeMaterialOf(info));
  info[kWholeMaterialOffset] = 1;
  EXPECT_TRUE(WholeMaterialOf(info));
  EXPECT_FALSE(WholeMaterialOf("short"));
}

std::string BigEndian(std::uint32_t n) {
  return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
          static_cast<char>(n)};
}

std::string Little(std::int32_t n) {
  const auto u = static_cast<std::uint32_t>(n);
  return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
          static_cast<char>(u >> 24)};
}

std::string Lesson(const std::string& name, std::int32_t count,
                   std::initializer_list<std::int32_t> positions, int nameLength = -1) {
  std::string record(kServerLessonSize, '\0');
  record[0] = static_cast<char>(nameLength < 0 ? name.size() : nameLength);
  record.replace(1, name.size(), name);
  record.replace(192, 4, Little(count));
  int i = 0;
  for (std::int32_t p : positions) record.replace(196 + 4 * i++, 4, Little(p));
  return record;
}

std::string Assignment(std::int32_t id, double from, bool atOnce, double to) {
  std::string record(kAssignmentSize, '\0');
  record.replace(0, 4, Little(id));
  std::memcpy(record.data() + 4, &from, 8);
  record[12] = atOnce ? 1 : 0;
  std::memcpy(record.data() + 16, &to, 8);
  return record;
}

TEST(ServerProtocolTest, LessonsArriveInAnyPieces) {
  const std::string reply = BigEndian(2) + Lesson("Lekcja 1", 2, {3, 7}) +
                            Lesson("Lekcja 2", 0, {}) + BigEndian(1) +
                            Assignment(2, 46000.5, true, 46100.0);
  for (std::size_t piece : {reply.size(), std::size_t{1}, std::size_t{7}, std::size_t{600}}) {
    SCOPED_TRACE(piece);
    LessonsReader reader;
    for (std::size_t at = 0; at < reply.size(); at += piece) {
      EXPECT_FALSE(reader.Complete());
      reader.Feed(std::string_view(reply).substr(at, piece));
    }
    ASSERT_TRUE(reader.Complete());
    const ClassroomLessons& got = reader.Lessons();
    ASSERT_EQ(got.Lessons.size(), 2u);
    EXPECT_EQ(got.Lessons[0].Name, "Lekcja 1");
    EXPECT_EQ(got.Lessons[0].Positions, (std::vector<int>{3, 7}));
    EXPECT_TRUE(got.Lessons[1].Positions.empty());
    ASSERT_EQ(got.Assignments.size(), 1u);
    EXPECT_EQ(got.Assignments[0].ID, 2);
    EXPECT_DOUBLE_EQ(got.Assignments[0].OD, 46000.5);
    EXPECT_TRUE(got.Assignments[0].OdRazu);
    EXPECT_DOUBLE_EQ(got.Assignments[0].DO, 46100.0);
  }
}

TEST(ServerProtocolTest, HostileLessonRepliesStayWithinTheLists) {
  // Empty lists.
  LessonsReader empty;
  empty.Feed(BigEndian(0) + BigEndian(0));
  EXPECT_TRUE(empty.Complete());
  EXPECT_TRUE(empty.Lessons().Lessons.empty());

  // A record count of a million and a name length past the field are cut.
  LessonsReader wild;
  wild.Feed(BigEndian(1) + Lesson(std::string(191, 'x'), 1000000, {1}, 255));
  ASSERT_EQ(wild.Lessons().Lessons.size(), 1u);
  EXPECT_EQ(wild.Lessons().Lessons[0].Name.size(), 191u);
  EXPECT_EQ(wild.Lessons().Lessons[0].Positions.size(), 100u);
  EXPECT_FALSE(wild.Complete());

  // A count of four billion: the reply cut short leaves what came, and the list never grows
  // past 3000.
  LessonsReader many;
  std::string reply = BigEndian(0xFFFFFFFFu);
  for (int i = 0; i < 3005; ++i) reply += Lesson("L", 0, {});
  many.Feed(reply);
  EXPECT_EQ(many.Lessons().Lessons.size(), kMaxClassroomRecords);
  EXPECT_FALSE(many.Complete());
}

}  // namespace
}  // namespace tess
