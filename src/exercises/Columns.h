#pragma once
// Sorting words into columns ("DD"): a table of up to eight headed columns and a pool of up to
// forty words. A word dropped on a column falls into its first free row. The check sends the
// wrongly placed words home, leaves a hint in the cells they held and then puts every word into
// its own column. Parsing, the shuffle, the table's geometry, the drops, the check and the
// score; the window only moves labels and paints what this computes.
#include <string>
#include <string_view>
#include <vector>

#include "exercises/DragDrop.h"
#include "platform/RandomSource.h"
#include "shared/TextMeasurer.h"

namespace tess {

struct ColumnsItem {
  std::string Word;
  int Column = 0;  ///< 1 is the leftmost column
};

/// The table and words of a "DD" content in written order, or the message (cp1250) why it
/// cannot be used.
struct ColumnsContent {
  int Columns = 0;
  int Rows = 0;
  std::vector<std::string> Headings;
  std::vector<ColumnsItem> Items;
  std::string Error;  ///< empty when the content is usable
};

/// Parses the content (the kind line after "DD#"): the number of columns, the number of rows
/// and one heading per column, each ended by "#", then words written as word, "*", column
/// digit, "#" until the rest is blank. Content the table cannot show (columns not 1..8, rows
/// not 1..20, a heading missing, more than forty words, a word without "*", without text or
/// without its column digit, a column that does not exist, more words for a column than it has
/// rows, no final "#") is rejected as a whole.
ColumnsContent ParseColumnsContent(std::string_view content);

/// A rectangle outline drawn with a pen `Pen` pixels wide along the pixels Left..Right - 1 and
/// Top..Bottom - 1 (the far corner is left out, so neighbouring cells share their lines).
struct TableFrame {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Pen = 1;
  friend bool operator==(const TableFrame&, const TableFrame&) = default;
};

/// A column heading and the top-left corner of its bold text.
struct TableHeading {
  std::string Text;
  Point At;
};

/// The exclamation mark left in a cell after the check, and what pointing at it tells.
struct ColumnsMark {
  Cell Where;
  Point At;          ///< top-left corner of the mark
  std::string Hint;  ///< the word wrongly put there, or "-"
};

class Columns {
 public:
  static constexpr int kMaxColumns = 8;
  static constexpr int kMaxRows = 20;
  static constexpr int kMaxWords = 40;
  static constexpr int kRowHeight = 20;
  static constexpr int kWidthMargin = 18;
  static constexpr int kCentringWidth = 670;  // a table without a given left is centred here
  static constexpr int kDefaultTop = 240;
  static constexpr int kPoolLeft = 30;
  static constexpr int kDefaultPoolTop = 140;
  static constexpr int kPoolWidth = 600;  // a pool line wraps before passing this
  static constexpr int kPoolGap = 20;
  static constexpr int kHeadingDrop = 3;
  static constexpr int kMarkSize = 18;
  // A column takes drops from this far left of its lines, and its words sit this far right of
  // centre, clear of the mark.
  static constexpr int kAreaReach = 3;
  static constexpr int kWordShift = 9;
  /// A lifted word hangs right of the pointer, by the same shift.
  static constexpr LiftOffset kLift{kWordShift, 0, true};
  /// Words follow the pointer only over the window's left part, not over its panel.
  static constexpr DropArea kFollowArea{0, 0, 699, 599};

  /// Load step: parse, shuffle, empty every cell, clear every hint and count. False when the
  /// content is rejected; then there is no table and LoadError() holds the message to show.
  bool Load(std::string_view content, RandomSource& random);
  const std::string& LoadError() const { return loadError_; }

  /// Measures headings and words (every label `labelHeight` high), places the table at
  /// `tableLeft` (-1: centred) and `tableTop` (-1: 240), and lays the words out in the pool
  /// from `poolTop` (-1: 140). Called once after each load.
  void Place(const TextMeasurer& measurer, int labelHeight, int tableLeft, int tableTop,
             int poolTop);

  int ColumnCount() const { return static_cast<int>(headings_.size()); }
  int RowCount() const { return rows_; }
  int WordCount() const { return static_cast<int>(items_.size()); }
  /// Heading of column i (1..ColumnCount()).
  const std::string& Heading(int i) const { return headings_.at(i - 1); }
  /// Word k (1..WordCount()) as shuffled; label k shows it.
  const std::string& Word(int k) const { return items_.at(k - 1).Word; }
  /// The column word k belongs to.
  int Column(int k) const { return items_.at(k - 1).Column; }
  /// The column word k lies in, 0 in the pool.
  int PlacedColumn(int k) const { return placed_.at(k - 1); }
  int LabelWidth(int k) const { return widths_.at(k - 1); }
  int LabelHeight() const { return labelHeight_; }

  int ColumnWidth() const { return width_; }
  int TableLeft() const { return left_; }
  int TableTop() const { return top_; }
  int TableRight() const { return left_ + width_ * ColumnCount(); }
  int TableBottom() const { return top_ + kRowHeight * (rows_ + 1); }
  int PoolTop() const { return poolTop_; }

  /// Where column i takes drops: its heading row included, all edges belonging to it.
  DropArea ColumnArea(int i) const;
  /// What the table's painting draws: the thick frame and heading cells, then the cells.
  std::vector<TableFrame> Frames() const;
  std::vector<TableHeading> Headings() const;
  /// Top-left corner of word k's label when it lies in `cell`.
  Point Slot(int k, Cell cell) const;

  /// Which word lies in which cell.
  const CellTable& Table() const { return table_; }
  /// The word that lay in a cell when the check was pressed, 0 for none.
  int CellAtCheck(Cell cell) const { return atCheck_.LabelAt(cell); }
  /// After the check: the word wrongly put in a cell, "-" for a cell that took its word only
  /// then, or empty.
  const std::string& CellHint(Cell cell) const;

  /// The labels: their homes in the pool, where they rest, the lifted one.
  DragBoard& Board() { return board_; }
  const DragBoard& Board() const { return board_; }

  /// Word k was let go at `point` (window pixels). It leaves the cell it lay in; on a column
  /// it takes that column's first free row, anywhere else or on a full column it goes home.
  /// Nothing moves once checked.
  DropOutcome Drop(int k, Point point);

  /// The check button: counts, sends wrongly placed words home with a hint in their cells,
  /// then moves every word into its own column; freezes the labels. Does nothing a second
  /// time.
  void Check();
  /// The cells with a hint, column by column, top to bottom.
  std::vector<ColumnsMark> Marks() const;
  /// The hint of the mark under the pointer (window pixels); empty over no mark.
  std::string HintAt(Point point) const;

  bool ExerciseTouched() const { return touched_ || board_.Dragged(); }
  bool ExerciseChecked() const { return checked_; }
  int GoodCount() const { return good_; }
  int BadCount() const { return bad_; }
  int Percent() const;
  /// Interface text of the verdict: 68 when every word is in its column, else 69 (shown red).
  int VerdictText() const;

 private:
  /// Puts word k into the first free row of `column`; false when the column is full.
  bool PutInColumn(int k, int column);
  size_t CellIndex(Cell cell) const;
  /// The mark's corner of a cell: the left of its column's area, one row step per row.
  Point MarkCorner(Cell cell) const;

  std::vector<std::string> headings_;
  std::vector<ColumnsItem> items_;
  std::vector<int> placed_;
  std::vector<int> widths_;
  std::vector<int> headingWidths_;  // bold, for centring
  std::vector<std::string> hints_;  // per cell, column by column
  CellTable table_;
  CellTable atCheck_;
  std::string loadError_;
  DragBoard board_;
  int rows_ = 0;
  int labelHeight_ = 0;
  int width_ = kWidthMargin;
  int left_ = 0;
  int top_ = kDefaultTop;
  int poolTop_ = kDefaultPoolTop;
  bool touched_ = false;
  bool checked_ = false;
  int good_ = 0;
  int bad_ = 0;
};

}  // namespace tess
