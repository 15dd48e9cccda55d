#pragma once
// What the drag-and-drop exercises share, in plain window coordinates: drop areas with
// inclusive edges and their hit tests, the cells of a table that take one label each, the
// placement arithmetic, and the board that knows where each label rests, which one is lifted
// and whether the exercise is frozen. The widgets only move labels where this says.
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tess {

struct Point {
  int X = 0;
  int Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

/// A rectangle of window pixels whose four edges all belong to it.
struct DropArea {
  int Left = 0;
  int Top = 0;
  int Right = -1;
  int Bottom = -1;

  /// The pixels strictly between the given edges (a drop on an edge line does not count).
  static DropArea Inside(int left, int top, int right, int bottom) {
    return {left + 1, top + 1, right - 1, bottom - 1};
  }
  bool Contains(Point point) const {
    return Left <= point.X && point.X <= Right && Top <= point.Y && point.Y <= Bottom;
  }
  friend bool operator==(const DropArea&, const DropArea&) = default;
};

/// 1-based number of the first area holding the point, 0 when none does. Areas that touch
/// share their edge; the earlier one takes it.
int FirstAreaHit(std::span<const DropArea> areas, Point point);
/// The same, passing over the areas `accepts` refuses (given the 1-based number).
int FirstAreaHit(std::span<const DropArea> areas, Point point,
                 const std::function<bool(int)>& accepts);

/// The left (or top) that centres `size` pixels in `span` pixels starting at `start`; a
/// label wider than the span sticks out on both sides alike.
inline int CentredIn(int start, int span, int size) { return start + (span - size) / 2; }

/// Where a lifted label is drawn for a pointer position: centred on the pointer when
/// `Centred` (else with its top-left corner on it), then moved by the offset.
struct LiftOffset {
  int X = 0;
  int Y = 0;
  bool Centred = true;

  Point LabelAt(Point pointer, int width, int height) const {
    const int left = Centred ? pointer.X - width / 2 : pointer.X;
    const int top = Centred ? pointer.Y - height / 2 : pointer.Y;
    return {left + X, top + Y};
  }
};

/// A table cell, 1-based; {0, 0} is none.
struct Cell {
  int Column = 0;
  int Row = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

/// Columns of rows, each cell empty or holding one label (labels are numbered from 1).
class CellTable {
 public:
  /// Every cell empty.
  void Reset(int columns, int rows);
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }

  /// The label in a cell; 0 when it is empty or does not exist.
  int LabelAt(Cell cell) const;
  /// The cell holding `label`, or none.
  Cell CellOf(int label) const;
  /// First empty row of a column, 0 when the column is full or does not exist.
  int FirstFreeRow(int column) const;
  /// Puts a label into an empty cell; false (nothing changes) when the cell is taken or does
  /// not exist, or the label is not a label number.
  bool Put(Cell cell, int label);
  /// Empties the cell holding `label` and returns it (none when it lay nowhere).
  Cell Free(int label);

 private:
  int Index(Cell cell) const;

  int columns_ = 0;
  int rows_ = 0;
  std::vector<int> labels_;
};

/// What a drop did with the label.
struct DropOutcome {
  bool Placed = false;  ///< false: it went back to its home
  int Area = 0;         ///< the area (column, box, row) that took it
  int Row = 0;          ///< the row within that area, where it has rows
  friend bool operator==(const DropOutcome&, const DropOutcome&) = default;
};

/// The labels of one exercise: each one's home, where it rests now, the label under the
/// pointer, whether a drag was started since the load, and the freeze of the check.
class DragBoard {
 public:
  /// `labelCount` labels, all at (0, 0), nothing lifted, not dragged, not frozen; the label
  /// follows the pointer everywhere until `SetFollowArea`.
  void Reset(int labelCount, LiftOffset offset = {});
  int LabelCount() const { return static_cast<int>(homes_.size()); }
  bool IsLabel(int label) const { return label >= 1 && label <= LabelCount(); }

  /// Sets a label's home and rests it there.
  void SetHome(int label, Point home);
  Point Home(int label) const;
  /// Where the label lies when it is not lifted.
  Point RestingAt(int label) const;
  void RestAt(int label, Point at);
  void ReturnHome(int label) { RestAt(label, Home(label)); }

  /// Only while the pointer is within this area does a lifted label follow it; elsewhere it
  /// stays where it was last drawn.
  void SetFollowArea(DropArea area);

  /// The left button went down on a label: it is lifted, and the exercise counts as dragged.
  /// False (nothing changes) once frozen or for a number that is no label.
  bool Lift(int label);
  /// The lifted label, 0 when none.
  int Lifted() const { return lifted_; }
  /// Where the lifted label is drawn for this pointer position (its size given); nothing when
  /// none is lifted or the pointer is outside the follow area.
  std::optional<Point> Follow(Point pointer, int width, int height) const;
  /// The button was let go: returns the label that was lifted (0 when none). The exercise
  /// then decides where it rests.
  int Release();

  /// A drag was started since the reset.
  bool Dragged() const { return dragged_; }
  /// After the check nothing is lifted any more.
  void Freeze();
  bool Frozen() const { return frozen_; }

 private:
  std::vector<Point> homes_;
  std::vector<Point> resting_;
  LiftOffset offset_;
  DropArea followArea_{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};
  int lifted_ = 0;
  bool dragged_ = false;
  bool frozen_ = false;
};

/// The keys that carry a label without the mouse.
enum class DragKey {
  Take,      ///< Space or Enter: picks the label up, or puts the carried one down
  Next,      ///< the next place (Right, Down, Tab)
  Previous,  ///< the place before (Left, Up, Shift+Tab)
  Cancel,    ///< Escape: the label goes back where it lay
};

/// What a key did to the carried label.
struct KeyDragStep {
  enum class Kind { None, Lifted, Aimed, Put, Cancelled };
  Kind What = Kind::None;
  int Label = 0;
  int Place = 0;  ///< the place aimed at or put on, from 0
  friend bool operator==(const KeyDragStep&, const KeyDragStep&) = default;
};

/// Carrying labels by keys over the places an exercise offers, each a point where a mouse drop
/// would land there: the label is lifted on the board as a press would lift it, the keys go
/// round the places, and putting it down releases it so the exercise gets that place's point,
/// as from the mouse.
class KeyDrag {
 public:
  /// `key` pressed on `label`, with `placeCount` places to choose from; a label picked up aims
  /// first at place `start`.
  KeyDragStep Press(DragBoard& board, int label, DragKey key, int placeCount, int start = 0);
  /// The label carried by keys, 0 when none.
  int Carried() const { return carried_; }
  int Aim() const { return aim_; }

 private:
  int carried_ = 0;
  int aim_ = 0;
};

}  // namespace tess
