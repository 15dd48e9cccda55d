#pragma once
// The exercise list "St_" + course letter + ".txt": every exercise of the course as three
// lines, header, kind and layout. The exercise number is the entry's 1-based position.
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct ExerciseEntry {
  std::string HeaderLine;  ///< "#"-ended fields: text number, picture, instructions, times
  std::string KindLine;    ///< two-letter kind code, "#", then the kind's content
  std::string LayoutLine;  ///< ten "="-ended integers

  /// Header field k (1-based), between the (k-1)-th and the k-th "#"; empty when that "#"
  /// or an earlier one is missing.
  std::string HeaderField(int k) const;
  /// The kind code: the KindLine up to its first "#"; empty when it has none.
  std::string KindCode() const;
};

class ExerciseList {
 public:
  static constexpr int kMaxEntries = 300;

  int Count() const { return static_cast<int>(entries_.size()); }
  /// Exercise k (1-based); nullptr when there is none.
  const ExerciseEntry* At(int k) const;
  const std::vector<ExerciseEntry>& Entries() const { return entries_; }

  void Clear() { entries_.clear(); }
  bool Add(ExerciseEntry entry);

 private:
  std::vector<ExerciseEntry> entries_;
};

std::string ExerciseListFile(std::string_view courseLetter);

/// Empties the list and reads the file. Comment lines ("/" first) and blank lines are passed
/// over where an entry begins; an entry's three lines are taken trimmed. Entries beyond 300
/// are ignored. False when the file cannot be read.
bool LoadExerciseList(const std::string& path, ExerciseList& list);

}  // namespace tess
