#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "exercises/MatchingPairs.h"

namespace tess {
namespace {

using Strings = std::vector<std::string>;
using Column = PairColumn;

// Every byte is `perByte` pixels wide, so positions can be worked out.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  explicit FixedWidthMeasurer(int perByte = 6) : perByte_(perByte) {}
  int Width(std::string_view text, bool, bool) const override {
    return perByte_ * static_cast<int>(text.size());
  }

 private:
  int perByte_;
};

std::string Pairs(int count) {
  std::string content;
  for (int i = 1; i <= count; ++i)
    content += "L" + std::to_string(i) + "*R" + std::to_string(i) + "#";
  return content;
}

// With an even number of pairs and a random source that always answers its lower end, every
// swap exchanges positions 1 and 2, so both columns end in content order.
MatchingPairs Unshuffled(const std::string& content) {
  ScriptedRandom random;
  FixedWidthMeasurer measurer;
  MatchingPairs exercise;
  EXPECT_TRUE(exercise.Load(content, measurer, random)) << exercise.LoadError();
  return exercise;
}

// The texts standing in the rows of a column, top to bottom.
Strings Texts(const MatchingPairs& exercise, PairColumn column) {
  Strings texts;
  for (int row = 1; row <= exercise.PairCount(); ++row) {
    texts.push_back(exercise.Label(column, exercise.LabelInRow(column, row)).Text);
  }
  return texts;
}

bool ClickRow(MatchingPairs& exercise, PairColumn column, int row) {
  return exercise.Click(column, exercise.LabelInRow(column, row));
}

TEST(MatchingPairsTest, ParsesPairsInContentOrder) {
  const PairsContent parsed =
      ParsePairsContent(" Anna * a teacher #Mark*a nurse*at night#Leo*six#  \r\n");
  ASSERT_EQ(parsed.Error, "");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Anna", "a teacher"}, {"Mark", "a nurse*at night"}, {"Leo", "six"}};
  EXPECT_EQ(parsed.Pairs, expected);
  EXPECT_EQ(ParsePairsContent(Pairs(14)).Pairs.size(), 14u);
}

TEST(MatchingPairsTest, RejectsContentOutsideTheModelWithAMessage) {
  struct Case {
    const char* name;
    std::string content;
    std::string messagePart;  // cp1250
  };
  const Case cases[] = {
      {"Empty", "", "mniej ni\xBF 2 pary"},
      {"OnePair", "a*b#", "mniej ni\xBF 2 pary"},
      {"FifteenPairs", Pairs(15),
       "wi\xEA"
       "cej ni\xBF 14 par"},
      {"NoFinalHash", "a*b#c*d", "znakiem #"},
      {"NoStar", "a*b#cd#", "para 2: brak znaku *"},
      {"EmptyLeft", "a*b# *d#", "para 2: pusta lewa"},
      {"EmptyRight", "a*b#c* #", "para 2: pusta prawa"},
      {"SameLeftText", "a*b#c*d# a *e#",
       "pary 1 i 3 maj\xB9 t\xEA sam\xB9 lew\xB9 cz\xEA\x9C\xE6 \x84"
       "a\x94"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PairsContent parsed = ParsePairsContent(c.content);
    EXPECT_NE(parsed.Error.find(c.messagePart), std::string::npos) << parsed.Error;
    EXPECT_NE(parsed.Error.find("\xB3\xB9"
                                "czenia w pary"),
              std::string::npos)
        << "the message names the kind";
    EXPECT_TRUE(parsed.Pairs.empty());
  }
  // A refused load leaves nothing to click or check.
  SeededRandom random(1);
  FixedWidthMeasurer measurer;
  MatchingPairs exercise;
  ASSERT_TRUE(exercise.Load(Pairs(4), measurer, random));
  EXPECT_FALSE(exercise.Load("a*b#", measurer, random));
  EXPECT_EQ(exercise.PairCount(), 0);
  EXPECT_FALSE(exercise.OkVisible());
  EXPECT_FALSE(exercise.Choose(Column::Left, 1));
  exercise.Check();
  EXPECT_EQ(exercise.GoodCount() + exercise.BadCount(), 0);
}

TEST(MatchingPairsTest, EachColumnIsShuffledOnItsOwnWithTwoDifferentPositions) {
  // Left: swaps (1,2), (3,2), (2,3); right: (3,1), then (1,2) twice from the exhausted
  // script. The second draw of a swap skips the first position, so it never repeats.
  ScriptedRandom random({1, 1, 3, 2, 2, 2, 3, 1});
  FixedWidthMeasurer measurer;
  MatchingPairs exercise;
  ASSERT_TRUE(exercise.Load("a*1#b*2#c*3#", measurer, random));
  EXPECT_EQ(Texts(exercise, Column::Left), (Strings{"b", "a", "c"}));
  EXPECT_EQ(Texts(exercise, Column::Right), (Strings{"3", "2", "1"}));
  EXPECT_EQ(exercise.Label(Column::Left, 1).Pair, 2);
  EXPECT_EQ(exercise.Label(Column::Right, 1).Pair, 3);
  ASSERT_EQ(random.asked.size(), 12u);
  for (size_t i = 0; i < random.asked.size(); ++i) {
    EXPECT_EQ(random.asked[i], std::make_pair(1, i % 2 == 0 ? 3 : 2)) << i;
  }
  // The content order stays for the check.
  EXPECT_EQ(exercise.LeftAsWritten(1), "a");
  EXPECT_EQ(exercise.RightAsWritten(3), "3");
}

TEST(MatchingPairsTest, LaysOutFramedColumnsJoinedByConnectors) {
  // Left texts 24 and 12 wide, right ones 54 and 6: the columns are centred on 670 pixels.
  MatchingPairs exercise = Unshuffled("Anna*a teacher#Mo*x#");
  EXPECT_EQ(exercise.LeftWidth(), 24);
  EXPECT_EQ(exercise.RightWidth(), 54);
  EXPECT_EQ(exercise.Start(), (670 - 24 - 54) / 2);
  EXPECT_EQ(exercise.LabelBox(Column::Left, 1), (PairsBox{296, 200, 24, 20}));
  EXPECT_EQ(exercise.LabelBox(Column::Right, 2), (PairsBox{400, 224, 54, 20}));
  EXPECT_EQ(exercise.ConnectorBox(1), (PairsBox{330, 209, 60, 1}));
  EXPECT_EQ(exercise.FrameBox(Column::Left, 2), (PairsBox{288, 224, 39, 20}));
  EXPECT_EQ(exercise.FrameBox(Column::Right, 1), (PairsBox{392, 200, 69, 20}));
  EXPECT_EQ(MatchingPairs::RowTop(14), 176 + 24 * 14);

  // Texts that would run under the right-hand panel move left until they fit...
  ScriptedRandom random;
  MatchingPairs wide;
  ASSERT_TRUE(wide.Load(std::string(50, 'l') + "*" + std::string(50, 'r') + "#a*b#",
                        FixedWidthMeasurer(6), random));
  const PairsBox frame = wide.FrameBox(Column::Right, 1);
  EXPECT_EQ(frame.X + frame.Width, 700);
  EXPECT_EQ(wide.FrameBox(Column::Left, 1).X, 700 - 600 - 87 - 8);
  // ...and texts that cannot fit at all are refused.
  EXPECT_FALSE(wide.Load(std::string(50, 'l') + "*" + std::string(60, 'r') + "#a*b#",
                         FixedWidthMeasurer(6), random));
  EXPECT_NE(wide.LoadError().find("za d\xB3ugie"), std::string::npos) << wide.LoadError();
  EXPECT_EQ(wide.PairCount(), 0);
}

TEST(MatchingPairsTest, ClickThenClickExchangesLabels) {
  struct Step {
    PairColumn column;
    int row;
  };
  struct Case {
    const char* name;
    std::vector<Step> clicks;
    Strings left, right;
    bool touched;
  };
  const Case cases[] = {
      {"LeftThenRightMovesTheRightLabel",
       {{Column::Left, 1}, {Column::Right, 3}},
       {"L1", "L2", "L3", "L4"},
       {"R3", "R2", "R1", "R4"},
       true},
      {"RightThenLeftMovesTheLeftLabel",
       {{Column::Right, 1}, {Column::Left, 4}},
       {"L4", "L2", "L3", "L1"},
       {"R1", "R2", "R3", "R4"},
       true},
      {"SameColumnOnlyMovesTheChoice",
       {{Column::Left, 1}, {Column::Left, 2}, {Column::Right, 4}},
       {"L1", "L2", "L3", "L4"},
       {"R1", "R4", "R3", "R2"},
       true},
      {"SameRowChangesNothing",
       {{Column::Left, 2}, {Column::Right, 2}},
       {"L1", "L2", "L3", "L4"},
       {"R1", "R2", "R3", "R4"},
       false},
      {"TwoExchangesInTurn",
       {{Column::Left, 1}, {Column::Right, 2}, {Column::Right, 2}, {Column::Left, 3}},
       {"L1", "L3", "L2", "L4"},
       {"R2", "R1", "R3", "R4"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MatchingPairs exercise = Unshuffled(Pairs(4));
    for (const Step& step : c.clicks) ClickRow(exercise, step.column, step.row);
    EXPECT_EQ(Texts(exercise, Column::Left), c.left);
    EXPECT_EQ(Texts(exercise, Column::Right), c.right);
    EXPECT_EQ(exercise.ExerciseTouched(), c.touched);
    // Every pairing ends with both choices cleared and all text black.
    EXPECT_EQ(exercise.Selected(Column::Left) + exercise.Selected(Column::Right), 0);
    for (int n = 1; n <= 4; ++n) {
      EXPECT_EQ(exercise.Label(Column::Left, n).Colour, LabelColour::Black);
      EXPECT_EQ(exercise.Label(Column::Right, n).Colour, LabelColour::Black);
    }
    // Rows and labels agree both ways.
    for (int row = 1; row <= 4; ++row) {
      EXPECT_EQ(exercise.Label(Column::Left, exercise.LabelInRow(Column::Left, row)).Row, row);
      EXPECT_EQ(exercise.Label(Column::Right, exercise.LabelInRow(Column::Right, row)).Row, row);
    }
  }
}

TEST(MatchingPairsTest, AChosenLabelIsRedUntilThePairingEnds) {
  MatchingPairs exercise = Unshuffled(Pairs(4));
  ASSERT_TRUE(exercise.Choose(Column::Left, 1));
  EXPECT_FALSE(exercise.Pair());  // nothing chosen on the right yet
  EXPECT_EQ(exercise.Label(Column::Left, 1).Colour, LabelColour::Red);
  ASSERT_TRUE(exercise.Choose(Column::Left, 3));
  EXPECT_EQ(exercise.Label(Column::Left, 1).Colour, LabelColour::Black);
  EXPECT_EQ(exercise.Label(Column::Left, 3).Colour, LabelColour::Red);
  ASSERT_TRUE(exercise.Choose(Column::Right, 1));
  EXPECT_EQ(exercise.Label(Column::Right, 1).Colour, LabelColour::Red);
  EXPECT_TRUE(exercise.Pair());
  EXPECT_EQ(exercise.Label(Column::Right, 1).Row, 3);
  EXPECT_EQ(exercise.Label(Column::Left, 3).Colour, LabelColour::Black);
  EXPECT_FALSE(exercise.Choose(Column::Left, 5));  // no such label
}

TEST(MatchingPairsTest, CheckCountsRowsAndShowsTheRightPartners) {
  // Six pairs, rows 1 and 2 exchanged on the right: four right rows.
  MatchingPairs exercise = Unshuffled(Pairs(6));
  ClickRow(exercise, Column::Left, 1);
  ClickRow(exercise, Column::Right, 2);
  ASSERT_EQ(Texts(exercise, Column::Right), (Strings{"R2", "R1", "R3", "R4", "R5", "R6"}));
  exercise.Choose(Column::Left, 5);  // a choice left pending is dropped by the check
  exercise.Check();
  EXPECT_TRUE(exercise.ExerciseChecked());
  EXPECT_FALSE(exercise.OkVisible());
  EXPECT_EQ(exercise.GoodCount(), 4);
  EXPECT_EQ(exercise.BadCount(), 2);
  EXPECT_EQ(exercise.Percent(), 67);
  // Wrong rows show the partner of their left label, both red; right rows turn green.
  EXPECT_EQ(Texts(exercise, Column::Right), (Strings{"R1", "R2", "R3", "R4", "R5", "R6"}));
  for (int row = 1; row <= 6; ++row) {
    SCOPED_TRACE(row);
    const LabelColour expected = row <= 2 ? LabelColour::Red : LabelColour::Green;
    EXPECT_EQ(exercise.Label(Column::Left, exercise.LabelInRow(Column::Left, row)).Colour,
              expected);
    EXPECT_EQ(exercise.Label(Column::Right, exercise.LabelInRow(Column::Right, row)).Colour,
              expected);
  }
  EXPECT_EQ(exercise.Selected(Column::Left), 0);
  // Frozen after the check; a second check changes nothing.
  EXPECT_FALSE(exercise.Choose(Column::Left, 3));
  EXPECT_FALSE(ClickRow(exercise, Column::Right, 3));
  exercise.Check();
  EXPECT_EQ(exercise.GoodCount(), 4);
}

TEST(MatchingPairsTest, AllRightKeepsBlackTextAndCheckingAloneTouches) {
  MatchingPairs exercise = Unshuffled(Pairs(4));
  EXPECT_FALSE(exercise.ExerciseTouched());
  exercise.Check();
  EXPECT_TRUE(exercise.ExerciseTouched());
  EXPECT_EQ(exercise.GoodCount(), 4);
  EXPECT_EQ(exercise.Percent(), 100);
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(exercise.Label(Column::Left, n).Colour, LabelColour::Black);
    EXPECT_EQ(exercise.Label(Column::Right, n).Colour, LabelColour::Black);
  }
  // A new load starts afresh.
  ScriptedRandom random;
  ASSERT_TRUE(exercise.Load(Pairs(2), FixedWidthMeasurer(), random));
  EXPECT_FALSE(exercise.ExerciseChecked() || exercise.ExerciseTouched());
  EXPECT_EQ(exercise.GoodCount() + exercise.BadCount(), 0);
  EXPECT_TRUE(exercise.OkVisible());
}

TEST(MatchingPairsTest, TwoPairsWithOneRightTextCountEitherLabelAsRight) {
  // "Anna" and "Mark" are both teachers: whichever "a teacher" stands beside them is right.
  MatchingPairs exercise = Unshuffled("Anna*a teacher#Mark*a teacher#Leo*six#Pepper*a cat#");
  ClickRow(exercise, Column::Left, 1);
  ClickRow(exercise, Column::Right, 2);
  ASSERT_TRUE(exercise.ExerciseTouched());
  EXPECT_TRUE(exercise.RowRight(1));
  exercise.Check();
  EXPECT_EQ(exercise.GoodCount(), 4);
}

// A hostile content line may be huge: parsing must stay linear in it.
TEST(MatchingPairsTest, HugeContentParsesInLinearTime) {
  const auto start = std::chrono::steady_clock::now();
  std::string content = "a*b#" + std::string(2000000, ' ') + "c*" + std::string(2000000, 'd') + "#";
  const PairsContent parsed = ParsePairsContent(content);
  EXPECT_EQ(parsed.Error, "");
  EXPECT_EQ(parsed.Pairs.size(), 2u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace tess
