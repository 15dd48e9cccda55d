#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercises/Ordering.h"

namespace tess {
namespace {

using Strings = std::vector<std::string>;

// Every byte is 6 pixels wide, so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool, bool) const override {
    return 6 * static_cast<int>(text.size());
  }
};

constexpr int kLabelHeight = 15;
// Widths 12, 18, 12, 24 and 6: the column is 24 + 31 = 55 wide, centred at (720 - 55) div 2.
const std::string kFive = "Aa*1#Bbb*2#Cc*3#Dddd*4#E*5#";
constexpr int kLeft = 332;
constexpr int kTop = 240;
constexpr int kWidth = 55;

std::string Items(int count) {
  std::string content;
  for (int i = 1; i <= count; ++i)
    content += "item " + std::to_string(i) + "*" + std::to_string(i) + "#";
  return content;
}

// Loads in written order (every swap exchanges items 1 and 2, an even number of times) and
// places the column where the layout line leaves it.
Ordering Unshuffled(const std::string& content, int left = -1, int top = -1) {
  ScriptedRandom random;
  for (int swap = 0; swap < 4 * Ordering::kMaxItems; ++swap) {
    random.answers.insert(random.answers.end(), {1, 2});
  }
  Ordering exercise;
  EXPECT_TRUE(exercise.Load(content, random)) << exercise.LoadError();
  exercise.Place(FixedWidthMeasurer(), kLabelHeight, left, top);
  return exercise;
}

Strings Column(const Ordering& exercise) {
  Strings texts;
  for (int row = 1; row <= exercise.ItemCount(); ++row) {
    texts.push_back(exercise.Text(exercise.ItemInRow(row)));
  }
  return texts;
}

// A point in the middle of a row, horizontally inside the column.
Point InRow(const Ordering& exercise, int row) {
  return {exercise.ColumnLeft() + 20, exercise.ColumnTop() + Ordering::kRowHeight * row - 12};
}

TEST(OrderingTest, ParsesItemsWithTheirRows) {
  const OrderingContent parsed = ParseOrderingContent("  First one. *2#Second*1#\r\n");
  ASSERT_EQ(parsed.Error, "");
  ASSERT_EQ(parsed.Items.size(), 2u);
  EXPECT_EQ(parsed.Items[0].Text, "First one.");
  EXPECT_EQ(parsed.Items[0].TargetRow, 2);
  EXPECT_EQ(parsed.Items[1].Text, "Second");
  EXPECT_EQ(parsed.Items[1].TargetRow, 1);
  EXPECT_EQ(ParseOrderingContent(Items(14)).Items.size(), 14u);
  EXPECT_EQ(ParseOrderingContent("Alone*1#").Items.size(), 1u);
}

TEST(OrderingTest, RejectsContentOutsideTheModelWholeWithAMessage) {
  struct Case {
    const char* name;
    std::string content;
    std::string messagePart;  // cp1250
  };
  const Case cases[] = {
      {"Empty", "",
       "\xBF"
       "adnego elementu"},
      {"Blank", " \r\n",
       "\xBF"
       "adnego elementu"},
      {"NoFinalHash", "a*1#b*2", "znakiem #"},
      {"Fifteen", Items(15),
       "wi\xEA"
       "cej ni\xBF 14"},
      {"NoStar", "a*1#b 2#", "element 2: brak znaku *"},
      {"NoText", "a*2# *1#", "element 2: brak tekstu"},
      {"NotANumber", "a*1#b*two#", "\"two\" nie jest liczb\xB9"},
      {"EmptyNumber", "a*#b*1#", "\"\" nie jest liczb\xB9"},
      {"RowZero", "a*0#b*1#", "element 1: numer wiersza 0"},
      {"RowBeyondN", "a*1#b*3#", "od 1 do 2"},
      {"SameRowTwice", "a*1#b*2#c*2#", "elementy 2 i 3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderingContent parsed = ParseOrderingContent(c.content);
    EXPECT_NE(parsed.Error.find(c.messagePart), std::string::npos) << parsed.Error;
    EXPECT_TRUE(parsed.Items.empty());
    SeededRandom random(1);
    Ordering exercise;
    EXPECT_FALSE(exercise.Load(c.content, random));
    EXPECT_EQ(exercise.ItemCount(), 0);
    EXPECT_EQ(exercise.Drop(1, {0, 0}), DropOutcome{});
  }
}

TEST(OrderingTest, ShuffleMakesTwoSwapsPerItemAndTheRowFollowsTheText) {
  // (1,1) is drawn again; then swaps (1,3), (2,3), (1,2), (1,2), (3,1), (2,3).
  ScriptedRandom random({1, 1, 1, 3, 2, 3, 1, 2, 1, 2, 3, 1, 2, 3});
  Ordering exercise;
  ASSERT_TRUE(exercise.Load("a*1#b*2#c*3#", random));
  EXPECT_EQ((Strings{exercise.Text(1), exercise.Text(2), exercise.Text(3)}),
            (Strings{"b", "c", "a"}));
  EXPECT_EQ(exercise.TargetRow(1), 2);
  EXPECT_EQ(exercise.TargetRow(3), 1);
  ASSERT_EQ(random.asked.size(), 14u);
  for (const auto& range : random.asked) EXPECT_EQ(range, std::make_pair(1, 3));
  // A single item is never shuffled (two different numbers cannot be drawn).
  ScriptedRandom none;
  ASSERT_TRUE(exercise.Load("a*1#", none));
  EXPECT_TRUE(none.asked.empty());
}

TEST(OrderingTest, PlacesTheColumnAndEachItemInItsRow) {
  const Ordering centred = Unshuffled(kFive);
  EXPECT_EQ(centred.ColumnWidth(), kWidth);
  EXPECT_EQ(centred.ColumnLeft(), kLeft);
  EXPECT_EQ(centred.ColumnTop(), kTop);
  // Item k in row k, centred: "Aa" is 12 wide, (55 - 12) div 2 = 21; tops 25 apart.
  EXPECT_EQ(centred.Board().Home(1), (Point{kLeft + 21, kTop + 5}));
  EXPECT_EQ(centred.Board().Home(4), (Point{kLeft + 15, kTop + 80}));
  EXPECT_EQ(centred.Board().RestingAt(5), (Point{kLeft + 24, kTop + 105}));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(centred.CurrentRow(k), k);
  EXPECT_EQ(centred.ColumnArea(), (DropArea{kLeft + 2, kTop + 2, kLeft + 53, kTop + 123}));

  const Ordering given = Unshuffled(kFive, 40, 300);
  EXPECT_EQ(given.ColumnLeft(), 40);
  EXPECT_EQ(given.ColumnTop(), 300);
  EXPECT_EQ(given.Board().Home(2), (Point{40 + 18, 300 + 30}));

  // The outline with its far edges left out, and a line between every two rows.
  const std::vector<ColumnLine> lines = Unshuffled("a*1#b*2#c*3#", 10, 100).ColumnLines();
  const int right = 10 + 6 + 31 - 1;
  const std::vector<ColumnLine> expected = {
      {10, 100, right, 100}, {right, 100, right, 175}, {right, 175, 10, 175},
      {10, 175, 10, 100},    {10, 125, right, 125},    {10, 150, right, 150},
  };
  EXPECT_EQ(lines, expected);
}

TEST(OrderingTest, DropsShiftTheRowsInBetweenByOne) {
  struct Case {
    const char* name;
    int fromRow;
    int toRow;
    Strings column;
  };
  const Case cases[] = {
      {"DownFromTheTop", 1, 4, {"Bbb", "Cc", "Dddd", "Aa", "E"}},
      {"UpFromTheBottom", 5, 2, {"Aa", "E", "Bbb", "Cc", "Dddd"}},
      {"ToTheNextRow", 3, 4, {"Aa", "Bbb", "Dddd", "Cc", "E"}},
      {"ToTheTop", 4, 1, {"Dddd", "Aa", "Bbb", "Cc", "E"}},
      {"OntoItsOwnRow", 3, 3, {"Aa", "Bbb", "Cc", "Dddd", "E"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Ordering exercise = Unshuffled(kFive);
    const int item = exercise.ItemInRow(c.fromRow);
    ASSERT_TRUE(exercise.Board().Lift(item));
    exercise.Board().Release();
    EXPECT_EQ(exercise.Drop(item, InRow(exercise, c.toRow)), (DropOutcome{true, 1, c.toRow}));
    EXPECT_EQ(Column(exercise), c.column);
    // Every label, moved or not, rests in the slot of its row, which is also its home.
    for (int k = 1; k <= exercise.ItemCount(); ++k) {
      const Point slot = exercise.Slot(k, exercise.CurrentRow(k));
      EXPECT_EQ(exercise.Board().RestingAt(k), slot);
      EXPECT_EQ(exercise.Board().Home(k), slot);
      EXPECT_EQ(exercise.ItemInRow(exercise.CurrentRow(k)), k);
    }
    EXPECT_TRUE(exercise.ExerciseTouched());
  }
}

TEST(OrderingTest, OnlyPointsStrictlyInsideTheOuterLineCount) {
  // Row 4's item is dropped at each point: inside it takes that row, outside it goes home.
  struct Case {
    int x;
    int y;    // from the column's top
    int row;  // 0: outside
  };
  const int right = kLeft + kWidth;
  const Case cases[] = {
      {kLeft, 50, 0},       {kLeft + 1, 50, 0},   {kLeft + 2, 50, 3},   {right - 2, 50, 3},
      {right - 1, 50, 0},   {right, 50, 0},       {kLeft + 20, 0, 0},   {kLeft + 20, 1, 0},
      {kLeft + 20, 2, 1},   {kLeft + 20, 24, 1},  {kLeft + 20, 25, 2},  {kLeft + 20, 123, 5},
      {kLeft + 20, 124, 0}, {kLeft + 20, 125, 0}, {kLeft + 20, -40, 0}, {900, 50, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    Ordering exercise = Unshuffled(kFive);
    exercise.Board().RestAt(4, {10, 10});  // wherever the drag left it
    const DropOutcome outcome = exercise.Drop(4, {c.x, kTop + c.y});
    EXPECT_EQ(outcome.Placed, c.row != 0);
    EXPECT_EQ(exercise.CurrentRow(4), c.row != 0 ? c.row : 4);
    EXPECT_EQ(exercise.Board().RestingAt(4), exercise.Slot(4, exercise.CurrentRow(4)));
  }
}

TEST(OrderingTest, CheckCountsMarksShowsTheSolutionAndFreezes) {
  Ordering exercise = Unshuffled(kFive);
  EXPECT_FALSE(exercise.ExerciseTouched());
  // Row 2 to row 4: A C D B E, so A and E stand in their rows.
  exercise.Drop(2, InRow(exercise, 4));
  exercise.Check();
  EXPECT_TRUE(exercise.ExerciseTouched());
  EXPECT_TRUE(exercise.ExerciseChecked());
  EXPECT_EQ(exercise.GoodCount(), 2);
  EXPECT_EQ(exercise.BadCount(), 3);
  EXPECT_EQ(exercise.Percent(), 40);
  EXPECT_EQ(exercise.VerdictText(), 73);
  // A mark beside each wrong row, level with the label standing there, hinted by its text.
  struct Mark {
    int row;
    int top;
    std::string hint;
  };
  const Mark expected[] = {{4, kTop + 80, "Bbb"}, {2, kTop + 30, "Cc"}, {3, kTop + 55, "Dddd"}};
  ASSERT_EQ(exercise.Marks().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(exercise.Marks()[i].Row, expected[i].row);
    EXPECT_EQ(exercise.Marks()[i].At, (Point{kLeft - 18, expected[i].top}));
    EXPECT_EQ(exercise.Marks()[i].Hint, expected[i].hint);
  }
  // Every label now shows the solution; the learner's rows are kept.
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(exercise.Board().RestingAt(k), exercise.Slot(k, exercise.TargetRow(k)));
  }
  EXPECT_EQ(exercise.CurrentRow(2), 4);
  // Frozen: no lift, no drop, a second check changes nothing.
  EXPECT_FALSE(exercise.Board().Lift(1));
  EXPECT_EQ(exercise.Drop(1, InRow(exercise, 5)), DropOutcome{});
  EXPECT_EQ(exercise.CurrentRow(1), 1);
  exercise.Check();
  EXPECT_EQ(exercise.Marks().size(), 3u);
  EXPECT_EQ(exercise.GoodCount(), 2);

  Ordering right = Unshuffled(kFive);
  right.Check();
  EXPECT_EQ(right.Percent(), 100);
  EXPECT_EQ(right.VerdictText(), 72);
  EXPECT_TRUE(right.Marks().empty());
  // A new load starts untouched and unchecked.
  SeededRandom random(5);
  ASSERT_TRUE(right.Load(kFive, random));
  EXPECT_FALSE(right.ExerciseTouched());
  EXPECT_FALSE(right.ExerciseChecked());
  EXPECT_TRUE(right.Marks().empty());
  EXPECT_TRUE(right.Board().Lift(1));
}

}  // namespace
}  // namespace tess
