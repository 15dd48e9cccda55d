#pragma once
// The dictionary's entries: the word list first, then the sentence list, at positions 1 to at
// most 15000, each field in an array of its own. Text stays in its file's code page.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess::dictionary {

constexpr int kEntryCapacity = 15000;
// No list line may stall the window: longer headwords and translations are cut, ending in
// "...". Real entries stay far below (the longest translations hold about 180 characters).
constexpr size_t kMaxHeadwordBytes = 120;
constexpr size_t kMaxTranslationBytes = 1000;

/// One line of a list. Columns count from 1 in the trimmed line; fields 2 to 8 lie between the
/// "=" of the line.
struct Entry {
  int GroupNo = 0;       ///< columns 1-2
  int OwnRecording = 0;  ///< column 4: 1 = a file of the user's own in "Nagrania"
  int EntryNo = 0;       ///< columns 5-9
  int Difficulty = 0;    ///< column 11
  int WordClass = 0;     ///< column 12
  std::string Headword;  ///< column 14 up to the first "="
  std::string Translation;
  std::string Plural;
  std::string Synonyms;
  std::string Comment;
  std::string Recording;  ///< a number, or with OwnRecording a file name
  int Flag = 0;           ///< field 7, not used by the dictionary
  int LevelMark = 0;      ///< 1 = levels 1 and 2

  friend bool operator==(const Entry&, const Entry&) = default;
};

enum class ListKind { Words, Sentences };

/// The entry of a list line, or nothing when the line is skipped: shorter than 8 characters
/// after trimming, or with a number column or number field that is not a number (a line is
/// taken whole or not at all). In a word list the character just before the first "=" is a
/// separator, not part of the headword. Headword and translation are cut to their caps.
std::optional<Entry> ParseEntryLine(std::string_view line, ListKind kind);

class EntryTable {
 public:
  void Clear();
  /// Makes room for a full table at once.
  void Reserve();
  /// Appends at position Count() + 1; false when the table is full.
  bool Add(Entry entry);
  /// Marks the end of the word list: the entries so far are the ones listed and searched.
  void EndWordList() {
    wordCount_ = Count();
    Changed();
  }
  /// Works out which entries stand for their number; called once all lists are in.
  void Finish();

  int Count() const { return static_cast<int>(entryNo_.size()); }
  int WordCount() const { return wordCount_; }
  bool Full() const { return Count() >= kEntryCapacity; }

  // Fields of the entry at `position` (1 to Count()).
  int GroupNo(int position) const { return groupNo_[Index(position)]; }
  int OwnRecording(int position) const { return ownRecording_[Index(position)]; }
  int EntryNo(int position) const { return entryNo_[Index(position)]; }
  int Difficulty(int position) const { return difficulty_[Index(position)]; }
  int WordClass(int position) const { return wordClass_[Index(position)]; }
  const std::string& Headword(int position) const { return headword_[Index(position)]; }
  const std::string& Translation(int position) const { return translation_[Index(position)]; }
  const std::string& Plural(int position) const { return plural_[Index(position)]; }
  const std::string& Synonyms(int position) const { return synonyms_[Index(position)]; }
  const std::string& Comment(int position) const { return comment_[Index(position)]; }
  const std::string& Recording(int position) const { return recording_[Index(position)]; }
  int LevelMark(int position) const { return levelMark_[Index(position)]; }

  /// True when no later position of the whole table holds an entry with the same number:
  /// the last entry of a number stands for it in searches. Valid after Finish.
  bool StandsForItsNumber(int position) const { return standsForNumber_[Index(position)] != 0; }

  /// One side of the listed entries (positions 1 to WordCount) for a search to scan as one
  /// block: each field lower-cased "A" to "Z" and ended by a line feed, one after another.
  /// Made at the first search after the table changed, not at start.
  struct FoldedSide {
    std::string Text;
    std::vector<size_t> Starts;  ///< where position k begins at k - 1; then Text's size
  };
  const FoldedSide& FoldedHeadwords() const;
  const FoldedSide& FoldedTranslations() const;

 private:
  static size_t Index(int position) { return static_cast<size_t>(position - 1); }
  void Changed() {
    foldedHeadwords_.reset();
    foldedTranslations_.reset();
  }
  const FoldedSide& Folded(std::optional<FoldedSide>& side,
                           const std::vector<std::string>& fields) const;

  int wordCount_ = 0;
  std::vector<int> groupNo_, ownRecording_, entryNo_, difficulty_, wordClass_, levelMark_;
  std::vector<std::string> headword_, translation_, plural_, synonyms_, comment_, recording_;
  std::vector<char> standsForNumber_;
  mutable std::optional<FoldedSide> foldedHeadwords_, foldedTranslations_;
};

/// Empties the table, loads the word list of `language` from `programDir`, ends the word
/// list there, then loads the sentence list; a missing list is skipped silently. Lines are
/// read only while the table has room.
void LoadEntries(const std::string& programDir, int language, EntryTable& table);

/// Loads one list file into the table (see LoadEntries); false when it does not exist.
bool LoadList(const std::string& path, ListKind kind, EntryTable& table);

}  // namespace tess::dictionary
