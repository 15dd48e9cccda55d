#pragma once
// Everything the dictionary program knows while it runs: its folder and installation, the
// entries, the search options and the user who uses the learning list.
#include <future>
#include <string>

#include "dictionary/DictionaryConfig.h"
#include "dictionary/EntryTable.h"
#include "dictionary/Search.h"
#include "shared/DataRoot.h"
#include "users/Users.h"

namespace tess::dictionary {

constexpr int kDictionaryUserLimit = 50;
/// The name of the lock that lets only one copy of the dictionary run.
constexpr const char* kInstanceLockName = "tessaron-wordbook";

struct DictionaryState {
  std::string ProgramDir;  ///< ends in a separator
  /// Where usr.t, the user folders and the search options are written and read back: the
  /// course program's data folder (shared/DataRoot.h); empty means ProgramDir.
  std::string DataDir;
  DictionaryConfig Config;
  EntryTable Table;
  SearchOptions Options;
  /// Empty until a user logs in for the learning list.
  std::string UserName;
  std::string UserDir;
  UserList Users{kDictionaryUserLimit};

  int Language() const { return Config.DictionaryLanguage; }
  const std::string& DataFolder() const { return DataDir.empty() ? ProgramDir : DataDir; }
  /// Where ustaw_s.txt is written: the user's folder, or the data folder without a user.
  std::string SearchOptionsPath() const;
};

/// The start of the dictionary in `programDir`: the installation, the entries, then the
/// search options (defaults, then the data folder's ustaw_s.txt). Stops at a configuration
/// error. The data folder is the one the course of this installation uses, so the learning
/// lists lie beside its users.
ConfigError LoadDictionary(const std::string& programDir, DictionaryState& state,
                           const WritableProbe& writable = FolderWritable);

/// What LoadDictionary read, for a start that reads on a thread of its own.
struct LoadedDictionary {
  DictionaryState State;
  ConfigError Error = ConfigError::None;
};

/// LoadDictionary on a thread of its own, so the reading overlaps the start of the window
/// system. `programDir` must be absolute (or empty): the current folder may change meanwhile.
std::future<LoadedDictionary> LoadDictionaryInBackground(std::string programDir,
                                                         WritableProbe writable = FolderWritable);

}  // namespace tess::dictionary
