#include "exercises/ExerciseLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace tess {
namespace {

TEST(ExerciseLayoutTest, LayoutValues) {
  constexpr int D = LayoutValues::kDefault;
  struct Row {
    const char* name;
    const char* line;
    std::array<int, 10> values;
  };
  const Row rows[] = {
      {"nine separators only", "=========", {D, D, D, D, D, D, D, D, D, D}},
      {"empty line", "", {D, D, D, D, D, D, D, D, D, D}},
      {"all ten", "1=2=3=4=5=6=7=8=9=10=", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"tenth cut off by its missing separator",
       "1=2=3=4=5=6=7=8=9=10",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, D}},
      {"blanks around values and blank values",
       " 20 = =30=  =-5=====",
       {20, D, 30, D, -5, D, D, D, D, D}},
      {"some set, rest default", "10=10=16=106=========", {10, 10, 16, 106, D, D, D, D, D, D}},
      // The windows add positions and sizes; an int's extremes would overflow them.
      {"values beyond any screen cut",
       "2147483647=-2147483648=1000001=-1000000=1000000=====",
       {1000000, -1000000, 1000000, -1000000, 1000000, D, D, D, D, D}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<LayoutValues> values = ParseLayoutValues(row.line);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->L, row.values);
  }
}

TEST(ExerciseLayoutTest, DefaultsApplyOnlyToMinusOne) {
  const LayoutValues values = *ParseLayoutValues("=0=========");
  EXPECT_EQ(values.Or(1, kMediaButtonLeft), 10);
  EXPECT_EQ(values.Or(2, kMediaButtonTop), 0);
  EXPECT_EQ(values.Or(4, kInstructionTop), 106);
}

TEST(ExerciseLayoutTest, ValueThatIsNotANumberIsAConversionError) {
  EXPECT_FALSE(ParseLayoutValues("10=x=========").has_value());
  EXPECT_FALSE(ParseLayoutValues("10=1 2=========").has_value());
}

TEST(ExerciseLayoutTest, InstructionBoxWidthRule) {
  struct Row {
    const char* name;
    int left;
    int width;
    int expected;
  };
  const Row rows[] = {
      {"too wide is cut back to the edge", 100, 600, 557},
      {"exactly at the edge stays", 57, 600, 600},
      {"short of the edge gets the literal 657", 16, 300, 657},
      {"default left, default width short", 16, 641, 641},
      {"default left, one short", 16, 640, 657},
      {"left beyond the edge gives a negative width", 700, 100, -43},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(InstructionBoxWidth(row.left, row.width), row.expected);
  }
}

TEST(ExerciseLayoutTest, MediaOfAText) {
  EXPECT_EQ(TextRecordingPath("/opt/c/Hdd\\", "12"), "/opt/c/Hdd\\Teksty_wav\\12.wav");
  EXPECT_EQ(TextFilmPath("/opt/c/", "12"), "/opt/c/Teksty_mpg_r\\12.mpg");
  EXPECT_EQ(TextMediaModeFor(true), 1);
  EXPECT_EQ(TextMediaModeFor(false), 2);
}

}  // namespace
}  // namespace tess
