// The login steps of a classroom session against a scripted server.
#include <gtest/gtest.h>

#include <map>

#include "classroom/ClassroomSession.h"
#include "platform/Fakes.h"
#include "shared/TextFile.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

// Answers by command; a command without an answer fails as a lost connection.
class CommandServer : public ServerLink {
 public:
  std::map<std::string, std::string> answers;
  std::vector<std::string> asked;

  Exchanged Exchange(std::string_view request, std::string_view, const ReplyShape& shape) override {
    const std::string command(request.substr(0, 4));
    asked.push_back(command);
    const auto it = answers.find(command);
    if (it == answers.end()) return {false, {}, "Connection reset"};
    Exchanged result{true, {}, {}};
    if (shape.Piece) {
      shape.Piece(it->second);
    } else {
      result.Reply = it->second;
    }
    return result;
  }
};

std::string Lessons(int assignments) {
  std::string reply(4, '\0');  // no lessons
  reply += std::string(3, '\0') + static_cast<char>(assignments);
  for (int i = 0; i < assignments; ++i) reply += std::string(24, '\0');
  return reply;
}

class ClassroomSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    state_.Install.ProgramDir = folder_.path() + "/";
    state_.Install.SettingsTag = "tsa2_2003";
    server_.answers["GUI:"] = std::string(292, '\0');
    server_.answers["GIL:"] = Lessons(1);
  }
  std::string ResultsFile() const {
    return ResultsFilePath(ClassroomUserDir(state_.Install.ProgramDir), "tsa2_2003");
  }

  testing::TempFolder folder_;
  CourseState state_;
  CourseMaterial material_;
  FakeClock clock_;
  CommandServer server_;
  ResultsStore store_;
};

TEST_F(ClassroomSessionTest, NewUserOnTheServerUploadsFreshResults) {
  server_.answers["LOG:"] = "1#0#";
  server_.answers["PCW:"] = "";
  ClassroomSession session(server_, material_, clock_);
  const ClassroomLoginOutcome outcome = session.LogIn(state_, "  Ola ", " tajne ", store_);
  EXPECT_TRUE(outcome.LoggedIn);
  EXPECT_TRUE(outcome.Messages.empty());
  EXPECT_EQ(server_.asked, (std::vector<std::string>{"LOG:", "PCW:", "GUI:", "GIL:"}));
  EXPECT_EQ(state_.UserName, "Ola");
  EXPECT_EQ(state_.UserDir, state_.Install.ProgramDir + "0_tmp\\");
  EXPECT_EQ(session.Client().Who().Password, "tajne");
  EXPECT_EQ(ReadFileBytes(ResultsFile()).Result, FileBytes::Outcome::Read);
  EXPECT_EQ(session.Lessons().Assignments.size(), 1u);
}

TEST_F(ClassroomSessionTest, KnownUserDownloadsAndAFailedDownloadStays) {
  server_.answers["LOG:"] = "1#5#";
  server_.answers["GCW:"] = std::string(204, 'r');
  ClassroomSession session(server_, material_, clock_);
  EXPECT_TRUE(session.LogIn(state_, "Ola", "tajne", store_).LoggedIn);
  EXPECT_EQ(ReadFileBytes(ResultsFile()).Bytes, std::string(204, 'r'));

  server_.answers.erase("GCW:");
  state_.UserDir = "before";
  const ClassroomLoginOutcome failed = session.LogIn(state_, "Ola", "tajne", store_);
  EXPECT_FALSE(failed.LoggedIn);
  ASSERT_EQ(failed.Messages.size(), 1u);
  EXPECT_EQ(failed.Messages[0].Text.rfind("B\xB3" "ad! Mozliwe przyczyny", 0), 0u);
  EXPECT_EQ(state_.UserDir, "before");
  EXPECT_EQ(ReadFileBytes(ResultsFile()).Bytes, std::string(204, 'r'));
}

TEST_F(ClassroomSessionTest, NothingToWorkOnUnlessWholeMaterialOrLocalWork) {
  server_.answers["LOG:"] = "1#5#";
  server_.answers["GCW:"] = "";
  server_.answers["GIL:"] = Lessons(0);
  ClassroomSession session(server_, material_, clock_);
  ClassroomLoginOutcome outcome = session.LogIn(state_, "Ola", "tajne", store_);
  EXPECT_FALSE(outcome.LoggedIn);
  ASSERT_EQ(outcome.Messages.size(), 1u);
  EXPECT_EQ(outcome.Messages[0].Text, NothingToWorkOnMessage());

  std::string info(292, '\0');
  info[115] = 1;
  server_.answers["GUI:"] = info;
  EXPECT_TRUE(session.LogIn(state_, "Ola", "tajne", store_).LoggedIn);
  EXPECT_TRUE(session.Lessons().WholeMaterial);

  server_.answers["GUI:"] = std::string(292, '\0');
  state_.Classroom.LocalAllowed = true;
  EXPECT_TRUE(session.LogIn(state_, "Ola", "tajne", store_).LoggedIn);
}

TEST_F(ClassroomSessionTest, RefusedLoginAndLostUserInfoOrLessons) {
  server_.answers["LOG:"] = "0#";
  ClassroomSession session(server_, material_, clock_);
  ClassroomLoginOutcome outcome = session.LogIn(state_, "Ola", "x", store_);
  EXPECT_FALSE(outcome.LoggedIn);
  EXPECT_EQ(server_.asked, std::vector<std::string>{"LOG:"});

  // Lost user block and lessons are told in plain boxes; with local work allowed the login
  // still goes on.
  server_.answers["LOG:"] = "1#5#";
  server_.answers["GCW:"] = "";
  server_.answers.erase("GUI:");
  server_.answers.erase("GIL:");
  state_.Classroom.LocalAllowed = true;
  outcome = session.LogIn(state_, "Ola", "x", store_);
  EXPECT_TRUE(outcome.LoggedIn);
  ASSERT_EQ(outcome.Messages.size(), 2u);
  EXPECT_TRUE(outcome.Messages[0].Plain && outcome.Messages[1].Plain);
}

}  // namespace
}  // namespace tess
