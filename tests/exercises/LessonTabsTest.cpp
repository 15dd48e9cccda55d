#include "exercises/LessonTabs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tess {
namespace {

using Action = TabSwitch::Action;

// Exercises 1..5: the lesson uses 2, 3, 4 and 5, the typing one last.
class LessonTabsTest : public testing::Test {
 protected:
  void SetUp() override {
    list.Add({"1#3#a#", "MC#x#", "========="});
    list.Add({"1#7#a#", "TF#x#", "5=6=========="});
    list.Add({"1#7#a#", "DD#x#", "========="});
    list.Add({"1#7#a#", "MC#x#", "========="});
    list.Add({"1#7#a#", "WP#x#", "========="});
    lesson.BeginLesson({2, 3, 4, 5}, {1, 2, 3, 4}, "tek_7", kTextMediaFilm);
  }

  TabSwitch Open(int tab, bool typingTabLast = true) {
    return OpenExerciseTab(lesson, list, tab, typingTabLast);
  }

  ExerciseList list;
  LessonState lesson;
};

TEST_F(LessonTabsTest, BeginLessonClearsTheStrip) {
  lesson.TabOpened.fill(true);
  lesson.CurrentTab = 2;
  lesson.BeginLesson({2, 3}, {9, 8}, "tek_8", kTextMediaSound);
  EXPECT_EQ(lesson.TabCount, 2);
  EXPECT_EQ(lesson.CurrentTab, kNoTabShown);
  EXPECT_FALSE(lesson.Opened(1));
  EXPECT_EQ(lesson.ResultSlotOfTab(2), 8);
  EXPECT_EQ(lesson.CurrentResultName, "tek_8");
  EXPECT_EQ(lesson.TextMediaMode, kTextMediaSound);
}

TEST_F(LessonTabsTest, TypingTabOpensOnlyAfterAllOthers) {
  struct Step {
    const char* name;
    int tab;
    Action action;
    int exercise;
  };
  const Step steps[] = {
      {"first tab from the chooser", 1, Action::Launch, 2},
      {"typing tab after one", 4, Action::ShowMessage, 0},
      {"second tab", 2, Action::Launch, 3},
      {"typing tab after two", 4, Action::ShowMessage, 0},
      {"the shown tab again", 2, Action::Nothing, 0},
      {"third tab", 3, Action::Launch, 4},
      {"typing tab after three", 4, Action::Launch, 5},
      {"back to the first", 1, Action::Launch, 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const TabSwitch result = Open(step.tab);
    EXPECT_EQ(result.What, step.action);
    EXPECT_EQ(result.Exercise, step.exercise);
    EXPECT_EQ(result.Message, step.action == Action::ShowMessage ? 84 : 0);
  }
  EXPECT_EQ(lesson.CurrentTab, 1);
}

TEST_F(LessonTabsTest, RefusedTypingTabLeavesTheStripAlone) {
  Open(1);
  ASSERT_EQ(Open(4).What, Action::ShowMessage);
  EXPECT_EQ(lesson.CurrentTab, 1);
  EXPECT_FALSE(lesson.Opened(4));
}

TEST_F(LessonTabsTest, WithoutTheOptionTypingTabOpensAtOnce) {
  Open(1, false);
  const TabSwitch result = Open(4, false);
  EXPECT_EQ(result.What, Action::Launch);
  EXPECT_TRUE(lesson.Opened(4));
  EXPECT_EQ(lesson.CurrentTab, 4);
}

TEST_F(LessonTabsTest, TabOutsideTheStripDoesNothing) {
  EXPECT_EQ(Open(5).What, Action::Nothing);
  EXPECT_EQ(Open(0).What, Action::Nothing);
  EXPECT_EQ(lesson.CurrentTab, kNoTabShown);
}

TEST_F(LessonTabsTest, LaunchSetsTheResultKeysAndTakesTheHintOnce) {
  const TabSwitch first = Open(1);
  bool hintPending = true;
  const LaunchPlan plan = LaunchExercise(lesson, list, first.Exercise, hintPending);
  EXPECT_TRUE(plan.Opens);
  EXPECT_EQ(plan.KindCode, "TF");
  EXPECT_EQ(plan.KindByte, 41);
  EXPECT_EQ(plan.Layout.At(1), 5);
  EXPECT_EQ(plan.Layout.At(3), LayoutValues::kDefault);
  EXPECT_EQ(plan.HintMessage, 63);
  EXPECT_FALSE(hintPending);
  EXPECT_EQ(lesson.CurrentExercise, 2);
  EXPECT_EQ(lesson.CurrentResultItem, 1);
  EXPECT_EQ(lesson.CurrentResultKind, 41);

  EXPECT_EQ(LaunchExercise(lesson, list, first.Exercise, hintPending).HintMessage, 0);

  const TabSwitch second = Open(2);
  EXPECT_EQ(LaunchExercise(lesson, list, second.Exercise, hintPending).KindByte, 42);
  EXPECT_EQ(lesson.CurrentResultItem, 2);
}

TEST_F(LessonTabsTest, UnknownKindOpensNothingAndKeepsTheTab) {
  list.Add({"1#7#a#", "XX#x#", "========="});
  lesson.BeginLesson({6}, {1}, "tek_7", kTextMediaFilm);
  const TabSwitch first = Open(1);
  ASSERT_EQ(first.What, Action::Launch);
  bool hintPending = false;
  const LaunchPlan plan = LaunchExercise(lesson, list, first.Exercise, hintPending);
  EXPECT_FALSE(plan.Opens);
  EXPECT_EQ(lesson.CurrentTab, 1);
}

TEST_F(LessonTabsTest, LayoutThatIsNotANumberOpensNothing) {
  list.Add({"1#7#a#", "MC#x#", "1=b========"});
  bool hintPending = true;
  const LaunchPlan plan = LaunchExercise(lesson, list, 6, hintPending);
  EXPECT_FALSE(plan.Opens);
  EXPECT_TRUE(plan.LayoutError);
  EXPECT_TRUE(hintPending);
}

}  // namespace
}  // namespace tess
