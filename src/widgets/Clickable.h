#pragma once
// The one base of the hand-made clickable controls: it tracks the pointer over the control and
// the left button held on it, and reports enter, leave and click. A click is a left press on
// the control followed by a release over it; a fast second press counts as a press. For the
// keyboard the control is on the Tab chain and Space clicks it; screen readers see it as a
// button (or the role it is given) with a press action (widgets/Accessibility.h).
#include <QLabel>

#include "widgets/Accessibility.h"

namespace tess {

class Clickable : public QLabel {
  Q_OBJECT
 public:
  explicit Clickable(QWidget* parent = nullptr);
  explicit Clickable(const QString& text, QWidget* parent = nullptr);

  /// A caption leaves the Tab chain to the control it names.
  void SetRole(ControlRole role);
  ControlRole Role() const { return role_; }
  /// Ticked, chosen or the current tab, as the control shows it.
  void SetChecked(bool checked);
  bool Checked() const { return checked_; }

  /// What Space and a screen reader's press do: the click, when the control is shown and
  /// enabled.
  void Press();

 Q_SIGNALS:
  void Click();
  void MouseEnter();
  void MouseLeave();

 protected:
  bool Hovered() const { return hovered_; }
  /// The left button went down on the control and is not yet released.
  bool Held() const { return held_; }
  /// The focus came by Tab and is still here: the control shows the focus frame.
  bool KeyboardFocused() const { return keyboardFocus_ && hasFocus(); }
  void PaintFocusFrame(QPainter& painter) const;

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
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  /// A window closed by the control never tells it the mouse left; the state is reset here so
  /// the control does not come back highlighted or held.
  void hideEvent(QHideEvent* event) override;

 private:
  void MakeAccessible();

  bool hovered_ = false;
  bool held_ = false;
  bool keyboardFocus_ = false;
  bool checked_ = false;
  ControlRole role_ = ControlRole::Button;
};

}  // namespace tess
