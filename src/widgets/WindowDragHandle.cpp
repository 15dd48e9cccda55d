#include "widgets/WindowDragHandle.h"

#include <QMouseEvent>
#include <QWidget>

namespace tess {

WindowDragHandle::WindowDragHandle(QWidget* handle) : QObject(handle), handle_(handle) {}

void WindowDragHandle::Install(QWidget* handle) {
  handle->setCursor(Qt::SizeAllCursor);
  handle->installEventFilter(new WindowDragHandle(handle));
}

void WindowDragHandle::Release(QWidget* handle) {
  if (auto* drag = handle->findChild<WindowDragHandle*>(QString(), Qt::FindDirectChildrenOnly)) {
    drag->dragging_ = false;
  }
}

bool WindowDragHandle::eventFilter(QObject* watched, QEvent* event) {
  if (watched != handle_) return false;
  // Only a mouse event may be taken as one: the control also gets paints, shows and more.
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      dragging_ = true;
      grabbedAt_ = mouse->globalPosition().toPoint() - handle_->window()->pos();
      return true;
    }
    case QEvent::MouseMove:
      if (!dragging_) return false;
      handle_->window()->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                              grabbedAt_);
      return true;
    case QEvent::MouseButtonRelease:
      if (!dragging_) return false;
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

}  // namespace tess
