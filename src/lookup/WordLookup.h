#pragma once
// The dictionary of the installation as the course program's word look-up uses it: loaded
// once, through the dictionary's own files and rules, only when it is a dictionary of the
// course's language; the entries a word stands for, as the dictionary shows them; and the
// learner's learning list, the same file the dictionary program keeps for that learner.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/DictionaryConfig.h"
#include "dictionary/EntryTable.h"
#include "lookup/WordMatch.h"

namespace tess::lookup {

/// At most this many entries are shown for one word.
constexpr size_t kMaxShownEntries = 6;

/// The popup's one line for a word with no entry (cp1250): "Nie ma tego słowa w słowniku."
constexpr const char* kNotInDictionary = "Nie ma tego s\xB3owa w s\xB3owniku.";

/// A piece of a translation as the dictionary's list draws it: a word, or a word-class tag
/// shown as its abbreviation (grey italics) with its hint.
struct TranslationWord {
  std::string Text;  ///< cp1250
  bool Tag = false;
  std::string Hint;  ///< UTF-8; tags only, may be empty

  friend bool operator==(const TranslationWord&, const TranslationWord&) = default;
};

struct LookupEntry {
  int Position = 0;
  int EntryNo = 0;
  std::string Headword;  ///< in the headword's code page
  std::vector<TranslationWord> Translation;
  std::string Plural;     ///< in the headword's code page, may be empty
  std::string Note;       ///< cp1250: "Poziom 1, 2" or empty
  std::string Recording;  ///< a path, empty when the entry has none
};

/// The tokens of a translation with the tags the dictionary language shows replaced; a tag
/// that shows nothing ("[4]", "[9]") is left out.
std::vector<TranslationWord> TranslationWords(std::string_view translation, int language);

class WordLookup {
 public:
  /// The dictionary in `programDir` (ending in a separator) when its installation files are
  /// there and its language is `courseLanguage`; nothing otherwise.
  static std::unique_ptr<WordLookup> Open(const std::string& programDir, int courseLanguage);

  int Language() const { return config_.DictionaryLanguage; }
  const dictionary::EntryTable& Table() const { return table_; }

  /// The entries `rawWord` (as a course text has it) stands for, at most kMaxShownEntries.
  std::vector<LookupEntry> Look(std::string_view rawWord) const;
  LookupEntry EntryAt(int position) const;

 private:
  WordLookup(std::string programDir, dictionary::DictionaryConfig config);

  std::string programDir_;
  dictionary::DictionaryConfig config_;
  dictionary::EntryTable table_;
  std::optional<WordIndex> index_;
};

/// The folder whose learning list the dictionary shows for the course's learner: the local
/// user's folder. A classroom learner has no folder of the dictionary's users, so the list is
/// that of the local user of the same name, or, with none, the one the dictionary keeps
/// without a login (the data folder).
std::string LearningListFolder(const std::string& dataFolder, const std::string& userDir,
                               const std::string& userName, bool classroom);

/// The entry numbers on a learning list, in file order; empty when the file is missing.
std::vector<int> ReadLearningList(const std::string& path);

enum class LearnOutcome { Added, AlreadyListed, Failed };

struct LearnResult {
  LearnOutcome Outcome = LearnOutcome::Failed;
  std::string Message;  ///< cp1250, for the popup
  std::string Reason;   ///< UTF-8: why the file could not be written
};

/// "+ Do nauki": appends the entry number to the list unless it is on it already.
LearnResult AddToLearning(const std::string& listPath, int entryNo);

}  // namespace tess::lookup
