#pragma once
// The results file of the user who is logged in, as every window that records a result saves it.
#include <string>

namespace tess {

struct CourseState;
class MessageBox;
class ResultsStore;

/// UserDir + the results file of the course's settings tag.
std::string UserResultsPath(const CourseState& state);

/// Saves the store to `path`; a failure is told through `messages` in Polish and the store
/// stays as it is in memory. False on a failure.
bool SaveResultsOrTell(const std::string& path, const ResultsStore& store, MessageBox& messages);

/// The same for the logged-in user's results file; then the attempts recorded since the last
/// save go to the user's attempts log (AttemptLog). A log that cannot be written never costs
/// the results; it is told only when the results themselves were saved, so one save tells
/// at most one failure.
bool SaveUserResults(const CourseState& state, ResultsStore& store, MessageBox& messages);

}  // namespace tess
