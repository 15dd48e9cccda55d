#pragma once
// What the classroom server gives the logged-in learner: the teacher's lessons, their
// assignments and whether the whole material is open. Empty in local mode.
#include <cstdint>
#include <string>
#include <vector>

namespace tess {

/// A lesson made by the teacher: its name and the store positions of its records.
struct ServerLesson {
  std::string Name;  ///< cp1250
  std::vector<int> Positions;
};

/// A lesson handed to the learner for a time.
struct LessonAssignment {
  std::int32_t ID = 0;  ///< 1-based position of the lesson in the lesson list
  double OD = 0;        ///< TDateTime from which it is available
  bool OdRazu = false;  ///< available at once, without waiting for `OD`
  double DO = 0;        ///< TDateTime after which it is no longer available
};

struct ClassroomLessons {
  std::vector<ServerLesson> Lessons;
  std::vector<LessonAssignment> Assignments;
  bool WholeMaterial = false;
};

}  // namespace tess
