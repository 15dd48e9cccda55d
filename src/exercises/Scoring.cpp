#include "exercises/Scoring.h"

#include <algorithm>
#include <iterator>

#include "shared/Percent.h"
#include "shared/Text.h"

namespace tess {

void ExerciseScore::Check(int good, int items) {
  GoodCount = good;
  BadCount = items - good;
  ExerciseChecked = true;
  ExerciseTouched = true;
}

int ExerciseScore::Percent() const { return PercentOf(GoodCount, BadCount); }

std::optional<RecordedAttempt> AttemptOnClose(const ExerciseScore& score,
                                              const std::string& resultName, std::uint8_t kindCode,
                                              std::uint8_t resultItem) {
  if (!score.ExerciseTouched) return std::nullopt;
  return RecordedAttempt{score.Percent(), resultName, kindCode, resultItem,
                         static_cast<std::uint8_t>(score.ExerciseChecked ? 1 : 0)};
}

bool AnswersEqual(std::string_view entry, std::string_view expected, bool caseSensitive) {
  if (caseSensitive) return Trim(entry) == Trim(expected);
  return LowerAZ(Trim(entry)) == LowerAZ(Trim(expected));
}

std::string StripPunctuation(std::string_view text, int courseLanguage) {
  const std::string_view marks = courseLanguage == 2 ? ".,;:!?'" : ".,;:!?";
  std::string result;
  result.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(result),
               [&](char c) { return marks.find(c) == std::string_view::npos; });
  return result;
}

bool TypedAnswerMatches(std::string_view entry, std::string_view expected,
                        const AnswerOptions& options) {
  std::string a(entry);
  std::string b(expected);
  if (!options.KeepPunctuation) {
    a = StripPunctuation(a, options.CourseLanguage);
    b = StripPunctuation(b, options.CourseLanguage);
  }
  if (!options.CaseSensitive) {
    a = LowerAZ(a);
    b = LowerAZ(b);
  }
  return Trim(a) == Trim(b);
}

}  // namespace tess
