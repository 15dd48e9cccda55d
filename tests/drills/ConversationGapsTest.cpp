#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "drills/ConversationFixture.h"
#include "drills/ConversationGaps.h"
#include "drills/ConversationLayout.h"

namespace tess {
namespace {

using testing_drills::FixedWidthMeasurer;
using Strings = std::vector<std::string>;

constexpr int kMarkWidth = 20;
constexpr int kMarkHeight = 16;

std::string Words(int count, const std::string& stem) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? " " : "") + stem + std::to_string(i);
  return text;
}

ConversationPicture Lay(const Strings& texts) {
  std::vector<LayoutPhrase> phrases;
  for (const std::string& text : texts) phrases.push_back({"", text, false});
  LayoutSettings settings;
  settings.AreaWidth = 544;
  settings.GapMode = true;
  settings.MarkWidth = kMarkWidth;
  settings.MarkHeight = kMarkHeight;
  return LayoutConversation(phrases, settings, FixedWidthMeasurer());
}

// The middle of gap i's question mark.
Point OnGap(const ConversationGaps& gaps, int i) {
  const DropArea& area = gaps.At(i).Area;
  return {(area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2};
}

TEST(ConversationGapsTest, GapsPerPhraseByItsWords) {
  const std::vector<std::pair<int, int>> rows = {{0, 0},  {1, 0},  {3, 0},   {4, 1},  {10, 1},
                                                 {11, 2}, {20, 2}, {21, 3}, {800, 3}, {801, 0}};
  for (const auto& [words, gaps] : rows) EXPECT_EQ(GapsForWordCount(words), gaps) << words;
}

TEST(ConversationGapsTest, KeysAndLabelCaptionsDropTheirPunctuation) {
  const std::vector<std::pair<std::string, std::string>> keys = {
      {"friend.", "friend"}, {"well,", "well"}, {"why?!", "why?"}, {"no;", "no"},
      {"so.,", "so."}, {"...", ".."}, {"-", "-"}};
  for (const auto& [word, key] : keys) EXPECT_EQ(GapKey(word), key) << word;
  const std::vector<std::pair<std::string, std::string>> forms = {
      {"word...", "word"}, {"\"Hello,\"", "Hello"}, {"end.\"", "end"}, {"\"quote", "quote"},
      {"plain", "plain"}};
  for (const auto& [answer, form] : forms) EXPECT_EQ(GapDisplayForm(answer), form) << answer;
}

TEST(ConversationGapsTest, DrawMarksTheDrawnWordsAndSkipsUnsuitableOnes) {
  struct Row {
    const char* name;
    Strings texts;
    std::vector<int> script;
    Strings marked;
  };
  const std::vector<Row> rows = {
      {"full stop stays in the text", {"Hello there my friend."}, {4},
       {"Hello there my <!!TU>friend."}},
      {"dashes and dots never", {"- ... - ... word"}, {1}, {"- ... - ... <!!TU>word"}},
      {"same key not twice", {"a b c stop.", "x y z stop"}, {4, 4},
       {"a b c <!!TU>stop.", "x y <!!TU>z stop"}},
      {"first whole word", {"at cat at bat"}, {3}, {"<!!TU>at cat at bat"}},
      {"two blanks give an empty word", {"a  b c"}, {2}, {"a  <!!TU>b c"}},
      {"short phrases none", {"one two three"}, {}, {"one two three"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Strings texts = row.texts;
    ScriptedRandom random(row.script);
    ConversationGaps gaps;
    gaps.Draw(texts, random);
    EXPECT_EQ(texts, row.marked);
  }
}

TEST(ConversationGapsTest, DrawEndsWithFewerGapsWhenWordsRunOut) {
  struct Row {
    const char* name;
    std::string text;
    int gaps;
  };
  std::string dashesFirst;
  for (int i = 0; i < 150; ++i) dashesFirst += "- ";
  dashesFirst += Words(50, "w");
  const std::vector<Row> rows = {
      {"one word repeated", "la la la la la la la la la la la", 1},
      {"only dashes", "- - - - - - - - - - - - - - - - - - - - -", 0},
      {"words past 150 are not considered", dashesFirst, 0},
      {"long phrase keeps three", Words(300, "w"), 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Strings texts = {row.text};
    ScriptedRandom random;  // always the lowest choice: a rejecting draw would never end
    ConversationGaps gaps;
    gaps.Draw(texts, random);
    EXPECT_EQ(gaps.Count(), row.gaps);
  }
}

TEST(ConversationGapsTest, AConversationOfTwentySixGapsKeepsTwentyWithDistinctKeys) {
  Strings texts;
  for (int k = 1; k <= 8; ++k) texts.push_back(Words(21, "p" + std::to_string(k) + "w"));
  texts.push_back(Words(11, "last"));
  SeededRandom random(7);
  ConversationGaps gaps;
  gaps.Draw(texts, random);
  ASSERT_EQ(gaps.Count(), 20);
  std::set<std::string> keys;
  for (int i = 1; i <= gaps.Count(); ++i) EXPECT_TRUE(keys.insert(gaps.At(i).Key).second);
  int markers = 0;
  for (const std::string& text : texts) {
    for (size_t at = text.find(kGapMarker); at != std::string::npos;
         at = text.find(kGapMarker, at + 1)) {
      ++markers;
    }
  }
  EXPECT_EQ(markers, 20);
}

TEST(ConversationGapsTest, GapsAreNumberedInTextOrderAndFilledByTheirOwnLabel) {
  Strings texts = {"a b c d e f g h i j k."};
  ScriptedRandom random({8, 3});  // "h" first, then "c"
  ConversationGaps gaps;
  gaps.Draw(texts, random);
  ASSERT_EQ(texts[0], "a b <!!TU>c d e f g <!!TU>h i j k.");
  gaps.Take(Lay(texts));
  EXPECT_EQ(gaps.At(1).Answer, "c");
  EXPECT_EQ(gaps.At(2).Answer, "h");
  EXPECT_EQ(gaps.Caption(1), "  c  ");

  // Label 2 on gap 1's mark, and anywhere else: back home, nothing changes.
  EXPECT_EQ(gaps.Drop(2, OnGap(gaps, 1), texts).What, GapDrop::Kind::Wrong);
  EXPECT_EQ(gaps.Drop(2, {0, 300}, texts).What, GapDrop::Kind::Wrong);
  EXPECT_EQ(gaps.FilledCount(), 0);

  GapDrop drop = gaps.Drop(1, OnGap(gaps, 1), texts);
  EXPECT_EQ(drop.What, GapDrop::Kind::Right);
  EXPECT_FALSE(drop.AllFilled);
  EXPECT_EQ(texts[0], "a b c d e f g <!!TU>h i j k.");
  // The filled gap is no target any more; the other one gets the mark that is left.
  EXPECT_EQ(gaps.Drop(1, OnGap(gaps, 2), texts).What, GapDrop::Kind::Ignored);
  gaps.Take(Lay(texts));
  drop = gaps.Drop(2, OnGap(gaps, 2), texts);
  EXPECT_EQ(drop.What, GapDrop::Kind::Right);
  EXPECT_TRUE(drop.AllFilled);
  EXPECT_EQ(texts[0], "a b c d e f g h i j k.");
}

TEST(ConversationGapsTest, AMissingMarkerIsReportedAndTheDropStillCounts) {
  Strings texts = {"one two three four"};
  ScriptedRandom random({3});
  ConversationGaps gaps;
  gaps.Draw(texts, random);
  gaps.Take(Lay(texts));
  const Point on = OnGap(gaps, 1);
  texts[0] = "one two three four";
  const GapDrop drop = gaps.Drop(1, on, texts);
  EXPECT_EQ(drop.What, GapDrop::Kind::Right);
  EXPECT_EQ(drop.Error, "Blad przy wyszukiwaniu <!!TU>+Wyraz - x1 zwrocil -1 !!!\r\rthree");
  EXPECT_TRUE(gaps.AllFilled());
}

TEST(ConversationGapsTest, LabelsFillThePanelRowByRowInRandomOrder) {
  Strings texts = {Words(11, "a"), Words(4, "b")};
  ScriptedRandom draw;
  ConversationGaps gaps;
  gaps.Draw(texts, draw);
  ASSERT_EQ(gaps.Count(), 3);
  const DropArea panel{10, 400, 209, 450};
  ScriptedRandom order({3, 1, 1});  // label 3, then 1, then 2
  const std::vector<Point> homes = gaps.PlaceLabels(panel, {50, 60, 70}, 15, order);
  // 3 at the start; 1 after it (86 + 50 - 10 + 5 = 131 fits in 180); 2 would reach 195.
  EXPECT_EQ(homes, (std::vector<Point>{{86, 406}, {12, 425}, {12, 406}}));
}

}  // namespace
}  // namespace tess
