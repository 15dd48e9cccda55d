#pragma once
// The one base of the hand-made clickable controls: it tracks the pointer over the control and
// the left button held on it, and reports enter, leave and click. A click is a left press on
// the control followed by a release over it; a fast second press counts as a press.
#include <QLabel>

namespace tess {

class Clickable : public QLabel {
  Q_OBJECT
 public:
  explicit Clickable(QWidget* parent = nullptr) : QLabel(parent) {}
  explicit Clickable(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}

 Q_SIGNALS:
  void Click();
  void MouseEnter();
  void MouseLeave();

 protected:
  bool Hovered() const { return hovered_; }
  /// The left button went down on the control and is not yet released.
  bool Held() const { return held_; }

  // What a control adds to the base's bookkeeping, most often a change of look.
  virtual void OnEnter() {}
  virtual void OnLeave() {}
  virtual void OnPress() {}
  /// After the release and before the click it may make.
  virtual void OnRelease() {}

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  /// A window closed by the control never tells it the mouse left; the state is reset here so
  /// the control does not come back highlighted or held.
  void hideEvent(QHideEvent* event) override;

 private:
  bool hovered_ = false;
  bool held_ = false;
};

}  // namespace tess
