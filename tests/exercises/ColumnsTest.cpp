#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercises/Columns.h"

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

constexpr int kLabelHeight = 15;
// Two columns of three rows and five words. The widest texts are 24 pixels, so columns are
// 42 wide; the table is centred at (670 - 84) div 2.
const std::string kHotCold = "2#3#Hot#Cold#sun*1#ice*2#fire*1#snow*2#tea*1#";
enum Word { kSun = 1, kIce, kFire, kSnow, kTea };
constexpr int kLeft = 293;
constexpr int kTop = 240;
constexpr int kWidth = 42;
constexpr int kBottom = kTop + 80;

std::string Words(int count, int columns = 8) {
  std::string content = std::to_string(columns) + "#5#";
  for (int i = 1; i <= columns; ++i) content += "H" + std::to_string(i) + "#";
  for (int i = 1; i <= count; ++i) {
    content += "w" + std::to_string(i) + "*" + std::to_string(1 + (i - 1) % columns) + "#";
  }
  return content;
}

// Loads in written order (every swap exchanges words 1 and 2, an even number of times) and
// places the table where the layout line leaves it.
Columns Unshuffled(const std::string& content, int left = -1, int top = -1, int poolTop = -1) {
  ScriptedRandom random;
  for (int swap = 0; swap < 4 * Columns::kMaxWords; ++swap) {
    random.answers.insert(random.answers.end(), {1, 2});
  }
  Columns exercise;
  EXPECT_TRUE(exercise.Load(content, random)) << exercise.LoadError();
  exercise.Place(FixedWidthMeasurer(), kLabelHeight, left, top, poolTop);
  return exercise;
}

// A point in the body of a column, below its heading row.
Point InColumn(const Columns& exercise, int column) {
  return {exercise.ColumnArea(column).Left + exercise.ColumnWidth() / 2, exercise.TableTop() + 50};
}

// Lifts word k as the window does, then lets it go at `point`.
DropOutcome DragTo(Columns& exercise, int k, Point point) {
  exercise.Board().Lift(k);
  exercise.Board().Release();
  return exercise.Drop(k, point);
}

TEST(ColumnsTest, ParsesTheTableAndItsWords) {
  const ColumnsContent parsed =
      ParseColumnsContent("3#4# Friday #Saturday#Sunday# drove to Wales *1#swam*3#\r\n");
  ASSERT_EQ(parsed.Error, "");
  EXPECT_EQ(parsed.Columns, 3);
  EXPECT_EQ(parsed.Rows, 4);
  // Headings are drawn as written; words are trimmed.
  EXPECT_EQ(parsed.Headings, (Strings{" Friday ", "Saturday", "Sunday"}));
  ASSERT_EQ(parsed.Items.size(), 2u);
  EXPECT_EQ(parsed.Items[0].Word, "drove to Wales");
  EXPECT_EQ(parsed.Items[0].Column, 1);
  EXPECT_EQ(parsed.Items[1].Word, "swam");
  EXPECT_EQ(parsed.Items[1].Column, 3);
  // The limits themselves are accepted; a table without words is only empty.
  EXPECT_EQ(ParseColumnsContent(Words(40)).Items.size(), 40u);
  EXPECT_EQ(ParseColumnsContent("1#20#H#a*1#").Rows, 20);
  const ColumnsContent bare = ParseColumnsContent("1#1#Only#");
  EXPECT_EQ(bare.Error, "");
  EXPECT_EQ(bare.Headings, (Strings{"Only"}));
  EXPECT_TRUE(bare.Items.empty());
}

TEST(ColumnsTest, RejectsContentOutsideTheModelWholeWithAMessage) {
  struct Case {
    const char* name;
    std::string content;
    std::string messagePart;  // cp1250
  };
  const std::string table = "2#3#Hot#Cold#";
  const Case cases[] = {
      {"Empty", "", "brak liczby kolumn"},
      {"ColumnsNotANumber", "two#3#", "liczba kolumn \"two\" nie jest liczb\xB9"},
      {"NoColumns", "0#3#", "liczba kolumn 0 nie mie"},
      {"NineColumns", "9#3#",
       "liczba kolumn 9 nie mie\x9C"
       "ci si\xEA w zakresie od 1 do 8"},
      {"RowsMissing", "2#", "brak liczby wierszy"},
      {"RowsNotANumber", "2##", "liczba wierszy \"\" nie jest"},
      {"NoRows", "2#0#Hot#Cold#", "liczba wierszy 0"},
      {"TwentyOneRows", "2#21#Hot#Cold#", "od 1 do 20"},
      {"HeadingMissing", "2#3#Hot#", "brak nag\xB3\xF3wka kolumny 2"},
      {"HeadingWithoutHash", "2#3#Hot#Cold",
       "nie ko\xF1"
       "czy si\xEA znakiem #"},
      {"FortyOneWords", Words(41),
       "wi\xEA"
       "cej ni\xBF 40 wyraz\xF3w"},
      {"NoStar", table + "sun*1#ice 2#", "wyraz 2: brak znaku *"},
      {"EmptyWord", table + "sun*1#  *2#", "wyraz 2: brak wyrazu"},
      {"NoDigit", table + "sun*#", "wyraz 1: numer kolumny \"\" nie jest jedn\xB9 cyfr\xB9"},
      {"TwoDigits", table + "sun*12#", "numer kolumny \"12\""},
      {"NotADigit", table + "sun*x#", "numer kolumny \"x\""},
      {"ColumnZero", table + "sun*0#", "wyraz 1: numer kolumny 0 nie mie"},
      {"ColumnAboveC", table + "sun*1#ice*3#",
       "wyraz 2: numer kolumny 3 nie mie\x9C"
       "ci si\xEA w zakresie od 1 do 2"},
      {"NoFinalHash", table + "sun*1#ice*2", "znakiem #"},
      {"MoreWordsThanRows", "2#1#Hot#Cold#sun*1#tea*1#",
       "w kolumnie 1 jest wi\xEA"
       "cej wyraz\xF3w (2) ni\xBF wierszy (1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ColumnsContent parsed = ParseColumnsContent(c.content);
    EXPECT_NE(parsed.Error.find(c.messagePart), std::string::npos) << parsed.Error;
    // Every message names the exercise.
    EXPECT_NE(parsed.Error.find(" z kolumnami"), std::string::npos) << parsed.Error;
    EXPECT_TRUE(parsed.Items.empty());
    EXPECT_TRUE(parsed.Headings.empty());
    SeededRandom random(1);
    Columns exercise;
    EXPECT_FALSE(exercise.Load(c.content, random));
    EXPECT_EQ(exercise.LoadError(), parsed.Error);
    exercise.Place(FixedWidthMeasurer(), kLabelHeight, -1, -1, -1);
    EXPECT_EQ(exercise.WordCount(), 0);
    EXPECT_EQ(exercise.ColumnCount(), 0);
    EXPECT_TRUE(exercise.Frames().empty());
    EXPECT_EQ(exercise.Drop(1, {300, 300}), DropOutcome{});
  }
}

TEST(ColumnsTest, ShuffleMakesTwoSwapsPerWordAndTheColumnFollowsTheWord) {
  // (2,2) is drawn again; then swaps (1,3), (2,3), (1,2), (1,2), (3,1), (2,3).
  ScriptedRandom random({2, 2, 1, 3, 2, 3, 1, 2, 1, 2, 3, 1, 2, 3});
  Columns exercise;
  ASSERT_TRUE(exercise.Load("3#1#A#B#C#a*1#b*2#c*3#", random));
  EXPECT_EQ((Strings{exercise.Word(1), exercise.Word(2), exercise.Word(3)}),
            (Strings{"b", "c", "a"}));
  EXPECT_EQ(exercise.Column(1), 2);
  EXPECT_EQ(exercise.Column(3), 1);
  ASSERT_EQ(random.asked.size(), 14u);
  for (const auto& range : random.asked) EXPECT_EQ(range, std::make_pair(1, 3));
  // A single word is never shuffled (two different numbers cannot be drawn).
  ScriptedRandom none;
  ASSERT_TRUE(exercise.Load("1#1#A#a*1#", none));
  EXPECT_TRUE(none.asked.empty());
}

TEST(ColumnsTest, PlacesTheTableAndLaysThePoolOut) {
  const Columns centred = Unshuffled(kHotCold);
  EXPECT_EQ(centred.ColumnWidth(), kWidth);
  EXPECT_EQ(centred.TableLeft(), kLeft);
  EXPECT_EQ(centred.TableTop(), kTop);
  EXPECT_EQ(centred.TableRight(), kLeft + 2 * kWidth);
  EXPECT_EQ(centred.TableBottom(), kBottom);
  // Areas reach three pixels left of the column and take in the heading row; neighbours
  // share a pixel.
  EXPECT_EQ(centred.ColumnArea(1), (DropArea{kLeft - 3, kTop, kLeft + 39, kBottom}));
  EXPECT_EQ(centred.ColumnArea(2), (DropArea{kLeft + 39, kTop, kLeft + 81, kBottom}));
  // The pool from (30, 140): each word 20 pixels after the last.
  const Point homes[] = {{30, 140}, {68, 140}, {106, 140}, {150, 140}, {194, 140}};
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(centred.Board().Home(k), homes[k - 1]) << k;
    EXPECT_EQ(centred.Board().RestingAt(k), homes[k - 1]) << k;
    EXPECT_EQ(centred.PlacedColumn(k), 0);
  }
  // Bold headings centred in their columns: "Hot" is 21 wide, "Cold" 28.
  const std::vector<TableHeading> headings = centred.Headings();
  ASSERT_EQ(headings.size(), 2u);
  EXPECT_EQ(headings[0].Text, "Hot");
  EXPECT_EQ(headings[0].At, (Point{kLeft + 10, kTop + 3}));
  EXPECT_EQ(headings[1].At, (Point{kLeft + kWidth + 7, kTop + 3}));

  // The thick frame and heading cells, then the 1-pixel cells; every cell after the first of
  // its row or column starts a pixel earlier, so neighbours share their line.
  const std::vector<TableFrame> frames = centred.Frames();
  ASSERT_EQ(frames.size(), 1u + 2u + 6u);
  EXPECT_EQ(frames[0], (TableFrame{kLeft, kTop, kLeft + 84, kBottom, 3}));
  EXPECT_EQ(frames[1], (TableFrame{kLeft, kTop, kLeft + 42, kTop + 20, 3}));
  EXPECT_EQ(frames[2], (TableFrame{kLeft + 41, kTop, kLeft + 84, kTop + 20, 3}));
  EXPECT_EQ(frames[3], (TableFrame{kLeft, kTop + 19, kLeft + 42, kTop + 40, 1}));
  EXPECT_EQ(frames[8], (TableFrame{kLeft + 41, kTop + 59, kLeft + 84, kBottom, 1}));

  // Given places; a heading wider than every word sets the width.
  const Columns given = Unshuffled("1#2#A long heading#a*1#", 40, 300, 160);
  EXPECT_EQ(given.ColumnWidth(), 6 * 14 + 18);
  EXPECT_EQ(given.TableLeft(), 40);
  EXPECT_EQ(given.TableTop(), 300);
  EXPECT_EQ(given.Board().Home(1), (Point{30, 160}));
  // A table wider than the centring width stands left of 0.
  EXPECT_LT(Unshuffled(Words(8) + std::string(120, 'x') + "*1#").TableLeft(), 0);

  // A word that would pass 600 pixels starts a new pool line one label lower.
  const std::string wide(34, 'w');  // 204 pixels
  const Columns wrapped = Unshuffled("1#3#H#" + wide + "*1#" + wide + "*1#" + wide + "*1#");
  EXPECT_EQ(wrapped.Board().Home(2), (Point{30 + 224, 140}));
  EXPECT_EQ(wrapped.Board().Home(3), (Point{30, 140 + kLabelHeight}));
}

TEST(ColumnsTest, DropsFillTheFirstFreeRowOfTheColumnHit) {
  Columns exercise = Unshuffled(kHotCold);
  // On the body of a column: row 1, centred and nine pixels right, vertically centred.
  EXPECT_EQ(DragTo(exercise, kSun, InColumn(exercise, 1)), (DropOutcome{true, 1, 1}));
  EXPECT_EQ(exercise.PlacedColumn(kSun), 1);
  EXPECT_EQ(exercise.Board().RestingAt(kSun), (Point{kLeft - 3 + 12 + 9, kTop + 20 + 2}));
  EXPECT_EQ(exercise.Slot(kSun, {1, 1}), exercise.Board().RestingAt(kSun));
  // On the heading row: the first free row all the same.
  EXPECT_EQ(DragTo(exercise, kFire, {kLeft + 20, kTop + 5}), (DropOutcome{true, 1, 2}));
  EXPECT_EQ(exercise.Board().RestingAt(kFire), (Point{kLeft - 3 + 9 + 9, kTop + 40 + 2}));
  EXPECT_EQ(exercise.Table().LabelAt({1, 2}), kFire);
  EXPECT_EQ(DragTo(exercise, kTea, InColumn(exercise, 1)), (DropOutcome{true, 1, 3}));
  // Into the full column: back home, in no cell.
  EXPECT_EQ(DragTo(exercise, kIce, InColumn(exercise, 1)), DropOutcome{});
  EXPECT_EQ(exercise.Board().RestingAt(kIce), exercise.Board().Home(kIce));
  EXPECT_EQ(exercise.PlacedColumn(kIce), 0);
  EXPECT_EQ(exercise.Table().CellOf(kIce), Cell{});
  // A word leaves its cell first: dropped again on its full column it finds its own row, and
  // moved elsewhere it frees the row for the next one.
  EXPECT_EQ(DragTo(exercise, kSun, InColumn(exercise, 1)), (DropOutcome{true, 1, 1}));
  EXPECT_EQ(DragTo(exercise, kSun, InColumn(exercise, 2)), (DropOutcome{true, 2, 1}));
  EXPECT_EQ(exercise.Table().LabelAt({1, 1}), 0);
  EXPECT_EQ(DragTo(exercise, kIce, InColumn(exercise, 1)), (DropOutcome{true, 1, 1}));
  // Let go off the table, a placed word goes home and out of its cell.
  EXPECT_EQ(DragTo(exercise, kFire, {100, 500}), DropOutcome{});
  EXPECT_EQ(exercise.Board().RestingAt(kFire), exercise.Board().Home(kFire));
  EXPECT_EQ(exercise.PlacedColumn(kFire), 0);
  EXPECT_EQ(exercise.Table().LabelAt({1, 2}), 0);
  EXPECT_TRUE(exercise.ExerciseTouched());
}

TEST(ColumnsTest, ColumnAreasHoldTheirEdges) {
  struct Case {
    int x;
    int y;
    int column;  // 0: off the table
  };
  const int shared = kLeft + 39;  // the last pixel of column 1's area and the first of column 2's
  const Case cases[] = {
      {kLeft - 3, kTop + 30, 1},    {kLeft - 4, kTop + 30, 0},  {shared, kTop + 30, 1},
      {shared + 1, kTop + 30, 2},   {kLeft + 81, kTop + 30, 2}, {kLeft + 82, kTop + 30, 0},
      {kLeft + 20, kTop, 1},        {kLeft + 20, kTop - 1, 0},  {kLeft + 20, kBottom, 1},
      {kLeft + 20, kBottom + 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    Columns exercise = Unshuffled(kHotCold);
    const DropOutcome outcome = DragTo(exercise, kSun, {c.x, c.y});
    EXPECT_EQ(outcome.Placed, c.column != 0);
    EXPECT_EQ(exercise.PlacedColumn(kSun), c.column);
  }
}

TEST(ColumnsTest, CheckSendsWrongWordsHomeAndShowsEveryWordInItsColumn) {
  Columns exercise = Unshuffled(kHotCold);
  EXPECT_FALSE(exercise.ExerciseTouched());
  // Sun, ice and tea right; fire in the wrong column; snow left in the pool.
  DragTo(exercise, kSun, InColumn(exercise, 1));
  DragTo(exercise, kIce, InColumn(exercise, 2));
  DragTo(exercise, kTea, InColumn(exercise, 1));
  DragTo(exercise, kFire, InColumn(exercise, 2));
  EXPECT_EQ(exercise.HintAt({kLeft + 41, kTop + 45}), "");
  exercise.Check();
  EXPECT_TRUE(exercise.ExerciseTouched());
  EXPECT_TRUE(exercise.ExerciseChecked());
  EXPECT_EQ(exercise.GoodCount(), 3);
  EXPECT_EQ(exercise.BadCount(), 2);
  EXPECT_EQ(exercise.Percent(), 60);
  EXPECT_EQ(exercise.VerdictText(), 69);

  // Fire left column 2 and its hint there, then went to column 1's first free row, empty at
  // the check: "-". Snow took the row fire had left, so that cell keeps fire's hint.
  EXPECT_EQ(exercise.CellAtCheck({2, 2}), kFire);
  EXPECT_EQ(exercise.Table().LabelAt({1, 3}), kFire);
  EXPECT_EQ(exercise.Table().LabelAt({2, 2}), kSnow);
  EXPECT_EQ(exercise.Board().RestingAt(kFire), exercise.Slot(kFire, {1, 3}));
  EXPECT_EQ(exercise.Board().RestingAt(kSnow), exercise.Slot(kSnow, {2, 2}));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(exercise.PlacedColumn(k), exercise.Column(k)) << k;
  const std::vector<ColumnsMark> marks = exercise.Marks();
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].Where, (Cell{1, 3}));
  EXPECT_EQ(marks[0].At, (Point{kLeft - 3, kTop + 60}));
  EXPECT_EQ(marks[0].Hint, "-");
  EXPECT_EQ(marks[1].Where, (Cell{2, 2}));
  EXPECT_EQ(marks[1].At, (Point{kLeft + 39, kTop + 40}));
  EXPECT_EQ(marks[1].Hint, "fire");

  // Pointing: an 18 x 18 box a pixel above each mark.
  struct Hint {
    Point at;
    std::string hint;
  };
  const Hint hints[] = {
      {{kLeft + 39, kTop + 39}, "fire"}, {{kLeft + 56, kTop + 56}, "fire"},
      {{kLeft + 57, kTop + 45}, ""},     {{kLeft + 45, kTop + 38}, ""},
      {{kLeft + 45, kTop + 57}, ""},     {{kLeft - 3, kTop + 59}, "-"},
      {{kLeft + 20, kTop + 25}, ""},
  };
  for (const Hint& h : hints) {
    SCOPED_TRACE(testing::Message() << h.at.X << "," << h.at.Y);
    EXPECT_EQ(exercise.HintAt(h.at), h.hint);
  }

  // Frozen: no lift, no drop, a second check changes nothing.
  EXPECT_FALSE(exercise.Board().Lift(kSun));
  EXPECT_EQ(exercise.Drop(kSun, InColumn(exercise, 2)), DropOutcome{});
  EXPECT_EQ(exercise.PlacedColumn(kSun), 1);
  exercise.Check();
  EXPECT_EQ(exercise.GoodCount(), 3);
  EXPECT_EQ(exercise.Marks().size(), 2u);

  // A new load starts untouched, unchecked, with every cell and hint cleared.
  SeededRandom random(5);
  ASSERT_TRUE(exercise.Load(kHotCold, random));
  EXPECT_FALSE(exercise.ExerciseTouched());
  EXPECT_FALSE(exercise.ExerciseChecked());
  EXPECT_TRUE(exercise.Marks().empty());
  EXPECT_EQ(exercise.Table().LabelAt({1, 1}), 0);
  EXPECT_EQ(exercise.CellHint({2, 2}), "");
  EXPECT_TRUE(exercise.Board().Lift(1));
}

TEST(ColumnsTest, CheckCountsOnlyWordsRightAfterADrag) {
  // All right: the verdict of success, no marks, every word stays where it was put.
  Columns right = Unshuffled(kHotCold);
  for (int k = 1; k <= 5; ++k) DragTo(right, k, InColumn(right, right.Column(k)));
  const Point sun = right.Board().RestingAt(kSun);
  right.Check();
  EXPECT_EQ(right.Percent(), 100);
  EXPECT_EQ(right.VerdictText(), 68);
  EXPECT_TRUE(right.Marks().empty());
  EXPECT_EQ(right.Board().RestingAt(kSun), sun);

  // Nothing dragged: every word is bad and is moved in with a "-" in its new cell.
  Columns untouched = Unshuffled(kHotCold);
  untouched.Check();
  EXPECT_EQ(untouched.GoodCount(), 0);
  EXPECT_EQ(untouched.Percent(), 0);
  EXPECT_EQ(untouched.Marks().size(), 5u);
  for (const ColumnsMark& mark : untouched.Marks()) EXPECT_EQ(mark.Hint, "-");

  // Words put into their columns without a lift do not count.
  Columns placed = Unshuffled(kHotCold);
  for (int k = 1; k <= 5; ++k) placed.Drop(k, InColumn(placed, placed.Column(k)));
  placed.Check();
  EXPECT_EQ(placed.GoodCount(), 0);
  EXPECT_EQ(placed.VerdictText(), 69);
  EXPECT_TRUE(placed.Marks().empty());
}

}  // namespace
}  // namespace tess
