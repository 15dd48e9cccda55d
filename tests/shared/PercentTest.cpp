#include "shared/Percent.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(RoundHalfEven, Table) {
  struct Row {
    const char* name;
    double value;
    int expected;
  };
  const Row rows[] = {
      {"half to even below", 62.5, 62},   {"half to even above", 87.5, 88},
      {"half to zero", 0.5, 0},           {"one and a half", 1.5, 2},
      {"just above half", 62.500001, 63}, {"just below half", 87.499999, 87},
      {"two thirds", 66.666, 67},         {"whole", 100.0, 100},
      {"negative half even", -2.5, -2},   {"negative half odd", -3.5, -4},
      {"negative plain", -1.4, -1},       {"negative past half", -1.6, -2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RoundHalfEven(row.value), row.expected);
  }
}

TEST(PercentOf, Table) {
  struct Row {
    const char* name;
    int good, bad, expected;
  };
  const Row rows[] = {
      {"no items", 0, 0, 0},        {"all good", 4, 0, 100},    {"all bad", 0, 4, 0},
      {"one of three", 1, 2, 33},   {"two of three", 2, 1, 67}, {"five of eight", 5, 3, 62},
      {"seven of eight", 7, 1, 88}, {"one of eight", 1, 7, 12}, {"three of eight", 3, 5, 38},
      {"half", 1, 1, 50},           {"one of 200", 1, 199, 0},  {"199 of 200", 199, 1, 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PercentOf(row.good, row.bad), row.expected);
  }
}

}  // namespace
}  // namespace tess
