#pragma once
#include <QWidget>

namespace tess {

/// The black backdrop behind the 800 x 600 windows; it hides the desktop.
class Backdrop : public QWidget {
  Q_OBJECT
 public:
  explicit Backdrop(QWidget* parent = nullptr);
  void ShowCovering();
};

}  // namespace tess
