#pragma once
// Multiple choice ("MC"): questions with two to four answers, one of them right, ticked one per
// question and checked at once. Parsing, shuffling, layout of the list, ticking and checking;
// the window only draws what this gives and forwards the pointer and the buttons.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

/// One answer's hit box in content-box pixels (all edges inclusive) and its marks.
struct ChoiceAnswer {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Ticked = false;
  bool Wrong = false;
  bool Flagged = false;
  friend bool operator==(const ChoiceAnswer&, const ChoiceAnswer&) = default;
};

struct ChoiceQuestion {
  static constexpr int kMaxParts = 5;  // stem and four answers

  int PartCount = 0;
  int RightPart = 0;  ///< part number (2..PartCount) of the right answer
  /// Parts[1] is the stem, Parts[2..PartCount] the answers; Parts[0] is unused.
  std::array<std::string, kMaxParts + 1> Parts;
  /// Answer[p - 1] belongs to part p (2..5); Answer[0] is unused.
  std::array<ChoiceAnswer, kMaxParts> Answer;
};

/// Questions of an "MC" content, or the message (cp1250) why the content cannot be used.
struct ChoiceContent {
  std::vector<ChoiceQuestion> Questions;
  std::string Error;  ///< empty when the content is usable
};

/// Parses the content (the kind line after "MC#"). Content beyond what the exercise can show
/// (more than ten questions or four answers, fewer than two answers, not exactly one "T_"
/// answer, no final "#") is rejected as a whole, so the window never shows half a list.
ChoiceContent ParseChoiceContent(std::string_view content);

/// Four swaps of two different answers; the right answer's number follows its text.
/// Needs at least two answers.
void ShuffleChoiceAnswers(ChoiceQuestion& question, RandomSource& random);

/// Something the content box draws: a word (followed by its blank) or one of the stamps.
struct ChoiceDrawItem {
  enum class Kind { Word, EmptyBox, TickedBox, RedBox, Exclamation };
  Kind What = Kind::Word;
  int X = 0;
  int Y = 0;
  std::string Text;  ///< the word and one blank (Kind::Word only)
  bool Bold = false;
  bool Italic = false;
};

class MultipleChoice {
 public:
  static constexpr int kMaxQuestions = 10;
  static constexpr int kLineStep = 24;  // pixels one scroll step moves

  /// Load step: parse, shuffle, clear every mark and count. False when the content is
  /// rejected; then there are no questions and LoadError() holds the message to show.
  bool Load(std::string_view content, RandomSource& random);
  const std::string& LoadError() const { return loadError_; }

  int QuestionCount() const { return static_cast<int>(questions_.size()); }
  /// Question q (1-based); q must be within 1..QuestionCount().
  const ChoiceQuestion& Question(int q) const { return questions_.at(q - 1); }

  /// Lays the list out for a box of the given size, computes the hit boxes and, on the first
  /// paint after a load, the scroll range. Returns what to draw, in order.
  std::vector<ChoiceDrawItem> Paint(const TextMeasurer& measurer, int boxWidth, int boxHeight);

  /// Whether the pointer at (x, y) shows the hand; never after the check.
  bool PointerOverAnswer(int x, int y) const;
  /// Ticks the answer under (x, y), unticking the others of its question. True when an
  /// answer was hit (the list needs a repaint); clicks after the check change nothing.
  bool Click(int x, int y);

  /// The check button. Marks every question and counts; does nothing a second time.
  void Check();

  bool ExerciseTouched() const { return touched_; }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  /// Interface text of the verdict: 64 when every question is right, else 65 (shown red).
  int VerdictText() const;
  bool VerdictRed() const { return VerdictText() != 64; }

  int Scroll() const { return scroll_; }
  int ScrollMax() const { return scrollMax_; }
  void ScrollUp();
  void ScrollDown();
  bool UpVisible() const { return upVisible_; }
  bool DownVisible() const { return downVisible_; }
  bool OkVisible() const { return okVisible_; }

 private:
  /// Question and part number of the first answer whose box holds (x, y).
  std::optional<std::pair<int, int>> AnswerAt(int x, int y) const;

  std::vector<ChoiceQuestion> questions_;
  std::string loadError_;
  int scroll_ = 0;
  int scrollMax_ = 0;
  bool needsMeasure_ = false;
  bool upVisible_ = false;
  bool downVisible_ = false;
  bool okVisible_ = false;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
