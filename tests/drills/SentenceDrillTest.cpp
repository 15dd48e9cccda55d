// A sentence package drilled in both modes: the order, a wrong sentence coming back, the end
// of the package, the tally and what each mode records.
#include "drills/SentenceDrill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/RandomSource.h"

namespace tess {
namespace {

std::vector<Sentence> Package(int size) {
  std::vector<Sentence> members;
  for (int n = 1; n <= size; ++n) {
    Sentence s;
    s.Variants[0] = "Sentence number " + std::to_string(n) + ".";
    s.SoundName = "z" + std::to_string(n) + ".wav";
    members.push_back(s);
  }
  return members;
}

class SentenceDrillTest : public ::testing::Test {
 protected:
  void Open(int size, int mode = sentence_mode::kDictation) {
    drill_.Open(Package(size));
    drill_.ChangeMode(mode);
  }
  /// Checks the sentence on screen, typed right or wrong.
  SentenceVerdict Answer(bool right) {
    return drill_.CheckDictation(right ? drill_.Current().Variants[0] : "nonsense", {}, none_);
  }
  /// The member number of the sentence on screen.
  int Sentence() const { return drill_.MemberAt(drill_.Position()); }

  SeededRandom random_{5};
  SentenceDrill drill_{random_};
  EquivalenceList none_;
};

TEST_F(SentenceDrillTest, OrderIsAPermutationRenewedOnEachTab) {
  Open(12);
  std::vector<int> order;
  for (int p = 1; p <= 12; ++p) order.push_back(drill_.MemberAt(p));
  std::vector<int> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (int p = 1; p <= 12; ++p) EXPECT_EQ(sorted[static_cast<size_t>(p - 1)], p);
  EXPECT_NE(order, sorted);  // seed 5 does move something
  drill_.ChangeMode(sentence_mode::kPuzzle);
  std::vector<int> again;
  for (int p = 1; p <= 12; ++p) again.push_back(drill_.MemberAt(p));
  EXPECT_NE(again, order);
  EXPECT_EQ(drill_.Position(), 1);
}

TEST_F(SentenceDrillTest, WrongSentenceComesBackUntilAllAreRight) {
  Open(3);
  const int first = Sentence();
  EXPECT_FALSE(Answer(false).Right);
  EXPECT_EQ(drill_.LastWrongAnswer(), "nonsense");
  ASSERT_TRUE(drill_.MoveOn());
  EXPECT_TRUE(drill_.LastWrongAnswer().empty());
  std::vector<int> seen{first};
  while (true) {
    seen.push_back(Sentence());
    EXPECT_TRUE(Answer(true).Right);
    if (!drill_.MoveOn()) break;
    ASSERT_LT(seen.size(), 10u);
  }
  // The two others, then the first again; nothing after it.
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[3], first);
  EXPECT_EQ(std::set<int>(seen.begin(), seen.end()).size(), 3u);
  EXPECT_TRUE(drill_.Finished());
  const SentenceTally tally = drill_.Tally();
  EXPECT_EQ(tally.Right, 3);
  EXPECT_EQ(tally.Wrong, 1);
  EXPECT_EQ(tally.Remaining, 0);
  EXPECT_EQ(tally.Percent, 75);
}

TEST_F(SentenceDrillTest, ThreeRightInARowEndTheThirdMoveOnShowsTheTally) {
  Open(3);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_FALSE(drill_.Finished());
    EXPECT_FALSE(drill_.Checked());
    Answer(true);
    EXPECT_TRUE(drill_.Checked());
    if (n < 3) {
      ASSERT_TRUE(drill_.MoveOn());
    }
  }
  EXPECT_TRUE(drill_.Finished());
  EXPECT_FALSE(drill_.MoveOn());
}

TEST_F(SentenceDrillTest, PercentRecordedHalvesToEvenShownCut) {
  struct Row {
    int size;
    int right;
    int wrong;
    int recorded;
    int shown;
  };
  const Row rows[] = {{10, 10, 2, 83, 83}, {7, 3, 1, 38, 37}, {5, 0, 0, 0, 0}, {4, 4, 0, 100, 100}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.size) + " " + std::to_string(row.right) + " " +
                 std::to_string(row.wrong));
    Open(row.size);
    for (int n = 0; n < row.wrong; ++n) {
      Answer(false);
      drill_.MoveOn();
    }
    for (int n = 0; n < row.right; ++n) {
      Answer(true);
      drill_.MoveOn();
    }
    const SentenceTally tally = drill_.Tally();
    EXPECT_EQ(tally.Right, row.right);
    EXPECT_EQ(tally.Wrong, row.wrong);
    EXPECT_EQ(tally.Percent, row.recorded);
    EXPECT_EQ(tally.ShownPercent, row.shown);
    EXPECT_EQ(tally.Remaining, row.size - row.right);
  }
}

TEST_F(SentenceDrillTest, LargePackageWorksForEverySentence) {
  Open(25);
  std::set<int> seen;
  do {
    seen.insert(Sentence());
    Answer(true);
  } while (drill_.MoveOn());
  EXPECT_EQ(seen.size(), 25u);
  EXPECT_TRUE(drill_.Finished());
  EXPECT_EQ(drill_.Tally().Percent, 100);
}

TEST_F(SentenceDrillTest, ResultPerModeOnlyWhenAttempted) {
  drill_.Open(Package(4));
  EXPECT_EQ(drill_.Mode(), sentence_mode::kNone);
  SentenceModeChange opened = drill_.ChangeMode(sentence_mode::kPuzzle);
  EXPECT_TRUE(opened.Changed);
  EXPECT_FALSE(opened.Left);
  EXPECT_FALSE(drill_.ChangeMode(sentence_mode::kPuzzle).Changed);

  // Untouched puzzle: nothing to record on the way to the dictation.
  SentenceModeChange toDictation = drill_.ChangeMode(sentence_mode::kDictation);
  EXPECT_TRUE(toDictation.Changed);
  EXPECT_FALSE(toDictation.Left);

  Answer(true);
  drill_.MoveOn();
  Answer(false);
  const SentenceModeChange toPuzzle = drill_.ChangeMode(sentence_mode::kPuzzle);
  ASSERT_TRUE(toPuzzle.Left);
  EXPECT_EQ(*toPuzzle.Left, (SentenceResult{20, kDictationKind, false}));  // 1 of 4 + 1
  EXPECT_FALSE(drill_.Attempted());
  EXPECT_EQ(drill_.Tally().Right, 0);
  EXPECT_EQ(drill_.Tally().Remaining, 4);

  drill_.Touch();  // a word picked
  ASSERT_TRUE(drill_.Result());
  EXPECT_EQ(*drill_.Result(), (SentenceResult{0, kPuzzleKind, false}));
}

TEST_F(SentenceDrillTest, PuzzleCheckedAfterMoves) {
  Open(2, sentence_mode::kPuzzle);
  SentencePuzzle& puzzle = drill_.Puzzle();
  const std::string sentence = drill_.Current().Variants[0];  // "Sentence number n."
  EXPECT_EQ(drill_.CheckPuzzle().Right, false);
  EXPECT_EQ(drill_.Tally().Wrong, 1);
  EXPECT_EQ(drill_.LastWrongAnswer(), puzzle.Answer());
  drill_.StartSentence();

  // Put the words in order with moves: the word that belongs at each place goes there.
  const std::vector<std::string> target = SentencePuzzle::SplitWords(sentence);
  for (size_t place = 0; place < target.size(); ++place) {
    const auto& words = puzzle.Words();
    const int at = static_cast<int>(std::find(words.begin() + static_cast<long>(place), words.end(),
                                              target[place]) -
                                    words.begin()) +
                   1;
    puzzle.Move(at, static_cast<int>(place) + 1);
  }
  const SentenceVerdict verdict = drill_.CheckPuzzle();
  EXPECT_TRUE(verdict.Right);
  EXPECT_EQ(verdict.InfoText, sentence_text::kPuzzleRight);
  EXPECT_EQ(verdict.Answer, sentence);
  EXPECT_TRUE(drill_.LastWrongAnswer().empty());
  EXPECT_TRUE(drill_.AnsweredRight(drill_.Position()));
}

TEST_F(SentenceDrillTest, VerdictTextsAndAnswerLine) {
  std::vector<tess::Sentence> members = Package(1);
  members[0].Variants[1] = " I'm last. ";
  members[0].VariantCount = 2;
  drill_.Open(members);
  drill_.ChangeMode(sentence_mode::kDictation);
  const SentenceVerdict wrong = Answer(false);
  EXPECT_EQ(wrong.InfoText, sentence_text::kDictationWrong);
  EXPECT_EQ(wrong.Answer, "I'm last.");  // the last variant, trimmed
  drill_.MoveOn();
  EXPECT_EQ(Sentence(), 1);  // the only sentence comes straight back
  const SentenceVerdict right = drill_.CheckDictation("i'm LAST", {}, none_);
  EXPECT_TRUE(right.Right);
  EXPECT_EQ(right.InfoText, sentence_text::kDictationRight);
}

}  // namespace
}  // namespace tess
