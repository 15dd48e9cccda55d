#include "dictionary/DictionaryState.h"

namespace tess::dictionary {

std::string DictionaryState::SearchOptionsPath() const {
  return (UserDir.empty() ? ProgramDir : UserDir) + kSearchOptionsFile;
}

ConfigError LoadDictionary(const std::string& programDir, DictionaryState& state) {
  state.ProgramDir = programDir;
  const ConfigError error = LoadDictionaryConfig(programDir, state.Config);
  if (error != ConfigError::None) return error;
  LoadEntries(programDir, state.Language(), state.Table);
  // No user is logged in yet, so the options come from the program's folder.
  state.UserName.clear();
  state.UserDir.clear();
  state.Options = SearchOptions{};
  ReadSearchOptions(programDir + kSearchOptionsFile, state.Options);
  return ConfigError::None;
}

}  // namespace tess::dictionary
