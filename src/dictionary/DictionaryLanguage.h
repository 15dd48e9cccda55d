#pragma once
// What the dictionary language (line 2 of tess_50_slow.txt) selects: the lists, the database
// folder, the learning-list name, the word-class abbreviations and the texts that name the
// language. The Polish side is always the other language.
#include <string>

namespace tess::dictionary {

constexpr int kEnglish = 1;
constexpr int kGerman = 2;
constexpr int kFrench = 3;
constexpr int kRussian = 6;

struct LanguageFiles {
  std::string DatabaseFolder;  ///< relative to ProgramDir, "/"-separated; empty when none
  std::string WordList;        ///< in ProgramDir
  std::string SentenceList;    ///< in ProgramDir
  std::string LearningWord;    ///< the learning list is UserDir + this + "slow.txt"
};

LanguageFiles FilesOf(int language);

/// How a word-class tag ("[1]" to "[9]") of a translation is drawn: a tag is shown in grey
/// italics as `Shown` (possibly empty) with `Hint` (possibly empty) as its tooltip.
struct WordClassTag {
  std::string Shown;
  std::string Hint;  ///< UTF-8
};

/// The tag a token stands for, or false when the token is an ordinary word ("[5]" is one).
bool WordClassTagOf(int language, const std::string& token, WordClassTag& tag);

/// Caption of the foreign side's option in the search window ("&" marks the access key).
std::string ForeignSideCaption(int language);
/// Caption of the field's font option in the search window; empty where it is not shown.
std::string FontOptionCaption(int language);
/// Whether the search window offers the font option of its field.
bool HasFontOption(int language);

}  // namespace tess::dictionary
