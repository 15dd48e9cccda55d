#pragma once
// Plain pictures and labels that only add mouse-enter and mouse-leave events.
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

/// A picture with enter and leave events.
class TMImage : public HoverLabel {
  Q_OBJECT
 public:
  using HoverLabel::HoverLabel;
};

/// A picture with enter and leave events, used where a panel freshens under the mouse.
class TFreshOnMouseImage : public HoverLabel {
  Q_OBJECT
 public:
  using HoverLabel::HoverLabel;
};

/// A label with enter and leave events.
class TMLabel : public HoverLabel {
  Q_OBJECT
 public:
  using HoverLabel::HoverLabel;
};

}  // namespace tess
