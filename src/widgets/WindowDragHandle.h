#pragma once
// Makes a control the title bar of a frameless window: pressing the left button on it and
// moving the mouse moves the window. The handle owns nothing; it lives as the control's child.
#include <QObject>
#include <QPoint>

class QWidget;

namespace tess {

class WindowDragHandle : public QObject {
 public:
  /// Dragging `handle` moves the top-level window `handle` belongs to.
  static void Install(QWidget* handle);

  /// Ends a drag in progress (the window was hidden with the button still down).
  static void Release(QWidget* handle);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit WindowDragHandle(QWidget* handle);

  QWidget* handle_;
  QPoint grabbedAt_;
  bool dragging_ = false;
};

}  // namespace tess
