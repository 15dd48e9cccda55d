#include "widgets/Clickable.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "widgets/Palette.h"

namespace tess {

Clickable::Clickable(QWidget* parent) : QLabel(parent) { MakeAccessible(); }

Clickable::Clickable(const QString& text, QWidget* parent) : QLabel(text, parent) {
  MakeAccessible();
}

void Clickable::MakeAccessible() {
  InstallAccessibility();
  setFocusPolicy(Qt::TabFocus);
  RenewAccessible(*this);
}

void Clickable::SetRole(ControlRole role) {
  role_ = role;
  setFocusPolicy(role == ControlRole::Caption ? Qt::NoFocus : Qt::TabFocus);
}

void Clickable::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  QAccessible::State changed;
  changed.checked = true;
  changed.selected = role_ == ControlRole::PageTab;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void Clickable::Press() {
  if (!isVisible() || !isEnabled()) return;
  Q_EMIT Click();
}

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

void Clickable::keyPressEvent(QKeyEvent* event) {
  // Enter stays with the window: its dialogs press OK with it, whatever has the focus.
  if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) &&
      event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
    Press();
    return;
  }
  QLabel::keyPressEvent(event);
}

void Clickable::focusInEvent(QFocusEvent* event) {
  // Only the keyboard's way here is shown; a window that gives its first control the focus
  // when it comes up would otherwise frame a button the learner never chose.
  keyboardFocus_ = event->reason() == Qt::TabFocusReason ||
                   event->reason() == Qt::BacktabFocusReason ||
                   (keyboardFocus_ && event->reason() == Qt::ActiveWindowFocusReason);
  update();
  QLabel::focusInEvent(event);
}

void Clickable::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
    keyboardFocus_ = false;
  }
  update();
  QLabel::focusOutEvent(event);
}

void Clickable::PaintFocusFrame(QPainter& painter) const {
  if (!KeyboardFocused()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette::kFocusFrame, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
  painter.restore();
}

void Clickable::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!KeyboardFocused()) return;
  QPainter painter(this);
  PaintFocusFrame(painter);
}

void Clickable::hideEvent(QHideEvent* event) {
  held_ = false;
  hovered_ = false;
  QLabel::hideEvent(event);
}

}  // namespace tess
