#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drills/ConversationFixture.h"
#include "drills/ConversationLayout.h"
#include "drills/ConversationScript.h"
#include "drills/ConversationScroll.h"

namespace tess {
namespace {

using testing_drills::FixedWidthMeasurer;

constexpr int kSpeakerWidth = 19;
constexpr int kLeft = kSpeakerWidth + 1;

LayoutSettings Settings(int areaWidth, bool gapMode = false) {
  LayoutSettings settings;
  settings.AreaWidth = areaWidth;
  settings.SpeakerWidth = kSpeakerWidth;
  settings.GapMode = gapMode;
  settings.MarkWidth = 20;
  settings.MarkHeight = 16;
  return settings;
}

TEST(ConversationLayoutTest, WordsWrapThirtyPixelsBeforeTheRightEdge) {
  // "abcd " is 30 wide and the words start at 20: the third ends at 110, which must stay
  // below the area's width less 30.
  struct Row {
    const char* name;
    int width;
    std::vector<PhraseRun> runs;
    int lines;
  };
  const std::vector<Row> rows = {
      {"fits", 141, {{1, 1, 1, "A:", true}, {1, 20, 1, "abcd ", false}, {1, 50, 1, "efgh ", false},
                     {1, 80, 1, "ijkl ", false}}, 1},
      {"wraps at the margin", 140, {{1, 1, 1, "A:", true}, {1, 20, 1, "abcd ", false},
                                    {1, 50, 1, "efgh ", false}, {1, 20, 21, "ijkl ", false}}, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ConversationPicture picture =
        LayoutConversation({{"A:", "abcd efgh ijkl", false}}, Settings(row.width), FixedWidthMeasurer());
    EXPECT_EQ(picture.Runs, row.runs);
    ASSERT_EQ(picture.Phrases.size(), 1u);
    EXPECT_EQ(picture.Phrases[0].Lines, row.lines);
    EXPECT_EQ(picture.Bottom, 1 + 20 * row.lines);
  }
}

TEST(ConversationLayoutTest, PhrasesAreHitOnTheirWordsAndHoveredOneRowLower) {
  const ConversationPicture picture = LayoutConversation(
      {{"A:", "abcd efgh ijkl", false}, {"B:", "xy", false}}, Settings(140), FixedWidthMeasurer());
  // Phrase 1: two lines, the longest reaching 80; phrase 2 from line 3.
  EXPECT_EQ(picture.Phrases[0].Hit, (DropArea{kLeft, 1, 80, 39}));
  EXPECT_EQ(picture.Phrases[1].Top, 41);
  EXPECT_EQ(picture.Phrases[1].Hit, (DropArea{kLeft, 41, kLeft + 18, 59}));
  EXPECT_EQ(picture.PhraseAt({kLeft, 1}), 1);
  EXPECT_EQ(picture.PhraseAt({80, 39}), 1);
  EXPECT_EQ(picture.PhraseAt({81, 20}), 0);
  EXPECT_EQ(picture.PhraseAt({10, 5}), 0);  // the speaker label is no target
  EXPECT_EQ(picture.PhraseAt({30, 40}), 0);
  EXPECT_EQ(picture.PhraseAt({30, 40}, true), 1);
  EXPECT_EQ(picture.PhraseAt({30, 45}), 2);
}

TEST(ConversationLayoutTest, HiddenQuestionsAndGapsShowQuestionMarks) {
  const ConversationPicture questions = LayoutConversation(
      {{"A:", "long text that is hidden", true}, {"B:", "shown", false}}, Settings(544),
      FixedWidthMeasurer());
  EXPECT_EQ(questions.Marks, (std::vector<MarkPicture>{{1, 0, {kLeft, 1}}}));
  EXPECT_EQ(questions.Phrases[0].Hit, (DropArea{kLeft, 1, kLeft + 20, 17}));
  EXPECT_EQ(questions.Phrases[1].Top, 21);

  // The capital L tag becomes the letter itself; the gap's mark stands 2 right of its area.
  const ConversationPicture gaps = LayoutConversation(
      {{"A:", "<\xA3>x go <!!TU>home. now", false}}, Settings(544, true), FixedWidthMeasurer());
  EXPECT_EQ(gaps.Runs[1], (PhraseRun{1, kLeft, 1, "\xA3 ", false}));
  EXPECT_EQ(gaps.Runs[2], (PhraseRun{1, kLeft + 12, 1, "go ", false}));
  ASSERT_EQ(gaps.Gaps.size(), 1u);
  EXPECT_EQ(gaps.Gaps[0].Answer, "home.");
  EXPECT_EQ(gaps.Gaps[0].Area, (DropArea{kLeft + 30, 1, kLeft + 50, 17}));
  EXPECT_EQ(gaps.Marks, (std::vector<MarkPicture>{{1, 1, {kLeft + 32, 1}}}));
  EXPECT_EQ(gaps.Runs[3].X, kLeft + 57);
  EXPECT_FALSE(gaps.Phrases[0].HasHit);
}

TEST(ConversationLayoutTest, ScrollRangeAndKeepingAPhraseInView) {
  // 30 one-line phrases: bottom 601, so the range is (601 - 461) div 20 + 1 = 8.
  std::vector<LayoutPhrase> phrases(30, LayoutPhrase{"A:", "x", false});
  const ConversationPicture picture =
      LayoutConversation(phrases, Settings(544), FixedWidthMeasurer());
  EXPECT_EQ(picture.MaxTopLine(461), 8);
  EXPECT_EQ(LayoutConversation({{"A:", "x", false}}, Settings(544), FixedWidthMeasurer())
                .MaxTopLine(461),
            0);

  ConversationScroll scroll;
  scroll.Relayout(picture, 461);
  EXPECT_FALSE(scroll.UpShown());
  EXPECT_TRUE(scroll.DownShown());
  EXPECT_FALSE(scroll.EnsureVisible(23));
  EXPECT_TRUE(scroll.EnsureVisible(26));
  EXPECT_EQ(scroll.TopLine(), 3);
  EXPECT_TRUE(scroll.UpShown());
  EXPECT_EQ(scroll.ToContent({5, 1}), (Point{5, 61}));
  EXPECT_TRUE(scroll.EnsureVisible(2));
  EXPECT_EQ(scroll.TopLine(), 1);
  EXPECT_TRUE(scroll.Up());
  EXPECT_FALSE(scroll.Up());
  EXPECT_FALSE(scroll.UpShown());
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(scroll.Down());
  EXPECT_FALSE(scroll.Down());
  EXPECT_FALSE(scroll.DownShown());
  EXPECT_EQ(scroll.AreaY(161), 1);
}

TEST(ConversationLayoutTest, PhraseWordsTakeOneCharacterMoreThanTheTrimmedWord) {
  using Words = std::vector<std::string>;
  struct Case {
    const char* text;
    Words words;
  };
  const Case cases[] = {
      {"Good morning", {"Good", "morning"}},
      {"a  b", {"a", "", "b"}},
      {"  a", {"", "", "a"}},
      {"a b \t\r ", {"a", "b"}},
      {" \t ", {}},
      // Trimming shortens the word but not the blank's search: what it loses is taken again.
      {"\t\tx y", {"x", "x", "y"}},
      {"ab\t\t c", {"ab", "", "", "c"}},
      {"a\tb c", {"a\tb", "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitPhraseWords(c.text), c.words);
  }
}

TEST(ConversationLayoutTest, HugePhrasesSplitInLinearTime) {
  // Both would take hours if each step trimmed or searched the whole rest again.
  std::string words;
  for (int n = 0; n < 200000; ++n) words += "ab ";
  EXPECT_EQ(SplitPhraseWords(words).size(), 200000u);
  // A megabyte of tabs before one letter: every step finds it and drops two characters.
  const std::vector<std::string> tabs = SplitPhraseWords(std::string(1 << 20, '\t') + "x");
  EXPECT_EQ(tabs.size(), (1u << 19) + 1);
  EXPECT_EQ(tabs.back(), "x");
}

}  // namespace
}  // namespace tess
