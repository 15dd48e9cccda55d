#include "coursebook/Backdrop.h"

#include <QGuiApplication>
#include <QScreen>

namespace tess {

Backdrop::Backdrop(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
  setObjectName("TPodkladForm");
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setEnabled(false);
}

void Backdrop::ShowCovering() {
  // Without a window manager "maximised" means nothing, so the screen is covered by hand.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
  setWindowState(Qt::WindowMaximized);
  show();
}

}  // namespace tess
