#pragma once
// Which dictionary entries a word of a course text stands for: the word is stripped of the
// punctuation around it and folded to small letters in the course text's code page, then
// looked for as it is, then in the forms its ending allows, each form as a headword (a German
// noun's headword without its ", der") or as an entry's plural. The first form that finds
// anything gives the entries.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tess::dictionary {
class EntryTable;
}

namespace tess::lookup {

/// The word without the punctuation, quotes and dashes before and after it; an apostrophe or
/// hyphen inside stays. Bytes in the code page of `courseLanguage`'s text.
std::string StripWord(std::string_view raw, int courseLanguage);

/// Small letters for every capital of the code page: cp1252 for French (3), cp1250 otherwise.
std::string FoldWord(std::string_view word, int courseLanguage);

/// The forms a folded word is looked for in, in order: the word, then without an elided
/// article or pronoun (French l', d', qu'...) or a clitic (English 's, n't...), then the base
/// forms its ending allows in the language (English plural, past and -ing forms; German
/// endings of nouns, adjectives and verbs; French plural, feminine and -er verb forms).
/// Each form appears once.
std::vector<std::string> WordForms(std::string_view folded, int language);

/// The listed entries of a dictionary by their folded headwords and plurals.
class WordIndex {
 public:
  WordIndex(const dictionary::EntryTable& table, int language);

  /// Positions, in table order, of the listed entries that stand for their number and whose
  /// headword or plural is `folded`.
  std::vector<int> Exact(const std::string& folded) const;
  /// The entries of the first form of `raw` (a word as a course text has it) that finds any.
  std::vector<int> Find(std::string_view raw) const;

 private:
  int language_;
  std::unordered_map<std::string, std::vector<int>> headwords_;
  std::unordered_map<std::string, std::vector<int>> plurals_;
};

}  // namespace tess::lookup
