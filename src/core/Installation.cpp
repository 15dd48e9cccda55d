#include "core/Installation.h"

#include "shared/Paths.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

std::string ProgramDirOf(const std::string& programFile) {
  const auto last = programFile.find_last_of("\\/");
  return last == std::string::npos ? std::string() : programFile.substr(0, last + 1);
}

std::string CourseLetterOf(int courseLanguage) {
  switch (courseLanguage) {
    case 2:
      return "n";
    case 3:
      return "f";
    default:
      return "a";
  }
}

std::string SettingsTagOf(int courseLanguage) {
  return "ts" + CourseLetterOf(courseLanguage) + "2_2003";
}

InstallationError ReadInstallation(const std::string& programDir, CourseInstallation& out) {
  out.ProgramDir = WithTrailingSeparator(programDir);
  if (!FileExists(out.ProgramDir + "ts50.ini")) return InstallationError::MissingInstallationFile;
  out.MediaDir = out.ProgramDir + "Hdd\\";
  out.RecordingsDir = WithTrailingSeparator(out.MediaDir + "bsgram\\");

  const auto lines = ReadTextLines(out.ProgramDir + "tess_r.txt");
  if (!lines) return InstallationError::MissingCourseFile;
  out.CourseTitle = lines->empty() ? std::string() : (*lines)[0];
  const std::string languageLine = lines->size() > 1 ? Trim((*lines)[1]) : std::string();
  int language = 0;
  if (!languageLine.empty()) {
    const auto parsed = ParseInt(languageLine);
    if (!parsed || *parsed < 0 || *parsed > 3) return InstallationError::BadCourseLanguage;
    language = *parsed;
  }
  out.CourseLanguage = language == 0 ? 1 : language;
  out.CourseLetter = CourseLetterOf(out.CourseLanguage);
  out.SettingsTag = SettingsTagOf(out.CourseLanguage);
  return InstallationError::None;
}

std::string InstallationMessage(InstallationError error) {
  switch (error) {
    case InstallationError::MissingInstallationFile:
      return "Brak plików systemowych, proszę powtórzyć instalację programu!";
    case InstallationError::MissingCourseFile:
      return "Brak plików systemowych programu!";
    case InstallationError::BadCourseLanguage:
      return "Plik tess_r.txt jest uszkodzony: w drugim wierszu powinien być numer języka kursu "
             "(1 angielski, 2 niemiecki, 3 francuski). Proszę powtórzyć instalację programu.";
    case InstallationError::None:
      break;
  }
  return {};
}

}  // namespace tess
