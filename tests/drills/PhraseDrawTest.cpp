#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "drills/PhraseDraw.h"

namespace tess {
namespace {

TEST(PhraseDrawTest, TranslationDrawNeverRepeatsAndNeverTakesTheLastPhrase) {
  for (int count : {3, 4, 10, 25}) {
    SCOPED_TRACE(count);
    SeededRandom random(static_cast<std::uint32_t>(count));
    int last = -1;
    std::set<int> seen;
    for (int draw = 0; draw < 200; ++draw) {
      const int k = DrawTranslationPhrase(count, last, random);
      ASSERT_GE(k, 1);
      ASSERT_LE(k, count - 1);
      ASSERT_NE(k, last);
      seen.insert(k);
      last = k;
    }
    EXPECT_EQ(static_cast<int>(seen.size()), count - 1);
  }
}

TEST(PhraseDrawTest, TranslationDrawOfShortConversationsUsesWhatThereIs) {
  struct Row {
    int count;
    int last;
    int expected;
  };
  for (const Row& row : std::vector<Row>{{2, -1, 1}, {2, 1, 1}, {1, -1, 1}, {1, 1, 1},
                                         {0, -1, 0}}) {
    SCOPED_TRACE(std::to_string(row.count) + " phrases, last " + std::to_string(row.last));
    ScriptedRandom random;
    EXPECT_EQ(DrawTranslationPhrase(row.count, row.last, random), row.expected);
  }
}

TEST(PhraseDrawTest, QuestionCounts) {
  const std::vector<std::pair<int, int>> rows = {{0, 0}, {1, 0}, {2, 0},  {3, 2},  {4, 2},
                                                 {5, 2}, {6, 2}, {8, 2},  {9, 3},  {11, 3},
                                                 {12, 4}, {25, 8}};
  for (const auto& [phrases, questions] : rows) {
    EXPECT_EQ(QuestionCount(phrases), questions) << phrases << " phrases";
  }
}

TEST(PhraseDrawTest, QuestionsAreDistinctNeverLastAndNeverShareATranslation) {
  std::vector<std::string> translations;
  for (int k = 1; k <= 25; ++k) translations.push_back("t" + std::to_string(k % 12));
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SeededRandom random(seed);
    const std::vector<int> questions = DrawQuestions(translations, random);
    ASSERT_EQ(questions.size(), 8u);
    std::set<std::string> used;
    for (int k : questions) {
      EXPECT_GE(k, 1);
      EXPECT_LE(k, 24);
      EXPECT_TRUE(used.insert(translations[static_cast<size_t>(k - 1)]).second) << "seed " << seed;
    }
  }
}

TEST(PhraseDrawTest, QuestionDrawEndsWhenTooFewPhrasesQualify) {
  // Nine phrases want three questions, but only two different translations lie before the
  // last phrase; a script that keeps answering 1 must not keep the draw going.
  const std::vector<std::string> translations = {"x", "x", "y", "x", "y", "x", "x", "y", "z"};
  ScriptedRandom random;
  EXPECT_EQ(DrawQuestions(translations, random), (std::vector<int>{1, 3}));
  ScriptedRandom fewer;
  EXPECT_TRUE(DrawQuestions({"a", "b"}, fewer).empty());
}

}  // namespace
}  // namespace tess
