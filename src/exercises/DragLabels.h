#pragma once
// The Qt side of dragging labels inside a window: a press on a label lifts it (it comes to the
// front), moves carry it with the pointer, the release hands the drop point to the exercise,
// and every label then goes where the board rests it. Everything that decides is DragBoard's
// and the exercise's.
#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

#include "exercises/DragDrop.h"

class QLabel;
class QWidget;

namespace tess {

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

  /// Moves every label to where the board rests it.
  void PlaceAll();
  /// The hand over the labels while they can be dragged, else the arrow.
  void SetDraggable(bool draggable);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int NumberOf(QObject* widget) const;

  QWidget& window_;
  DragBoard& board_;
  std::vector<QLabel*> labels_;
};

}  // namespace tess
