#include "dictionary/DictionaryConfig.h"

#include <optional>
#include <vector>

#include "dictionary/DictionaryLanguage.h"
#include "shared/Paths.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess::dictionary {

namespace {

// Line n (1-based) of a file, empty when the file is shorter.
std::string LineOf(const std::vector<std::string>& lines, size_t n) {
  return n <= lines.size() ? lines[n - 1] : std::string();
}

bool EndsInBackslash(const std::string& text) { return !text.empty() && text.back() == '\\'; }

std::string WithBackslash(std::string folder) {
  if (!EndsInBackslash(folder)) folder += '\\';
  return folder;
}

// The descriptor moves the recordings root: line 9 is a folder, line 16 = 1 makes it
// relative to the drive root.
ConfigError ReadDescriptor(const std::string& databaseDir, DictionaryConfig& config) {
  if (!FileExists(databaseDir + "tess_s.txt")) return ConfigError::None;
  const std::optional<std::vector<std::string>> lines = ReadTextLines(databaseDir + "tess_r.txt");
  if (!lines) return ConfigError::MissingSystemFile;
  const std::string folder = Trim(LineOf(*lines, 9));
  const std::optional<int> relative = ParseInt(Trim(LineOf(*lines, 16)));
  if (relative == 1) {
    std::string drive = config.DriveRoot;
    if (!EndsInBackslash(drive) && (folder.empty() || folder.front() != '\\')) drive += '\\';
    config.RecordingsRoot = WithBackslash(drive + folder);
  } else {
    config.RecordingsRoot = WithBackslash(folder);
  }
  return ConfigError::None;
}

}  // namespace

ConfigError LoadDictionaryConfig(const std::string& programDir, DictionaryConfig& config) {
  const std::optional<std::vector<std::string>> install = ReadTextLines(programDir + "ts50.ini");
  if (!install) return ConfigError::MissingInstallationFile;
  const std::string root = Trim(LineOf(*install, 2));
  config.RecordingsRoot = WithBackslash(root);
  config.DriveRoot = root.size() > 3 ? root.substr(3, 3) : std::string();

  const std::optional<std::vector<std::string>> settings =
      ReadTextLines(programDir + "tess_50_slow.txt");
  if (!settings) return ConfigError::MissingSystemFile;
  const std::string languageLine = Trim(LineOf(*settings, 2));
  if (languageLine.empty()) {
    config.DictionaryLanguage = kEnglish;
  } else {
    const std::optional<int> language = ParseInt(languageLine);
    if (!language) return ConfigError::BadLanguage;
    config.DictionaryLanguage = *language == 0 ? kEnglish : *language;
  }

  const std::string database = FilesOf(config.DictionaryLanguage).DatabaseFolder;
  if (database.empty()) return ConfigError::None;
  return ReadDescriptor(programDir + database, config);
}

std::string ConfigMessage(ConfigError error) {
  switch (error) {
    case ConfigError::None:
      return {};
    case ConfigError::MissingInstallationFile:
      return "Brak plików systemowych, proszę powtórzyć instalację programu!";
    case ConfigError::MissingSystemFile:
      return "Brak plików systemowych programu!";
    case ConfigError::BadLanguage:
      return "Plik tess_50_slow.txt jest uszkodzony: w wierszu 2 powinien być numer języka "
             "słownika. Proszę powtórzyć instalację programu!";
  }
  return {};
}

}  // namespace tess::dictionary
