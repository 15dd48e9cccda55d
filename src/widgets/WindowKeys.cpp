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

bool DialogKey(int key, const QWidget& ok, const std::function<void()>& pressOk,
               const std::function<void()>& close, bool enterOnlyForOk,
               const std::function<void()>& help) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ok.isHidden()) return !enterOnlyForOk;
      pressOk();
      return true;
    case Qt::Key_Escape:
      close();
      return true;
    case Qt::Key_F1:
      if (!help) return false;
      help();
      return true;
    default:
      return false;
  }
}

}  // namespace tess
