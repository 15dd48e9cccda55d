#include "widgets/WindowKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace tess {

WindowKeys::WindowKeys(QWidget& window, std::function<bool(int key)> handler)
    : QObject(&window), handler_(std::move(handler)) {
  window.installEventFilter(this);
}

void WindowKeys::Watch(QWidget& control) { control.installEventFilter(this); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && handler_(static_cast<QKeyEvent*>(event)->key())) {
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tess
