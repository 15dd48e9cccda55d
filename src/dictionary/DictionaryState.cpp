#include "dictionary/DictionaryState.h"

namespace tess::dictionary {

std::string DictionaryState::SearchOptionsPath() const {
  return (UserDir.empty() ? DataFolder() : UserDir) + kSearchOptionsFile;
}

ConfigError LoadDictionary(const std::string& programDir, DictionaryState& state,
                           const WritableProbe& writable) {
  state.ProgramDir = programDir;
  const ConfigError error = LoadDictionaryConfig(programDir, state.Config);
  if (error != ConfigError::None) return error;
  // The course's language names the data folder; a dictionary without a course uses its own.
  state.DataDir = SettleDataRoot(programDir, InstalledCourseLanguage(programDir, state.Language()),
                                 writable);
  LoadEntries(programDir, state.Language(), state.Table);
  // No user is logged in yet, so the options come from the data folder.
  state.UserName.clear();
  state.UserDir.clear();
  state.Options = SearchOptions{};
  ReadSearchOptions(state.DataDir + kSearchOptionsFile, state.Options);
  return ConfigError::None;
}

std::future<LoadedDictionary> LoadDictionaryInBackground(std::string programDir,
                                                         WritableProbe writable) {
  return std::async(std::launch::async,
                    [programDir = std::move(programDir), writable = std::move(writable)] {
                      LoadedDictionary loaded;
                      loaded.Error = LoadDictionary(programDir, loaded.State, writable);
                      return loaded;
                    });
}

}  // namespace tess::dictionary
