#include "core/Settings.h"

#include "core/InterfaceLanguages.h"

namespace tess {

bool SaveUserSettings(const CourseState& state, MessageBox& messages) {
  const std::string path = SettingsFilePath(state.UserDir, state.Install.SettingsTag);
  std::string error;
  if (WriteUserSettings(path, state.CurrentSettings(), &error)) return true;
  messages.ShowMessage("Nie można zapisać ustawień użytkownika w pliku " + path + ": " + error);
  return false;
}

bool LoadUserSettings(CourseState& state, MessageBox& messages,
                      const std::function<bool()>& reloadLanguageMaterial) {
  const std::string path = SettingsFilePath(state.UserDir, state.Install.SettingsTag);
  UserSettings settings = state.CurrentSettings();
  switch (ReadUserSettings(path, settings)) {
    case SettingsRead::Loaded:
      break;
    case SettingsRead::BadInterfaceLanguage:
      messages.ShowMessage("Plik ustawień " + path +
                           " jest uszkodzony: w pierwszym wierszu powinien być numer języka "
                           "(0 do 3). Użyty zostanie język domyślny.");
      settings.InterfaceLanguage = state.DefaultInterfaceLanguage;
      break;
    case SettingsRead::Missing:
      settings.Options = UserOptions::Defaults();
      settings.InterfaceLanguage = state.DefaultInterfaceLanguage;
      state.Options = settings.Options;
      state.SetInterfaceLanguageNumber(settings.InterfaceLanguage);
      SaveUserSettings(state, messages);
      break;
  }
  state.LanguageChoices = ListLanguageChoices(state.Install.ProgramDir);
  if (ChoicePositionOf(state.LanguageChoices, settings.InterfaceLanguage) < 0 &&
      !state.LanguageChoices.empty()) {
    settings.InterfaceLanguage = state.LanguageChoices.front();
  }
  state.Options = settings.Options;
  state.SetInterfaceLanguageNumber(settings.InterfaceLanguage);
  if (reloadLanguageMaterial()) return true;
  // A damaged language folder must not lock the learner out: the first installed language
  // that loads is used instead. The settings keep the learner's choice for a repaired folder.
  for (int language : state.LanguageChoices) {
    if (language == settings.InterfaceLanguage) continue;
    state.SetInterfaceLanguageNumber(language);
    if (reloadLanguageMaterial()) {
      messages.ShowMessage(
          "Nie można wczytać wersji językowej interfejsu zapisanej w ustawieniach. Użyta "
          "zostanie wersja: " +
          InterfaceLanguageName(language) + ".");
      return true;
    }
  }
  return false;
}

}  // namespace tess
