#include "exercises/LessonTabs.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/Catalogue.h"

namespace tess {

void LessonState::BeginLesson(const std::vector<int>& exercises,
                              const std::vector<std::uint8_t>& slots, std::string resultName,
                              int textMediaMode) {
  LessonTabs.fill(0);
  TabResultSlot.fill(0);
  TabOpened.fill(false);
  TabCount = static_cast<int>(std::min<size_t>(exercises.size(), kMaxLessonTabs));
  for (int t = 1; t <= TabCount; ++t) {
    LessonTabs[Index(t)] = exercises[Index(t)];
    if (Index(t) < slots.size()) TabResultSlot[Index(t)] = slots[Index(t)];
  }
  CurrentResultName = std::move(resultName);
  TextMediaMode = textMediaMode;
  CurrentTab = kNoTabShown;
}

TabSwitch OpenExerciseTab(LessonState& lesson, const ExerciseList& list, int tab,
                          bool typingTabLast) {
  TabSwitch result;
  if (!lesson.ValidTab(tab)) return result;
  const ExerciseEntry* entry = list.At(lesson.ExerciseOfTab(tab));
  const std::string kind = entry ? entry->KindCode() : std::string();

  int opened = 0;
  for (int t = 1; t <= lesson.TabCount; ++t) opened += lesson.Opened(t) ? 1 : 0;
  // The count is taken before this tab is marked, so the typing tab itself never counts.
  if (typingTabLast && opened < lesson.TabCount - 1 && kind == "WP") {
    result.What = TabSwitch::Action::ShowMessage;
    result.Message = kTextTypingTabLast;
    return result;
  }
  if (tab == lesson.CurrentTab) return result;

  lesson.TabOpened[LessonState::Index(tab)] = true;
  lesson.CurrentTab = tab;
  result.What = TabSwitch::Action::Launch;
  result.Exercise = lesson.ExerciseOfTab(tab);
  return result;
}

LaunchPlan LaunchExercise(LessonState& lesson, const ExerciseList& list, int exercise,
                          bool& exerciseHintPending) {
  LaunchPlan plan;
  lesson.CurrentExercise = exercise;
  if (lesson.ValidTab(lesson.CurrentTab)) {
    lesson.CurrentResultItem = lesson.ResultSlotOfTab(lesson.CurrentTab);
  }
  const ExerciseEntry* entry = list.At(exercise);
  if (!entry) return plan;
  plan.KindCode = entry->KindCode();
  const int kindByte = KindCodeOf(plan.KindCode);
  if (kindByte == 0) return plan;

  if (std::optional<LayoutValues> layout = ParseLayoutValues(entry->LayoutLine)) {
    plan.Layout = *layout;
  } else {
    plan.LayoutError = true;
    return plan;
  }
  plan.Opens = true;
  plan.KindByte = static_cast<std::uint8_t>(kindByte);
  lesson.CurrentResultKind = plan.KindByte;
  if (exerciseHintPending) {
    exerciseHintPending = false;
    plan.HintMessage = kTextExerciseHint;
  }
  return plan;
}

}  // namespace tess
