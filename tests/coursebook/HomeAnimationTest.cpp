#include "coursebook/HomeAnimation.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/RandomSource.h"

namespace tess {
namespace {

TEST(HomeAnimationTest, ADrawOfZeroToEightMovesTheSmallPictureElseTheLargeOne) {
  struct Row {
    const char* name;
    std::vector<int> draws;
    bool large;
    int left, top;
    const char* picture;
  };
  const Row rows[] = {
      {"small_first", {0, 1, 1}, false, 0, 124, "/c/gfx_r\\anim\\maly_1.bmp"},
      {"small_last", {8, 8, 20}, false, 700, 124, "/c/gfx_r\\anim\\maly_20.bmp"},
      {"small_middle", {3, 4, 7}, false, 200, 224, "/c/gfx_r\\anim\\maly_7.bmp"},
      {"large_first", {9, 1, 1}, true, 0, 224, "/c/gfx_r\\anim\\duzy_1.bmp"},
      {"large_last", {14, 2, 5}, true, 400, 124, "/c/gfx_r\\anim\\duzy_5.bmp"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedRandom random(row.draws);
    const AnimationStep step = NextAnimationStep(random, "/c/");
    EXPECT_EQ(step.Large, row.large);
    EXPECT_EQ(step.Position.Left, row.left);
    EXPECT_EQ(step.Position.Top, row.top);
    EXPECT_EQ(step.Picture, row.picture);
    const std::vector<std::pair<int, int>> ranges =
        row.large ? std::vector<std::pair<int, int>>{{0, 14}, {1, 2}, {1, 5}}
                  : std::vector<std::pair<int, int>>{{0, 14}, {1, 8}, {1, 20}};
    EXPECT_EQ(random.asked, ranges);
  }
}

TEST(HomeAnimationTest, ASeededSourceReachesEveryPositionAndPicture) {
  SeededRandom random(2024);
  std::set<std::string> pictures;
  std::set<std::pair<int, int>> positions;
  for (int i = 0; i < 2000; ++i) {
    const AnimationStep step = NextAnimationStep(random, "");
    pictures.insert(step.Picture);
    positions.insert({step.Position.Left, step.Position.Top});
  }
  EXPECT_EQ(pictures.size(), 25u);
  EXPECT_EQ(positions.size(), 10u);
}

}  // namespace
}  // namespace tess
