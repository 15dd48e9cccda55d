#pragma once
// The Qt side of dragging labels inside a window: a press on a label lifts it (it comes to the
// front), moves carry it with the pointer, the release hands the drop point to the exercise,
// and every label then goes where the board rests it. Everything that decides is DragBoard's
// and the exercise's. The keys do the same without the mouse: Tab reaches a label, Space or
// Enter picks it up, the arrows (or Tab) take it round the places the exercise offers, Enter
// puts it down there through the same drop, Escape takes it back.
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

#include "exercises/DragDrop.h"

class QKeyEvent;
class QLabel;
class QWidget;

namespace tess {

/// A place a label can be put down by keys: the point a mouse would let go at for it, and what
/// screen readers are told of it.
struct KeyPlace {
  Point At;
  QString Name;
  bool Holds = false;  ///< the label lies here now; the keys start from here
};

/// What screen readers call the place the words start from.
QString PoolPlaceName();

class DragLabels : public QObject {
  Q_OBJECT
 public:
  /// Labels are children of `window`; drop points are in its coordinates.
  DragLabels(QWidget& window, DragBoard& board);

  /// `widget` is label number `label` (1-based) of the board.
  void Add(int label, QLabel* widget);
  QLabel* Label(int label) const;

  /// Told after a label was lifted.
  std::function<void(int label)> Lifted;
  /// Told where a label was let go (window pixels); the exercise rests it, then every label
  /// is placed.
  std::function<void(int label, Point windowPoint)> Dropped;
  /// Where label `label` can go by keys now; without it the labels are not carried by keys.
  std::function<std::vector<KeyPlace>(int label)> Places;

  /// Moves every label to where the board rests it.
  void PlaceAll();
  /// The hand over the labels while they can be dragged, else the arrow; only then are they
  /// on the Tab chain.
  void SetDraggable(bool draggable);
  /// The label carried by keys, 0 when none.
  int Carried() const { return keys_.Carried(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int NumberOf(QObject* widget) const;
  bool KeyPressed(int label, QKeyEvent& key);
  /// Shows the carried label at the place aimed at and tells screen readers which it is.
  void ShowAim(int label, const KeyPlace& place);
  /// The focus frame around the label that has the focus by keys, or the carried one.
  void PlaceFrame();

  QWidget& window_;
  DragBoard& board_;
  std::vector<QLabel*> labels_;
  KeyDrag keys_;
  QLabel* frame_ = nullptr;
  QLabel* keyFocus_ = nullptr;  // reached by Tab, framed while it keeps the focus
};

}  // namespace tess
