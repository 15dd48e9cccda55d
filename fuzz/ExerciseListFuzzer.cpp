// The exercise list "St_" + letter + ".txt", and what the launcher and the lesson read from
// each entry: header fields, kind code, layout values, jump marks and the kind's content.
#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "core/ExerciseList.h"
#include "exercises/ExerciseKinds.h"
#include "exercises/ExerciseLayout.h"
#include "exercises/LessonTabs.h"
#include "exercises/Markup.h"
#include "exercises/MultipleChoice.h"
#include "exercises/TextLesson.h"
#include "exercises/TrueFalse.h"
#include "media/MediaWindowLogic.h"
#include "results/ResultsStore.h"
#include "shared/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string path = fuzz::WriteFile("St_a.txt", fuzz::AsText(data, size));
  ExerciseList list;
  TESS_FUZZ_CHECK(LoadExerciseList(path, list));
  TESS_FUZZ_CHECK(list.Count() <= ExerciseList::kMaxEntries);

  const fuzz::FixedMeasurer measurer;
  std::vector<int> texts;
  for (const ExerciseEntry& entry : list.Entries()) {
    for (int k = 0; k <= 11; ++k) entry.HeaderField(k);
    const std::string code = entry.KindCode();
    KindCodeOf(code);
    ExerciseKindTextsOf(code);
    if (const auto layout = ParseLayoutValues(entry.LayoutLine)) {
      // What the windows compute from the values: positions, widths, the media window.
      InstructionBoxWidth(layout->Or(3, kInstructionLeft), 641);
      MediaWindowOrigin(100, 50, layout->At(1), layout->At(2));
    }
    JumpTimesFromHeader(entry.HeaderLine);
    LayoutInstruction("Lang_r\\0\\", 641, measurer, entry.HeaderField(4), entry.HeaderField(5),
                      entry.HeaderField(6));
    const std::string_view content =
        entry.KindLine.size() > 3 ? std::string_view(entry.KindLine).substr(3) : std::string_view();
    if (code == "MC") ParseChoiceContent(content);
    if (code == "TF") ParseStatementContent(content);
    if (const auto number = ParseInt(Trim(entry.HeaderField(2)))) texts.push_back(*number);
  }

  const ResultsStore store;
  for (int text : texts) {
    const TextLessonPlan plan = PlanTextLesson(text, list, store, false);
    LessonState lesson;
    lesson.BeginLesson(plan.Exercises, plan.ResultSlots, "tek_" + std::to_string(text),
                       plan.TextMediaMode);
    for (int tab = 0; tab <= lesson.TabCount + 1; ++tab) {
      const TabSwitch opened = OpenExerciseTab(lesson, list, tab, true);
      if (opened.What == TabSwitch::Action::Launch) {
        bool hint = true;
        LaunchExercise(lesson, list, opened.Exercise, hint);
      }
    }
  }
  return 0;
}
