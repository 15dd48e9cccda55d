#pragma once
// What every exercise kind shares at the end of an attempt: the two marks, the counts, the
// percentage, what is recorded on close, and the comparison of typed answers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class ExerciseScore {
 public:
  bool ExerciseTouched = false;
  bool ExerciseChecked = false;
  int GoodCount = 0;
  int BadCount = 0;

  /// Every load and "Jeszcze raz": not touched, not checked, no counts.
  void Reset() { *this = ExerciseScore(); }
  /// The first answering action.
  void Touch() { ExerciseTouched = true; }
  /// The check button: an item not right (unanswered too) is bad.
  void Check(int good, int items);
  /// All items right; also true with no items at all (the "all right" verdict).
  bool AllRight() const { return BadCount == 0; }
  int Percent() const;
};

/// The arguments of `RecordResult` on close.
struct RecordedAttempt {
  int Percent = 0;
  std::string Name;
  std::uint8_t Kind = 0;
  std::uint8_t Item = 0;
  std::uint8_t Finished = 0;
  friend bool operator==(const RecordedAttempt&, const RecordedAttempt&) = default;
};

/// What a closing window records; nothing when it was never touched (the results file is
/// saved either way).
std::optional<RecordedAttempt> AttemptOnClose(const ExerciseScore& score,
                                              const std::string& resultName, std::uint8_t kindCode,
                                              std::uint8_t resultItem);

/// Both trimmed (codes 0 to 32) and, unless `caseSensitive`, "A" to "Z" lower-cased; accented
/// capitals stay as they are.
bool AnswersEqual(std::string_view entry, std::string_view expected, bool caseSensitive);

/// Removes every ".", ",", ";", ":", "!", "?", and for the German course (2) every "'".
std::string StripPunctuation(std::string_view text, int courseLanguage);

struct AnswerOptions {
  bool CaseSensitive = false;
  bool KeepPunctuation = false;
  int CourseLanguage = 1;
};

/// The comparison of a typed answer under both options: punctuation stripped unless kept, then
/// lower-cased unless case counts, then trimmed, then compared exactly.
bool TypedAnswerMatches(std::string_view entry, std::string_view expected,
                        const AnswerOptions& options);

}  // namespace tess
