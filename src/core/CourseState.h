#pragma once
// The program-wide values of the course program, created once in main() and passed to
// every window and rule that needs them.
#include <string>
#include <vector>

#include "core/Installation.h"
#include "core/InterfaceLanguages.h"
#include "core/InterfaceTexts.h"
#include "core/ModeFile.h"
#include "core/UserSettings.h"

namespace tess {

constexpr int kRunModeLocal = -1;
constexpr int kRunModeClassroom = 1;

struct CourseState {
  CourseInstallation Install;
  int InterfaceLanguage = 0;
  std::string LangDir = LangDirOf(0);
  int DefaultInterfaceLanguage = 0;
  UserOptions Options;  // all false until a user's settings are read
  std::string UserName;
  std::string UserDir;
  int RunMode = kRunModeLocal;
  ClassroomSettings Classroom;
  std::vector<int> LanguageChoices;
  InterfaceTexts Texts;

  std::string InterfaceText(int n) const { return Texts.Text(n); }
  void SetInterfaceLanguageNumber(int language) {
    InterfaceLanguage = language;
    LangDir = LangDirOf(language);
  }
  /// ProgramDir + name, and ProgramDir + LangDir + name.
  std::string ProgramPath(const std::string& name) const { return Install.ProgramDir + name; }
  std::string LangPath(const std::string& name) const {
    return Install.ProgramDir + LangDir + name;
  }
  UserSettings CurrentSettings() const { return {InterfaceLanguage, Options}; }
};

}  // namespace tess
