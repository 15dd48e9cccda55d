#include "dictionary/DictionaryLanguage.h"

namespace tess::dictionary {

LanguageFiles FilesOf(int language) {
  switch (language) {
    case kEnglish:
      return {"db/eng_34/", "sba_s.txt", "zda.txt", "eng_34"};
    case kGerman:
      return {"db/niem_1234/", "sbn_r.txt", "zdn.txt", "niem_1234"};
    case kFrench:
      return {"", "sbf_s.txt", "zdf.txt", ""};
    case kRussian:
      return {"db/ros5/", "sbr.txt", "zdr.txt", "ros5"};
    default:
      return {"", "sba.txt", "zda.txt", ""};
  }
}

bool WordClassTagOf(int language, const std::string& token, WordClassTag& tag) {
  // Hints exist for the English and German dictionaries only.
  const bool english = language == kEnglish;
  const bool german = language == kGerman;
  const auto hint = [&](const char* forEnglish, const char* forGerman) {
    return std::string(english ? forEnglish : german ? forGerman : "");
  };
  if (token == "[1]") {
    tag.Shown = english ? "n" : german ? "s" : token;
    tag.Hint = hint("noun (rzeczownik)", "substantiv (rzeczownik)");
  } else if (token == "[2]") {
    tag = {"adj", hint("adjective (przymiotnik)", "adjective (przymiotnik)")};
  } else if (token == "[3]") {
    tag = {"v", hint("verb (czasownik)", "verb (czasownik)")};
  } else if (token == "[4]" || token == "[9]") {
    tag = {"", ""};
  } else if (token == "[6]") {
    tag = {"adv", hint("adverb (przysłówek)", "adverb (przysłówek)")};
  } else if (token == "[7]") {
    tag = {"pt", hint("past tense (czas przeszły)", "")};
  } else if (token == "[8]") {
    tag = {"pp", hint("past participle (imiesłów przeszły)", "")};
  } else {
    return false;
  }
  return true;
}

std::string ForeignSideCaption(int language) {
  switch (language) {
    case kGerman:
      return "Szukaj wśród &niemieckich";
    case kFrench:
      return "Szukaj wśród &francuskich";
    case kRussian:
      return "Szukaj wśród &rosyjskich";
    default:
      return "Szukaj wśród &angielskich";
  }
}

bool HasFontOption(int language) { return language > kGerman; }

std::string FontOptionCaption(int language) {
  switch (language) {
    case kFrench:
      return "francuska czcionka";
    case kRussian:
      return "rosyjska czcionka";
    default:
      return "";
  }
}

}  // namespace tess::dictionary
