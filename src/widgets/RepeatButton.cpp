#include "widgets/RepeatButton.h"

#include <QMouseEvent>
#include <QTimer>

namespace tess {

RepeatButton::RepeatButton(QWidget* parent) : QLabel(parent) {}

void RepeatButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!repeat_) {
    repeat_ = new QTimer(this);
    connect(repeat_, &QTimer::timeout, this, &RepeatButton::RepeatStep);
  }
  repeat_->setInterval(InitRepeatpause);
  repeat_->start();
}

// A fast second click is a second click, not a double click.
void RepeatButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void RepeatButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (repeat_) repeat_->stop();
  if (rect().contains(event->position().toPoint())) Q_EMIT Click();
}

void RepeatButton::RepeatStep() {
  repeat_->setInterval(Repeatpause);
  Q_EMIT Click();
}

void RepeatButton::enterEvent(QEnterEvent*) { Q_EMIT MouseEnter(); }
void RepeatButton::leaveEvent(QEvent*) { Q_EMIT MouseLeave(); }

}  // namespace tess
