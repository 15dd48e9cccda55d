#pragma once
// Matching pairs ("HH"): two columns of framed labels, each shuffled on its own, joined row by
// row by short lines. A click in one column and then one in the other moves the second label
// into the row of the first, exchanging it with the label that stood there. Parsing,
// shuffling, the layout of the columns, pairing and checking; the window only places and
// colours the labels this describes and forwards the clicks.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

enum class PairColumn { Left, Right };

enum class LabelColour { Black, Red, Green };

/// One label of a column: its text, the pair it belongs to (content position, 1-based), the
/// row it stands in and the colour of its text.
struct PairLabel {
  std::string Text;
  int Pair = 0;
  int Row = 0;
  LabelColour Colour = LabelColour::Black;
};

/// The pairs of an "HH" content in content order, or the message (cp1250) why the content
/// cannot be used.
struct PairsContent {
  std::vector<std::pair<std::string, std::string>> Pairs;  ///< left and right text, trimmed
  std::string Error;                                       ///< empty when usable
};

/// Parses the content (the kind line after "HH#"): "left*right#" pairs until the rest is
/// blank. Content outside the model (fewer than two or more than fourteen pairs, a pair
/// without "*" or with an empty side, two pairs with the same left text, no final "#") is
/// rejected as a whole.
PairsContent ParsePairsContent(std::string_view content);

/// A rectangle in window pixels.
struct PairsBox {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const PairsBox&, const PairsBox&) = default;
};

class MatchingPairs {
 public:
  static constexpr int kMinPairs = 2;
  static constexpr int kMaxPairs = 14;
  static constexpr int kConnectorWidth = 60;
  static constexpr int kFrameHeight = 20;

  /// Load step: parse, shuffle both columns, measure the texts and lay the columns out;
  /// every selection, mark and count cleared. False when the content is rejected (also when
  /// its texts are too wide for the window); then there are no pairs and LoadError() holds
  /// the message to show.
  bool Load(std::string_view content, const TextMeasurer& measurer, RandomSource& random);
  const std::string& LoadError() const { return loadError_; }

  int PairCount() const { return static_cast<int>(asWritten_.size()); }
  /// Pair p (1-based, 1..PairCount()) as the content wrote it.
  const std::string& LeftAsWritten(int p) const { return asWritten_.at(p - 1).first; }
  const std::string& RightAsWritten(int p) const { return asWritten_.at(p - 1).second; }
  /// Label number n (1..PairCount()) of a column.
  const PairLabel& Label(PairColumn column, int n) const { return Labels(column).at(n - 1); }
  /// Number of the label standing in row r (1..PairCount()) of a column.
  int LabelInRow(PairColumn column, int row) const;
  /// Label chosen by the first click of a pairing, 0 = none.
  int Selected(PairColumn column) const {
    return column == PairColumn::Left ? selectedLeft_ : selectedRight_;
  }

  int Start() const { return start_; }
  int LeftWidth() const { return leftWidth_; }
  int RightWidth() const { return rightWidth_; }
  /// Top of row r in the window.
  static int RowTop(int row);
  PairsBox LabelBox(PairColumn column, int row) const;
  PairsBox FrameBox(PairColumn column, int row) const;
  PairsBox ConnectorBox(int row) const;

  /// First half of a click: label n becomes the column's choice (red), the column's previous
  /// choice turns black again. False when nothing changed (after the check, or no such
  /// label).
  bool Choose(PairColumn column, int n);
  /// Second half, after the short pause: with a label chosen in each column, the one chosen
  /// last moves into the row of the other, exchanging places with the label there; both turn
  /// black and both choices are cleared. True when labels moved.
  bool Pair();
  /// A whole click.
  bool Click(PairColumn column, int n) {
    Choose(column, n);
    return Pair();
  }

  /// The check button. Counts the right rows and, when not all are right, colours the rows
  /// and shows each wrong row's right partner; does nothing a second time.
  void Check();
  /// A row is right when its right-hand label shows the partner of its left-hand label.
  bool RowRight(int row) const;

  bool ExerciseTouched() const { return touched_; }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  bool OkVisible() const { return okVisible_; }

 private:
  std::vector<PairLabel>& Labels(PairColumn column) {
    return column == PairColumn::Left ? left_ : right_;
  }
  const std::vector<PairLabel>& Labels(PairColumn column) const {
    return column == PairColumn::Left ? left_ : right_;
  }
  std::vector<int>& InRow(PairColumn column) {
    return column == PairColumn::Left ? leftInRow_ : rightInRow_;
  }
  void Clear();

  std::vector<std::pair<std::string, std::string>> asWritten_;
  std::vector<PairLabel> left_;
  std::vector<PairLabel> right_;
  std::vector<int> leftInRow_;
  std::vector<int> rightInRow_;
  std::string loadError_;
  int selectedLeft_ = 0;
  int selectedRight_ = 0;
  PairColumn chosenLast_ = PairColumn::Left;
  int start_ = 0;
  int leftWidth_ = 0;
  int rightWidth_ = 0;
  bool okVisible_ = false;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
