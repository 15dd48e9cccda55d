#pragma once
// The paint box of the dictionary's list: the window paints it, takes its presses (a fast
// second press is a press too), shows the hint under the mouse and scrolls with the wheel.
#include <QWidget>
#include <functional>
#include <string>

class QPainter;

namespace tess::dictionary {

class EntryListBox : public QWidget {
  Q_OBJECT
 public:
  explicit EntryListBox(QWidget* parent = nullptr);

  std::function<void(QPainter&)> Paint;
  std::function<void(QPoint)> MouseDown;
  /// The hint (UTF-8) at a point; empty for none.
  std::function<std::string(QPoint)> HintAt;
  /// Wheel steps, positive away from the user.
  std::function<void(int steps)> Wheel;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int wheelRest_ = 0;  // eighths of a degree not yet turned into steps
};

}  // namespace tess::dictionary
