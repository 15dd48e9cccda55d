#pragma once
// Putting items in order ("DV"): up to fourteen items shuffled into a single column of rows.
// Dragging an item to another row moves the rows in between by one, so the column always holds
// every item once. Parsing, the shuffle, the column's geometry, the drops, the check with its
// marks and the score; the window only moves labels and draws the column.
#include <string>
#include <string_view>
#include <vector>

#include "exercises/DragDrop.h"
#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

struct OrderingItem {
  std::string Text;
  int TargetRow = 0;  ///< 1 is the top row
};

/// Items of a "DV" content in written order, or the message (cp1250) why it cannot be used.
struct OrderingContent {
  std::vector<OrderingItem> Items;
  std::string Error;  ///< empty when the content is usable
};

/// Parses the content (the kind line after "DV#"): items written as text, "*", row number,
/// "#", until the rest is blank. Content outside what the column can show (no item, more than
/// fourteen, an item without text, "*" or number, rows that are not 1..N each once, no final
/// "#") is rejected as a whole.
OrderingContent ParseOrderingContent(std::string_view content);

/// A line of the column's drawing, in window pixels.
struct ColumnLine {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  friend bool operator==(const ColumnLine&, const ColumnLine&) = default;
};

/// The exclamation mark left beside a row whose item was wrong at the check.
struct OrderingMark {
  int Row = 0;
  Point At;
  std::string Hint;  ///< the item's text
};

class Ordering {
 public:
  static constexpr int kMaxItems = 14;
  static constexpr int kRowHeight = 25;
  static constexpr int kDefaultTop = 240;
  static constexpr int kMarkWidth = 18;  // marks stand this far left of the column
  static constexpr int kLabelDrop = 20;  // a label's top is this far above its row's bottom
  static constexpr int kWidthMargin = 31;
  static constexpr int kCentringWidth = 720;  // a column without a given left is centred here
  /// Labels follow the pointer only over the window's left part, not over its panel.
  static constexpr DropArea kFollowArea{0, 0, 699, 599};

  /// Load step: parse, shuffle, clear every mark and count. False when the content is
  /// rejected; then there are no items and LoadError() holds the message to show.
  bool Load(std::string_view content, RandomSource& random);
  const std::string& LoadError() const { return loadError_; }

  /// Measures the items (every label `labelHeight` high) and places the column at
  /// `left` (-1: centred) and `top` (-1: 240), and every item's label in its row.
  void Place(const TextMeasurer& measurer, int labelHeight, int left, int top);

  int ItemCount() const { return static_cast<int>(items_.size()); }
  /// Item k (1..ItemCount()) as shuffled; label k shows it.
  const std::string& Text(int k) const { return items_.at(k - 1).Text; }
  int TargetRow(int k) const { return items_.at(k - 1).TargetRow; }
  int CurrentRow(int k) const { return currentRow_.at(k - 1); }
  int ItemInRow(int row) const { return itemInRow_.at(row - 1); }
  int LabelWidth(int k) const { return widths_.at(k - 1); }
  int LabelHeight() const { return labelHeight_; }

  int ColumnLeft() const { return left_; }
  int ColumnTop() const { return top_; }
  int ColumnWidth() const { return width_; }
  /// Where a drop counts: strictly inside the column's outer line and a pixel off it.
  DropArea ColumnArea() const;
  /// The outline and the lines between the rows.
  std::vector<ColumnLine> ColumnLines() const;
  /// Top-left corner of item k's label when it stands in `row`.
  Point Slot(int k, int row) const;

  /// The labels: their homes, where they rest, the lifted one.
  DragBoard& Board() { return board_; }
  const DragBoard& Board() const { return board_; }

  /// Item k was let go at `point` (window pixels). Inside the column it takes the row under
  /// the point and the items between its old and its new row move one row towards the old
  /// one; elsewhere it goes back to its row. Nothing moves once checked.
  DropOutcome Drop(int k, Point point);

  /// The check button: counts, marks the wrong rows and moves every item to its own row;
  /// freezes the labels. Does nothing a second time.
  void Check();
  const std::vector<OrderingMark>& Marks() const { return marks_; }

  bool ExerciseTouched() const { return touched_ || board_.Dragged(); }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  /// Interface text of the verdict: 72 when every item is in its row, else 73 (shown red).
  int VerdictText() const;

 private:
  void StandIn(int k, int row);

  std::vector<OrderingItem> items_;
  std::vector<int> currentRow_;
  std::vector<int> itemInRow_;
  std::vector<int> widths_;
  std::vector<OrderingMark> marks_;
  std::string loadError_;
  DragBoard board_;
  int labelHeight_ = 0;
  int left_ = 0;
  int top_ = kDefaultTop;
  int width_ = kWidthMargin;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
