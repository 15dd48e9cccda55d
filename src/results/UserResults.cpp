#include "results/UserResults.h"

#include "core/CourseState.h"
#include "platform/MessageBox.h"
#include "results/AttemptLog.h"
#include "results/ResultsStore.h"

namespace tess {

std::string UserResultsPath(const CourseState& state) {
  return ResultsFilePath(state.UserDir, state.Install.SettingsTag);
}

bool SaveResultsOrTell(const std::string& path, const ResultsStore& store, MessageBox& messages) {
  std::string error;
  if (SaveResults(path, store, &error)) return true;
  messages.ShowMessage("Nie można zapisać wyników w pliku " + path + ": " + error);
  return false;
}

bool SaveUserResults(const CourseState& state, ResultsStore& store, MessageBox& messages) {
  // The results file first: it is the record of truth, the log only its history.
  const bool saved = SaveResultsOrTell(UserResultsPath(state), store, messages);
  LogRecordedAttempts(state, store, messages, !saved);
  return saved;
}

}  // namespace tess
