// The content of a multiple-choice exercise (the kind line after "MC#"): parsing, then a
// whole attempt on what was accepted, with the list laid out in a small and a wide box.
#include "FuzzSupport.h"
#include "exercises/MultipleChoice.h"
#include "platform/RandomSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tess;
  const std::string_view content = fuzz::AsText(data, size);
  const ChoiceContent parsed = ParseChoiceContent(content);
  // Accepted whole or not at all.
  TESS_FUZZ_CHECK(parsed.Error.empty() == !parsed.Questions.empty());
  for (const ChoiceQuestion& question : parsed.Questions) {
    TESS_FUZZ_CHECK(question.PartCount >= 3 && question.PartCount <= ChoiceQuestion::kMaxParts);
    TESS_FUZZ_CHECK(question.RightPart >= 2 && question.RightPart <= question.PartCount);
  }

  SeededRandom random(static_cast<std::uint32_t>(size));
  MultipleChoice exercise;
  if (!exercise.Load(content, random)) {
    TESS_FUZZ_CHECK(exercise.QuestionCount() == 0 && !exercise.LoadError().empty());
    return 0;
  }
  const fuzz::FixedMeasurer measurer;
  for (int width : {40, 600}) {
    for (const ChoiceDrawItem& item : exercise.Paint(measurer, width, 300)) {
      exercise.PointerOverAnswer(item.X + 1, item.Y + 1);
      exercise.Click(item.X + 1, item.Y + 1);
    }
    exercise.ScrollDown();
    exercise.ScrollUp();
  }
  exercise.Check();
  TESS_FUZZ_CHECK(exercise.GoodCount() + exercise.BadCount() == exercise.QuestionCount());
  const int percent = exercise.Percent();
  TESS_FUZZ_CHECK(percent >= 0 && percent <= 100);
  exercise.Paint(measurer, 600, 300);
  return 0;
}
