#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drills/ConversationFixture.h"
#include "drills/ConversationScript.h"
#include "drills/ConversationWalk.h"
#include "drills/OwnRecordings.h"

namespace tess {
namespace {

using testing_drills::WithRoles;
using Kind = WalkStep::Kind;

class WalkRig {
 public:
  explicit WalkRig(const std::vector<int>& roles) : script(WithRoles(roles)), walk(mode, sounds) {
    sounds.Reset(script);
    std::vector<int> lengths;
    for (int k = 1; k <= script.Count(); ++k) {
      lengths.push_back(static_cast<int>(script.Phrase(k).Text.size()));
    }
    walk.Reset(script.Roles(), lengths);
  }

  // Runs a chain to its end as the window would, every sound ending and every wait passing:
  // "P2" plays phrase 2, "W1:8" waits 8 slices on phrase 1, "E" ends, "-" nothing happens.
  std::vector<std::string> Run(WalkStep step) {
    std::vector<std::string> seen;
    for (int guard = 0; guard < 100; ++guard) {
      switch (step.What) {
        case Kind::None:
          seen.push_back("-");
          return seen;
        case Kind::End:
          seen.push_back("E");
          return seen;
        case Kind::Play:
          seen.push_back("P" + std::to_string(step.Phrase));
          EXPECT_EQ(walk.Highlighted(), step.Phrase);
          step = walk.Continue();
          break;
        case Kind::WaitThrough:
          seen.push_back("W" + std::to_string(step.Phrase) + ":" + std::to_string(step.Slices));
          EXPECT_EQ(walk.Highlighted(), step.Phrase);
          step = walk.AfterWait(step);
          break;
      }
    }
    ADD_FAILURE() << "the chain does not end";
    return seen;
  }

  std::string mode;
  ConversationScript script;
  OwnRecordings sounds;
  ConversationWalk walk;
};

TEST(ConversationWalkTest, RoleWalksPlayTheirPhrasesAndWaitThroughTheOthers) {
  struct Row {
    const char* name;
    std::vector<int> roles;
    int role;  // 0: the whole conversation
    std::vector<std::string> steps;
  };
  const std::vector<Row> rows = {
      {"whole", {1, 2, 1, 2}, 0, {"P1", "P2", "P3", "P4", "E"}},
      {"role A starts", {1, 2, 1, 2}, 1, {"P1", "W2:8", "P3", "W4:8", "E"}},
      {"role B alternates", {1, 2, 1, 2}, 2, {"W1:8", "P2", "W3:8", "P4", "E"}},
      {"role last phrase", {1, 1, 2}, 2, {"W1:8", "W2:8", "P3", "E"}},
      {"role D of four", {1, 2, 3, 4, 1}, 4, {"W1:8", "W2:8", "W3:8", "P4", "W5:8", "E"}},
      {"role without phrase", {1, 2, 1}, 3, {"-"}},
      {"no role button", {1, 2}, 5, {"-"}},
      {"single phrase", {2}, 2, {"P1", "E"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WalkRig rig(row.roles);
    const WalkStep first = row.role == 0 ? rig.walk.PlayAll() : rig.walk.PlayRole(row.role);
    EXPECT_EQ(rig.Run(first), row.steps);
    EXPECT_EQ(rig.mode, "");
    EXPECT_EQ(rig.walk.Highlighted(), 0);
  }
}

TEST(ConversationWalkTest, RoleWalkSetsItsModeAndScrollsOnlyFromItsFirstPhrase) {
  WalkRig rig({1, 1, 2, 1});
  WalkStep step = rig.walk.PlayRole(2);
  EXPECT_EQ(rig.mode, "dialogi_B");
  EXPECT_FALSE(step.KeepVisible);  // phrase 1, waited through
  step = rig.walk.AfterWait(step);
  EXPECT_FALSE(step.KeepVisible);  // phrase 2
  step = rig.walk.AfterWait(step);
  ASSERT_EQ(step.What, Kind::Play);
  EXPECT_TRUE(step.KeepVisible);
  EXPECT_EQ(step.Sound, "d1_3");
  step = rig.walk.Continue();
  EXPECT_EQ(step.What, Kind::WaitThrough);
  EXPECT_TRUE(step.KeepVisible);  // after the role has spoken, every phrase is kept in view
}

TEST(ConversationWalkTest, SecondPressAndRoleWithoutPhraseLeaveTheRunningChainAlone) {
  WalkRig rig({1, 2, 1, 2});
  const WalkStep waiting = rig.walk.PlayRole(2);
  EXPECT_EQ(rig.walk.PlayRole(2).What, Kind::None);
  EXPECT_EQ(rig.walk.PlayRole(3).What, Kind::None);
  EXPECT_TRUE(rig.walk.IsCurrent(waiting));
  EXPECT_EQ(rig.mode, "dialogi_B");
  EXPECT_EQ(rig.walk.Highlighted(), 1);
  EXPECT_EQ(rig.walk.AfterWait(waiting).Phrase, 2);
}

TEST(ConversationWalkTest, StopOrANewChainEndsAWaitingWalk) {
  {
    WalkRig rig({1, 2});
    const WalkStep waiting = rig.walk.PlayRole(2);
    EXPECT_TRUE(rig.walk.Stop());
    EXPECT_EQ(rig.mode, "");
    EXPECT_EQ(rig.walk.Highlighted(), 0);
    EXPECT_FALSE(rig.walk.IsCurrent(waiting));
    EXPECT_EQ(rig.walk.AfterWait(waiting).What, Kind::None);
    EXPECT_EQ(rig.walk.Continue().What, Kind::None);
  }
  {
    // B waits, C starts inside the wait and B is pressed again inside that: only the newest
    // walk goes on, though the mode text is B's again.
    WalkRig rig({1, 1, 2, 3});
    const WalkStep firstB = rig.walk.PlayRole(2);
    const WalkStep c = rig.walk.PlayRole(3);
    const WalkStep secondB = rig.walk.PlayRole(2);
    EXPECT_EQ(rig.mode, "dialogi_B");
    EXPECT_FALSE(rig.walk.IsCurrent(firstB));
    EXPECT_FALSE(rig.walk.IsCurrent(c));
    EXPECT_TRUE(rig.walk.IsCurrent(secondB));
    EXPECT_EQ(rig.walk.AfterWait(firstB).What, Kind::None);
  }
  {
    WalkRig rig({1, 2});
    const WalkStep waiting = rig.walk.PlayRole(2);
    const WalkStep all = rig.walk.PlayAll();
    EXPECT_EQ(rig.mode, "dialogi_All");
    EXPECT_EQ(rig.walk.AfterWait(waiting).What, Kind::None);
    EXPECT_TRUE(rig.walk.IsCurrent(all));
  }
}

TEST(ConversationWalkTest, SinglePhrasesQuestionsAndTheLearnerBeforeTheLecturer) {
  WalkRig rig({1, 2, 1});
  WalkStep step = rig.walk.PlayPhrase(2);
  EXPECT_EQ(rig.mode, "dialog");
  EXPECT_EQ(step.Sound, "d1_2");
  EXPECT_EQ(rig.walk.Highlighted(), 2);
  // A single phrase is no chain: its end does not walk on.
  EXPECT_EQ(rig.walk.Continue().What, Kind::None);
  rig.walk.SinglePhraseEnded();
  EXPECT_EQ(rig.mode, "");
  EXPECT_EQ(rig.walk.Highlighted(), 0);

  step = rig.walk.PlayOwnThenLecturer(3);
  EXPECT_EQ(rig.mode, "PotemLektor:d1_3");
  EXPECT_EQ(step.Sound, "save_3.wav");

  step = rig.walk.PlayQuestion(1);
  EXPECT_EQ(rig.mode, "NIC");
  EXPECT_EQ(step.Sound, "d1_1");
  EXPECT_EQ(rig.walk.Highlighted(), 0);
  EXPECT_EQ(rig.walk.CurrentPhrase(), 1);
}

TEST(ConversationWalkTest, PhrasesPlayTheLearnersRecordingWhileItIsSwitchedOn) {
  WalkRig rig({1, 2});
  ASSERT_TRUE(rig.sounds.Accept(2, 300, "/p/"));
  EXPECT_EQ(rig.Run(rig.walk.PlayAll()), (std::vector<std::string>{"P1", "P2", "E"}));
  EXPECT_EQ(rig.walk.PlayAll().Sound, "d1_1");
  EXPECT_EQ(rig.walk.Continue().Sound, "save_2.wav");
  ASSERT_TRUE(rig.sounds.Toggle(2));
  EXPECT_EQ(rig.walk.PlayPhrase(2).Sound, "d1_2");
}

TEST(ConversationWalkTest, LoopedPhraseStartsAgainAfterItsPauseUntilStoppedOrReplaced) {
  WalkRig rig({1, 2, 1});
  const WalkStep first = rig.walk.LoopPhrase(2);
  EXPECT_EQ(first.What, Kind::Play);
  EXPECT_EQ(first.Sound, "d1_2");
  EXPECT_EQ(rig.mode, "dialog") << "the end of each round comes back as a single phrase's";
  EXPECT_EQ(rig.walk.LoopedPhrase(), 2);

  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    const WalkStep pause = rig.walk.SinglePhraseEnded();
    ASSERT_EQ(pause.What, Kind::WaitThrough);
    EXPECT_EQ(pause.Slices, WalkStep::kLoopPauseSlices);
    EXPECT_EQ(rig.walk.Highlighted(), 2) << "still blue during the pause";
    EXPECT_EQ(rig.mode, "dialog");
    const WalkStep again = rig.walk.AfterWait(pause);
    ASSERT_EQ(again.What, Kind::Play);
    EXPECT_EQ(again.Phrase, 2);
    EXPECT_TRUE(rig.walk.IsCurrent(again));
  }
  // The learner's recording switched on meanwhile is heard from the next round.
  ASSERT_TRUE(rig.sounds.Accept(2, 300, "/p/"));
  EXPECT_EQ(rig.walk.AfterWait(rig.walk.SinglePhraseEnded()).Sound, "save_2.wav");

  // A stop inside the pause ends the loop; so does any other playback.
  const WalkStep pause = rig.walk.SinglePhraseEnded();
  EXPECT_TRUE(rig.walk.Stop());
  EXPECT_EQ(rig.walk.LoopedPhrase(), 0);
  EXPECT_EQ(rig.walk.AfterWait(pause).What, Kind::None);
  EXPECT_EQ(rig.walk.Highlighted(), 0);
  rig.walk.LoopPhrase(1);
  rig.walk.PlayPhrase(3);
  EXPECT_EQ(rig.walk.LoopedPhrase(), 0);
  EXPECT_EQ(rig.walk.SinglePhraseEnded().What, Kind::None) << "phrase 3 plays once";
  EXPECT_EQ(rig.mode, "");
  rig.walk.LoopPhrase(1);
  rig.walk.PlayAll();
  EXPECT_EQ(rig.walk.LoopedPhrase(), 0);
  EXPECT_EQ(rig.walk.LoopPhrase(4).What, Kind::None);
}

}  // namespace
}  // namespace tess
