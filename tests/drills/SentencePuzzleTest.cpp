// The puzzle's words: split, shuffled out of order (and left alone when no order differs),
// laid out, hit and moved.
#include "drills/SentencePuzzle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drills/ConversationFixture.h"
#include "platform/RandomSource.h"
#include "shared/Text.h"

namespace tess {
namespace {

using testing_drills::FixedWidthMeasurer;
using Words = std::vector<std::string>;

Words WordsOf(const SentencePuzzle& puzzle) {
  Words words = puzzle.Words();
  words.pop_back();  // the blank slot
  return words;
}

std::string Read(const SentencePuzzle& puzzle) { return Trim(puzzle.Answer()); }

TEST(SentencePuzzleTest, SplitAtEachBlank) {
  EXPECT_EQ(SentencePuzzle::SplitWords("I am here."), (Words{"I", "am", "here."}));
  EXPECT_EQ(SentencePuzzle::SplitWords("a  b"), (Words{"a", "", "b"}));
  EXPECT_EQ(SentencePuzzle::SplitWords("a b "), (Words{"a", "b"}));
  EXPECT_EQ(SentencePuzzle::SplitWords("one"), Words{"one"});
  EXPECT_TRUE(SentencePuzzle::SplitWords("").empty());
}

TEST(SentencePuzzleTest, ShuffleNeverGivesTheSentenceIgnoringCase) {
  // "Go go Home" differs from "go Go home" only in case: such orders count as the sentence.
  for (const char* sentence : {"My sister is a doctor.", "Go go Home", "a b"}) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
      SeededRandom random(seed);
      SentencePuzzle puzzle;
      puzzle.Set(sentence, random);
      SCOPED_TRACE(std::string(sentence) + " seed " + std::to_string(seed));
      ASSERT_NE(LowerAZ(Read(puzzle)), LowerAZ(sentence));
      EXPECT_EQ(puzzle.Words().back(), SentencePuzzle::kBlankSlot);
      Words sorted = WordsOf(puzzle);
      Words expected = SentencePuzzle::SplitWords(sentence);
      std::sort(sorted.begin(), sorted.end());
      std::sort(expected.begin(), expected.end());
      ASSERT_EQ(sorted, expected);
    }
  }
}

TEST(SentencePuzzleTest, ShuffleEndsWhenNoOrderDiffers) {
  // A source that always answers the lowest value swaps the same pair back and forth.
  for (const char* sentence : {"Hello.", "no no No", " a", "a  a"}) {
    SCOPED_TRACE(sentence);
    ScriptedRandom stuck;
    SentencePuzzle puzzle;
    puzzle.Set(sentence, stuck);
    const Words words = SentencePuzzle::SplitWords(sentence);
    if (SentencePuzzle::CanBeShuffled(words)) {
      EXPECT_NE(LowerAZ(Read(puzzle)), LowerAZ(Trim(sentence)));
    } else {
      EXPECT_EQ(WordsOf(puzzle), words);
    }
  }
  EXPECT_FALSE(SentencePuzzle::CanBeShuffled({"Hello."}));
  EXPECT_FALSE(SentencePuzzle::CanBeShuffled({"no", "no", "No"}));
  EXPECT_FALSE(SentencePuzzle::CanBeShuffled({"", "a"}));
  EXPECT_TRUE(SentencePuzzle::CanBeShuffled({"a", "", "a"}));
  // Four words with a stuck source: the shuffle gives back the sentence every round.
  ScriptedRandom stuck;
  SentencePuzzle puzzle;
  puzzle.Set("one two three four", stuck);
  EXPECT_NE(Read(puzzle), "one two three four");
}

// A puzzle in a known order: the scripted swaps (1 2), (3 4), (1 3), (1 3) turn "b a d c"
// into "a b c d".
SentencePuzzle Ordered() {
  SentencePuzzle puzzle;
  ScriptedRandom random({1, 1, 3, 3, 1, 2, 1, 2});
  puzzle.Set("b a d c", random);
  EXPECT_EQ(WordsOf(puzzle), (Words{"a", "b", "c", "d"}));
  return puzzle;
}

TEST(SentencePuzzleTest, Moves) {
  struct Row {
    const char* name;
    int picked;
    int target;
    bool moved;
    Words words;
  };
  const Row rows[] = {
      {"onto itself", 2, 2, false, {"a", "b", "c", "d"}},
      {"onto the next word", 2, 3, false, {"a", "b", "c", "d"}},
      {"to the left", 3, 1, true, {"c", "a", "b", "d"}},
      {"to the right", 1, 4, true, {"b", "c", "a", "d"}},
      {"onto the blank slot", 1, 5, true, {"b", "c", "d", "a"}},
      {"last onto the slot", 4, 5, false, {"a", "b", "c", "d"}},
      {"no word under the point", 2, 0, false, {"a", "b", "c", "d"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SentencePuzzle puzzle = Ordered();
    EXPECT_EQ(puzzle.Move(row.picked, row.target), row.moved);
    EXPECT_EQ(WordsOf(puzzle), row.words);
    EXPECT_EQ(puzzle.Words().back(), SentencePuzzle::kBlankSlot);
  }
}

TEST(SentencePuzzleTest, LayoutWrapsAndHitsIncludeBorders) {
  SentencePuzzle puzzle = Ordered();  // "a", "b", "c", "d", slot: each 6 px, step 18 px
  puzzle.Layout(FixedWidthMeasurer(), 40, 16);
  const std::vector<WordBox>& boxes = puzzle.Boxes();
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes[0].Left, 0);
  EXPECT_EQ(boxes[1].Left, 18);
  // 36 + 18 passes 40: "c" opens the next line.
  EXPECT_EQ(boxes[2].Left, 0);
  EXPECT_EQ(boxes[2].Top, 20);
  EXPECT_EQ(boxes[4].Width, 30);  // the slot: five blanks
  EXPECT_EQ(boxes[4].Top, 40);
  EXPECT_EQ(puzzle.WordAt(18, 0), 2);
  EXPECT_EQ(puzzle.WordAt(24, 16), 2);  // right and bottom borders
  EXPECT_EQ(puzzle.WordAt(12, 5), 0);   // between words
  EXPECT_EQ(puzzle.WordAt(3, 22), 3);
  EXPECT_TRUE(puzzle.Pickable(1));
  EXPECT_FALSE(puzzle.Pickable(5));
}

}  // namespace
}  // namespace tess
