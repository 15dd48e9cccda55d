#pragma once
// Typing ("WP"): a text with gaps. The learner opens a gap (click, Tab or Enter), types into an
// entry box laid over it and checks; wrong gaps get their expected answer and a mark whose
// hint shows what was typed and why it is wrong. The gap text, its layout, the entry box's gap and
// text, scrolling, the check and the score; the window only draws what this gives and moves the
// entry box.
#include <string>
#include <vector>

#include "exercises/GapText.h"
#include "exercises/MistakeKind.h"
#include "shared/TextMeasurer.h"

namespace tess {

/// Something the content box draws: a word with its separator, or the exclamation mark.
struct TypingDrawItem {
  enum class Kind { Word, Exclamation };
  Kind What = Kind::Word;
  int X = 0;
  int Y = 0;
  std::string Text;  ///< the word (a gap's entry or placeholder) and its separator
  bool Bold = false;
  bool Blue = false;  ///< gaps are blue, the rest black
  friend bool operator==(const TypingDrawItem&, const TypingDrawItem&) = default;
};

/// A box in content-box pixels; both edges count.
struct TypingBox {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Contains(int x, int y) const {
    return Left <= x && x <= Left + Width && Top <= y && y <= Top + Height;
  }
  friend bool operator==(const TypingBox&, const TypingBox&) = default;
};

/// The mark before a gap that was wrong at the check, and what its hint shows.
struct TypingMark {
  int Gap = 0;
  TypingBox Box;
  std::string Hint;  ///< what the learner had typed, "-" for nothing
  Mistake Why;       ///< what kind of mistake it was, against the nearer answer
};

class Typing {
 public:
  static constexpr int kLineStep = 17;  // pixels of a line and of one scroll step
  static constexpr int kEntryHeight = 18;
  static constexpr int kMarkWidth = 16;
  static constexpr int kMarkHeight = 18;

  /// Load step: takes the gap text (refused whole when it has an error) and clears every
  /// entry, mark and count; the entry box is closed.
  bool Load(GapText text);
  const std::string& LoadError() const { return loadError_; }
  const std::string& Glossary() const { return glossary_; }
  /// The glossary button shows only for a glossary that is not blank.
  bool GlossaryShown() const;
  int GapWidthPx() const { return gapWidth_; }
  bool UnderscoreMode() const { return underscore_; }

  /// The content box's font and size. `measurer` must live as long as it is attached.
  void Attach(const TextMeasurer& measurer, int boxWidth, int boxHeight);
  /// Lays the text out (hit boxes, marks, and on the first time after a load the scroll range)
  /// and returns what to draw, in order. Nothing before `Attach`.
  const std::vector<TypingDrawItem>& Paint();

  int WordCount() const { return static_cast<int>(words_.size()); }
  /// Word i (1-based) as drawn now; for a gap, its entry.
  const std::string& Word(int i) const { return words_.at(i - 1).Text; }
  bool IsGap(int i) const { return words_.at(i - 1).IsGap; }
  int GapCount() const { return static_cast<int>(gaps_.size()); }
  /// Gap k (1-based): its entry, answers and where it was laid out.
  const std::string& Entry(int k) const { return Word(gaps_.at(k - 1).Word); }
  const std::string& Expected(int k) const { return gaps_.at(k - 1).Expected; }
  const std::string& Alternative(int k) const { return gaps_.at(k - 1).Alternative; }
  const std::string& WrongEntry(int k) const { return gapState_.at(k - 1).WrongEntry; }
  bool GapRight(int k) const { return gapState_.at(k - 1).Right; }
  const TypingBox& GapBox(int k) const { return gapState_.at(k - 1).Box; }
  /// The placeholder drawn for a blank entry: a row of "_" as wide as the gap (less 5
  /// pixels) in underscore mode, else the gap's prefill.
  std::string Placeholder(int k) const;

  /// The gap the entry box lies on, 0 when it is closed.
  int EntryGap() const { return entryGap_; }
  const std::string& EntryText() const { return entryText_; }
  /// Where the entry box lies, in content-box pixels.
  TypingBox EntryBox() const;
  /// The learner changed the entry box's text.
  void SetEntryText(std::string text);
  /// Opens gap k: the gap's entry moves into the entry box, which lies over the gap. A gap
  /// outside the box's visible band closes the entry box instead. True when it is open.
  bool OpenGap(int k);
  /// Tab or Enter: the gap after the entry box's, the last one followed by the first. False
  /// when the entry box is not on a gap (the key is not used).
  bool NextGap();
  /// A click in the content box: opens the gap under it, or closes the entry box. Nothing
  /// after the check.
  void Click(int x, int y);
  /// The entry box's text, trimmed, goes back into its gap and the box closes.
  void CloseEntry();

  /// Whether the pointer shows the hand: over a gap before the check, over a mark after it.
  bool PointerOverGap(int x, int y) const;
  /// After the check: the mark under the pointer, or nullptr.
  const TypingMark* MarkAt(int x, int y) const;
  const std::vector<TypingMark>& Marks() const { return marks_; }

  /// The check button. Does nothing a second time. `courseLanguage` tells the foreign
  /// letters a wrong entry is explained by (1, English, has none).
  void Check(bool caseSensitive, int courseLanguage = 1);

  bool ExerciseTouched() const { return touched_; }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  /// Interface text of the verdict: 66 when every gap is right, else 67 (shown red).
  int VerdictText() const;

  int Scroll() const { return scroll_; }
  int ScrollMax() const { return scrollMax_; }
  /// Both close the entry box first.
  void ScrollUp();
  void ScrollDown();
  bool UpVisible() const { return upVisible_; }
  bool DownVisible() const { return downVisible_; }
  bool CheckVisible() const { return checkVisible_; }

 private:
  struct GapState {
    TypingBox Box;
    bool Right = false;
    std::string WrongEntry;
    Mistake Why;
  };

  std::string& EntryOf(int k) { return words_.at(static_cast<size_t>(gaps_[k - 1].Word - 1)).Text; }
  void StoreEntry(std::string text);
  const TypingMark* MarkHit(int x, int y) const;

  std::vector<GapTextWord> words_;
  std::vector<GapAnswer> gaps_;
  std::vector<GapState> gapState_;
  std::vector<TypingDrawItem> items_;
  std::vector<TypingMark> marks_;
  std::string loadError_;
  std::string glossary_;
  std::string underscores_;  ///< the underscore placeholder of the last layout
  int gapWidth_ = 0;
  bool underscore_ = false;
  const TextMeasurer* measurer_ = nullptr;
  int boxWidth_ = 0;
  int boxHeight_ = 0;
  int entryGap_ = 0;
  std::string entryText_;
  int scroll_ = 0;
  int scrollMax_ = 0;
  bool needsMeasure_ = false;
  bool upVisible_ = false;
  bool downVisible_ = false;
  bool checkVisible_ = false;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
