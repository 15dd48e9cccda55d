#include <gtest/gtest.h>

#include <vector>

#include "exercises/DragDrop.h"

namespace tess {
namespace {

TEST(DragDropTest, AreasHoldTheirEdgesAndTheFirstOfTwoTakesASharedOne) {
  // Two columns sharing the edge x = 50, as neighbouring table columns do.
  const std::vector<DropArea> areas = {{10, 20, 50, 80}, {50, 20, 90, 80}};
  struct Case {
    Point at;
    int hit;
  };
  const Case cases[] = {
      {{10, 20}, 1}, {{50, 80}, 1}, {{51, 20}, 2}, {{90, 80}, 2},  // corners and edges
      {{9, 50}, 0},  {{91, 50}, 0}, {{30, 19}, 0}, {{30, 81}, 0},  // one pixel outside
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.at.X << "," << c.at.Y);
    EXPECT_EQ(FirstAreaHit(areas, c.at), c.hit);
  }
  // An area that refuses the label is passed over for the next one that holds the point.
  EXPECT_EQ(FirstAreaHit(areas, {50, 50}, [](int area) { return area != 1; }), 2);
  EXPECT_EQ(FirstAreaHit(areas, {30, 50}, [](int area) { return area != 1; }), 0);
  EXPECT_EQ(FirstAreaHit({}, {0, 0}), 0);
  // Strict bounds: the edge lines themselves are outside.
  EXPECT_EQ(DropArea::Inside(10, 20, 50, 80), (DropArea{11, 21, 49, 79}));
}

TEST(DragDropTest, PlacementArithmetic) {
  EXPECT_EQ(CentredIn(100, 60, 21), 119);  // (60 - 21) div 2 = 19
  EXPECT_EQ(CentredIn(100, 20, 25), 98);   // wider than the span: -5 div 2 = -2, toward zero
  // A centred label; one 9 pixels right of centre; a label hanging below-right of the pointer.
  EXPECT_EQ((LiftOffset{}.LabelAt({200, 100}, 41, 15)), (Point{180, 93}));
  EXPECT_EQ((LiftOffset{9, 0, true}.LabelAt({200, 100}, 41, 15)), (Point{189, 93}));
  EXPECT_EQ((LiftOffset{13, 10, false}.LabelAt({200, 100}, 41, 15)), (Point{213, 110}));
}

TEST(DragDropTest, CellsFillTheFirstFreeRowAndFreeOnlyTheirOwn) {
  CellTable table;
  table.Reset(2, 3);
  EXPECT_EQ(table.FirstFreeRow(1), 1);
  ASSERT_TRUE(table.Put({1, 1}, 7));
  ASSERT_TRUE(table.Put({1, 3}, 8));
  EXPECT_EQ(table.FirstFreeRow(1), 2);  // the gap left by an earlier label is taken first
  EXPECT_FALSE(table.Put({1, 1}, 9));   // taken
  EXPECT_FALSE(table.Put({3, 1}, 9));   // no such column
  EXPECT_FALSE(table.Put({1, 0}, 9));
  EXPECT_FALSE(table.Put({2, 1}, 0));  // no such label
  ASSERT_TRUE(table.Put({1, 2}, 9));
  EXPECT_EQ(table.FirstFreeRow(1), 0);  // full
  EXPECT_EQ(table.FirstFreeRow(5), 0);
  EXPECT_EQ(table.CellOf(8), (Cell{1, 3}));
  EXPECT_EQ(table.Free(7), (Cell{1, 1}));
  EXPECT_EQ(table.LabelAt({1, 1}), 0);
  EXPECT_EQ(table.LabelAt({1, 2}), 9);
  EXPECT_EQ(table.Free(7), (Cell{}));  // lies nowhere any more
  EXPECT_EQ(table.FirstFreeRow(1), 1);
  table.Reset(2, 3);
  EXPECT_EQ(table.CellOf(9), (Cell{}));
}

TEST(DragDropTest, BoardLiftsFollowsWithinItsAreaAndFreezes) {
  DragBoard board;
  board.Reset(2, LiftOffset{9, 0, true});
  board.SetHome(1, {30, 140});
  board.SetHome(2, {90, 140});
  board.SetFollowArea({0, 0, 699, 599});
  EXPECT_FALSE(board.Dragged());
  EXPECT_FALSE(board.Follow({100, 100}, 40, 16));  // nothing lifted
  EXPECT_FALSE(board.Lift(3));
  EXPECT_FALSE(board.Lift(0));

  ASSERT_TRUE(board.Lift(2));
  EXPECT_TRUE(board.Dragged());
  EXPECT_EQ(board.Lifted(), 2);
  EXPECT_EQ(board.Follow({100, 100}, 40, 16), (Point{89, 92}));
  EXPECT_EQ(board.Follow({699, 599}, 40, 16), (Point{688, 591}));
  EXPECT_FALSE(board.Follow({700, 100}, 40, 16));  // over the panel it stays where it was
  EXPECT_EQ(board.Release(), 2);
  EXPECT_EQ(board.Lifted(), 0);
  EXPECT_EQ(board.Release(), 0);

  board.RestAt(2, {300, 250});
  EXPECT_EQ(board.RestingAt(2), (Point{300, 250}));
  EXPECT_EQ(board.Home(2), (Point{90, 140}));
  board.ReturnHome(2);
  EXPECT_EQ(board.RestingAt(2), (Point{90, 140}));

  board.Freeze();
  EXPECT_FALSE(board.Lift(1));
  EXPECT_TRUE(board.Dragged());
  board.Reset(2);
  EXPECT_FALSE(board.Frozen());
  EXPECT_FALSE(board.Dragged());
  EXPECT_EQ(board.Home(2), (Point{}));
}

// Keys pressed on a label, one after another on a fresh board of three labels with three
// places; the steps they give and what the board holds afterwards.
TEST(DragDropTest, KeysCarryALabelRoundThePlacesAndPutItDownOrBack) {
  using Kind = KeyDragStep::Kind;
  struct Press {
    int label;
    DragKey key;
    KeyDragStep step;
  };
  struct Case {
    const char* name;
    int start;
    bool frozen;
    std::vector<Press> presses;
    int liftedAfter;
  };
  const Case cases[] = {
      {"take, next twice, put",
       0,
       false,
       {{2, DragKey::Take, {Kind::Lifted, 2, 0}},
        {2, DragKey::Next, {Kind::Aimed, 2, 1}},
        {2, DragKey::Next, {Kind::Aimed, 2, 2}},
        {2, DragKey::Take, {Kind::Put, 2, 2}}},
       0},
      {"the aim goes round both ways",
       0,
       false,
       {{1, DragKey::Take, {Kind::Lifted, 1, 0}},
        {1, DragKey::Previous, {Kind::Aimed, 1, 2}},
        {1, DragKey::Next, {Kind::Aimed, 1, 0}}},
       1},
      {"starts where the label lies; a start out of range is the first place",
       2,
       false,
       {{3, DragKey::Take, {Kind::Lifted, 3, 2}}, {3, DragKey::Cancel, {Kind::Cancelled, 3, 2}}},
       0},
      {"only the carried label answers; nothing is carried after a cancel",
       0,
       false,
       {{1, DragKey::Take, {Kind::Lifted, 1, 0}},
        {2, DragKey::Take, {}},
        {2, DragKey::Next, {}},
        {1, DragKey::Cancel, {Kind::Cancelled, 1, 0}},
        {1, DragKey::Next, {}},
        {1, DragKey::Cancel, {}}},
       0},
      {"a frozen board lifts nothing", 0, true, {{1, DragKey::Take, {}}}, 0},
      {"no label number", 0, false, {{4, DragKey::Take, {}}, {0, DragKey::Take, {}}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DragBoard board;
    board.Reset(3);
    if (c.frozen) board.Freeze();
    KeyDrag keys;
    for (const Press& press : c.presses) {
      EXPECT_EQ(keys.Press(board, press.label, press.key, 3, c.start), press.step);
    }
    EXPECT_EQ(board.Lifted(), c.liftedAfter);
    EXPECT_EQ(keys.Carried(), c.liftedAfter);
  }

  DragBoard board;
  board.Reset(3);
  KeyDrag keys;
  // Without places there is nowhere to go; a lift by keys counts as a drag, like a press.
  EXPECT_EQ(keys.Press(board, 1, DragKey::Take, 0), KeyDragStep{});
  EXPECT_FALSE(board.Dragged());
  ASSERT_EQ(keys.Press(board, 1, DragKey::Take, 3, 1).What, Kind::Lifted);
  EXPECT_TRUE(board.Dragged());
  // Places lost while carried: the aim stays on the last one left.
  EXPECT_EQ(keys.Press(board, 1, DragKey::Take, 1), (KeyDragStep{Kind::Put, 1, 0}));
  // The check freezes the board under a carried label: its keys do nothing after.
  ASSERT_EQ(keys.Press(board, 2, DragKey::Take, 3).What, Kind::Lifted);
  board.Freeze();
  EXPECT_EQ(keys.Press(board, 2, DragKey::Take, 3), KeyDragStep{});
  EXPECT_EQ(keys.Carried(), 0);
  // A label the mouse holds is not taken by keys.
  DragBoard held;
  held.Reset(3);
  held.Lift(3);
  EXPECT_EQ(keys.Press(held, 1, DragKey::Take, 3), KeyDragStep{});
  EXPECT_EQ(held.Lifted(), 3);
}

}  // namespace
}  // namespace tess
