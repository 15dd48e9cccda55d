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

}  // namespace
}  // namespace tess
