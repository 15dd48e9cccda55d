#include "widgets/RepeatButton.h"

#include <QTimer>

namespace tess {

void RepeatButton::OnPress() {
  if (!repeat_) {
    repeat_ = new QTimer(this);
    connect(repeat_, &QTimer::timeout, this, &RepeatButton::RepeatStep);
  }
  repeat_->setInterval(InitRepeatpause);
  repeat_->start();
}

void RepeatButton::OnRelease() {
  if (repeat_) repeat_->stop();
}

void RepeatButton::RepeatStep() {
  repeat_->setInterval(Repeatpause);
  Q_EMIT Click();
}

}  // namespace tess
