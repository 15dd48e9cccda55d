// Results the server did not take wait in the user's folder and go out oldest first.
#include <gtest/gtest.h>

#include <deque>

#include "classroom/ResultQueue.h"
#include "shared/TextFile.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

// Takes "RCW:" lines while `up` holds, refuses them otherwise, and keeps what it took.
class RecordServer : public ServerLink {
 public:
  bool up = true;
  std::vector<std::string> taken;

  Exchanged Exchange(std::string_view request, std::string_view, const ReplyShape&) override {
    if (!up) return {false, {}, "Connection refused"};
    taken.emplace_back(request);
    return {true, "TRUE", {}};
  }
};

ResultRecord Record(const std::string& name, int score) {
  ResultRecord record;
  record.Name = name;
  record.Kind = 40;
  record.Score = static_cast<std::uint8_t>(score);
  return record;
}

TEST(ResultQueueTest, ResultsWaitWhileTheServerIsDownAndGoOutInOrder) {
  testing::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = ResultQueuePath(folder.path() + "/", "Ola");
  EXPECT_EQ(path, folder.path() + "/wyniki_do_wyslania_4f6c61.txt");
  RecordServer server;
  ClassroomClient client(server, {"Ola", "tajne", "tsa2_2003"});

  {
    ResultQueue queue(path);
    EXPECT_TRUE(queue.SendOrKeep(client, Record("tek_1", 10)).Ok);
    EXPECT_TRUE(queue.Empty());
    server.up = false;
    const RequestOutcome failed = queue.SendOrKeep(client, Record("tek_2", 20));
    EXPECT_FALSE(failed.Ok);
    EXPECT_EQ(failed.Message.rfind("B\xB3\xB9"
                                   "d serwera: Connection refused",
                                   0),
              0u);
    queue.SendOrKeep(client, Record("tek_3", 30));
    EXPECT_EQ(queue.Pending().size(), 2u);
  }
  // After a restart the queue is still there; the server comes back and the next result goes
  // out after the two that waited.
  ResultQueue again(path);
  ASSERT_EQ(again.Pending().size(), 2u);
  server.up = true;
  EXPECT_TRUE(again.SendOrKeep(client, Record("tek_4", 40)).Ok);
  EXPECT_TRUE(again.Empty());
  ASSERT_EQ(server.taken.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(server.taken[i].rfind("RCW:Ola#tajne#tsa2_2003#tek_" + std::to_string(i + 1), 0), 0u);
  }
}

// Accepts the first `accepted` lines, then refuses.
class TiringServer : public ServerLink {
 public:
  int accepted = 0;
  Exchanged Exchange(std::string_view, std::string_view, const ReplyShape&) override {
    if (accepted-- > 0) return {true, "TRUE", {}};
    return {true, "FALSE", {}};
  }
};

TEST(ResultQueueTest, OnlyAcceptedLinesLeaveTheQueue) {
  testing::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder.path() + "/queue";
  ResultQueue queue(path);
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(queue.Append("tek_" + std::to_string(i) + "#"));
  TiringServer server;
  server.accepted = 1;
  ClassroomClient client(server, {"Ola", "x", "t"});
  const RequestOutcome outcome = queue.Flush(client);
  EXPECT_FALSE(outcome.Ok);
  EXPECT_EQ(outcome.Message,
            "Wys\xB3"
            "anie rekordu CW_Info nie powiod\xB3o si\xEA.");
  EXPECT_EQ(queue.Pending(), (std::vector<std::string>{"tek_2#", "tek_3#"}));
  EXPECT_EQ(ReadFileBytes(path).Bytes, "tek_2#\r\ntek_3#\r\n");
}

}  // namespace
}  // namespace tess
