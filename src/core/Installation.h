#pragma once
// The installation and course files that mark a complete course folder.
#include <string>

namespace tess {

struct CourseInstallation {
  std::string ProgramDir;     ///< ends in "\"
  std::string MediaDir;       ///< ProgramDir + "Hdd\"
  std::string RecordingsDir;  ///< MediaDir + "bsgram\"
  std::string CourseTitle;
  int CourseLanguage = 1;  ///< 1 English, 2 German, 3 French
  std::string CourseLetter = "a";
  std::string SettingsTag = "tsa2_2003";
  /// Where users, settings, results and recordings are written and read back (see
  /// shared/DataRoot.h); empty means ProgramDir.
  std::string DataDir;

  const std::string& DataFolder() const { return DataDir.empty() ? ProgramDir : DataDir; }
};

enum class InstallationError {
  None,
  MissingInstallationFile,  ///< no "ts50.ini"
  MissingCourseFile,        ///< no "tess_r.txt"
  BadCourseLanguage,        ///< line 2 of "tess_r.txt" is not 0 to 3
};

/// Folder of a program file: everything up to and including its last separator.
std::string ProgramDirOf(const std::string& programFile);

std::string CourseLetterOf(int courseLanguage);
std::string SettingsTagOf(int courseLanguage);

/// Checks "ts50.ini" and reads "tess_r.txt" of `programDir` (ending in a separator).
InstallationError ReadInstallation(const std::string& programDir, CourseInstallation& out);

/// The Polish message the program ends with, UTF-8.
std::string InstallationMessage(InstallationError error);

}  // namespace tess
