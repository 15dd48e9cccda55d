#pragma once
// The course catalogues: groups (sections), recorded texts, comprehension exercises and
// their items, sentences and their packages, and the kind codes that tie them to results.
// Everything is read once at start and stays in memory; text stays in cp1250 bytes.
//
// Lists are 1-based in file order: the position of an entry is its number wherever the rest
// of the program speaks of group g, comprehension exercise n or package n. A line with a
// non-number in a numeric field is skipped and the rest of the file is still read; entries
// beyond a list's limit are ignored.
#include <string>
#include <string_view>
#include <vector>

#include "core/InterfaceTexts.h"
#include "core/KindCode.h"

namespace tess {

/// One line of "gr" + letter + ".txt".
struct GroupEntry {
  std::string LongNameEn;  ///< field 3, interface language 1
  std::string LongNameDe;  ///< field 4, interface language 2
  std::string LongNamePl;  ///< field 5, interface language 0
  std::string ShortName;   ///< field 6, the `Group` of results records
};

class GroupList {
 public:
  static constexpr int kMaxGroups = 30;

  int Count() const { return static_cast<int>(entries_.size()); }
  /// Group g (1-based); nullptr when there is no such group.
  const GroupEntry* At(int g) const;
  /// Empty when there is no group g.
  std::string ShortName(int g) const;
  /// Field 5 for interface language 0, field 3 for 1, field 4 for 2, empty for any other.
  /// In the names' language of the interface language (see NamesLanguage).
  std::string LongName(int g, int interfaceLanguage) const;

  void Clear() { entries_.clear(); }
  /// False when the list is full.
  bool Add(GroupEntry entry);

 private:
  std::vector<GroupEntry> entries_;
};

/// One entry of "rozumienie_" + letter + ".txt": a recorded text.
struct TextEntry {
  int Number = 0;       ///< the text number of the exercise list's header field 2
  int Level = 0;        ///< 1 to 4
  int GroupNumber = 0;  ///< position in the group list
  std::string NameDe;   ///< field 4, interface language 2
  std::string NameEn;   ///< field 5, interface language 1
  std::string NamePl;   ///< field 6, interface language 0
};

class TextCatalogue {
 public:
  static constexpr int kMaxTexts = 200;

  int Count() const { return static_cast<int>(entries_.size()); }
  const TextEntry* At(int n) const;
  const std::vector<TextEntry>& Entries() const { return entries_; }

  void Clear() { entries_.clear(); }
  bool Add(TextEntry entry);

 private:
  std::vector<TextEntry> entries_;
};

/// One five-line entry of "kurs_cwicz.kdx".
struct ComprehensionExercise {
  std::string Identifier;  ///< line 1, trimmed
  std::string Line2;       ///< line 2, trimmed
  std::string NamesLine;   ///< line 3, trimmed: names for languages 0, 2 and 1, "="-ended
  std::string ItemsLine;   ///< line 4 as read: item identifiers, "="-separated
  int Level = 0;           ///< characters 7 and 8 of line 1
  int GroupNumber = 0;     ///< characters 9 and 10 of line 1

  /// Field 1 of the names line for interface language 0, field 3 for 1, field 2 for 2.
  std::string Name(int interfaceLanguage) const;
};

class ComprehensionCatalogue {
 public:
  static constexpr int kMaxExercises = 100;

  int Count() const { return static_cast<int>(entries_.size()); }
  const ComprehensionExercise* At(int n) const;

  void Clear() { entries_.clear(); }
  bool Add(ComprehensionExercise entry);

 private:
  std::vector<ComprehensionExercise> entries_;
};

/// One line of "rozum_pig.txt"; every field trimmed.
struct ComprehensionItem {
  std::string Identifier;
  std::string SoundName;  ///< without ".wav"
  std::string TextPolish;
  std::string TextForeign;
  std::string RightPicture;
  std::string OtherPicture1;
  std::string OtherPicture2;
};

class ComprehensionItems {
 public:
  static constexpr int kMaxItems = 600;

  int Count() const { return static_cast<int>(items_.size()); }
  const ComprehensionItem* At(int n) const;
  /// The first item with this identifier; nullptr when there is none.
  const ComprehensionItem* Find(std::string_view identifier) const;

  void Clear() { items_.clear(); }
  bool Add(ComprehensionItem item);

 private:
  std::vector<ComprehensionItem> items_;
};

/// One line of "zd" + letter + "_rozum.txt".
struct Sentence {
  int Level = 0;            ///< character 1
  std::string PackageCode;  ///< characters 2 and 3, as text
  int GroupNumber = 0;      ///< characters 4 and 5
  std::string Variants[4];  ///< fields 1 to 4, untrimmed; 2 to 4 may be empty
  int VariantCount = 1;     ///< 1, or the highest of 2..4 whose field is not blank
  std::string SoundName;    ///< field 5, blanks trimmed; lies in RecordingsDir
  std::string Translation;  ///< field 8, or "Brak tlumaczenia!!!" when it is empty
};

/// Sentences with the same level, package code and group number.
struct SentencePackage {
  int Level = 0;
  std::string Code;
  int GroupNumber = 0;
  std::vector<int> Sentences;  ///< sentence numbers (1-based) in file order
};

class SentencePackages {
 public:
  static constexpr int kMaxPackages = 450;
  static constexpr int kMaxMembers = 501;

  int Count() const { return static_cast<int>(packages_.size()); }
  const SentencePackage* At(int n) const;

  /// Groups the sentences into packages, numbered in the order of their first sentences.
  /// A sentence that would open a package beyond the limit, or join a full one, is left out.
  void Build(const std::vector<Sentence>& sentences);

 private:
  std::vector<SentencePackage> packages_;
};

class SentenceList {
 public:
  static constexpr int kMaxSentences = 2550;

  int Count() const { return static_cast<int>(sentences_.size()); }
  const Sentence* At(int n) const;
  const SentencePackages& Packages() const { return packages_; }

  void Clear();
  bool Add(Sentence sentence);
  void BuildPackages() { packages_.Build(sentences_); }

 private:
  std::vector<Sentence> sentences_;
  SentencePackages packages_;
};

/// Every catalogue of the course, as the program keeps them for the whole run.
struct CourseCatalogue {
  GroupList Groups;
  TextCatalogue Texts;
  SentenceList Sentences;
  ComprehensionCatalogue Comprehension;
  ComprehensionItems Items;
};

/// The catalogues name sections, texts and exercises in Polish (0), English (1) and German (2)
/// only; the Russian interface (3) shows the Polish names rather than none at all.
int NamesLanguage(int interfaceLanguage);

/// File names in ProgramDir, by course letter.
std::string GroupListFile(std::string_view courseLetter);
std::string TextCatalogueFile(std::string_view courseLetter);
std::string SentenceListFile(std::string_view courseLetter);
inline constexpr const char* kComprehensionCatalogueFile = "kurs_cwicz.kdx";
inline constexpr const char* kComprehensionItemsFile = "rozum_pig.txt";

/// Each loader empties its list and reads the file at `path`; false when the file cannot
/// be read (the list then stays empty).
bool LoadGroupList(const std::string& path, GroupList& list);
bool LoadTextCatalogue(const std::string& path, TextCatalogue& list);
/// Also builds the packages.
bool LoadSentenceList(const std::string& path, SentenceList& list);
bool LoadComprehensionCatalogue(const std::string& path, ComprehensionCatalogue& list);
bool LoadComprehensionItems(const std::string& path, ComprehensionItems& list);

/// One line of the sentence list; false when its level or group is not a number.
bool ParseSentenceLine(std::string_view line, Sentence& out);

/// Display name of a kind code; the codes the course grades follow the interface texts.
std::string KindName(int code, int courseLanguage, const InterfaceTexts& texts);

/// Kind code of a two-letter exercise code ("MC" 40 ... "DV" 46); 0 for any other text.
int KindCodeOf(std::string_view twoLetterCode);

}  // namespace tess
