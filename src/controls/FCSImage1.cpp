#include "controls/FCSImage1.h"

#include <QMouseEvent>
#include <QTimer>

namespace tess {

TFCSImage1::TFCSImage1(QWidget* parent) : QLabel(parent) {}

void TFCSImage1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!repeat_) {
    repeat_ = new QTimer(this);
    connect(repeat_, &QTimer::timeout, this, &TFCSImage1::RepeatStep);
  }
  repeat_->setInterval(InitRepeatpause);
  repeat_->start();
}

// A fast second click is a second click, not a double click.
void TFCSImage1::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TFCSImage1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (repeat_) repeat_->stop();
  if (rect().contains(event->position().toPoint())) Q_EMIT Click();
}

void TFCSImage1::RepeatStep() {
  repeat_->setInterval(Repeatpause);
  Q_EMIT Click();
}

void TFCSImage1::enterEvent(QEnterEvent*) { Q_EMIT MouseEnter(); }
void TFCSImage1::leaveEvent(QEvent*) { Q_EMIT MouseLeave(); }

}  // namespace tess
