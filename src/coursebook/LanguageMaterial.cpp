#include "coursebook/LanguageMaterial.h"

#include <QComboBox>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "coursebook/HomeWindow.h"
#include "platform/MessageBox.h"
#include "widgets/SkinStrips.h"

namespace tess {

bool LanguageMaterial::Reload() {
  std::string error;
  if (!main_.LoadPictures(&error)) {
    messages_.ShowMessage(error);
    return false;
  }
  const std::string textsPath = state_.LangPath("\\infa_r.txt");
  InterfaceTexts::LoadError textError;
  if (!state_.Texts.Load(textsPath, &textError)) {
    messages_.ShowMessage(textError.line == 0
                              ? CannotOpenMessage(textsPath)
                              : "Plik \"" + textsPath + "\" jest uszkodzony: wiersz " +
                                    std::to_string(textError.line) +
                                    " nie zaczyna się od numeru tekstu.");
    return false;
  }
  if (!skins_.LoadSkins(state_, &error)) {
    messages_.ShowMessage(error);
    return false;
  }
  return true;
}

bool LanguageMaterial::SetInterfaceLanguage(int position) {
  if (position < 0 || position >= static_cast<int>(state_.LanguageChoices.size())) return false;
  const int previous = state_.InterfaceLanguage;
  state_.SetInterfaceLanguageNumber(state_.LanguageChoices[static_cast<size_t>(position)]);
  if (Reload()) return true;
  // A language that does not load is never kept: the one before comes back whole.
  state_.SetInterfaceLanguageNumber(previous);
  Reload();
  messages_.ShowMessage(
      "Wybranej wersji językowej interfejsu nie można wczytać. Pozostaje "
      "dotychczasowa: " +
      InterfaceLanguageName(previous) + ".");
  return false;
}

void LanguageMaterial::ListInterfaceLanguages(QComboBox& list) {
  state_.LanguageChoices = ListLanguageChoices(state_.Install.ProgramDir);
  list.clear();
  for (int language : state_.LanguageChoices) {
    list.addItem(QString::fromStdString(InterfaceLanguageName(language)));
  }
  if (!state_.LanguageChoices.empty()) {
    list.setCurrentIndex(InitialChoicePosition(state_.LanguageChoices));
  }
}

}  // namespace tess
