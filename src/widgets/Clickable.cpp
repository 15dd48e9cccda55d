#include "widgets/Clickable.h"

#include <QMouseEvent>
#include <QPointer>

namespace tess {

void Clickable::enterEvent(QEnterEvent*) {
  if (!isEnabled()) return;
  hovered_ = true;
  OnEnter();
  Q_EMIT MouseEnter();
}

void Clickable::leaveEvent(QEvent*) {
  if (!isEnabled()) return;
  hovered_ = false;
  OnLeave();
  Q_EMIT MouseLeave();
}

void Clickable::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  held_ = true;
  OnPress();
}

void Clickable::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !held_) return;
  held_ = false;
  // A click may close and delete the control's window; nothing of it is touched after.
  QPointer<Clickable> self(this);
  OnRelease();
  if (self && rect().contains(event->position().toPoint())) Q_EMIT Click();
}

void Clickable::hideEvent(QHideEvent* event) {
  held_ = false;
  hovered_ = false;
  QLabel::hideEvent(event);
}

}  // namespace tess
