// The A-B loop's rules: how the marks are set, moved, swapped and refused, and what a
// position, the end of the media and a seek do to a stretch.
#include "media/PhraseLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

using Mark = PhraseLoop::Mark;

TEST(PhraseLoopTest, MarksAreSetMovedSwappedOrRefused) {
  struct Press {
    char mark;  // 'A', 'B' or 'C' (clear)
    std::int64_t ms;
    Mark result;
  };
  struct Row {
    const char* name;
    std::vector<Press> presses;
    std::int64_t a, b;  // what stands afterwards, -1 for none
  };
  const std::vector<Row> rows = {
      {"A then B", {{'A', 1000, Mark::Set}, {'B', 4000, Mark::Set}}, 1000, 4000},
      {"B without A", {{'B', 4000, Mark::Refused}}, -1, -1},
      {"B exactly the shortest after A",
       {{'A', 1000, Mark::Set}, {'B', 1300, Mark::Set}},
       1000,
       1300},
      {"B too near after A", {{'A', 1000, Mark::Set}, {'B', 1299, Mark::Refused}}, 1000, -1},
      {"B too near before A", {{'A', 1000, Mark::Set}, {'B', 701, Mark::Refused}}, 1000, -1},
      {"B on A", {{'A', 1000, Mark::Set}, {'B', 1000, Mark::Refused}}, 1000, -1},
      {"B before A swaps", {{'A', 5000, Mark::Set}, {'B', 2000, Mark::Swapped}}, 2000, 5000},
      {"B exactly the shortest before A swaps",
       {{'A', 1000, Mark::Set}, {'B', 700, Mark::Swapped}},
       700,
       1000},
      {"B before a stretch swaps with A, the old B goes",
       {{'A', 5000, Mark::Set}, {'B', 8000, Mark::Set}, {'B', 1000, Mark::Swapped}},
       1000,
       5000},
      {"B again moves it",
       {{'A', 1000, Mark::Set}, {'B', 4000, Mark::Set}, {'B', 6000, Mark::Moved}},
       1000,
       6000},
      {"a refused B keeps the old one",
       {{'A', 1000, Mark::Set}, {'B', 4000, Mark::Set}, {'B', 1100, Mark::Refused}},
       1000,
       4000},
      {"A again moves it", {{'A', 1000, Mark::Set}, {'A', 3000, Mark::Moved}}, 3000, -1},
      {"A moved inside the stretch keeps B",
       {{'A', 1000, Mark::Set}, {'B', 4000, Mark::Set}, {'A', 3700, Mark::Moved}},
       3700,
       4000},
      {"A too near B starts again",
       {{'A', 1000, Mark::Set}, {'B', 4000, Mark::Set}, {'A', 3701, Mark::Restarted}},
       3701,
       -1},
      {"A past B starts again",
       {{'A', 1000, Mark::Set}, {'B', 4000, Mark::Set}, {'A', 9000, Mark::Restarted}},
       9000,
       -1},
      {"A at the very start", {{'A', 0, Mark::Set}, {'B', 300, Mark::Set}}, 0, 300},
      {"negative time", {{'A', -5, Mark::Refused}}, -1, -1},
      {"clear, then B needs a new A",
       {{'A', 1000, Mark::Set},
        {'B', 4000, Mark::Set},
        {'C', 0, Mark::Set},
        {'B', 6000, Mark::Refused}},
       -1,
       -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PhraseLoop loop;
    for (const Press& press : row.presses) {
      if (press.mark == 'C') {
        loop.Clear();
        continue;
      }
      const Mark result = press.mark == 'A' ? loop.SetA(press.ms) : loop.SetB(press.ms);
      EXPECT_EQ(result, press.result) << press.mark << " at " << press.ms;
    }
    EXPECT_EQ(loop.A(), row.a);
    EXPECT_EQ(loop.B(), row.b);
    EXPECT_EQ(loop.Active(), row.a >= 0 && row.b >= 0);
  }
}

TEST(PhraseLoopTest, PositionsEndAndSeeksOfAStretch) {
  struct Row {
    const char* name;
    std::int64_t a, b;  // -1: not set
    std::int64_t position;
    std::optional<std::int64_t> back;  // where OnPosition sends the player
    std::int64_t untilB;
  };
  const std::vector<Row> rows = {
      {"inside", 2000, 5000, 4999, std::nullopt, 1},
      {"at B", 2000, 5000, 5000, 2000, 0},
      {"past B (a coarse timer)", 2000, 5000, 5090, 2000, 0},
      {"before A plays on into the stretch", 2000, 5000, 100, std::nullopt, 4900},
      {"only A: no loop", 2000, -1, 9000, std::nullopt, -1},
      {"no marks", -1, -1, 9000, std::nullopt, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PhraseLoop loop;
    if (row.a >= 0) loop.SetA(row.a);
    if (row.b >= 0) loop.SetB(row.b);
    EXPECT_EQ(loop.OnPosition(row.position), row.back);
    EXPECT_EQ(loop.MsUntilB(row.position), row.untilB);
    EXPECT_EQ(loop.OnEnd(), loop.Active() ? std::optional<std::int64_t>(row.a) : std::nullopt);
  }

  // A seek inside the stretch keeps it; one before A or at or past B ends it.
  struct Seek {
    std::int64_t ms;
    bool kept;
  };
  for (const Seek seek : {Seek{2000, true}, Seek{4999, true}, Seek{1999, false}, Seek{5000, false},
                          Seek{60000, false}}) {
    SCOPED_TRACE(seek.ms);
    PhraseLoop loop;
    loop.SetA(2000);
    loop.SetB(5000);
    loop.OnSeek(seek.ms);
    EXPECT_EQ(loop.Active(), seek.kept);
    EXPECT_EQ(loop.HasA(), seek.kept);
  }
  PhraseLoop onlyA;
  onlyA.SetA(2000);
  onlyA.OnSeek(60000);
  EXPECT_TRUE(onlyA.HasA()) << "without a stretch there is nothing to leave";
}

}  // namespace
}  // namespace tess
