#pragma once
// The teacher's read-only results page: figures per learner and for the whole class (by
// exercise kind, by group, by lesson, and by the day of the last attempt) and the page's HTML,
// with its charts drawn as inline SVG. Stored texts are cp1250; the page is UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "classroomserver/ClassroomStorage.h"
#include "classroomserver/ServerResults.h"

namespace tess {

/// One bar: the mean score of the items done (at least one attempt), and how many of how many.
struct PercentBar {
  std::string Label;  ///< UTF-8
  int Percent = 0;    ///< rounded half to even; 0 when nothing was done
  int Done = 0;
  int Items = 0;
  friend bool operator==(const PercentBar&, const PercentBar&) = default;
};

/// The items whose last attempt fell on one day.
struct DayPercent {
  std::string Date;  ///< "yyyy-mm-dd"
  int Day = 0;       ///< whole days of the stored date, to space the points
  int Percent = 0;
  int Done = 0;
  friend bool operator==(const DayPercent&, const DayPercent&) = default;
};

struct ProgressFigures {
  PercentBar Overall;
  std::vector<PercentBar> ByKind;    ///< by kind code
  std::vector<PercentBar> ByGroup;   ///< in the order the groups first come in the records
  std::vector<PercentBar> ByLesson;  ///< in the order the lessons were first assigned
  std::vector<DayPercent> OverTime;  ///< one point per day, oldest first
};

/// What the storage holds of one learner.
struct LearnerResults {
  std::string Name;  ///< cp1250
  std::vector<StoredResults> Files;
  std::vector<StoredAssignment> Lessons;
};

/// Figures over the records of the given learners (one learner, or the class).
ProgressFigures FiguresOf(const std::vector<LearnerResults>& learners, const TextDecoder& toUtf8);

/// Polish name of a kind code on the page, cp1250.
std::string KindLabel(int kind);

std::string HtmlEscaped(std::string_view utf8);
/// Percent-encodes every byte but letters, digits and "-._~", for a query value.
std::string UrlEncoded(std::string_view utf8);

struct ResultsPage {
  std::string Html;
  bool Found = true;  ///< false when `chosen` names no learner (the page then shows the class)
};

/// The class page, or the page of the learner named `chosen` (cp1250), with the chooser of
/// every learner in `learners`.
ResultsPage BuildResultsPage(const std::vector<LearnerResults>& learners,
                             const std::optional<std::string>& chosen, const TextDecoder& toUtf8);

}  // namespace tess
