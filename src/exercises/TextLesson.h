#pragma once
// What opening a recorded text from a chooser sets up: the tabs of the text's exercises, the
// results item of each, whether the film or the recording plays, and the film's jump marks.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/MediaWindowLogic.h"

namespace tess {

class ExerciseList;
class ResultsStore;

struct TextLessonPlan {
  int TextNumber = 0;
  std::vector<int> Exercises;             ///< exercise numbers, in list order
  std::vector<std::uint8_t> ResultSlots;  ///< `Item` of the text's records, in store order
  int TextMediaMode = 2;
  std::array<int, kJumpMarks> JumpTimes{-1, -1, -1, -1};
};

/// The number after the four-character prefix of a results key ("tek_12" gives 12), or -1.
int ResultKeyNumber(std::string_view name);

/// The lesson of text `textNumber`: every exercise whose header field 2 is that number, and
/// the items of the store's "tek_" records of it. `filmExists` tells whether the text's film
/// is installed.
TextLessonPlan PlanTextLesson(int textNumber, const ExerciseList& exercises,
                              const ResultsStore& store, bool filmExists);

}  // namespace tess
