#include "dictionary/EntryListBox.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace tess::dictionary {

EntryListBox::EntryListBox(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

bool EntryListBox::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const std::string hint = HintAt ? HintAt(help->pos()) : std::string();
    if (hint.empty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), QString::fromStdString(hint), this);
    }
    return true;
  }
  return QWidget::event(event);
}

void EntryListBox::paintEvent(QPaintEvent*) {
  if (!Paint) return;
  QPainter painter(this);
  Paint(painter);
}

void EntryListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && MouseDown) MouseDown(event->position().toPoint());
}

void EntryListBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void EntryListBox::wheelEvent(QWheelEvent* event) {
  constexpr int kEighthsPerStep = 120;
  wheelRest_ += event->angleDelta().y();
  const int steps = wheelRest_ / kEighthsPerStep;
  wheelRest_ -= steps * kEighthsPerStep;
  if (steps != 0 && Wheel) Wheel(steps);
  event->accept();
}

}  // namespace tess::dictionary
