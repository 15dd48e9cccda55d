#pragma once
// What the progress window draws, worked out without Qt: one bar per group and one per
// exercise kind from the results store, and one point per day from the attempts log.
#include <string>
#include <vector>

#include "core/InterfaceTexts.h"
#include "results/AttemptLog.h"

namespace tess {

class GroupList;
class ResultsStore;

struct ProgressBar {
  std::string Label;  ///< cp1250
  /// The mean of the records' `Score` (each item's last attempt, 0 for one never done),
  /// rounded half to even: the percent the results chooser shows for a group.
  int Percent = 0;
  int Done = 0;   ///< records with at least one attempt
  int Total = 0;  ///< records counted
  friend bool operator==(const ProgressBar&, const ProgressBar&) = default;
};

struct ProgressDay {
  std::string Day;  ///< "yyyy-mm-dd"
  int Percent = 0;  ///< mean of the day's attempts, rounded half to even
  int Attempts = 0;
  friend bool operator==(const ProgressDay&, const ProgressDay&) = default;
};

/// One bar per group of the list, in list order, named for the interface language; a group
/// without records has no bar.
std::vector<ProgressBar> GroupBars(const ResultsStore& store, const GroupList& groups,
                                   int interfaceLanguage);
/// One bar per kind code the store holds, in ascending code order, named by `KindName`.
std::vector<ProgressBar> KindBars(const ResultsStore& store, int courseLanguage,
                                  const InterfaceTexts& texts);
/// One point per day with attempts, oldest first.
std::vector<ProgressDay> DailyLine(const std::vector<LoggedAttempt>& attempts);

/// Whether the store holds any attempt at all.
bool AnyAttempt(const ResultsStore& store);

}  // namespace tess
