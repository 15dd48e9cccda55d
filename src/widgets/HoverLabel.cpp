#include "widgets/HoverLabel.h"

#include <QMouseEvent>

namespace tess {

void HoverLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Q_EMIT Click();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace tess
