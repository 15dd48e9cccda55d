#pragma once
// The dictionary's text meets Qt here: headwords in the code page of the dictionary language,
// translations and the Polish files in cp1250.
#include <QString>
#include <string>

#include "dictionary/DictionaryLanguage.h"
#include "shared/CodePage.h"

namespace tess::dictionary {

inline CodePage HeadwordCodePage(int language) {
  if (language == kFrench) return CodePage::Cp1252;
  if (language == kRussian) return CodePage::Cp1251;
  return CodePage::Cp1250;
}

constexpr CodePage kPolishCodePage = CodePage::Cp1250;

inline QString Utf8Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace tess::dictionary
