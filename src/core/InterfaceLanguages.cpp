#include "core/InterfaceLanguages.h"

#include <algorithm>

#include "shared/Paths.h"

namespace tess {

std::string InterfaceLanguageName(int language) {
  static const char* const kNames[kInterfaceLanguageCount] = {"polski", "english", "deutsch",
                                                              "russki"};
  return language >= 0 && language < kInterfaceLanguageCount ? kNames[language] : "";
}

std::string LangDirOf(int language) { return "Lang_r\\" + std::to_string(language) + "\\"; }

std::vector<int> ListLanguageChoices(const std::string& programDir) {
  std::vector<int> choices;
  for (int n = 0; n < kInterfaceLanguageCount; ++n) {
    if (DirectoryExists(programDir + "Lang_r\\" + std::to_string(n))) choices.push_back(n);
  }
  return choices;
}

int InitialChoicePosition(const std::vector<int>& choices) { return choices.size() >= 2 ? 1 : 0; }

int ChoicePositionOf(const std::vector<int>& choices, int language) {
  const auto it = std::find(choices.begin(), choices.end(), language);
  return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

}  // namespace tess
