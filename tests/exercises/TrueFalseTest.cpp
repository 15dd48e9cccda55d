#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "exercises/TrueFalse.h"

namespace tess {
namespace {

using Strings = std::vector<std::string>;

// Every byte is 6 pixels wide, 7 in bold, so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool bold, bool) const override {
    return (bold ? 7 : 6) * static_cast<int>(text.size());
  }
};

constexpr int kBoxWidth = 641;
const std::string kHeadings = "Prawda#True#Richtig#Fa\xB3sz#False#Falsch#";

std::string Statements(int count, int trueOnes) {
  std::string content = kHeadings;
  for (int i = 1; i <= count; ++i) {
    content += (i <= trueOnes ? "T_S" : "S") + std::to_string(i) + "#";
  }
  return content;
}

TEST(TrueFalseTest, ParsesHeadingsAndStatements) {
  const StatementContent parsed =
      ParseStatementContent(kHeadings + "T_ Anna is 32. #Mark works.#  T_x#\r\n");
  ASSERT_EQ(parsed.Error, "");
  EXPECT_EQ((Strings(std::begin(parsed.Headings), std::end(parsed.Headings))),
            (Strings{"Prawda", "True", "Richtig", "Fa\xB3sz", "False", "Falsch"}));
  ASSERT_EQ(parsed.Rows.size(), 3u);
  EXPECT_EQ(parsed.Rows[0].Statement, "Anna is 32.");
  EXPECT_TRUE(parsed.Rows[0].IsTrue);
  EXPECT_EQ(parsed.Rows[1].Statement, "Mark works.");
  EXPECT_FALSE(parsed.Rows[1].IsTrue);
  // The mark counts only at the very start, before trimming.
  EXPECT_EQ(parsed.Rows[2].Statement, "T_x");
  EXPECT_FALSE(parsed.Rows[2].IsTrue);
  EXPECT_EQ(ParseStatementContent(Statements(18, 9)).Rows.size(), 18u);
}

TEST(TrueFalseTest, RejectsContentOutsideTheLimitsWithAMessage) {
  struct Case {
    const char* name;
    std::string content;
    std::string messagePart;  // cp1250
  };
  const Case cases[] = {
      {"Empty", "", "znakiem #"},
      {"NoFinalHash", kHeadings + "T_a#b", "znakiem #"},
      {"FewHeadings", "P#T#R#F#", "nag\xB3\xF3wk\xF3w"},
      {"HeadingsOnly", kHeadings, "mniej ni\xBF 2"},
      {"OneStatement", kHeadings + "T_a#", "mniej ni\xBF 2"},
      {"NineteenStatements", Statements(19, 3),
       "wi\xEA"
       "cej ni\xBF 18"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const StatementContent parsed = ParseStatementContent(c.content);
    EXPECT_NE(parsed.Error.find(c.messagePart), std::string::npos) << parsed.Error;
    EXPECT_TRUE(parsed.Rows.empty());
  }
  SeededRandom random(1);
  TrueFalse exercise;
  EXPECT_FALSE(exercise.Load(kHeadings + "a#", 0, random));
  EXPECT_EQ(exercise.StatementCount(), 0);
  FixedWidthMeasurer measurer;
  exercise.Paint(measurer, kBoxWidth);
  EXPECT_FALSE(exercise.Click(0, 30));
}

TEST(TrueFalseTest, HeadingsFollowTheInterfaceLanguage) {
  SeededRandom random(3);
  TrueFalse exercise;
  const Strings expected[] = {{"Prawda", "Fa\xB3sz"}, {"True", "False"}, {"Richtig", "Falsch"}};
  for (int language = 0; language < 3; ++language) {
    ASSERT_TRUE(exercise.Load(Statements(2, 1), language, random));
    EXPECT_EQ((Strings{exercise.TrueHeading(), exercise.FalseHeading()}), expected[language]);
  }
  // Russian has the program's own words (cp1251); a language beyond keeps the last ones.
  ASSERT_TRUE(exercise.Load("a#b#c#d#e#f#x#y#", 3, random));
  EXPECT_EQ((Strings{exercise.TrueHeading(), exercise.FalseHeading()}),
            (Strings{"\xC2\xE5\xF0\xED\xEE", "\xCD\xE5\xE2\xE5\xF0\xED\xEE"}));
  ASSERT_TRUE(exercise.Load(Statements(2, 1), 4, random));
  EXPECT_EQ(exercise.TrueHeading(), "\xC2\xE5\xF0\xED\xEE");
}

TEST(TrueFalseTest, BoxColumnsStayApartUnderNarrowHeadings) {
  SeededRandom random(3);
  TrueFalse exercise;
  ASSERT_TRUE(exercise.Load("a#b#c#d#e#f#T_a#b#", 0, random));
  const FixedWidthMeasurer measurer;
  exercise.Paint(measurer, kBoxWidth);
  const StatementRow& row = exercise.Row(1);
  EXPECT_GE(row.FalseLeft - row.TrueLeft, 2 * TrueFalse::kBoxSize);
  // Headings are measured apart from the statements: their own code page, their own widths.
  struct WideMeasurer : TextMeasurer {
    int Width(std::string_view text, bool, bool) const override {
      return 40 * static_cast<int>(text.size());
    }
  } wide;
  const std::vector<StatementDrawItem> items = exercise.Paint(measurer, wide, kBoxWidth);
  EXPECT_EQ(items[0].X2, 2 * 40 + 10);
  EXPECT_TRUE(items[1].Heading && items[2].Heading);
  EXPECT_FALSE(items[3].Heading);
}

TEST(TrueFalseTest, ShuffleMakesOneSwapPerRowAndTheAnswerFollows) {
  // (1,1) is drawn again; then swaps (1,3), (2,3), (3,1).
  ScriptedRandom random({1, 1, 1, 3, 2, 3, 3, 1});
  TrueFalse exercise;
  ASSERT_TRUE(exercise.Load(kHeadings + "T_a#b#c#", 0, random));
  EXPECT_EQ(
      (Strings{exercise.Row(1).Statement, exercise.Row(2).Statement, exercise.Row(3).Statement}),
      (Strings{"b", "a", "c"}));
  EXPECT_FALSE(exercise.Row(1).IsTrue);
  EXPECT_TRUE(exercise.Row(2).IsTrue);
  ASSERT_EQ(random.asked.size(), 8u);
  for (const auto& range : random.asked) EXPECT_EQ(range, std::make_pair(1, 3));
}

// Loads an even number of rows in their written order: every swap exchanges rows 1 and 2.
TrueFalse Unshuffled(const std::string& content, int rows) {
  ScriptedRandom random;
  for (int swap = 0; swap < rows; ++swap) random.answers.insert(random.answers.end(), {1, 2});
  TrueFalse exercise;
  EXPECT_TRUE(exercise.Load(content, 0, random));
  return exercise;
}

TEST(TrueFalseTest, LaysOutHeadingsRowsAndBoxes) {
  FixedWidthMeasurer measurer;
  // "Prawda" is 42 wide in bold, "Fa\xB3sz" 35: columns 94 wide, halves of 47.
  TrueFalse exercise = Unshuffled(kHeadings + "T_One two#Six#", 2);
  const std::vector<StatementDrawItem> items = exercise.Paint(measurer, 130);
  struct Expected {
    StatementDrawItem::Kind what;
    int x, y;
    std::string text;
  };
  using K = StatementDrawItem::Kind;
  // "One " ends at 123; "two " would pass 130 and wraps 17 lower.
  const Expected expected[] = {
      {K::Line, 0, 20, ""},      {K::Word, 3, 4, "Prawda"}, {K::Word, 54, 4, "Fa\xB3sz"},
      {K::Word, 99, 26, "One "}, {K::Word, 99, 43, "two "}, {K::Word, 99, 67, "Six "},
      {K::Line, 47, 0, ""},
  };
  ASSERT_EQ(items.size(), std::size(expected));
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i].What, expected[i].what);
    EXPECT_EQ(items[i].X, expected[i].x);
    EXPECT_EQ(items[i].Y, expected[i].y);
    EXPECT_EQ(items[i].Text, expected[i].text);
  }
  EXPECT_EQ(items[0].X2, 94);
  EXPECT_EQ(items[6].Y2, 67 + 24 + 10);
  // Box centres at a quarter and three quarters of the columns; tops by the rows' heights.
  EXPECT_EQ(exercise.Row(1).TrueLeft, 23 - 8);
  EXPECT_EQ(exercise.Row(1).FalseLeft, 69 - 8);
  EXPECT_EQ(exercise.Row(1).BoxTop, 26 + 41 / 2 - 8 - 5);
  EXPECT_EQ(exercise.Row(2).BoxTop, 67 + 12 - 8 - 5);

  // Hit boxes are the 17 x 17 pictures.
  const StatementRow& row = exercise.Row(1);
  EXPECT_TRUE(exercise.PointerOverBox(row.TrueLeft, row.BoxTop));
  EXPECT_TRUE(exercise.PointerOverBox(row.FalseLeft + 16, row.BoxTop + 16));
  EXPECT_FALSE(exercise.PointerOverBox(row.FalseLeft + 17, row.BoxTop));
  EXPECT_FALSE(exercise.PointerOverBox(50, row.BoxTop));
}

// A statement of a hostile file may be huge: its layout must stay linear in it (it used to
// copy the rest of the statement for every word).
TEST(TrueFalseTest, HugeStatementLaysOutInLinearTime) {
  const auto start = std::chrono::steady_clock::now();
  std::string statement;
  for (int i = 0; i < 300000; ++i) statement += "ab ";
  TrueFalse exercise = Unshuffled(kHeadings + statement + "#Six#", 2);
  FixedWidthMeasurer measurer;
  EXPECT_GT(exercise.Paint(measurer, kBoxWidth).size(), 300000u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(TrueFalseTest, TheLastTickOfARowWins) {
  FixedWidthMeasurer measurer;
  TrueFalse exercise = Unshuffled(kHeadings + "T_a#b#", 2);
  EXPECT_FALSE(exercise.Click(15, 30));  // nothing is placed before the first paint
  exercise.Paint(measurer, kBoxWidth);
  const StatementRow& row = exercise.Row(1);
  ASSERT_TRUE(exercise.Click(row.TrueLeft + 3, row.BoxTop + 3));
  EXPECT_TRUE(exercise.ExerciseTouched());
  ASSERT_TRUE(exercise.Click(row.FalseLeft + 3, row.BoxTop + 3));
  EXPECT_FALSE(row.TrueTicked);
  EXPECT_TRUE(row.FalseTicked);
  EXPECT_EQ(row.TrueBox, StatementBox::Empty);
  EXPECT_EQ(row.FalseBox, StatementBox::Ticked);
  EXPECT_FALSE(exercise.Row(2).TrueTicked || exercise.Row(2).FalseTicked);
}

TEST(TrueFalseTest, CheckMarksEveryRowAndCounts) {
  // Rows: true ticked right, false ticked right, true ticked wrong, false ticked wrong, and
  // a true and a false one left unticked.
  TrueFalse exercise = Unshuffled(kHeadings + "T_a#b#c#T_d#T_e#f#", 6);
  exercise.Tick(1, true);
  exercise.Tick(2, false);
  exercise.Tick(3, true);
  exercise.Tick(4, false);
  exercise.Check();
  struct Expected {
    StatementBox trueBox, falseBox;
    bool exclamation;
  };
  const Expected expected[] = {
      {StatementBox::Ticked, StatementBox::Empty, false},
      {StatementBox::Empty, StatementBox::Ticked, false},
      {StatementBox::Red, StatementBox::Ticked, true},
      {StatementBox::Ticked, StatementBox::Red, true},
      {StatementBox::Ticked, StatementBox::Empty, true},
      {StatementBox::Empty, StatementBox::Ticked, true},
  };
  for (int i = 1; i <= 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(exercise.Row(i).TrueBox, expected[i - 1].trueBox);
    EXPECT_EQ(exercise.Row(i).FalseBox, expected[i - 1].falseBox);
    EXPECT_EQ(exercise.Row(i).Exclamation, expected[i - 1].exclamation);
  }
  EXPECT_EQ(exercise.GoodCount(), 2);
  EXPECT_EQ(exercise.BadCount(), 4);
  EXPECT_EQ(exercise.Percent(), 33);
  EXPECT_EQ(exercise.VerdictText(), 75);
  EXPECT_TRUE(exercise.VerdictRed());
  EXPECT_FALSE(exercise.OkVisible());
  // Frozen: ticks after the check change nothing.
  exercise.Tick(5, false);
  EXPECT_FALSE(exercise.Row(5).FalseTicked);
  EXPECT_FALSE(exercise.PointerOverBox(exercise.Row(1).TrueLeft, exercise.Row(1).BoxTop));
}

TEST(TrueFalseTest, VerdictAndPercent) {
  SeededRandom random(11);
  TrueFalse exercise;
  ASSERT_TRUE(exercise.Load(Statements(12, 5), 0, random));
  int right = 0;
  for (int i = 1; i <= 12; ++i) {
    const bool answer = right < 9 ? exercise.Row(i).IsTrue : !exercise.Row(i).IsTrue;
    exercise.Tick(i, answer);
    ++right;
  }
  exercise.Check();
  EXPECT_EQ(exercise.GoodCount(), 9);
  EXPECT_EQ(exercise.Percent(), 75);

  ASSERT_TRUE(exercise.Load(Statements(3, 2), 0, random));
  EXPECT_FALSE(exercise.ExerciseChecked());
  EXPECT_FALSE(exercise.ExerciseTouched());
  for (int i = 1; i <= 3; ++i) exercise.Tick(i, exercise.Row(i).IsTrue);
  exercise.Check();
  EXPECT_EQ(exercise.Percent(), 100);
  EXPECT_EQ(exercise.VerdictText(), 74);
  EXPECT_FALSE(exercise.VerdictRed());
}

}  // namespace
}  // namespace tess
