#pragma once
// One sentence package drilled in the sentences window: the random order of its sentences,
// the sentence on screen, which were answered right, the two modes (dictation and puzzle),
// checking, moving on to the next sentence not yet right, and the tally and result of a mode.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "drills/SentencePuzzle.h"
#include "drills/SentenceText.h"

namespace tess {

class RandomSource;

namespace sentence_mode {
inline constexpr int kNone = 0;
inline constexpr int kDictation = 1;
inline constexpr int kPuzzle = 2;
}  // namespace sentence_mode

/// Interface texts of the window.
namespace sentence_text {
inline constexpr int kDictationInstruction = 18;
inline constexpr int kPuzzleInstruction = 19;
inline constexpr int kHintPlay = 45;
inline constexpr int kHintRecord = 46;
inline constexpr int kHintCompare = 47;
inline constexpr int kHintPuzzleTab = 49;
inline constexpr int kHintDictationTab = 50;
inline constexpr int kPuzzleRight = 76;
inline constexpr int kPuzzleWrong = 77;
inline constexpr int kDictationRight = 78;
inline constexpr int kDictationWrong = 79;
inline constexpr int kFirstWrongHint = 80;
inline constexpr int kRecordingTooShort = 81;
}  // namespace sentence_text

inline constexpr std::uint8_t kPuzzleKind = 50;
inline constexpr std::uint8_t kDictationKind = 51;
inline constexpr const char* kSentenceHelpAnchor = "h_comp.html#zda";

/// The result kind of a mode, 0 for none.
std::uint8_t SentenceKind(int mode);

struct SentenceTally {
  int Right = 0;
  int Wrong = 0;
  int Percent = 0;       ///< recorded: halves to even
  int ShownPercent = 0;  ///< on screen: the fraction cut off
  int Remaining = 0;
};

struct SentenceVerdict {
  bool Right = false;
  int InfoText = 0;    ///< interface text of the verdict line
  std::string Answer;  ///< the answer line
  Mistake Why;         ///< a wrong dictation: what kind of mistake it holds
};

/// What a mode leaves in the results store when it was worked on.
struct SentenceResult {
  int Percent = 0;
  std::uint8_t Kind = 0;
  bool Finished = false;
  friend bool operator==(const SentenceResult&, const SentenceResult&) = default;
};

struct SentenceModeChange {
  bool Changed = false;                ///< false for the mode already on screen
  std::optional<SentenceResult> Left;  ///< the result of the mode left, when there is one
};

class SentenceDrill {
 public:
  explicit SentenceDrill(RandomSource& random) : random_(random) {}

  /// A new package (its sentences in package order): position 1, no mode, nothing attempted.
  /// The caller then opens the puzzle with ChangeMode.
  void Open(std::vector<Sentence> members);
  /// The package's sentences from the catalogue; an unknown package has none.
  static std::vector<Sentence> PackageMembers(const SentenceList& list, int packageNumber);

  /// A tab: the result of the old mode, then position 1, a new order, no counts, and the
  /// sentence at position 1 in the new mode.
  SentenceModeChange ChangeMode(int mode);
  /// The sentence on screen starts again in the current mode (a new shuffle for the puzzle).
  void StartSentence();

  int Size() const { return static_cast<int>(members_.size()); }
  bool HasSentence() const { return !members_.empty(); }
  int Mode() const { return mode_; }
  int Position() const { return position_; }
  /// The package's member number of position p (1-based both).
  int MemberAt(int position) const { return order_[static_cast<size_t>(position - 1)]; }
  const Sentence& Current() const;
  bool AnsweredRight(int position) const { return right_[static_cast<size_t>(position - 1)]; }

  /// The learner picked a word, typed or pressed check.
  void Touch() { attempted_ = true; }
  bool Attempted() const { return attempted_; }
  bool Finished() const { return finished_; }
  bool Checked() const { return checked_; }
  const std::string& LastWrongAnswer() const { return lastWrong_; }

  SentencePuzzle& Puzzle() { return puzzle_; }
  const SentencePuzzle& Puzzle() const { return puzzle_; }

  SentenceVerdict CheckDictation(const std::string& typed, const DictationOptions& options,
                                 const EquivalenceList& equivalences);
  SentenceVerdict CheckPuzzle();
  /// After a check: the next position not yet right (true), or the package is done (false).
  bool MoveOn();

  SentenceTally Tally() const;
  /// The mode's attempt to record; nothing when the learner did nothing in it.
  std::optional<SentenceResult> Result() const;

 private:
  void Reset();
  void Counted(bool right);

  RandomSource& random_;
  std::vector<Sentence> members_;
  std::vector<int> order_;
  std::vector<bool> right_;
  SentencePuzzle puzzle_;
  int mode_ = sentence_mode::kNone;
  int position_ = 1;
  int rightCount_ = 0;
  int wrongCount_ = 0;
  bool attempted_ = false;
  bool finished_ = false;
  bool checked_ = false;
  std::string lastWrong_;
};

}  // namespace tess
