#pragma once
// Pictures and labels that add mouse-enter, mouse-leave and click events.
#include <QLabel>

namespace tess {

class HoverLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 Q_SIGNALS:
  void MouseEnter();
  void MouseLeave();
  void Click();

 protected:
  void enterEvent(QEnterEvent*) override { Q_EMIT MouseEnter(); }
  void leaveEvent(QEvent*) override { Q_EMIT MouseLeave(); }
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tess
