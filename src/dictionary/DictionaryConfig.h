#pragma once
// The dictionary's installation: where recordings lie and which language the dictionary has,
// from ts50.ini, tess_50_slow.txt and the descriptor of the language's database folder.
#include <string>

namespace tess::dictionary {

struct DictionaryConfig {
  std::string RecordingsRoot;  ///< ends in "\"
  std::string DriveRoot;
  int DictionaryLanguage = 1;
};

enum class ConfigError {
  None,
  MissingInstallationFile,  ///< no ts50.ini
  MissingSystemFile,        ///< no tess_50_slow.txt, or a descriptor without its tess_r.txt
  BadLanguage,              ///< line 2 of tess_50_slow.txt is not a number
};

/// Reads ts50.ini and tess_50_slow.txt of `programDir` (ending in a separator) and, when the
/// language's database folder holds tess_s.txt, the recordings folder from its tess_r.txt.
ConfigError LoadDictionaryConfig(const std::string& programDir, DictionaryConfig& config);

/// The Polish message (UTF-8) the program ends with.
std::string ConfigMessage(ConfigError error);

}  // namespace tess::dictionary
