#pragma once
// True or false ("TF"): statements with a "true" and a "false" tick box each, one box ticked
// per statement and checked at once. Parsing, shuffling, layout of the rows, ticking and
// checking; the window only draws what this gives and forwards the pointer and the buttons.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

/// What one tick box shows.
enum class StatementBox { Empty, Ticked, Red };

/// One statement row: its text, the answer, the learner's ticks and what the check marked.
struct StatementRow {
  std::string Statement;
  bool IsTrue = false;
  bool TrueTicked = false;
  bool FalseTicked = false;
  StatementBox TrueBox = StatementBox::Empty;
  StatementBox FalseBox = StatementBox::Empty;
  bool Exclamation = false;
  /// Top-left corners of the two boxes in content-box pixels, known after the first paint.
  int TrueLeft = 0;
  int FalseLeft = 0;
  int BoxTop = 0;
};

/// Headings and statements of a "TF" content, or the message (cp1250) why it cannot be used.
struct StatementContent {
  std::string Headings[6];  ///< "true" for languages 0..2, then "false" for 0..2
  std::vector<StatementRow> Rows;
  std::string Error;  ///< empty when the content is usable
};

/// Parses the content (the kind line after "TF#"). Content beyond what the window can show
/// (missing headings, fewer than two or more than eighteen statements, no final "#") is
/// rejected as a whole.
StatementContent ParseStatementContent(std::string_view content);

/// Something the content box draws.
struct StatementDrawItem {
  enum class Kind { Word, Line };
  Kind What = Kind::Word;
  int X = 0;
  int Y = 0;
  std::string Text;  ///< the word and one blank, or a heading (Kind::Word)
  bool Bold = false;
  bool Heading = false;  ///< a column heading, in the interface language's code page
  int X2 = 0;            ///< end of a line (Kind::Line)
  int Y2 = 0;
};

class TrueFalse {
 public:
  static constexpr int kMaxStatements = 18;
  static constexpr int kBoxSize = 17;   // the tick boxes are 17 x 17
  static constexpr int kMarkLeft = -2;  // the exclamation mark stands left of the true box column
  static constexpr int kRussian = 3;    // the interface language the content has no headings for
  /// Narrow headings still leave the two box columns apart.
  static constexpr int kMinColumnsWidth = 4 * kBoxSize;

  /// Load step: parse, pick the headings of the interface language (0..2 from the content, the
  /// program's own cp1251 words for Russian; any other keeps the headings as they were),
  /// shuffle, clear every tick and count. False when the content is
  /// rejected; then there are no rows and LoadError() holds the message to show.
  bool Load(std::string_view content, int interfaceLanguage, RandomSource& random);
  const std::string& LoadError() const { return loadError_; }

  const std::string& TrueHeading() const { return trueHeading_; }
  const std::string& FalseHeading() const { return falseHeading_; }
  int StatementCount() const { return static_cast<int>(rows_.size()); }
  /// Row i (1-based); i must be within 1..StatementCount().
  const StatementRow& Row(int i) const { return rows_.at(i - 1); }

  /// Lays the headings and rows out for a box of the given width and places the tick boxes.
  /// Returns what to draw, in order (the boxes and marks are in the rows). Headings are
  /// measured with `headings`, which knows the interface language's code page.
  std::vector<StatementDrawItem> Paint(const TextMeasurer& statements, const TextMeasurer& headings,
                                       int boxWidth);
  std::vector<StatementDrawItem> Paint(const TextMeasurer& measurer, int boxWidth) {
    return Paint(measurer, measurer, boxWidth);
  }
  /// Height of everything the last paint laid out, down to the end of the column divider.
  int ContentHeight() const { return contentHeight_; }
  /// Whether the boxes have been placed by a paint since the load.
  bool BoxesPlaced() const { return placed_; }

  /// Whether the pointer at (x, y) shows the hand; never after the check.
  bool PointerOverBox(int x, int y) const;
  /// Ticks the box under (x, y) and clears the other box of its row. True when a box was hit;
  /// clicks after the check change nothing.
  bool Click(int x, int y);
  /// Ticks row i's "true" (or "false") box; ignored once checked.
  void Tick(int row, bool trueColumn);

  /// The check button. Marks every row and counts; does nothing a second time.
  void Check();

  bool ExerciseTouched() const { return touched_; }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  /// Interface text of the verdict: 74 when every statement is right, else 75 (shown red).
  int VerdictText() const;
  bool VerdictRed() const { return VerdictText() != 74; }
  bool OkVisible() const { return okVisible_; }

 private:
  std::vector<StatementRow> rows_;
  std::string loadError_;
  std::string trueHeading_;
  std::string falseHeading_;
  bool placed_ = false;
  int contentHeight_ = 0;
  bool okVisible_ = false;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
