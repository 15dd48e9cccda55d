#include "controls/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tess {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TPaintBox::paintEvent(QPaintEvent*) {
  if (!Paint) return;
  QPainter painter(this);
  Paint(painter);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && MouseDown) MouseDown(event->position().toPoint());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (MouseMove) MouseMove(event->position().toPoint());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && MouseUp) MouseUp(event->position().toPoint());
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && DoubleClick) DoubleClick();
}

}  // namespace tess
