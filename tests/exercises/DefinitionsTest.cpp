#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exercises/Definitions.h"

namespace tess {
namespace {

using Strings = std::vector<std::string>;

// Every byte is 5 pixels wide (bold too), so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  int Width(std::string_view text, bool, bool) const override {
    return kByte * static_cast<int>(text.size());
  }
  static constexpr int kByte = 5;
};

constexpr int kLabelHeight = 15;

std::string Letters(int bytes, char letter) {
  return std::string(static_cast<size_t>(bytes), letter);
}

// Words 10, 20, 10 and 15 pixels wide, so WordWidth is 20 and the definitions' frame is
// 575 - 20 = 555 wide, left at 20 + 45. The second definition takes three lines: its second
// word does not fit after the first, its third fits exactly without its blank, and the last
// one does not fit after that blank.
const std::string kThreeLines =
    Letters(60, 'p') + " " + Letters(60, 'q') + " " + Letters(50, 'r') + " e";
const std::string kFour = "Aa*one line#Bbbb*" + kThreeLines + "#Cc*three#Ddd*four#";
constexpr int kFrameTop = 180 + 80;

std::string Pairs(int count) {
  std::string content;
  for (int i = 1; i <= count; ++i)
    content += "w" + std::to_string(i) + "*def " + std::to_string(i) + "#";
  return content;
}

// Loads with labels in written order (swaps of labels 1 and 2, so an even number of pairs
// or a single one) and places the pool at `top`.
Definitions Unshuffled(const std::string& content, int top = -1) {
  ScriptedRandom random({1, 2, 1, 2, 1, 2, 1, 2});
  Definitions exercise;
  EXPECT_TRUE(exercise.Load(content, random)) << exercise.LoadError();
  const FixedWidthMeasurer measurer;
  EXPECT_TRUE(exercise.Place(measurer, kLabelHeight, measurer, top)) << exercise.LoadError();
  return exercise;
}

Point Centre(const DefinitionBox& box) {
  return {box.Left + box.Width / 2, box.Top + box.Height / 2};
}

// Lifts label k and lets it go at `at`, as the window does.
DropOutcome DragTo(Definitions& exercise, int label, Point at) {
  exercise.Board().Lift(label);
  exercise.Board().Release();
  return exercise.Drop(label, at);
}

TEST(DefinitionsTest, ParsesPairsAsWritten) {
  const DefinitionsContent parsed =
      ParseDefinitionsContent("  hut * a small house #stove*you burn wood * in it#\r\n ");
  ASSERT_EQ(parsed.Error, "");
  ASSERT_EQ(parsed.Pairs.size(), 2u);
  EXPECT_EQ(parsed.Pairs[0].Word, "hut");
  EXPECT_EQ(parsed.Pairs[0].Definition, "a small house");
  EXPECT_EQ(parsed.Pairs[1].Word, "stove");
  EXPECT_EQ(parsed.Pairs[1].Definition, "you burn wood * in it");  // only the first "*" cuts
  EXPECT_EQ(ParseDefinitionsContent(Pairs(12)).Pairs.size(), 12u);
  EXPECT_EQ(ParseDefinitionsContent("alone*by itself#").Pairs.size(), 1u);
}

TEST(DefinitionsTest, RejectsContentOutsideTheModelWholeWithAMessage) {
  // 108 bytes, 540 pixels: one word fills a pool row, so five words need five rows.
  const std::string wide = Letters(108, 'w');
  std::string fiveRows;
  for (int i = 1; i <= 5; ++i) fiveRows += wide + std::to_string(i) + "*def#";
  struct Case {
    const char* name;
    std::string content;
    std::string messagePart;  // cp1250
  };
  const Case cases[] = {
      {"Empty", "",
       "nie ma \xBF"
       "adnej pary"},
      {"Blank", " \r\n",
       "nie ma \xBF"
       "adnej pary"},
      {"NoFinalHash", "a*first#b*second", "znakiem #"},
      {"Thirteen", Pairs(13),
       "wi\xEA"
       "cej ni\xBF 12 par"},
      {"NoStar", "a*first#b second#", "para 2: brak znaku *"},
      {"NoWord", "a*first# *second#", "para 2: brak s\xB3owa"},
      {"NoDefinition", "a*first#b* \t#", "para 2: brak definicji"},
      {"PoolOfFiveRows", fiveRows, "w czterech wierszach"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SeededRandom random(1);
    Definitions exercise;
    const FixedWidthMeasurer measurer;
    const bool loaded = exercise.Load(c.content, random);
    const bool placed = exercise.Place(measurer, kLabelHeight, measurer, -1);
    EXPECT_FALSE(loaded && placed);
    EXPECT_NE(exercise.LoadError().find(c.messagePart), std::string::npos) << exercise.LoadError();
    EXPECT_NE(exercise.LoadError().find("wiczeni"), std::string::npos) << exercise.LoadError();
    EXPECT_NE(exercise.LoadError().find("z definicjami"), std::string::npos)
        << exercise.LoadError();
    EXPECT_EQ(exercise.PairCount(), 0);
    EXPECT_TRUE(exercise.DefinitionWords().empty());
    EXPECT_EQ(exercise.Drop(1, {20, kFrameTop + 5}), DropOutcome{});
  }
  // Four such rows still leave the definitions clear.
  const std::string fourRows = fiveRows.substr(0, fiveRows.rfind(wide));
  const Definitions four = Unshuffled(fourRows);
  EXPECT_EQ(four.PairCount(), 4);
  EXPECT_EQ(four.Board().Home(4), (Point{15, 180 + 60}));
}

TEST(DefinitionsTest, ShuffleMakesOneSwapPerPairAndTheRowFollowsTheWord) {
  // (1,1) is drawn again; then swaps (1,3), (2,3), (1,2).
  ScriptedRandom random({1, 1, 1, 3, 2, 3, 1, 2});
  Definitions exercise;
  ASSERT_TRUE(exercise.Load("a*first#b*second#c*third#", random));
  EXPECT_EQ((Strings{exercise.Word(1), exercise.Word(2), exercise.Word(3)}),
            (Strings{"a", "c", "b"}));
  EXPECT_EQ(exercise.PairOfLabel(2), 3);
  EXPECT_EQ(exercise.PairOfLabel(3), 2);
  EXPECT_EQ(exercise.Definition(2), "second");  // the rows keep the written order
  ASSERT_EQ(random.asked.size(), 8u);
  for (const auto& range : random.asked) EXPECT_EQ(range, std::make_pair(1, 3));
  // A single pair is never shuffled (two different labels cannot be drawn).
  ScriptedRandom none;
  ASSERT_TRUE(exercise.Load("a*first#", none));
  EXPECT_TRUE(none.asked.empty());
}

TEST(DefinitionsTest, PoolWrapsPastTheEdgeAndFollowsTheLayoutTop) {
  // 250 + 275 pixels: the second label ends exactly at 560 and stays; the third wraps.
  const std::string content = Letters(50, 'a') + "*1#" + Letters(55, 'b') + "*2#c*3#d*4#";
  const Definitions given = Unshuffled(content, 100);
  EXPECT_EQ(given.Board().Home(1), (Point{15, 100}));
  EXPECT_EQ(given.Board().Home(2), (Point{15 + 250 + 20, 100}));
  EXPECT_EQ(given.Board().Home(3), (Point{15, 120}));
  EXPECT_EQ(given.Board().Home(4), (Point{15 + 5 + 20, 120}));
  EXPECT_EQ(given.Board().RestingAt(3), given.Board().Home(3));
  EXPECT_EQ(given.WordWidth(), 275);
  EXPECT_EQ(given.Frame().Top, 180);
  EXPECT_EQ(given.Frame().Left, 275 + 45);
  EXPECT_EQ(given.Frame().Width, 575 - 275);
  EXPECT_EQ(Unshuffled(content).Board().Home(3), (Point{15, 200}));
}

TEST(DefinitionsTest, DefinitionsWrapAndSizeTheirBoxes) {
  const Definitions exercise = Unshuffled(kFour);
  EXPECT_EQ(exercise.WordWidth(), 20);
  EXPECT_EQ(exercise.Frame(), (DefinitionBox{65, kFrameTop, 555, 130}));
  // A three-line definition makes its box 51 pixels high; the next definition starts 7
  // pixels below its last line (lines 17 apart, definitions 24).
  const DefinitionBox expected[] = {
      {15, kFrameTop + 2, 26, 17},
      {15, kFrameTop + 26, 26, 51},
      {15, kFrameTop + 84, 26, 17},
      {15, kFrameTop + 108, 26, 17},
  };
  const int dashTops[] = {kFrameTop + 10, kFrameTop + 51, kFrameTop + 92, kFrameTop + 116};
  for (int row = 1; row <= 4; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(exercise.Box(row), expected[row - 1]);
    EXPECT_EQ(exercise.Dash(row), (Point{20 + 29, dashTops[row - 1]}));
  }
  const std::vector<TextRun> words = {
      {0, 2, "one ", {}},
      {20, 2, "line ", {}},
      {0, 26, Letters(60, 'p') + " ", {}},
      {0, 43, Letters(60, 'q') + " ", {}},
      {305, 43, Letters(50, 'r') + " ", {}},
      {0, 60, "e ", {}},
      {0, 84, "three ", {}},
      {0, 108, "four ", {}},
  };
  EXPECT_EQ(exercise.DefinitionWords(), words);
  const int lastLineBottom = 60 + 17;
  EXPECT_EQ(exercise.DefinitionWords()[6].Y - lastLineBottom, 7);

  // A word wider than the frame starts a line of its own, even as the first word.
  const Definitions wide = Unshuffled("a*" + Letters(120, 'x') + " y#");
  const std::vector<TextRun> wideWords = {{0, 19, Letters(120, 'x') + " ", {}}, {0, 36, "y ", {}}};
  EXPECT_EQ(wide.DefinitionWords(), wideWords);
  EXPECT_EQ(wide.Box(1).Height, 51);
}

TEST(DefinitionsTest, DropsTakeTheFirstBoxThatIsFreeOrHoldsTheWord) {
  struct Step {
    int label;
    Point at;
  };
  struct Case {
    const char* name;
    std::vector<Step> before;
    Step drop;
    DropOutcome outcome;
    std::vector<int> labelInBox;  // boxes 1..4 afterwards
  };
  const Point box1 = Centre(Unshuffled(kFour).Box(1));
  const Point box2 = Centre(Unshuffled(kFour).Box(2));
  const Point box3 = Centre(Unshuffled(kFour).Box(3));
  const Point pool{300, 190};
  const Case cases[] = {
      {"IntoAnEmptyBox", {}, {1, box2}, {true, 2, 0}, {0, 1, 0, 0}},
      {"TopLeftCornerCounts", {}, {1, {15, kFrameTop + 2}}, {true, 1, 0}, {1, 0, 0, 0}},
      {"BottomRightEdgeCounts", {}, {1, {41, kFrameTop + 19}}, {true, 1, 0}, {1, 0, 0, 0}},
      {"PastTheRightEdge", {}, {1, {42, kFrameTop + 10}}, {}, {0, 0, 0, 0}},
      {"BetweenTwoBoxes", {}, {1, {20, kFrameTop + 20}}, {}, {0, 0, 0, 0}},
      {"FullBoxSendsItHome", {{2, box1}}, {3, box1}, {}, {2, 0, 0, 0}},
      {"FullBoxFreesTheOldOne", {{2, box1}, {3, box3}}, {3, box1}, {}, {2, 0, 0, 0}},
      {"OntoItsOwnBox", {{2, box1}}, {2, box1}, {true, 1, 0}, {2, 0, 0, 0}},
      {"FromBoxToBox", {{2, box1}}, {2, box3}, {true, 3, 0}, {0, 0, 2, 0}},
      {"BackToThePool", {{2, box1}}, {2, pool}, {}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Definitions exercise = Unshuffled(kFour);
    for (const Step& step : c.before) DragTo(exercise, step.label, step.at);
    EXPECT_EQ(DragTo(exercise, c.drop.label, c.drop.at), c.outcome);
    std::vector<int> inBoxes;
    for (int box = 1; box <= 4; ++box) {
      inBoxes.push_back(exercise.LabelInBox(box));
      if (exercise.LabelInBox(box) != 0) {
        EXPECT_EQ(exercise.BoxOfLabel(exercise.LabelInBox(box)), box);
      }
    }
    EXPECT_EQ(inBoxes, c.labelInBox);
    // A word in a box lies centred in it; one in no box lies at home.
    for (int k = 1; k <= 4; ++k) {
      const int box = exercise.BoxOfLabel(k);
      const Point rest = exercise.Board().RestingAt(k);
      if (box == 0) {
        EXPECT_EQ(rest, exercise.Board().Home(k)) << k;
        continue;
      }
      const DefinitionBox& area = exercise.Box(box);
      EXPECT_EQ(rest, (Point{area.Left + (26 - exercise.LabelWidth(k)) / 2,
                             area.Top + (area.Height - kLabelHeight) / 2}))
          << k;
    }
    EXPECT_TRUE(exercise.ExerciseTouched());
  }
  // Label 2 ("Bbbb", 20 wide) in the 51-pixel box: (26 - 20) div 2, (51 - 15) div 2.
  Definitions exercise = Unshuffled(kFour);
  DragTo(exercise, 2, box2);
  EXPECT_EQ(exercise.Board().RestingAt(2), (Point{15 + 3, kFrameTop + 26 + 18}));
}

TEST(DefinitionsTest, CheckCountsMarksWrongBoxesAndShowsTheSolution) {
  struct Expected {
    int box;
    Point at;
    std::string hint;
  };
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> labelToBox;  // the learner's drops
    int good;
    int percent;
    int verdict;
    std::vector<Expected> marks;
  };
  const Case cases[] = {
      // Three of four right, the fourth word left in the pool: its box hints "-".
      {"ThreeOfFourRight",
       {{1, 1}, {2, 2}, {3, 3}},
       3,
       75,
       71,
       {{4, {15 + 26 - 6, kFrameTop + 108}, "-"}}},
      // Two words swapped: each box hints what lies in it; the tall box centres its mark.
      {"TwoSwapped",
       {{1, 2}, {2, 1}, {3, 3}, {4, 4}},
       2,
       50,
       71,
       {{1, {35, kFrameTop + 2}, "Bbbb"}, {2, {35, kFrameTop + 26 + 16}, "Aa"}}},
      {"NothingDropped",
       {},
       0,
       0,
       71,
       {{1, {35, kFrameTop + 2}, "-"},
        {2, {35, kFrameTop + 42}, "-"},
        {3, {35, kFrameTop + 84}, "-"},
        {4, {35, kFrameTop + 108}, "-"}}},
      {"AllRight", {{1, 1}, {2, 2}, {3, 3}, {4, 4}}, 4, 100, 70, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Definitions exercise = Unshuffled(kFour);
    EXPECT_FALSE(exercise.ExerciseTouched());
    for (const auto& [label, box] : c.labelToBox)
      DragTo(exercise, label, Centre(exercise.Box(box)));
    const std::vector<int> answered = {exercise.LabelInBox(1), exercise.LabelInBox(2),
                                       exercise.LabelInBox(3), exercise.LabelInBox(4)};
    exercise.Check();
    EXPECT_TRUE(exercise.ExerciseTouched());
    EXPECT_TRUE(exercise.ExerciseChecked());
    EXPECT_EQ(exercise.GoodCount(), c.good);
    EXPECT_EQ(exercise.BadCount(), 4 - c.good);
    EXPECT_EQ(exercise.Percent(), c.percent);
    EXPECT_EQ(exercise.VerdictText(), c.verdict);
    ASSERT_EQ(exercise.Marks().size(), c.marks.size());
    for (size_t i = 0; i < c.marks.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(exercise.Marks()[i].Box, c.marks[i].box);
      EXPECT_EQ(exercise.Marks()[i].At, c.marks[i].at);
      EXPECT_EQ(exercise.Marks()[i].Hint, c.marks[i].hint);
    }
    // Every word now lies centred in its own box; the learner's answers are kept.
    for (int k = 1; k <= 4; ++k) {
      const DefinitionBox& own = exercise.Box(exercise.PairOfLabel(k));
      EXPECT_EQ(exercise.Board().RestingAt(k),
                (Point{own.Left + (own.Width - exercise.LabelWidth(k)) / 2,
                       own.Top + (own.Height - kLabelHeight) / 2}));
    }
    EXPECT_EQ((std::vector<int>{exercise.LabelInBox(1), exercise.LabelInBox(2),
                                exercise.LabelInBox(3), exercise.LabelInBox(4)}),
              answered);
    // Frozen: no lift, no drop, a second check changes nothing.
    EXPECT_FALSE(exercise.Board().Lift(4));
    EXPECT_EQ(exercise.Drop(4, Centre(exercise.Box(4))), DropOutcome{});
    exercise.Check();
    EXPECT_EQ(exercise.GoodCount(), c.good);
    EXPECT_EQ(exercise.Marks().size(), c.marks.size());
  }

  // A new load starts untouched, unchecked and unmarked, with every word in the pool.
  Definitions exercise = Unshuffled(kFour);
  DragTo(exercise, 1, Centre(exercise.Box(1)));
  exercise.Check();
  SeededRandom random(5);
  ASSERT_TRUE(exercise.Load(kFour, random));
  EXPECT_FALSE(exercise.ExerciseTouched());
  EXPECT_FALSE(exercise.ExerciseChecked());
  EXPECT_EQ(exercise.GoodCount(), 0);
  EXPECT_TRUE(exercise.Marks().empty());
  for (int box = 1; box <= 4; ++box) EXPECT_EQ(exercise.LabelInBox(box), 0);
  EXPECT_TRUE(exercise.Board().Lift(1));
}

}  // namespace
}  // namespace tess
