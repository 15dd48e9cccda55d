#pragma once
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tess {

/// Windows of fixed size open in the middle of the screen.
inline void CentreOnScreen(QWidget& window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window.move(area.center() - window.rect().center());
  }
}

/// A window in the middle of another.
inline void CentreOver(QWidget& window, const QWidget& over) {
  window.move(over.geometry().center() - window.rect().center());
}

}  // namespace tess
