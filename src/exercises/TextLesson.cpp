#include "exercises/TextLesson.h"

#include <algorithm>
#include <optional>

#include "core/ExerciseList.h"
#include "exercises/ExerciseLayout.h"
#include "results/ResultsStore.h"
#include "shared/Text.h"

namespace tess {

int ResultKeyNumber(std::string_view name) {
  const std::string trimmed = Trim(name);
  if (trimmed.size() <= 4) return -1;
  const std::optional<int> number = ParseInt(Trim(std::string_view(trimmed).substr(4)));
  return number && *number >= 0 ? *number : -1;
}

TextLessonPlan PlanTextLesson(int textNumber, const ExerciseList& exercises,
                              const ResultsStore& store, bool filmExists) {
  TextLessonPlan plan;
  plan.TextNumber = textNumber;
  plan.TextMediaMode = TextMediaModeFor(filmExists);
  for (int k = 1; k <= exercises.Count(); ++k) {
    const ExerciseEntry& entry = *exercises.At(k);
    const std::optional<int> text = ParseInt(Trim(entry.HeaderField(2)));
    if (!text || *text != textNumber) continue;
    // A later exercise of the text with film marks replaces those of an earlier one.
    if (std::count(entry.HeaderLine.begin(), entry.HeaderLine.end(), '#') >= 5) {
      plan.JumpTimes = JumpTimesFromHeader(entry.HeaderLine);
    }
    plan.Exercises.push_back(k);
  }
  for (const ResultRecord& record : store.Records()) {
    if (record.Name.rfind("tek_", 0) == 0 && ResultKeyNumber(record.Name) == textNumber) {
      plan.ResultSlots.push_back(record.Item);
    }
  }
  return plan;
}

}  // namespace tess
