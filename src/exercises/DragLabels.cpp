#include "exercises/DragLabels.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace tess {

DragLabels::DragLabels(QWidget& window, DragBoard& board)
    : QObject(&window), window_(window), board_(board) {}

void DragLabels::Add(int label, QLabel* widget) {
  if (label < 1) return;
  if (static_cast<size_t>(label) > labels_.size()) labels_.resize(static_cast<size_t>(label));
  labels_[static_cast<size_t>(label - 1)] = widget;
  widget->installEventFilter(this);
}

QLabel* DragLabels::Label(int label) const {
  if (label < 1 || static_cast<size_t>(label) > labels_.size()) return nullptr;
  return labels_[static_cast<size_t>(label - 1)];
}

int DragLabels::NumberOf(QObject* widget) const {
  for (size_t i = 0; i < labels_.size(); ++i) {
    if (labels_[i] == widget) return static_cast<int>(i) + 1;
  }
  return 0;
}

void DragLabels::PlaceAll() {
  for (int label = 1; label <= static_cast<int>(labels_.size()); ++label) {
    QLabel* widget = labels_[static_cast<size_t>(label - 1)];
    if (!widget || !board_.IsLabel(label)) continue;
    const Point at = board_.RestingAt(label);
    widget->move(at.X, at.Y);
  }
}

void DragLabels::SetDraggable(bool draggable) {
  for (QLabel* widget : labels_) {
    if (widget) widget->setCursor(draggable ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
}

bool DragLabels::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return false;
  }
  const int label = NumberOf(watched);
  if (label == 0) return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  QLabel* widget = labels_[static_cast<size_t>(label - 1)];
  const QPoint inWindow = widget->mapTo(&window_, mouse->position().toPoint());
  const Point pointer{inWindow.x(), inWindow.y()};

  switch (type) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton || !board_.Lift(label)) return false;
      widget->raise();
      if (Lifted) Lifted(label);
      return true;
    case QEvent::MouseMove:
      if (board_.Lifted() != label) return false;
      if (const auto at = board_.Follow(pointer, widget->width(), widget->height())) {
        widget->move(at->X, at->Y);
      }
      return true;
    default:
      if (mouse->button() != Qt::LeftButton || board_.Lifted() != label) return false;
      board_.Release();
      if (Dropped) Dropped(label, pointer);
      PlaceAll();
      return true;
  }
}

}  // namespace tess
