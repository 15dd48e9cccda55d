#include "exercises/DragDrop.h"

namespace tess {

int FirstAreaHit(std::span<const DropArea> areas, Point point) {
  return FirstAreaHit(areas, point, [](int) { return true; });
}

int FirstAreaHit(std::span<const DropArea> areas, Point point,
                 const std::function<bool(int)>& accepts) {
  for (size_t i = 0; i < areas.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (areas[i].Contains(point) && accepts(number)) return number;
  }
  return 0;
}

void CellTable::Reset(int columns, int rows) {
  columns_ = columns > 0 ? columns : 0;
  rows_ = rows > 0 ? rows : 0;
  labels_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), 0);
}

int CellTable::Index(Cell cell) const {
  if (cell.Column < 1 || cell.Column > columns_ || cell.Row < 1 || cell.Row > rows_) return -1;
  return (cell.Column - 1) * rows_ + (cell.Row - 1);
}

int CellTable::LabelAt(Cell cell) const {
  const int index = Index(cell);
  return index < 0 ? 0 : labels_[static_cast<size_t>(index)];
}

Cell CellTable::CellOf(int label) const {
  if (label < 1) return {};
  for (size_t i = 0; i < labels_.size(); ++i) {
    if (labels_[i] == label) {
      const int index = static_cast<int>(i);
      return {index / rows_ + 1, index % rows_ + 1};
    }
  }
  return {};
}

int CellTable::FirstFreeRow(int column) const {
  for (int row = 1; row <= rows_; ++row) {
    const int index = Index({column, row});
    if (index < 0) return 0;
    if (labels_[static_cast<size_t>(index)] == 0) return row;
  }
  return 0;
}

bool CellTable::Put(Cell cell, int label) {
  const int index = Index(cell);
  if (index < 0 || label < 1 || labels_[static_cast<size_t>(index)] != 0) return false;
  labels_[static_cast<size_t>(index)] = label;
  return true;
}

Cell CellTable::Free(int label) {
  const Cell cell = CellOf(label);
  const int index = Index(cell);
  if (index >= 0) labels_[static_cast<size_t>(index)] = 0;
  return cell;
}

void DragBoard::Reset(int labelCount, LiftOffset offset) {
  const size_t count = labelCount > 0 ? static_cast<size_t>(labelCount) : 0;
  homes_.assign(count, Point{});
  resting_.assign(count, Point{});
  offset_ = offset;
  followArea_ = DropArea{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};
  lifted_ = 0;
  dragged_ = false;
  frozen_ = false;
}

void DragBoard::SetHome(int label, Point home) {
  if (!IsLabel(label)) return;
  homes_[static_cast<size_t>(label - 1)] = home;
  resting_[static_cast<size_t>(label - 1)] = home;
}

Point DragBoard::Home(int label) const {
  return IsLabel(label) ? homes_[static_cast<size_t>(label - 1)] : Point{};
}

Point DragBoard::RestingAt(int label) const {
  return IsLabel(label) ? resting_[static_cast<size_t>(label - 1)] : Point{};
}

void DragBoard::RestAt(int label, Point at) {
  if (IsLabel(label)) resting_[static_cast<size_t>(label - 1)] = at;
}

void DragBoard::SetFollowArea(DropArea area) { followArea_ = area; }

bool DragBoard::Lift(int label) {
  if (frozen_ || !IsLabel(label)) return false;
  lifted_ = label;
  dragged_ = true;
  return true;
}

std::optional<Point> DragBoard::Follow(Point pointer, int width, int height) const {
  if (lifted_ == 0 || !followArea_.Contains(pointer)) return std::nullopt;
  return offset_.LabelAt(pointer, width, height);
}

int DragBoard::Release() {
  const int label = lifted_;
  lifted_ = 0;
  return label;
}

void DragBoard::Freeze() {
  frozen_ = true;
  lifted_ = 0;
}

KeyDragStep KeyDrag::Press(DragBoard& board, int label, DragKey key, int placeCount, int start) {
  using Kind = KeyDragStep::Kind;
  // The check froze the board, or the mouse took the label over.
  if (carried_ != 0 && board.Lifted() != carried_) carried_ = 0;
  if (carried_ == 0) {
    if (key != DragKey::Take || placeCount <= 0 || board.Lifted() != 0 || !board.Lift(label)) {
      return {};
    }
    carried_ = label;
    aim_ = start >= 0 && start < placeCount ? start : 0;
    return {Kind::Lifted, label, aim_};
  }
  if (label != carried_) return {};
  // The places may have changed while the label was carried.
  if (placeCount > 0 && aim_ >= placeCount) aim_ = placeCount - 1;
  switch (key) {
    case DragKey::Next:
      if (placeCount <= 0) return {};
      aim_ = (aim_ + 1) % placeCount;
      return {Kind::Aimed, label, aim_};
    case DragKey::Previous:
      if (placeCount <= 0) return {};
      aim_ = (aim_ + placeCount - 1) % placeCount;
      return {Kind::Aimed, label, aim_};
    case DragKey::Take:
      if (placeCount <= 0) return {};
      board.Release();
      carried_ = 0;
      return {Kind::Put, label, aim_};
    case DragKey::Cancel:
      board.Release();
      carried_ = 0;
      return {Kind::Cancelled, label, aim_};
  }
  return {};
}

}  // namespace tess
