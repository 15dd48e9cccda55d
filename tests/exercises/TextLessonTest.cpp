#include "exercises/TextLesson.h"

#include <gtest/gtest.h>

#include "core/ExerciseList.h"
#include "results/ResultsStore.h"

namespace tess {
namespace {

ExerciseList Exercises() {
  ExerciseList list;
  list.Add({"a#3#tlo_3#de#pl#en##10#20#30#", "MC#q=T_a=b#", "=========="});
  list.Add({"a#4#tlo_4#de#pl#en#", "TF#x#", "=========="});
  list.Add({"a#03#tlo_3#", "DV#x*1#", "=========="});
  list.Add({"a#3#tlo_3#de#pl#en##23#42##", "WP#wp_3", "=========="});
  return list;
}

ResultsStore Store() {
  ResultsStore store;
  for (auto [name, item] : {std::pair{"tek_3", 1},
                            {"tek_4", 2},
                            {"tek_3", 3},
                            {"zda_3", 0},
                            {"tek_33", 5},
                            {"tek_3", 4}}) {
    ResultRecord record;
    record.Name = name;
    record.Item = static_cast<std::uint8_t>(item);
    store.Append(record);
  }
  return store;
}

TEST(TextLessonTest, GathersTheTextsExercisesItemsAndFilmMarks) {
  const TextLessonPlan plan = PlanTextLesson(3, Exercises(), Store(), false);
  EXPECT_EQ(plan.Exercises, (std::vector<int>{1, 3, 4}));  // "03" is text 3 too
  EXPECT_EQ(plan.ResultSlots, (std::vector<std::uint8_t>{1, 3, 4}));
  EXPECT_EQ(plan.TextMediaMode, 2);
  // The last header with five "#" or more sets the marks; an empty third mark stays off.
  EXPECT_EQ(plan.JumpTimes, (std::array<int, 4>{0, 23000, 42000, -1}));

  const TextLessonPlan film = PlanTextLesson(4, Exercises(), Store(), true);
  EXPECT_EQ(film.Exercises, (std::vector<int>{2}));
  EXPECT_EQ(film.TextMediaMode, 1);
  EXPECT_EQ(film.JumpTimes, (std::array<int, 4>{0, -1, -1, -1}));
}

TEST(TextLessonTest, KeyNumbers) {
  for (auto [name, number] :
       {std::pair{"tek_12", 12}, {" dia_3 ", 3}, {"tek_", -1}, {"tek_x", -1}, {"", -1}}) {
    EXPECT_EQ(ResultKeyNumber(name), number) << name;
  }
}

}  // namespace
}  // namespace tess
