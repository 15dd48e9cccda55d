#pragma once
// A picture button that repeats its click while held down (scroll arrows).
#include <QLabel>

class QTimer;

namespace tess {

class RepeatButton : public QLabel {
  Q_OBJECT
 public:
  explicit RepeatButton(QWidget* parent = nullptr);

  int Repeatpause = 75;
  int InitRepeatpause = 250;

 Q_SIGNALS:
  void Click();
  void MouseEnter();
  void MouseLeave();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void RepeatStep();

  QTimer* repeat_ = nullptr;  // made on first use
};

}  // namespace tess
