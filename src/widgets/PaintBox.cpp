#include "widgets/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/Accessibility.h"

namespace tess {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  InstallAccessibility();
}

void PaintBox::paintEvent(QPaintEvent*) {
  if (!Paint) return;
  QPainter painter(this);
  Paint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && MouseDown) MouseDown(event->position().toPoint());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (MouseMove) MouseMove(event->position().toPoint());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && MouseUp) MouseUp(event->position().toPoint());
}

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && DoubleClick) DoubleClick();
}

}  // namespace tess
