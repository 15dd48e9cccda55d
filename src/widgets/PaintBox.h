#pragma once
// A box its window draws into and takes the mouse from: the window sets the callbacks.
#include <QPoint>
#include <QWidget>
#include <functional>

class QPainter;

namespace tess {

class PaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit PaintBox(QWidget* parent = nullptr);

  std::function<void(QPainter&)> Paint;
  std::function<void(QPoint)> MouseDown;  ///< left button
  std::function<void(QPoint)> MouseMove;
  std::function<void(QPoint)> MouseUp;
  std::function<void()> DoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tess
